#include "gridctl/GXComboBox.h"

#include "gridctl/GXGridCore.h"
#include "win/user/Input.h"
#include "win/afx/PaintDC.h"
#include "win/user/Styles.h"
#include "win/gdi/SysColors.h"

#include <algorithm>

// The popup list: its clicks and keys go back to the combo box.
class CGXComboBox::DropList : public CListBox {
public:
    explicit DropList(CGXComboBox& combo) : m_combo(combo) {}

protected:
    afx_msg void OnLButtonUp(UINT, CPoint point)
    {
        BOOL bOutside = TRUE;
        const UINT line = ItemFromPoint(point, bOutside);
        if (!bOutside)
            m_combo.ChooseLine((int)line);
    }

    afx_msg void OnKeyDown(UINT nChar, UINT, UINT)
    {
        const int last = GetCount() - 1;
        switch (nChar) {
        case VK_RETURN: m_combo.ChooseLine(GetCurSel()); break;
        case VK_ESCAPE: m_combo.CloseUp(); break;
        case VK_UP: SetCurSel(std::max(0, GetCurSel() - 1)); break;
        case VK_DOWN: SetCurSel(std::min(last, GetCurSel() + 1)); break;
        default: Default();
        }
    }

    afx_msg void OnKillFocus(CWnd*) { m_combo.CloseUp(); }

    DECLARE_MESSAGE_MAP()

private:
    CGXComboBox& m_combo;
};

BEGIN_MESSAGE_MAP(CGXComboBox::DropList, CListBox)
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CGXComboBox::CGXComboBox(CGXGridCore* pGrid, UINT, UINT nListBoxID, UINT nFlags)
    : CGXEditControl(pGrid), m_nListBoxID(nListBoxID), m_nFlags(nFlags)
{
}

CGXComboBox::~CGXComboBox() = default;

BOOL CGXComboBox::GetControlText(CString& sResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue, const CGXStyle& style)
{
    sResult = m_nFlags == GXCOMBO_TEXT ? CString(pszRawValue)
                                       : ChoiceLineOf(pszRawValue, style, m_nFlags == GXCOMBO_ONEBASED ? 1 : 0);
    return TRUE;
}

void CGXComboBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                       const CGXStyle* pStandardStyle)
{
    const int button = std::min(GX_COMBO_BUTTON_WIDTH, rect.Width());
    CRect face(rect.right - button, rect.top, rect.right, rect.bottom);
    rect.right = face.left;
    CGXEditControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    pDC->FillSolidRect(&face, GetSysColor(COLOR_BTNFACE));
    DrawFrame(pDC, face, CGXStyle().SetDraw3dFrame(gxFrameRaised));
    // A downward arrow of four rows in the middle of the button.
    const COLORREF ink = GetSysColor(FullStyle(style, pStandardStyle).GetEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    const int cx = face.left + face.Width() / 2, cy = face.top + face.Height() / 2 - 2;
    for (int i = 0; i < 4; ++i)
        pDC->FillSolidRect(cx - 3 + i, cy + i, 7 - 2 * i, 1, ink);
}

BOOL CGXComboBox::LButtonUp(UINT, CPoint pt, ROWCOL nRow, ROWCOL nCol, const CRect& rcCell)
{
    if (m_nFlags == GXCOMBO_TEXT && pt.x < rcCell.right - GX_COMBO_BUTTON_WIDTH)
        return FALSE;
    return DropDown(nRow, nCol, rcCell);
}

BOOL CGXComboBox::IsDroppedDown() const
{
    return m_pList && m_pList->IsWindowVisible();
}

CListBox* CGXComboBox::GetListBox() const
{
    return IsDroppedDown() ? m_pList.get() : nullptr;
}

CRect CGXComboBox::OnGetListboxRect(const CRect& rcCellRect)
{
    const int lines = std::clamp(m_nLines, 1, GX_COMBO_MAX_LINES);
    return CRect(rcCellRect.left, rcCellRect.bottom, rcCellRect.right,
                 rcCellRect.bottom + lines * m_nLineHeight + 2 * GX_LIST_BORDER);
}

BOOL CGXComboBox::DropDown(ROWCOL nRow, ROWCOL nCol, const CRect& rcCell)
{
    CWnd* pGridWnd = dynamic_cast<CWnd*>(Grid());
    const CGXStyle style = CellStyle(nRow, nCol);
    if (!pGridWnd || !IsChangeable(style) || !Grid()->OnStartEditing(nRow, nCol))
        return FALSE;
    Grid()->TransferCurrentCell();
    m_pList.reset(); // a list left from before goes with its window
    m_nRow = nRow;
    m_nCol = nCol;
    m_nLines = 0;
    for (CString line; style.GetChoiceListLine(m_nLines, line);)
        ++m_nLines;
    {
        CClientDC dc(pGridWnd);
        FontScope font(*this, &dc, style);
        m_nLineHeight = dc.GetTextExtent(CString(L"Ay")).cy;
    }
    LOGFONTW lf{};
    style.GetFont().GetLogFont(lf, 100);
    m_listFont.DeleteObject();
    m_listFont.CreateFontIndirect(&lf);

    CRect rc = OnGetListboxRect(rcCell);
    pGridWnd->ClientToScreen(&rc);
    m_pList = std::make_unique<DropList>(*this);
    if (!m_pList->CreateEx(0, WC_LISTBOX, nullptr, WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, rc, pGridWnd,
                           m_nListBoxID)) {
        m_pList.reset();
        return FALSE;
    }
    m_pList->SendMessage(WM_SETFONT, (WPARAM)(HFONT)m_listFont, FALSE);
    for (int i = 0; i < m_nLines; ++i) {
        CString line;
        style.GetChoiceListLine(i, line);
        m_pList->AddString(line);
    }
    m_pList->SetCurSel(lineOfValue(style));
    m_pList->ShowWindow(SW_SHOW);
    m_pList->SetFocus();
    return TRUE;
}

int CGXComboBox::lineOfValue(const CGXStyle& style) const
{
    if (m_nFlags != GXCOMBO_TEXT)
        return (int)style.GetLongValue() - (m_nFlags == GXCOMBO_ONEBASED ? 1 : 0);
    for (int i = 0; i < m_nLines; ++i) {
        CString line;
        if (style.GetChoiceListLine(i, line) && line == style.GetValue())
            return i;
    }
    return -1;
}

CString CGXComboBox::valueOfLine(int nLine, const CString& sLine) const
{
    if (m_nFlags == GXCOMBO_TEXT)
        return sLine;
    CString value;
    value.Format(L"%d", nLine + (m_nFlags == GXCOMBO_ONEBASED ? 1 : 0));
    return value;
}

BOOL CGXComboBox::ChooseLine(int nLine)
{
    CString line;
    if (!IsDroppedDown() || m_pList->GetText(nLine, line) == LB_ERR)
        return FALSE;
    const ROWCOL nRow = m_nRow, nCol = m_nCol;
    CloseUp();
    return Grid()->SetValueRange(CGXRange(nRow, nCol), valueOfLine(nLine, line).GetString());
}

// The list is hidden, not destroyed: this runs in the list's own handlers.
void CGXComboBox::CloseUp()
{
    if (!IsDroppedDown())
        return;
    m_pList->ShowWindow(SW_HIDE);
    if (CWnd* pGridWnd = dynamic_cast<CWnd*>(Grid()); pGridWnd && ::IsWindow(pGridWnd->m_hWnd))
        pGridWnd->SetFocus();
}
