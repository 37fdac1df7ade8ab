#pragma once
// CGXRange: a rectangle of cells, inclusive at all four bounds.
//
// Whole rows, whole columns and the whole table are ranges whose open sides
// reach from 0 to GX_MAXROWCOL: SetRows(3) is rows 3..3 over columns
// 0..GX_MAXROWCOL, SetTable() is everything, headers included. So one
// rectangle arithmetic serves cells, rows, columns and the table alike, and a
// range over whole rows stays whole-row when rows are inserted or removed.
// ClipTo cuts such a range down to a grid's real size.
#include "gridctl/GXIds.h"

class CGXRange {
public:
    // An empty (invalid) range.
    CGXRange() = default;
    CGXRange(ROWCOL nRow, ROWCOL nCol) : top(nRow), left(nCol), bottom(nRow), right(nCol), m_bValid(TRUE) {}
    CGXRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) { SetCells(nTop, nLeft, nBottom, nRight); }

    // The setters order the bounds and return the range, for use in calls:
    // SelectRange(CGXRange().SetRows(n), TRUE, TRUE).
    CGXRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    CGXRange& SetCells(ROWCOL nRow, ROWCOL nCol) { return SetCells(nRow, nCol, nRow, nCol); }
    CGXRange& SetRows(ROWCOL nTop, ROWCOL nBottom);
    CGXRange& SetRows(ROWCOL nRow) { return SetRows(nRow, nRow); }
    CGXRange& SetCols(ROWCOL nLeft, ROWCOL nRight);
    CGXRange& SetCols(ROWCOL nCol) { return SetCols(nCol, nCol); }
    CGXRange& SetTable();

    BOOL IsValid() const { return m_bValid && top <= bottom && left <= right; }
    BOOL IsRows() const { return IsValid() && left == 0 && right == GX_MAXROWCOL; }
    BOOL IsCols() const { return IsValid() && top == 0 && bottom == GX_MAXROWCOL; }
    BOOL IsTable() const { return IsRows() && IsCols(); }
    // Number of columns and rows; 0 for an invalid range.
    ROWCOL GetWidth() const { return IsValid() ? right - left + 1 : 0; }
    ROWCOL GetHeight() const { return IsValid() ? bottom - top + 1 : 0; }
    BOOL IsCellInRange(ROWCOL nRow, ROWCOL nCol) const;
    BOOL Intersects(const CGXRange& other) const;

    // Cuts the range to rows 0..nLastRow and columns 0..nLastCol; FALSE (and
    // the range invalid) when nothing is left.
    BOOL ClipTo(ROWCOL nLastRow, ROWCOL nLastCol);

    // Follows nCount rows inserted before row nRow: the range moves down when
    // it lies at or below nRow and grows when nRow falls inside it.
    void OnInsertRows(ROWCOL nRow, ROWCOL nCount);
    // Follows the removal of rows nFromRow..nToRow: the range moves up or
    // shrinks; FALSE (and the range invalid) when all its rows were removed.
    BOOL OnRemoveRows(ROWCOL nFromRow, ROWCOL nToRow);

    friend bool operator==(const CGXRange&, const CGXRange&) = default;

    ROWCOL top = 1;
    ROWCOL left = 1;
    ROWCOL bottom = 0;
    ROWCOL right = 0;

private:
    BOOL m_bValid = FALSE;
};
