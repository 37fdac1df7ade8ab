// Editing of the record grid: keys, the spare last row, the context menu,
// typed cell readers, column titles with units, record selection and
// notifications; the call flow is described in RGrid.h.
#include "grid/RGrid.h"

#include "grid/RecordGridSupport.h"
#include "win/Afx.h"

namespace NVorel {

namespace {

constexpr UINT kContextMenu = 480;

} // namespace

// Ctrl+V and Shift+Insert paste when paste is on and no editor is open.
// Insert and Delete work on the selected rows whatever Ctrl and Shift say;
// the grid library gets every key after that.
BOOL CRGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags)
{
    if (m_paste && !IsActiveCurrentCell() && recordgrid::isPasteKey(nMessage, nChar)) {
        OnEditPaste();
        return TRUE;
    }
    if (nMessage == WM_KEYDOWN && (nChar == VK_INSERT || nChar == VK_DELETE)) {
        if (nChar == VK_INSERT)
            insertSelectedRows();
        else
            removeSelectedRows();
        Redraw(GX_SMART, TRUE);
    }
    return CGXGridCore::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
}

BOOL CRGrid::OnGridChar(UINT nChar, UINT nRepCnt, UINT flags)
{
    if (nChar == 1) { // Ctrl+A
        OnEditSelectAll();
        return TRUE;
    }
    return CGXGridCore::OnGridChar(nChar, nRepCnt, flags);
}

// Editing the last row first adds a spare one below it.
BOOL CRGrid::OnStartEditing(ROWCOL nRow, ROWCOL nCol)
{
    if (nRow == GetRowCount())
        addEmptyLine();
    return CGXGridCore::OnStartEditing(nRow, nCol);
}

// The menu comes through the host's resource chain; without it (or its first
// submenu) the grid library's right click stands.
BOOL CRGrid::DoRButtonDown(UINT flags, CPoint pt)
{
    CMenu menu;
    CMenu* popup = m_contextMenu && menu.LoadMenu(kContextMenu) ? menu.GetSubMenu(0) : nullptr;
    if (!popup)
        return CGXGridCore::DoRButtonDown(flags, pt);
    if (m_paste)
        recordgrid::addPasteItem(*popup);
    CPoint screen = pt;
    ClientToScreen(&screen);
    popup->TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
    menu.DestroyMenu();
    return TRUE;
}

void CRGrid::addEmptyLine()
{
    recordgrid::appendEmptyRow(*this);
}

void CRGrid::insertSelectedRows()
{
    recordgrid::forSelectedRowsBackwards(
        *this, [this](ROWCOL nRow) { InsertRows(nRow, 1, nullptr, nullptr, nullptr, 0, GX_SMART, gxDo); });
}

void CRGrid::removeSelectedRows()
{
    recordgrid::removeSelectedRows(*this);
}

// A number outside the host's records names no row: nothing is selected or
// scrolled, rather than a row beyond the grid.
void CRGrid::selectRowDada(int nRec, bool bSelect)
{
    if (isRecord(nRec))
        SelectRange(CGXRange().SetRows((ROWCOL)(nRec + m_nonOfHeader)), bSelect, TRUE);
}

void CRGrid::scrollRowDataInView(int nRec)
{
    if (isRecord(nRec))
        ScrollCellInView((ROWCOL)(nRec + m_nonOfHeader), 1, GX_SMART, FALSE);
}

bool CRGrid::isRecord(int nRec)
{
    return nRec >= 0 && nRec < _GetRowCount();
}

CString CRGrid::makeColName(int nStringId, qemet::QEMET_TYPES eType)
{
    return recordgrid::unitColumnTitle(nStringId, eType);
}

bool CRGrid::validDblCell(double* pValue, int nRow, int nCol, bool bRequired, double dDefault)
{
    return recordgrid::readDouble(*this, pValue, nRow, nCol, bRequired, dDefault);
}

bool CRGrid::validIntCell(int* pValue, int nRow, int nCol, bool bRequired, int nDefault)
{
    return recordgrid::readInt(*this, pValue, nRow, nCol, bRequired, nDefault);
}

void CRGrid::notify(int nMsg)
{
    recordgrid::notifyReceiver(*this, m_receiver, nMsg);
}

} // namespace NVorel
