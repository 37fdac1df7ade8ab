#include "grid/RecordGridSupport.h"

namespace NVorel::recordgrid {

CString unitColumnTitle(int nStringId, qemet::QEMET_TYPES eType)
{
    CString title;
    title.LoadString((UINT)nStringId);
    return title + L"\n (" + qemet::Qemet().GetFullNameUnit(eType, false) + L")";
}

namespace {

CString cellText(CGXGridCore& grid, int nRow, int nCol)
{
    if (nRow < 0 || nCol < 0 || (ROWCOL)nRow > grid.GetRowCount() || (ROWCOL)nCol > grid.GetColCount())
        return CString();
    return grid.GetValueRowCol((ROWCOL)nRow, (ROWCOL)nCol);
}

template <class T, class Parse>
bool readCell(CGXGridCore& grid, T* pValue, int nRow, int nCol, bool bRequired, T tDefault, Parse parse)
{
    const CString text = cellText(grid, nRow, nCol);
    if (!text.IsEmpty()) {
        *pValue = parse(text.GetString());
        return true;
    }
    if (bRequired) {
        grid.SetCurrentCell((ROWCOL)nRow, (ROWCOL)nCol, GX_SCROLLINVIEW | GX_NOSETFOCUS);
        return false;
    }
    *pValue = tDefault;
    return true;
}

} // namespace

bool readDouble(CGXGridCore& grid, double* pValue, int nRow, int nCol, bool bRequired, double dDefault)
{
    return readCell(grid, pValue, nRow, nCol, bRequired, dDefault, _wtof);
}

bool readInt(CGXGridCore& grid, int* pValue, int nRow, int nCol, bool bRequired, int nDefault)
{
    return readCell(grid, pValue, nRow, nCol, bRequired, nDefault, _wtoi);
}

void notifyReceiver(CWnd& grid, CWnd* pReceiver, int nMsg)
{
    CWnd* target = pReceiver ? pReceiver : grid.GetParent();
    if (target)
        target->SendMessage((UINT)nMsg, 0, 0);
}

void appendEmptyRow(CGXGridCore& grid)
{
    const ROWCOL n = grid.GetRowCount();
    grid.InsertRows(n + 1, 1, nullptr, nullptr, nullptr, 0, GX_SMART, gxDo);
    grid.RedrawRowCol(CGXRange().SetRows(n), GX_SMART, TRUE);
}

void forSelectedRowsBackwards(CGXGridCore& grid, const std::function<void(ROWCOL)>& f)
{
    CRowColArray rows;
    if (!grid.GetSelectedRows(rows, TRUE, FALSE))
        return;
    const BOOL bWasLocked = grid.LockUpdate(TRUE);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (*it != 0)
            f(*it);
    grid.LockUpdate(bWasLocked);
}

void removeSelectedRows(CGXGridCore& grid)
{
    forSelectedRowsBackwards(grid, [&grid](ROWCOL nRow) { grid.RemoveRows(nRow, nRow, GX_SMART, gxDo); });
}

} // namespace NVorel::recordgrid
