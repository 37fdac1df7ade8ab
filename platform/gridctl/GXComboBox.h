#pragma once
// CGXComboBox: a cell with a drop-down list of its choice-list lines. How
// the cell's value stands for a line is the control's convention (nFlags):
//   GXCOMBO_TEXT       the value is the text, typed (the cell edits like
//                      CGXEditControl) or chosen (GX_IDS_CTRL_COMBOBOX);
//   GXCOMBO_ONEBASED   the value is the chosen line's position from 1, and
//                      the cell shows that line (GX_IDS_CTRL_ONEBASED);
//   GXCOMBO_ZEROBASED  the same counted from 0 (GX_IDS_CTRL_ZEROBASED).
//
// Call flow: a click on the cell's button (anywhere on the cell for the
// positional lists) -> DropDown: the cell changeable, OnStartEditing allows
// -> OnGetListboxRect places the list below the cell -> a popup list box
// with the lines, the cell's line selected, the focus in it. A click on a
// line or Enter -> the value of that line -> SetValueRange ->
// StoreStyleRowCol; Esc or the focus leaving closes the list unchanged.
#include "gridctl/GXEditControl.h"
#include "win/gdi/Font.h"
#include "win/afx/ListBox.h"

#include <memory>

constexpr UINT GXCOMBO_TEXT = 0x00;
constexpr UINT GXCOMBO_ONEBASED = 0x01;
constexpr UINT GXCOMBO_ZEROBASED = 0x02;

class CGXComboBox : public CGXEditControl {
public:
    // nEditID would name an edit window; the in-place editor here draws
    // into the cell and has none. nListBoxID is the drop-down list's id.
    CGXComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID, UINT nFlags = GXCOMBO_TEXT);
    ~CGXComboBox() override;

    BOOL CanEdit() const override { return m_nFlags == GXCOMBO_TEXT; }
    BOOL GetControlText(CString& sResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                        const CGXStyle& style) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, ROWCOL nRow, ROWCOL nCol, const CRect& rcCell) override;

    // Opens the list for the cell at rcCell (grid client coordinates); FALSE
    // when the cell cannot be changed or OnStartEditing refuses.
    BOOL DropDown(ROWCOL nRow, ROWCOL nCol, const CRect& rcCell);
    BOOL IsDroppedDown() const;
    // The open list, for looking at it; null when closed.
    CListBox* GetListBox() const;
    // Stores the value of line nLine (from 0) into the cell the list is open
    // for, and closes the list; FALSE when refused or there is no such line.
    BOOL ChooseLine(int nLine);
    void CloseUp();

    static constexpr int GX_COMBO_BUTTON_WIDTH = 15;
    // Lines the list shows before it scrolls.
    static constexpr int GX_COMBO_MAX_LINES = 8;
    // The list's WS_BORDER frame.
    static constexpr int GX_LIST_BORDER = 1;

protected:
    // The list's rectangle for the cell at rcCellRect, both in the grid's
    // client coordinates: the cell's width, right below it, as high as its
    // lines (GX_COMBO_MAX_LINES at most) and the list's border.
    virtual CRect OnGetListboxRect(const CRect& rcCellRect);

private:
    class DropList;

    CString valueOfLine(int nLine, const CString& sLine) const;
    int lineOfValue(const CGXStyle& style) const;

    UINT m_nListBoxID;
    UINT m_nFlags;
    std::unique_ptr<DropList> m_pList;
    CFont m_listFont;
    int m_nLineHeight = 0;
    int m_nLines = 0;
    ROWCOL m_nRow = 0;
    ROWCOL m_nCol = 0;
};
