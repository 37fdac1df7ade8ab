// The simple record grid; the call flow is described in RwGrid.h.
#include "grid/RwGrid.h"

#include "grid/RecordGridSupport.h"
#include "grid/StandardStyles.h"
#include "sysinfo/SysInfo.h"

namespace NVorel {

std::vector<CRwGrid*> CRwGrid::_AllInstances;

namespace {

constexpr int kDefaultWidth = 70;

} // namespace

CRwGrid::CRwGrid()
{
    recordgrid::enrol(_AllInstances, this);
}

CRwGrid::~CRwGrid()
{
    recordgrid::withdraw(_AllInstances, this);
}

const std::vector<CRwGrid*>& CRwGrid::AllInstances()
{
    return _AllInstances;
}

void CRwGrid::RedrawAll()
{
    recordgrid::redrawAll(_AllInstances);
}

void CRwGrid::OnInitialUpdate()
{
    CreateStandardStylesWithCharset(this);
    CGXGridWnd::OnInitialUpdate();
}

void CRwGrid::ApplyCol2Var()
{
    const float factor = SYS_GetDPIFactor(SYS_DPI_FACTOR_X);
    for (size_t i = 0; i < m_cols.size(); ++i) {
        const int width = (int)((float)_GetColWidth(m_cols[i]) * factor);
        SetColWidth((ROWCOL)i, (ROWCOL)i, width, nullptr, GX_SMART, gxDo);
    }
    if (::IsWindow(m_hWnd))
        Redraw(GX_SMART, TRUE);
}

// An empty field list would wrap round to four billion columns.
ROWCOL CRwGrid::GetColCount()
{
    return m_cols.empty() ? 0 : (ROWCOL)m_cols.size() - 1;
}

BOOL CRwGrid::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType)
{
    if (!recordgrid::isCellRequest(mt, nType) || (nRow == 0 && nCol == 0) || !hasField(nCol))
        return FALSE;
    return _GetStyleRowCol((int)nRow - 1, m_cols[nCol], style);
}

BOOL CRwGrid::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType)
{
    if (!recordgrid::isCellRequest(mt, nType) || nRow == 0 || !hasField(nCol))
        return FALSE;
    return _StoreStyleRowCol((int)nRow - 1, m_cols[nCol], pStyle);
}

// Ctrl+V and Shift+Insert paste when paste is on and no editor is open.
// Delete works on the selected rows; Insert means nothing here. Whatever
// the grid library did with the key is shown as well.
BOOL CRwGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags)
{
    if (m_paste && !IsActiveCurrentCell() && recordgrid::isPasteKey(nMessage, nChar)) {
        recordgrid::pasteClipboard(*this, [this] { addEmptyLine(); }, [this] { notify(WM_APP); });
        return TRUE;
    }
    if (nMessage == WM_KEYDOWN && nChar == VK_DELETE) {
        removeSelectedRows();
        Redraw(GX_SMART, TRUE);
    }
    const BOOL bHandled = CGXGridCore::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
    if (bHandled)
        Redraw(GX_SMART, TRUE);
    return bHandled;
}

// Editing the last row first adds a spare one below it.
BOOL CRwGrid::OnStartEditing(ROWCOL nRow, ROWCOL nCol)
{
    if (nRow == GetRowCount())
        addEmptyLine();
    return CGXGridCore::OnStartEditing(nRow, nCol);
}

void CRwGrid::addEmptyLine()
{
    recordgrid::appendEmptyRow(*this);
}

void CRwGrid::removeSelectedRows()
{
    recordgrid::removeSelectedRows(*this);
}

CString CRwGrid::makeColName(int nStringId, qemet::QEMET_TYPES eType)
{
    return recordgrid::unitColumnTitle(nStringId, eType);
}

bool CRwGrid::validDblCell(double* pValue, int nRow, int nCol, bool bRequired, double dDefault)
{
    return recordgrid::readDouble(*this, pValue, nRow, nCol, bRequired, dDefault);
}

bool CRwGrid::validIntCell(int* pValue, int nRow, int nCol, bool bRequired, int nDefault)
{
    return recordgrid::readInt(*this, pValue, nRow, nCol, bRequired, nDefault);
}

void CRwGrid::notify(int nMsg)
{
    recordgrid::notifyReceiver(*this, m_receiver, nMsg);
}

int CRwGrid::_StoreStyleRowCol(int, int, const CGXStyle*)
{
    return 0;
}

int CRwGrid::_GetStyleRowCol(int, int, CGXStyle&)
{
    return 0;
}

int CRwGrid::_GetColWidth(int)
{
    return kDefaultWidth;
}

int CRwGrid::UpdateGridData(int)
{
    return 1;
}

} // namespace NVorel
