#include "gridctl/GXControl.h"

#include "win/Font.h"
#include "win/SysColors.h"

namespace {

// Colours may carry the grid library's mark in their top byte.
COLORREF plainColor(COLORREF cr)
{
    return cr & 0x00FFFFFF;
}

} // namespace

BOOL CGXControl::GetControlText(CString& sResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue, const CGXStyle& style)
{
    sResult = ControlTextOf(pszRawValue, style);
    return TRUE;
}

CString CGXControl::ControlTextOf(LPCTSTR pszRawValue, const CGXStyle& style)
{
    const WORD id = style.GetControl();
    if (id != GX_IDS_CTRL_ONEBASED && id != GX_IDS_CTRL_ZEROBASED)
        return CString(pszRawValue);
    const long line = CGXStyle().SetValue(pszRawValue).GetLongValue() - (id == GX_IDS_CTRL_ONEBASED ? 1 : 0);
    CString text;
    if (line < 0 || line > INT32_MAX || !style.GetChoiceListLine((int)line, text))
        return CString();
    return text;
}

void CGXControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle)
{
    CGXStyle full(style);
    if (pStandardStyle)
        full.ChangeStyle(*pStandardStyle, gxApplyNew);
    DrawBackground(pDC, rect, full);
    DrawFrame(pDC, rect, full);
    CString text;
    GetControlText(text, nRow, nCol, full.GetValue(), full);
    DrawCellText(pDC, rect, text, full);
}

void CGXControl::DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    pDC->FillSolidRect(&rect, plainColor(style.GetInterior()));
}

void CGXControl::DrawFrame(CDC* pDC, CRect& rect, const CGXStyle& style)
{
    const GXDraw3dFrameType frame = style.GetDraw3dFrame();
    if (frame == gxFrameNormal || rect.Width() < 2 || rect.Height() < 2)
        return;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF topLeft = frame == gxFrameRaised ? light : dark;
    const COLORREF bottomRight = frame == gxFrameRaised ? dark : light;
    pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, topLeft);
    pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), topLeft);
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, bottomRight);
    pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), bottomRight);
    rect.DeflateRect(1, 1);
}

void CGXControl::DrawCellText(CDC* pDC, const CRect& rect, const CString& text, const CGXStyle& style)
{
    if (text.IsEmpty())
        return;
    LOGFONTW lf{};
    style.GetFont().GetLogFont(lf, 100);
    CFont font;
    CFont* pOldFont = font.CreateFontIndirect(&lf) ? pDC->SelectObject(&font) : nullptr;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(plainColor(style.GetTextColor()));
    CRect textRect(rect);
    textRect.DeflateRect(GX_TEXT_MARGIN_X, 0);
    const UINT format = (UINT)style.GetHorizontalAlignment() | (UINT)style.GetVerticalAlignment() | DT_SINGLELINE |
                        DT_NOPREFIX;
    pDC->DrawText(text, &textRect, format);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    if (pOldFont)
        pDC->SelectObject(pOldFont);
}
