#pragma once
// CGXCheckBox: a check box cell (GX_IDS_CTRL_CHECKBOX). The value is "0"
// (unchecked) or "1" (checked; so is any other non-zero number); the choice
// list is the caption beside the box. A click on a changeable cell, or Space
// while it is the current cell, stores the other value.
//
// Draw: background and frame, then ComputeCheckBoxRect places the box and
// DrawCheckBox draws it with its caption; both are steps that a derived box
// overrides to look different.
#include "gridctl/GXControl.h"

// nState of DrawCheckBox: the check mark, and the look of a cell that the
// user cannot change.
constexpr UINT GX_CHECKBOX_CHECKED = 0x01;
constexpr UINT GX_CHECKBOX_DISABLED = 0x02;

class CGXCheckBox : public CGXControl {
public:
    // bDraw3dFrame draws the box sunken, else flat. The resource ids name
    // pictures of another box look; the box is drawn here, so they are not
    // used.
    explicit CGXCheckBox(CGXGridCore* pGrid, BOOL bDraw3dFrame = TRUE, UINT nBitmapResourceId = 0,
                         UINT nPressedResourceId = 0);

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, ROWCOL nRow, ROWCOL nCol, const CRect& rcCell) override;
    // Space toggles the current cell's box, as a click does.
    BOOL KeyPressedOnCell(UINT nChar, ROWCOL nRow, ROWCOL nCol) override;

    // The box's rectangle in the cell rcItem: GX_CHECKBOX_SIZE square,
    // placed by the horizontal alignment in dtAlign and centred vertically.
    virtual CRect ComputeCheckBoxRect(CDC* pDC, CRect rcItem, LPCTSTR lpszString, DWORD dtAlign);
    // Draws the box into rect and lpszString right of it.
    virtual void DrawCheckBox(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, UINT nState, DWORD dtAlign,
                              LPCTSTR lpszString);

    static constexpr int GX_CHECKBOX_SIZE = 13;
    static BOOL IsChecked(const CGXStyle& style) { return style.GetLongValue() != 0; }

private:
    BOOL toggle(ROWCOL nRow, ROWCOL nCol);

    BOOL m_bDraw3dFrame;
};
