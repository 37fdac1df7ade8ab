#include "gridctl/GXRange.h"

#include <algorithm>

namespace {

// Row arithmetic that keeps the open end of whole columns open.
ROWCOL addRows(ROWCOL n, ROWCOL nCount)
{
    return n == GX_MAXROWCOL ? n : std::min(n + nCount, GX_MAXROWCOL);
}

} // namespace

CGXRange& CGXRange::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    top = std::min(nTop, nBottom);
    bottom = std::max(nTop, nBottom);
    left = std::min(nLeft, nRight);
    right = std::max(nLeft, nRight);
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::SetRows(ROWCOL nTop, ROWCOL nBottom)
{
    return SetCells(nTop, 0, nBottom, GX_MAXROWCOL);
}

CGXRange& CGXRange::SetCols(ROWCOL nLeft, ROWCOL nRight)
{
    return SetCells(0, nLeft, GX_MAXROWCOL, nRight);
}

CGXRange& CGXRange::SetTable()
{
    return SetCells(0, 0, GX_MAXROWCOL, GX_MAXROWCOL);
}

BOOL CGXRange::IsCellInRange(ROWCOL nRow, ROWCOL nCol) const
{
    return IsValid() && nRow >= top && nRow <= bottom && nCol >= left && nCol <= right;
}

BOOL CGXRange::Intersects(const CGXRange& other) const
{
    return IsValid() && other.IsValid() && top <= other.bottom && other.top <= bottom &&
           left <= other.right && other.left <= right;
}

BOOL CGXRange::ClipTo(ROWCOL nLastRow, ROWCOL nLastCol)
{
    bottom = std::min(bottom, nLastRow);
    right = std::min(right, nLastCol);
    m_bValid = IsValid();
    return m_bValid;
}

void CGXRange::OnInsertRows(ROWCOL nRow, ROWCOL nCount)
{
    if (!IsValid() || nRow > bottom)
        return;
    if (nRow <= top)
        top = addRows(top, nCount);
    bottom = addRows(bottom, nCount);
}

BOOL CGXRange::OnRemoveRows(ROWCOL nFromRow, ROWCOL nToRow)
{
    if (!IsValid() || nFromRow > bottom)
        return IsValid();
    const ROWCOL nCount = nToRow - nFromRow + 1;
    const auto follow = [&](ROWCOL n) {
        if (n == GX_MAXROWCOL || n < nFromRow)
            return n;
        return n > nToRow ? n - nCount : nFromRow;
    };
    if (top >= nFromRow && bottom <= nToRow) {
        m_bValid = FALSE;
        return FALSE;
    }
    // A bottom inside the removed rows ends just above them.
    const ROWCOL newBottom = bottom <= nToRow ? nFromRow - 1 : follow(bottom);
    top = follow(top);
    bottom = newBottom;
    return TRUE;
}
