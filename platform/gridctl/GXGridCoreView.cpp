// What CGXGridCore shows around the data: covered cells, frozen and header
// rows and columns, the selection and the current cell.
#include "gridctl/GXGridCore.h"

#include <algorithm>

BOOL CGXGridCore::SetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags,
                                        GXCmdType)
{
    const CGXRange block(nRow, nCol, nToRow, nToCol);
    if (block.bottom >= GX_MAXROWCOL || block.right >= GX_MAXROWCOL)
        return FALSE;
    CGXRange changed = block;
    std::erase_if(m_covered, [&](const CGXRange& old) {
        if (!old.Intersects(block))
            return false;
        changed.SetCells(std::min(changed.top, old.top), std::min(changed.left, old.left),
                         std::max(changed.bottom, old.bottom), std::max(changed.right, old.right));
        return true;
    });
    if (block.GetWidth() > 1 || block.GetHeight() > 1)
        m_covered.push_back(block);
    redrawCells(changed, flags);
    return TRUE;
}

BOOL CGXGridCore::coveringBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const
{
    const auto it = std::find_if(m_covered.begin(), m_covered.end(),
                                 [&](const CGXRange& block) { return block.IsCellInRange(nRow, nCol); });
    range = it == m_covered.end() ? CGXRange(nRow, nCol) : *it;
    return it != m_covered.end();
}

BOOL CGXGridCore::IsCoveredAway(ROWCOL nRow, ROWCOL nCol) const
{
    CGXRange block;
    return GetCellRangeRowCol(nRow, nCol, block) && (block.top != nRow || block.left != nCol);
}

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows, UINT flags, GXCmdType)
{
    m_nFrozenRows = nFrozenRows;
    m_nHeaderRows = std::min(nHeaderRows, nFrozenRows);
    redrawCells(CGXRange().SetTable(), flags);
    return TRUE;
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols, UINT flags, GXCmdType)
{
    m_nFrozenCols = nFrozenCols;
    m_nHeaderCols = std::min(nHeaderCols, nFrozenCols);
    redrawCells(CGXRange().SetTable(), flags);
    return TRUE;
}

void CGXGridCore::SelectRange(const CGXRange& range, BOOL bSelect, BOOL bUpdate)
{
    if (!range.IsValid())
        return;
    if (!bSelect)
        m_selection.Subtract(range);
    else if (std::find(m_selection.begin(), m_selection.end(), range) == m_selection.end())
        m_selection.AddTail(range);
    if (bUpdate)
        redrawCells(range, GX_SMART);
}

BOOL CGXGridCore::GetSelectedRows(CRowColArray& awRows, BOOL bRangeRowsOnly, BOOL bCanUseCurrentCell)
{
    awRows.RemoveAll();
    CRowColArray starts, ends;
    m_selection.GetRowArray(GetRowCount(), starts, ends, bRangeRowsOnly);
    for (INT_PTR i = 0; i < starts.GetSize(); ++i)
        for (ROWCOL r = starts[i]; r <= ends[i]; ++r)
            awRows.Add(r);
    std::sort(awRows.begin(), awRows.end());
    if (awRows.empty() && bCanUseCurrentCell && m_bCurrentCell)
        awRows.Add(m_nCurrentRow);
    return !awRows.empty();
}

BOOL CGXGridCore::CopyRangeList(CGXRangeList& list, BOOL bCanUseCurrentCell)
{
    list.RemoveAll();
    for (const CGXRange& r : m_selection)
        list.AddTail(r);
    if (list.IsEmpty() && bCanUseCurrentCell && m_bCurrentCell)
        list.AddTail(CGXRange(m_nCurrentRow, m_nCurrentCol));
    return !list.IsEmpty();
}

BOOL CGXGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    if (nRow == 0 || nCol == 0 || nRow > GetRowCount() || nCol > GetColCount() || IsRowHidden(nRow) ||
        IsColHidden(nCol))
        return FALSE;
    CGXRange block;
    GetCellRangeRowCol(nRow, nCol, block);
    if (m_bCurrentCell) {
        if (m_nCurrentRow != block.top || m_nCurrentCol != block.left)
            TransferCurrentCell();
        redrawCells(CGXRange(m_nCurrentRow, m_nCurrentCol), flags);
    }
    m_bCurrentCell = TRUE;
    m_nCurrentRow = block.top;
    m_nCurrentCol = block.left;
    if (flags & GX_SCROLLINVIEW)
        ScrollCellInView(block.top, block.left, GX_INVALIDATE);
    redrawCells(block, flags);
    return TRUE;
}

BOOL CGXGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const
{
    if (!m_bCurrentCell)
        return FALSE;
    nRow = m_nCurrentRow;
    nCol = m_nCurrentCol;
    return TRUE;
}

BOOL CGXGridCore::GetCurrentCell(ROWCOL* pnRow, ROWCOL* pnCol) const
{
    ROWCOL nRow = 0, nCol = 0;
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    if (pnRow)
        *pnRow = nRow;
    if (pnCol)
        *pnCol = nCol;
    return TRUE;
}

BOOL CGXGridCore::ResetCurrentCell(BOOL bStoreChanges)
{
    if (!m_bCurrentCell)
        return FALSE;
    TransferCurrentCell(bStoreChanges);
    m_bCurrentCell = FALSE;
    redrawCells(CGXRange(m_nCurrentRow, m_nCurrentCol), GX_SMART);
    return TRUE;
}
