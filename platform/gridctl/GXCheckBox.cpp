#include "gridctl/GXCheckBox.h"

#include "win/gdi/SysColors.h"
#include "win/user/Input.h"

CGXCheckBox::CGXCheckBox(CGXGridCore* pGrid, BOOL bDraw3dFrame, UINT, UINT)
    : CGXControl(pGrid), m_bDraw3dFrame(bDraw3dFrame)
{
}

void CGXCheckBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                       const CGXStyle* pStandardStyle)
{
    const CGXStyle full = FullStyle(style, pStandardStyle);
    DrawBackground(pDC, rect, full);
    DrawFrame(pDC, rect, full);
    const DWORD dtAlign = full.GetHorizontalAlignment() | DT_VCENTER;
    const CString caption = full.GetChoiceList();
    const UINT nState = (IsChecked(full) ? GX_CHECKBOX_CHECKED : 0) | (IsChangeable(full) ? 0 : GX_CHECKBOX_DISABLED);
    FontScope font(*this, pDC, full);
    const CRect box = ComputeCheckBoxRect(pDC, rect, caption, dtAlign);
    DrawCheckBox(pDC, box, nRow, nCol, nState, dtAlign, caption);
}

CRect CGXCheckBox::ComputeCheckBoxRect(CDC*, CRect rcItem, LPCTSTR, DWORD dtAlign)
{
    int left = rcItem.left + GX_TEXT_MARGIN_X;
    if (dtAlign & DT_CENTER)
        left = rcItem.left + (rcItem.Width() - GX_CHECKBOX_SIZE) / 2;
    else if (dtAlign & DT_RIGHT)
        left = rcItem.right - GX_TEXT_MARGIN_X - GX_CHECKBOX_SIZE;
    const int top = rcItem.top + (rcItem.Height() - GX_CHECKBOX_SIZE) / 2;
    return CRect(left, top, left + GX_CHECKBOX_SIZE, top + GX_CHECKBOX_SIZE);
}

void CGXCheckBox::DrawCheckBox(CDC* pDC, CRect rect, ROWCOL, ROWCOL, UINT nState, DWORD, LPCTSTR lpszString)
{
    const bool bDisabled = nState & GX_CHECKBOX_DISABLED;
    const COLORREF frame = GetSysColor(m_bDraw3dFrame ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    pDC->FillSolidRect(&rect, frame);
    if (m_bDraw3dFrame)
        pDC->FillSolidRect(rect.left + 1, rect.top + 1, rect.Width() - 1, rect.Height() - 1,
                           GetSysColor(COLOR_BTNHIGHLIGHT));
    CRect inner(rect);
    inner.DeflateRect(1, 1);
    if (m_bDraw3dFrame)
        inner.DeflateRect(0, 0, 1, 1);
    pDC->FillSolidRect(&inner, GetSysColor(bDisabled ? COLOR_BTNFACE : COLOR_WINDOW));
    if (nState & GX_CHECKBOX_CHECKED) {
        // A tick of two strokes, three pixels thick, from the lower left.
        const COLORREF ink = GetSysColor(bDisabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
        const int x0 = inner.left + 2, y0 = inner.top + inner.Height() / 2 - 1;
        for (int i = 0; i < 3; ++i)
            pDC->FillSolidRect(x0 + i, y0 + i, 1, 3, ink);
        for (int i = 0; i < inner.Width() - 6; ++i)
            pDC->FillSolidRect(x0 + 3 + i, y0 + 1 - i, 1, 3, ink);
    }
    if (!lpszString || !*lpszString)
        return;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(GetSysColor(bDisabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    pDC->TextOut(rect.right + 2 * GX_TEXT_MARGIN_X, rect.top + (rect.Height() - pDC->GetTextExtent(CString(lpszString)).cy) / 2,
                 CString(lpszString));
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}

BOOL CGXCheckBox::LButtonUp(UINT, CPoint, ROWCOL nRow, ROWCOL nCol, const CRect&)
{
    return toggle(nRow, nCol);
}

BOOL CGXCheckBox::KeyPressedOnCell(UINT nChar, ROWCOL nRow, ROWCOL nCol)
{
    return nChar == VK_SPACE && toggle(nRow, nCol);
}

BOOL CGXCheckBox::toggle(ROWCOL nRow, ROWCOL nCol)
{
    const CGXStyle style = CellStyle(nRow, nCol);
    if (!IsChangeable(style))
        return FALSE;
    StoreUserValue(nRow, nCol, IsChecked(style) ? L"0" : L"1");
    return TRUE;
}
