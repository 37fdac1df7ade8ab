#pragma once
// CGXControl: the base of cell controls. A grid keeps one control object per
// control id (CGXGridCore::RegisterControl) and uses it for every cell whose
// style names that id; the control turns a cell value into what the cell
// shows and copies.
#include "gridctl/GXStyle.h"
#include "win/DC.h"

class CGXGridCore;

class CGXControl {
public:
    explicit CGXControl(CGXGridCore* pGrid) : m_pGrid(pGrid) {}
    CGXControl(const CGXControl&) = default;
    CGXControl& operator=(const CGXControl&) = default;
    virtual ~CGXControl() = default;

    CGXGridCore* Grid() const { return m_pGrid; }

    // The text of a cell with value pszRawValue, as the cell shows it and as
    // copying gives it. The base follows the built-in value conventions
    // (ControlTextOf).
    virtual BOOL GetControlText(CString& sResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                                const CGXStyle& style);

    // Draws the cell into rect: its interior, its 3-D frame and its text
    // (GetControlText) in its font, colour and alignment. The style is the
    // cell's composed style; pStandardStyle fills in what it leaves out.
    virtual void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle);

    // The built-in conventions by control id: the drop-down lists
    // GX_IDS_CTRL_ONEBASED and GX_IDS_CTRL_ZEROBASED show the choice-list line
    // that the value counts (empty when there is no such line); every other
    // control shows the value itself.
    static CString ControlTextOf(LPCTSTR pszRawValue, const CGXStyle& style);

    // Space between a cell's edges and its text.
    static constexpr int GX_TEXT_MARGIN_X = 2;

protected:
    // The steps of Draw, for controls that draw differently.
    virtual void DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style);
    // Leaves in rect what lies inside the frame.
    virtual void DrawFrame(CDC* pDC, CRect& rect, const CGXStyle& style);
    virtual void DrawCellText(CDC* pDC, const CRect& rect, const CString& text, const CGXStyle& style);

private:
    CGXGridCore* m_pGrid;
};
