#include "gridctl/GXControl.h"

#include "gridctl/GXGridCore.h"

#include "win/desktop/Desktop.h"
#include "win/gdi/Font.h"
#include "win/gdi/SysColors.h"

#include <cstring>

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
    return ChoiceLineOf(pszRawValue, style, id == GX_IDS_CTRL_ONEBASED ? 1 : 0);
}

CString CGXControl::ChoiceLineOf(LPCTSTR pszRawValue, const CGXStyle& style, int nBase)
{
    const long line = CGXStyle().SetValue(pszRawValue).GetLongValue() - nBase;
    CString text;
    if (line < 0 || line > INT32_MAX || !style.GetChoiceListLine((int)line, text))
        return CString();
    return text;
}

void CGXControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle)
{
    // Completed in a style kept for the next cell, whose buffers stay; the
    // grid's own controls show the value itself, which needs no copy.
    m_drawStyle = style;
    if (pStandardStyle)
        m_drawStyle.ChangeStyle(*pStandardStyle, gxApplyNew);
    const CGXStyle& full = m_drawStyle;
    DrawBackground(pDC, rect, full);
    DrawFrame(pDC, rect, full);
    if (m_pGrid && m_pGrid->showsValue(this, full.GetControl())) {
        DrawCellText(pDC, rect, full.GetValue(), full);
        return;
    }
    CString text;
    GetControlText(text, nRow, nCol, full.GetValue(), full);
    DrawCellText(pDC, rect, text, full);
}

CGXStyle CGXControl::FullStyle(const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    CGXStyle full(style);
    if (pStandardStyle)
        full.ChangeStyle(*pStandardStyle, gxApplyNew);
    return full;
}

void CGXControl::DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    pDC->FillSolidRect(&rect, PlainColor(style.GetInterior()));
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
    FontScope font(*this, pDC, style);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(PlainColor(style.GetTextColor()));
    CRect textRect(rect);
    textRect.DeflateRect(GX_TEXT_MARGIN_X, 0);
    if (style.GetWrapText())
        drawWrapped(pDC, textRect, text, style);
    else
        pDC->DrawText(text, &textRect,
                      (UINT)style.GetHorizontalAlignment() | (UINT)style.GetVerticalAlignment() | DT_SINGLELINE |
                          DT_NOPREFIX);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}

CGXControl::FontScope::FontScope(CGXControl& control, CDC* pDC, const CGXStyle& style)
    : m_control(control), m_pDC(pDC)
{
    KeptFont& kept = control.m_keptFont;
    const int nDpi = platform::desktop().dpi();
    LOGFONTW lf{};
    bool bSame = kept.pFont && kept.nDpi == nDpi && kept.font == style.GetFont();
    if (!bSame) {
        style.GetFont().GetLogFont(lf, 100);
        bSame = kept.pFont && std::memcmp(&kept.lf, &lf, sizeof lf) == 0;
    }
    CFont* pFont = nullptr;
    if (bSame) {
        pFont = kept.pFont.get();
    } else {
        auto pNew = std::make_unique<CFont>();
        if (!pNew->CreateFontIndirect(&lf))
            return;
        pFont = pNew.get();
        // A font still selected by an enclosing scope must stay.
        if (kept.nInUse > 0) {
            m_pOwnFont = std::move(pNew);
        } else {
            kept.pFont = std::move(pNew);
            kept.lf = lf;
            kept.font = style.GetFont();
            kept.nDpi = nDpi;
        }
    }
    if (!m_pOwnFont) {
        ++kept.nInUse;
        m_bKept = true;
    }
    // By handle: the old font needs no wrapper object looked up, cell after cell.
    m_hOld = ::SelectObject(pDC->GetSafeHdc(), pFont->GetSafeHandle());
}

CGXControl::FontScope::~FontScope()
{
    if (m_hOld)
        ::SelectObject(m_pDC->GetSafeHdc(), m_hOld);
    if (m_bKept)
        --m_control.m_keptFont.nInUse;
}

// DrawText places only single lines vertically: the block of wrapped lines is
// measured and placed here.
void CGXControl::drawWrapped(CDC* pDC, CRect rect, const CString& text, const CGXStyle& style)
{
    const UINT format = (UINT)style.GetHorizontalAlignment() | DT_WORDBREAK | DT_NOPREFIX;
    CRect measured(rect);
    const int height = pDC->DrawText(text, &measured, format | DT_CALCRECT);
    const DWORD vertical = style.GetVerticalAlignment();
    if (vertical == DT_VCENTER)
        rect.top += (rect.Height() - height) / 2;
    else if (vertical == DT_BOTTOM)
        rect.top = rect.bottom - height;
    pDC->DrawText(text, &rect, format);
}

void CGXControl::StartEdit(const CString&, const CString&) {}

BOOL CGXControl::GetEditValue(CString&) const
{
    return FALSE;
}

BOOL CGXControl::KeyPressed(UINT, UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::LButtonUp(UINT, CPoint, ROWCOL, ROWCOL, const CRect&)
{
    return FALSE;
}

BOOL CGXControl::KeyPressedOnCell(UINT, ROWCOL, ROWCOL)
{
    return FALSE;
}

CGXStyle CGXControl::CellStyle(ROWCOL nRow, ROWCOL nCol) const
{
    CGXStyle style;
    m_pGrid->ComposeStyleRowCol(nRow, nCol, &style);
    return style;
}

BOOL CGXControl::StoreUserValue(ROWCOL nRow, ROWCOL nCol, const CString& sValue)
{
    return m_pGrid->OnStartEditing(nRow, nCol) && m_pGrid->SetValueRange(CGXRange(nRow, nCol), sValue.GetString());
}
