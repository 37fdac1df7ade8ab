// Rows and columns of CGXGridCore: inserting and removing rows, and the
// widths, heights and hidden state of rows and columns.
#include "gridctl/GXGridCore.h"
#include "gridctl/GXRowKeys.h"

#include <algorithm>
#include <utility>

BOOL CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, int* anHeightArray,
                             const std::vector<CGXStyle>* pCellsArray, const std::vector<CGXStyle>* pRowsArray,
                             ROWCOL nColCount, UINT flags, GXCmdType)
{
    if (nCount == 0 || nRow == 0 || nRow > GetRowCount() + 1 || nCount >= GX_MAXROWCOL - GetRowCount())
        return FALSE;
    if (!storeRowChange(nCount, true, [&] { return StoreInsertRows(nRow, nCount, FALSE); }))
        return FALSE;
    followInsertedRows(nRow, nCount);
    if (anHeightArray)
        for (ROWCOL i = 0; i < nCount; ++i)
            m_rowHeights[nRow + i] = anHeightArray[i];
    storeNewRows(nRow, nCount, pCellsArray, pRowsArray, nColCount);
    SetModifiedFlag(TRUE);
    redrawCells(CGXRange().SetRows(nRow, GX_MAXROWCOL - 1), flags);
    return TRUE;
}

void CGXGridCore::storeNewRows(ROWCOL nRow, ROWCOL nCount, const std::vector<CGXStyle>* pCellsArray,
                               const std::vector<CGXStyle>* pRowsArray, ROWCOL nColCount)
{
    for (ROWCOL i = 0; i < nCount; ++i) {
        if (pRowsArray && i < pRowsArray->size())
            StoreStyleRowCol(nRow + i, 0, &(*pRowsArray)[i], gxOverride, 0);
        for (ROWCOL c = 1; pCellsArray && c <= nColCount; ++c) {
            const size_t k = i * nColCount + (c - 1);
            if (k < pCellsArray->size())
                StoreStyleRowCol(nRow + i, c, &(*pCellsArray)[k], gxOverride, 0);
        }
    }
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags, GXCmdType)
{
    if (nFromRow == 0 || nFromRow > nToRow || nToRow > GetRowCount())
        return FALSE;
    if (!storeRowChange(nToRow - nFromRow + 1, false, [&] { return StoreRemoveRows(nFromRow, nToRow, FALSE); }))
        return FALSE;
    followRemovedRows(nFromRow, nToRow);
    SetModifiedFlag(TRUE);
    redrawCells(CGXRange().SetRows(nFromRow, GX_MAXROWCOL - 1), flags);
    return TRUE;
}

BOOL CGXGridCore::storeRowChange(ROWCOL nCount, bool bInsert, const std::function<BOOL()>& store)
{
    m_pendingRowChange = PendingRowChange{GetRowCount(), nCount, bInsert};
    const BOOL bStored = store();
    m_pendingRowChange.reset();
    return bStored;
}

bool CGXGridCore::rowsAreOwn()
{
    m_bOwnRowCountAsked = false;
    GetRowCount();
    return m_bOwnRowCountAsked;
}

// Without bProcessed, nothing says whether a grid with rows of its own took
// the change; its row count does.
BOOL CGXGridCore::rowCountFollowed()
{
    if (!m_pendingRowChange)
        return FALSE;
    const PendingRowChange change = *m_pendingRowChange;
    const ROWCOL now = GetRowCount();
    return change.bInsert ? now == change.nBefore + change.nCount : now + change.nCount == change.nBefore;
}

// The core's own rows change only when the grid's row count is theirs, so a
// grid over other data never has them changed behind its back.
BOOL CGXGridCore::StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bProcessed)
{
    if (!rowsAreOwn())
        return bProcessed || rowCountFollowed();
    if (nRow == 0 || nRow > m_nRows + 1 || nCount >= GX_MAXROWCOL - m_nRows)
        return FALSE;
    gxdetail::insertRowKeys(m_cells, nRow, nCount);
    m_nRows += nCount;
    return TRUE;
}

BOOL CGXGridCore::StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bProcessed)
{
    if (!rowsAreOwn())
        return bProcessed || rowCountFollowed();
    if (nFromRow == 0 || nFromRow > nToRow || nToRow > m_nRows)
        return FALSE;
    gxdetail::removeRowKeys(m_cells, nFromRow, nToRow);
    m_nRows -= nToRow - nFromRow + 1;
    return TRUE;
}

void CGXGridCore::followInsertedRows(ROWCOL nRow, ROWCOL nCount)
{
    gxdetail::insertRowKeys(m_rowHeights, nRow, nCount);
    gxdetail::insertRowKeys(m_hiddenRows, nRow, nCount);
    gxdetail::insertRowKeys(m_fittedRows, nRow, nCount);
    gxdetail::insertRowKeys(m_changedRows, nRow, nCount);
    for (CGXRange& block : m_covered)
        block.OnInsertRows(nRow, nCount);
    m_selection.OnInsertRows(nRow, nCount);
    if (m_bCurrentCell && m_nCurrentRow >= nRow)
        m_nCurrentRow += nCount;
}

void CGXGridCore::followRemovedRows(ROWCOL nFromRow, ROWCOL nToRow)
{
    gxdetail::removeRowKeys(m_rowHeights, nFromRow, nToRow);
    gxdetail::removeRowKeys(m_hiddenRows, nFromRow, nToRow);
    gxdetail::removeRowKeys(m_fittedRows, nFromRow, nToRow);
    gxdetail::removeRowKeys(m_changedRows, nFromRow, nToRow);
    // A block left with one cell is no block any more.
    std::erase_if(m_covered, [&](CGXRange& block) {
        return !block.OnRemoveRows(nFromRow, nToRow) || (block.GetWidth() == 1 && block.GetHeight() == 1);
    });
    m_selection.OnRemoveRows(nFromRow, nToRow);
    if (!m_bCurrentCell || m_nCurrentRow < nFromRow)
        return;
    // The current cell stays in its column, on the row that moved up into
    // its place, or on the last row when there is none.
    if (m_nCurrentRow > nToRow) {
        m_nCurrentRow -= nToRow - nFromRow + 1;
        return;
    }
    // The edited row is gone, and with it what the editor was for.
    if (m_pActiveControl)
        std::exchange(m_pActiveControl, nullptr)->StopEdit();
    m_nCurrentRow = std::min(nFromRow, GetRowCount());
    m_bCurrentCell = m_nCurrentRow >= 1;
}

int CGXGridCore::GetColWidth(ROWCOL nCol)
{
    if (IsColHidden(nCol))
        return 0;
    const auto it = m_colWidths.find(nCol);
    return it == m_colWidths.end() ? m_nDefaultColWidth : it->second;
}

BOOL CGXGridCore::SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, int* anWidthArray, UINT flags, GXCmdType)
{
    if (nFromCol > nToCol || nToCol >= GX_MAXROWCOL)
        return FALSE;
    for (ROWCOL c = nFromCol; c <= nToCol; ++c)
        m_colWidths[c] = std::max(0, anWidthArray ? anWidthArray[c] : nWidth);
    redrawCells(CGXRange().SetCols(nFromCol, GX_MAXROWCOL - 1), flags);
    return TRUE;
}

BOOL CGXGridCore::OnTrackColWidth(ROWCOL)
{
    return TRUE;
}

int CGXGridCore::GetRowHeight(ROWCOL nRow)
{
    if (IsRowHidden(nRow))
        return 0;
    const auto it = m_rowHeights.find(nRow);
    return it == m_rowHeights.end() ? m_nDefaultRowHeight : it->second;
}

BOOL CGXGridCore::SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, int* anHeightArray, UINT flags,
                               GXCmdType)
{
    if (nFromRow > nToRow || nToRow >= GX_MAXROWCOL)
        return FALSE;
    for (ROWCOL r = nFromRow; r <= nToRow; ++r)
        m_rowHeights[r] = std::max(0, anHeightArray ? anHeightArray[r] : nHeight);
    redrawCells(CGXRange().SetRows(nFromRow, GX_MAXROWCOL - 1), flags);
    return TRUE;
}

namespace {

BOOL hide(std::set<ROWCOL>& hidden, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const BOOL* abHideArray)
{
    if (nFrom > nTo || nTo >= GX_MAXROWCOL)
        return FALSE;
    for (ROWCOL i = nFrom; i <= nTo; ++i) {
        if (abHideArray ? abHideArray[i] : bHide)
            hidden.insert(i);
        else
            hidden.erase(i);
    }
    return TRUE;
}

} // namespace

BOOL CGXGridCore::HideCols(ROWCOL nFromCol, ROWCOL nToCol, BOOL bHide, BOOL* abHideArray, UINT flags, GXCmdType)
{
    if (!hide(m_hiddenCols, nFromCol, nToCol, bHide, abHideArray))
        return FALSE;
    redrawCells(CGXRange().SetCols(nFromCol, GX_MAXROWCOL - 1), flags);
    return TRUE;
}

BOOL CGXGridCore::HideRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bHide, BOOL* abHideArray, UINT flags, GXCmdType)
{
    if (!hide(m_hiddenRows, nFromRow, nToRow, bHide, abHideArray))
        return FALSE;
    redrawCells(CGXRange().SetRows(nFromRow, GX_MAXROWCOL - 1), flags);
    return TRUE;
}

BOOL CGXGridCore::IsColHidden(ROWCOL nCol) const
{
    return m_hiddenCols.count(nCol) != 0;
}

BOOL CGXGridCore::IsRowHidden(ROWCOL nRow) const
{
    return m_hiddenRows.count(nRow) != 0;
}
