#pragma once
// CGXControl: the base of cell controls. A grid keeps one control object per
// control id (CGXGridCore::RegisterControl) and uses it for every cell whose
// style names that id; the control turns a cell value into what the cell
// shows and copies.
#include "gridctl/GXStyle.h"

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

    // The built-in conventions by control id: the drop-down lists
    // GX_IDS_CTRL_ONEBASED and GX_IDS_CTRL_ZEROBASED show the choice-list line
    // that the value counts (empty when there is no such line); every other
    // control shows the value itself.
    static CString ControlTextOf(LPCTSTR pszRawValue, const CGXStyle& style);

private:
    CGXGridCore* m_pGrid;
};
