#pragma once
// Row/column numbers, flag values and built-in control ids of the grid core.
#include "win/kernel/WinTypes.h"

#include <vector>

// Row and column numbers. Row 0 is the column-header row, column 0 the
// row-header column; data starts at 1.
typedef unsigned long ROWCOL;

// The far end of a range that spans whole rows or columns.
constexpr ROWCOL GX_MAXROWCOL = 0x7FFFFFFF;

// How a style is combined with another (CGXStyle::ChangeStyle) and how a
// store treats the cell's stored style.
enum GXModifyType {
    gxOverride = 0, // attributes of the new style replace the old ones
    gxApplyNew = 1, // only attributes not yet set are taken over
    gxCopy = 2,     // the new style replaces the old one as a whole
    gxExclude = 3,  // attributes set in the new style are removed
    gxRemove = 4,   // the stored style is dropped; stores over external data refuse it
};

// Whether an operation is done for the first time or undone/redone.
enum GXCmdType {
    gxDo = 0,
    gxUndo = 1,
    gxRedo = 2,
};

// Update flags of the operations that change what the grid shows.
constexpr UINT GX_UPDATENOW = 0x00;  // repaint the changed cells at once
constexpr UINT GX_INVALIDATE = 0x01; // only mark them for the next paint
constexpr UINT GX_SMART = 0x02;      // repaint what changed, merged with other changes
// Further flags of SetCurrentCell.
constexpr UINT GX_SCROLLINVIEW = 0x08; // scroll the new current cell into view
constexpr UINT GX_NOSETFOCUS = 0x10;   // leave the keyboard focus where it is

// Directions of CGXGridCore::MoveCurrentCell.
enum GXDirectionType { GX_UP, GX_DOWN, GX_LEFT, GX_RIGHT };

// What CGXGridCore::HitTest found at a point.
constexpr int GX_NOHIT = 0;
constexpr int GX_CELLHIT = 1;   // a cell (headers included)
constexpr int GX_VERTLINE = 2;  // a column's right border in the header rows
constexpr int GX_HORZLINE = 3;  // a row's bottom border in the header columns

// Style value types.
constexpr DWORD GX_VT_STRING = 0;
constexpr DWORD GX_VT_NUMERIC = 1;

// 3-D frame of a cell.
enum GXDraw3dFrameType {
    gxFrameNormal = 0,
    gxFrameRaised = 1,
    gxFrameInset = 2,
};

// Row-height tracking switch of CGXGridParam::EnableTrackRowHeight.
constexpr UINT GX_TRACK_NONE = 0;
constexpr UINT GX_TRACK_DEFAULT = 1;

// Built-in control ids and what their cell values mean.
constexpr WORD GX_IDS_CTRL_HEADER = 52513;     // header cell; value shown as text
constexpr WORD GX_IDS_CTRL_EDIT = 52514;       // edit field (standard cells)
constexpr WORD GX_IDS_CTRL_STATIC = 52515;     // static text
constexpr WORD GX_IDS_CTRL_PUSHBTN = 52516;    // push button
constexpr WORD GX_IDS_CTRL_COMBOBOX = 52517;   // combo box: value is the typed or chosen text
constexpr WORD GX_IDS_CTRL_CHECKBOX = 52523;   // check box: value 0 or 1
constexpr WORD GX_IDS_CTRL_ONEBASED = 52531;   // drop-down list: value = line number from 1
constexpr WORD GX_IDS_CTRL_ZEROBASED = 52532;  // drop-down list: value = line number from 0

// Row or column numbers, as the selection and range-list queries return them.
class CRowColArray : public std::vector<ROWCOL> {
public:
    INT_PTR GetSize() const { return (INT_PTR)size(); }
    ROWCOL GetAt(INT_PTR i) const { return at((size_t)i); }
    INT_PTR Add(ROWCOL n) { push_back(n); return GetSize() - 1; }
    void RemoveAll() { clear(); }
};
