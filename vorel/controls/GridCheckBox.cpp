#include "controls/GridCheckBox.h"

#include "frame/OwnResources.h"
#include "gridctl/GXDrawing.h"

namespace NVorel {

GridCheckBox::GridCheckBox(CGXGridCore* pGrid, int bDraw3dFrame, unsigned int nBitmapResourceId,
                           unsigned int nPressedResourceId)
    : CGXCheckBox(pGrid, bDraw3dFrame, nBitmapResourceId, nPressedResourceId)
{
    m_bmpChecked.LoadDpiAwareBitmap(L"vorel.dll", IDB_CHECK_ON, 0, nullptr, 0);
    m_bmpUnchecked.LoadDpiAwareBitmap(L"vorel.dll", IDB_CHECK_OFF, 0, nullptr, 0);
    m_bmpCheckedDisabled.LoadDpiAwareBitmap(L"vorel.dll", IDB_CHECK_ON_GRAY, 0, nullptr, 0);
    m_bmpUncheckedDisabled.LoadDpiAwareBitmap(L"vorel.dll", IDB_CHECK_OFF_GRAY, 0, nullptr, 0);
}

GridCheckBox::~GridCheckBox()
{
    m_bmpUncheckedDisabled.DeleteObject();
    m_bmpCheckedDisabled.DeleteObject();
    m_bmpUnchecked.DeleteObject();
    m_bmpChecked.DeleteObject();
}

void GridCheckBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                        const CGXStyle* pStandardStyle)
{
    const bool bEnabled = style.GetEnabled();
    if (style.GetValue() == L"0")
        m_pCurrent = bEnabled ? &m_bmpUnchecked : &m_bmpUncheckedDisabled;
    else
        m_pCurrent = bEnabled ? &m_bmpChecked : &m_bmpCheckedDisabled;
    CGXCheckBox::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

CSize GridCheckBox::currentSize() const
{
    BITMAP info{};
    m_pCurrent->GetObject(sizeof info, &info);
    return CSize(info.bmWidth, info.bmHeight);
}

CRect GridCheckBox::ComputeCheckBoxRect(CDC* pDC, CRect rcItem, const wchar_t* lpszString, DWORD dtAlign)
{
    if (!m_pCurrent)
        return CGXCheckBox::ComputeCheckBoxRect(pDC, rcItem, lpszString, dtAlign);
    const CSize picture = currentSize();
    const int W = rcItem.Width(), H = rcItem.Height();
    return CRect(rcItem.left + (W - picture.cx) / 2, rcItem.top + (H - picture.cy) / 2,
                 rcItem.left + (W + picture.cx) / 2 + 1, rcItem.top + (H + picture.cy) / 2 + 1);
}

void GridCheckBox::DrawCheckBox(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, UINT nState, DWORD dtAlign,
                                const wchar_t* lpszString)
{
    if (!m_pCurrent) {
        CGXCheckBox::DrawCheckBox(pDC, rect, nRow, nCol, nState, dtAlign, lpszString);
        return;
    }
    const CSize picture = currentSize();
    GXDrawTransparentBitmap(pDC, m_pCurrent, rect.left + (rect.Width() - picture.cx) / 2 + 1,
                            rect.top + (rect.Height() - picture.cy) / 2 + 1, RGB(0, 0, 0));
}

} // namespace NVorel
