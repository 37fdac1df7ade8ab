#include "gridctl/GXEditControl.h"

#include "gridctl/GXGridCore.h"
#include "win/user/Input.h"
#include "win/user/Messages.h"

#include <algorithm>

void CGXEditControl::StartEdit(const CString& sText, const CString& sValue)
{
    m_bActive = TRUE;
    m_sText = sText;
    m_sValue = sValue;
    m_nCaret = sText.GetLength();
}

BOOL CGXEditControl::GetEditValue(CString& sValue) const
{
    sValue = m_sText;
    return m_bActive && m_sText != m_sValue;
}

void CGXEditControl::StopEdit()
{
    m_bActive = FALSE;
    m_sText.Empty();
    m_sValue.Empty();
    m_nCaret = 0;
}

BOOL CGXEditControl::KeyPressed(UINT nMessage, UINT nChar, UINT, UINT)
{
    if (!m_bActive)
        return FALSE;
    if (nMessage == WM_KEYDOWN)
        return editKey(nChar);
    if (nMessage != WM_CHAR)
        return FALSE;
    if (nChar == VK_BACK)
        return TRUE; // done by its key
    if (nChar < 32 || nChar == 127)
        return FALSE;
    m_sText.Insert(m_nCaret++, (wchar_t)nChar);
    redrawCell();
    return TRUE;
}

BOOL CGXEditControl::editKey(UINT nChar)
{
    const int length = m_sText.GetLength();
    switch (nChar) {
    case VK_LEFT: m_nCaret = std::max(0, m_nCaret - 1); break;
    case VK_RIGHT: m_nCaret = std::min(length, m_nCaret + 1); break;
    case VK_HOME: m_nCaret = 0; break;
    case VK_END: m_nCaret = length; break;
    case VK_BACK:
        if (m_nCaret > 0)
            m_sText.Delete(--m_nCaret);
        break;
    case VK_DELETE:
        if (m_nCaret < length)
            m_sText.Delete(m_nCaret);
        break;
    default: return FALSE;
    }
    redrawCell();
    return TRUE;
}

void CGXEditControl::redrawCell()
{
    ROWCOL nRow, nCol;
    if (Grid()->GetCurrentCell(nRow, nCol))
        Grid()->RedrawRowCol(CGXRange(nRow, nCol));
}

BOOL CGXEditControl::IsEditedCell(ROWCOL nRow, ROWCOL nCol) const
{
    ROWCOL nCurRow, nCurCol;
    return m_bActive && Grid()->GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow && nCurCol == nCol;
}

void CGXEditControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    if (!IsEditedCell(nRow, nCol)) {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    const CGXStyle full = FullStyle(style, pStandardStyle);
    DrawBackground(pDC, rect, full);
    DrawFrame(pDC, rect, full);
    DrawEditor(pDC, rect, full);
}

// The text is drawn as typed, left-aligned on one line, so that the caret
// follows the characters.
void CGXEditControl::DrawEditor(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    FontScope font(*this, pDC, style);
    const COLORREF color = PlainColor(style.GetTextColor());
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(color);
    CRect textRect(rect);
    textRect.DeflateRect(GX_TEXT_MARGIN_X, 0);
    pDC->DrawText(m_sText, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    const CSize before = pDC->GetTextExtent(m_sText.Left(m_nCaret));
    const int top = textRect.top + (textRect.Height() - before.cy) / 2;
    pDC->FillSolidRect(textRect.left + before.cx, top, 1, before.cy, color);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}
