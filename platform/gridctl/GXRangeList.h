#pragma once
// CGXRangeList: an ordered list of ranges, as a selection or an export request.
#include "gridctl/GXRange.h"

#include <vector>

class CGXRangeList {
public:
    void AddTail(const CGXRange& range) { m_ranges.push_back(range); }
    INT_PTR GetCount() const { return (INT_PTR)m_ranges.size(); }
    BOOL IsEmpty() const { return m_ranges.empty(); }
    const CGXRange& GetAt(INT_PTR i) const { return m_ranges.at((size_t)i); }
    void RemoveAll() { m_ranges.clear(); }
    auto begin() const { return m_ranges.begin(); }
    auto end() const { return m_ranges.end(); }

    BOOL IsCellInList(ROWCOL nRow, ROWCOL nCol) const;
    // Removes `range` from every range of the list, splitting ranges that it
    // cuts through into the pieces that stay.
    void Subtract(const CGXRange& range);

    // The rows of the ranges as pairs of first and last row, in the order of
    // the list, each row once (rows that an earlier range already gave are
    // left out of later pairs) and cut to rows 0..nRowCount. With
    // bRangeRowsOnly only ranges of whole rows count. FALSE when no row is left.
    BOOL GetRowArray(ROWCOL nRowCount, CRowColArray& awStarts, CRowColArray& awEnds, BOOL bRangeRowsOnly) const;
    // The same for columns.
    BOOL GetColArray(ROWCOL nColCount, CRowColArray& awStarts, CRowColArray& awEnds, BOOL bRangeColsOnly) const;

    // Follow inserted and removed rows; ranges whose rows are all gone drop out.
    void OnInsertRows(ROWCOL nRow, ROWCOL nCount);
    void OnRemoveRows(ROWCOL nFromRow, ROWCOL nToRow);

private:
    std::vector<CGXRange> m_ranges;
};
