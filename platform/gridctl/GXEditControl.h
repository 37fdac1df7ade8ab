#pragma once
// CGXEditControl: the standard cell (GX_IDS_CTRL_EDIT): a static cell whose
// value the user edits as text in place. The editor draws into the current
// cell: its text from the left, the caret as a line before the character it
// stands at. Left, Right, Home, End, Backspace and Delete edit; every other
// key is the grid's (Enter commits, Esc cancels, see CGXGridCore).
#include "gridctl/GXStatic.h"

class CGXEditControl : public CGXStatic {
public:
    using CGXStatic::CGXStatic;

    BOOL CanEdit() const override { return TRUE; }
    void StartEdit(const CString& sText, const CString& sValue) override;
    BOOL IsActive() const override { return m_bActive; }
    BOOL GetEditValue(CString& sValue) const override;
    void StopEdit() override;
    BOOL KeyPressed(UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0) override;

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

    // The text being edited and the caret's position in it.
    const CString& GetEditText() const { return m_sText; }
    int GetCaretPos() const { return m_nCaret; }

protected:
    // Whether the cell being drawn is the one being edited.
    BOOL IsEditedCell(ROWCOL nRow, ROWCOL nCol) const;
    // Draws the edited text and the caret into rect.
    void DrawEditor(CDC* pDC, const CRect& rect, const CGXStyle& style);

private:
    BOOL editKey(UINT nChar);
    void redrawCell();

    BOOL m_bActive = FALSE;
    CString m_sText;
    CString m_sValue;
    int m_nCaret = 0;
};
