// The record grid's registry, column model, header rows and data operations;
// the call flow is described in RGrid.h.
#include "grid/RGrid.h"

#include "grid/RecordGridSupport.h"
#include "grid/StandardStyles.h"
#include "gridctl/GXSysData.h"

#include <algorithm>

namespace NVorel {

std::vector<CRGrid*> CRGrid::_AllInstances;

namespace {

constexpr int kDefaultWidth = 70;

} // namespace

CRGrid::CRGrid()
{
    recordgrid::enrol(_AllInstances, this);
}

CRGrid::~CRGrid()
{
    recordgrid::withdraw(_AllInstances, this);
}

const std::vector<CRGrid*>& CRGrid::AllInstances()
{
    return _AllInstances;
}

void CRGrid::RedrawAll()
{
    recordgrid::redrawAll(_AllInstances);
}

void CRGrid::OnInitialUpdate()
{
    CreateStandardStylesWithCharset(this);
    CGXGridWnd::OnInitialUpdate();
    GetParam()->EnableMoveCols(FALSE);
    GetParam()->EnableMoveRows(FALSE);
    GetParam()->EnableUndo(FALSE);
}

void CRGrid::ApplyCol2Var()
{
    m_nonOfHeader = 1;
    if (!m_cols.empty())
        m_cols[0].Grouped = false;
    for (size_t i = 1; i < m_cols.size(); ++i) {
        if (m_cols[i].Group != -1 && m_cols[i].Group == m_cols[i - 1].Group)
            m_nonOfHeader = 2;
        m_cols[i].Grouped = false;
    }
    if (!m_showHeader)
        m_nonOfHeader = 0;
    for (size_t i = 0; i < m_cols.size(); ++i)
        SetCoveredCellsRowCol(0, (ROWCOL)i, 0, (ROWCOL)i, GX_SMART, gxDo);
    SetFrozenRows(0, 0, GX_SMART, gxDo);
    if (m_nonOfHeader == 2)
        coverHeaders();
    if (::IsWindow(m_hWnd))
        Redraw(GX_SMART, TRUE);
}

// Runs of adjacent columns of one group get one group title over them in row
// 0; every other column's title covers rows 0 and 1.
void CRGrid::coverHeaders()
{
    for (size_t i = 0; i < m_cols.size();) {
        size_t j = i;
        while (j + 1 < m_cols.size() && m_cols[i].Group != -1 && m_cols[j + 1].Group == m_cols[i].Group)
            ++j;
        if (i != j)
            SetCoveredCellsRowCol(0, (ROWCOL)i, 0, (ROWCOL)j, GX_SMART, gxDo);
        else
            SetCoveredCellsRowCol(0, (ROWCOL)i, 1, (ROWCOL)i, GX_SMART, gxDo);
        for (size_t k = i; k <= j; ++k)
            m_cols[k].Grouped = i != j;
        i = j + 1;
    }
    SetFrozenRows(1, 1, GX_SMART, gxDo);
}

const CRGrid::SColDsc* CRGrid::descriptor(ROWCOL nCol) const
{
    return nCol < m_cols.size() ? &m_cols[nCol] : nullptr;
}

ROWCOL CRGrid::GetColCount()
{
    return m_cols.empty() ? 0 : (ROWCOL)m_cols.size() - 1;
}

// A host with no records and no header rows would give -1 rows.
ROWCOL CRGrid::GetRowCount()
{
    const long long rows = (long long)_GetRowCount() + m_nonOfHeader - 1;
    return rows < 0 ? 0 : (ROWCOL)rows;
}

BOOL CRGrid::headerStyle(ROWCOL nRow, const SColDsc& d, CGXStyle& style)
{
    if (m_nonOfHeader == 1)
        return _GetStyleHeader(0, d.Field, false, style);
    if (nRow == 1)
        return _GetStyleHeader(0, d.Field, d.Grouped, style);
    return d.Grouped ? _GetStyleHeader(1, d.Group, false, style) : _GetStyleHeader(0, d.Field, false, style);
}

BOOL CRGrid::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType)
{
    const SColDsc* d = descriptor(nCol);
    if (!recordgrid::isCellRequest(mt, nType) || !d)
        return FALSE;
    if (nRow < (ROWCOL)m_nonOfHeader)
        return headerStyle(nRow, *d, style);
    if (!m_showHeader && nRow == 0) {
        // The grid's own header row shows record 0, when there is one.
        if (_GetRowCount() <= 0)
            return FALSE;
        style = nCol == 0 ? RowHeaderStyle() : StandardStyle();
        style.SetHorizontalAlignment(DT_LEFT);
    }
    return _GetStyleRowCol((int)nRow - m_nonOfHeader, d->Field, style);
}

BOOL CRGrid::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType)
{
    const SColDsc* d = descriptor(nCol);
    if (!recordgrid::isCellRequest(mt, nType) || nRow == 0 || !d)
        return FALSE;
    return _StoreStyleRowCol((int)nRow - m_nonOfHeader, d->Field, pStyle);
}

BOOL CRGrid::StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bProcessed)
{
    const long long nRec = (long long)nRow - m_nonOfHeader;
    if (nRec >= 0)
        _StoreInsertRows((int)nRec, (int)nCount);
    return CGXGridCore::StoreInsertRows(nRow, nCount, bProcessed);
}

BOOL CRGrid::StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL)
{
    const long long from = std::max(0LL, (long long)nFromRow - m_nonOfHeader);
    const long long to = (long long)nToRow - m_nonOfHeader;
    const BOOL bProcessed = from <= to && _StoreRemoveRows((int)from, (int)to) != 0;
    return CGXGridCore::StoreRemoveRows(nFromRow, nToRow, bProcessed);
}

int CRGrid::GetColWidth(ROWCOL nCol)
{
    const SColDsc* d = descriptor(nCol);
    if (!d)
        return kDefaultWidth;
    auto it = m_colWidths.find(d->Field);
    if (it == m_colWidths.end())
        it = m_colWidths.emplace(d->Field, _GetColWidth(d->Field, false)).first;
    return it->second;
}

BOOL CRGrid::SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, int* anWidthArray, UINT flags,
                         GXCmdType ctCmd)
{
    if (nToCol == 0)
        nToCol = nFromCol;
    for (ROWCOL c = nFromCol; c <= nToCol && c < m_cols.size(); ++c)
        m_colWidths[m_cols[c].Field] = std::max(0, anWidthArray ? anWidthArray[c] : nWidth);
    UpdateProperties(GX_INVALIDATE, TRUE);
    return CGXGridCore::SetColWidth(nFromCol, nToCol, nWidth, anWidthArray, flags, ctCmd);
}

int CRGrid::_StoreStyleRowCol(int, int, const CGXStyle*)
{
    return 0;
}

int CRGrid::_GetStyleRowCol(int, int, CGXStyle&)
{
    return 0;
}

int CRGrid::_GetStyleHeader(int, int, bool, CGXStyle&)
{
    return 0;
}

int CRGrid::_StoreRemoveRows(int, int)
{
    return 0;
}

int CRGrid::_StoreInsertRows(int, int)
{
    return 0;
}

int CRGrid::_ModifyStyleRowCol(int, int, CGXStyle& style)
{
    style.SetWrapText(TRUE)
        .SetVerticalAlignment(DT_VCENTER)
        .SetHorizontalAlignment(DT_CENTER)
        .SetDraw3dFrame(gxFrameRaised)
        .SetEnabled(FALSE)
        .SetReadOnly(TRUE)
        .SetInterior(GXGetSysData()->GetSysColor(COLOR_BTNFACE) | 0xEF000000)
        .SetFont(CGXFont().SetBold(TRUE), gxOverride);
    return 1;
}

int CRGrid::_GetColWidth(int, bool)
{
    return kDefaultWidth;
}

int CRGrid::_GetRowCount()
{
    return 0;
}

int CRGrid::UpdateGridData(int)
{
    return 1;
}

} // namespace NVorel
