// CGridAreaScale: parameters, set-up and the normalisation of the rows; the
// call flow is described in GridAreaScale.h.
#include "areascale/GridAreaScale.h"

#include "areascale/AutoScale.h"
#include "areascale/BitmapTextHeader.h"
#include "controls/ColorButton.h"
#include "frame/Lang.h"
#include "frame/OwnResources.h"
#include "frame/ResourceSwitch.h"

#include <algorithm>
#include <cmath>
#include <limits>

using areascale::kEpsilon;

CGridAreaScale::CGridAreaScale()
{
    Reset();
}

CGridAreaScale::~CGridAreaScale() = default;

void CGridAreaScale::Reset()
{
    m_gridType = GRID_EDIT;
    m_gridUnit = qemet::QT_REINF_AREA;
    m_areaMin = 0.0;
    m_areaMax = 0.004;
    m_dim = 0.02;
    m_gridSize = 0.01;
    m_sectionCount = 2;
    m_scaleType = SCALE_ARITHMETIC;
    m_dimType = DIM_METRIC;
    m_items.clear();
}

template <class T> void CGridAreaScale::setScaleParameter(T& member, T value, bool bChanged)
{
    if (!bChanged)
        return;
    member = value;
    AutoScale(1, 0);
}

void CGridAreaScale::SetAreaMin(double dArea)
{
    setScaleParameter(m_areaMin, dArea, !(std::fabs(m_areaMin - dArea) < kEpsilon));
}

void CGridAreaScale::SetAreaMax(double dArea)
{
    setScaleParameter(m_areaMax, dArea, !(std::fabs(m_areaMax - dArea) < kEpsilon));
}

void CGridAreaScale::SetDim(double dDim)
{
    setScaleParameter(m_dim, dDim, !(std::fabs(m_dim - dDim) < kEpsilon));
}

void CGridAreaScale::SetGridSize(double dGridSize)
{
    setScaleParameter(m_gridSize, dGridSize, !(std::fabs(m_gridSize - dGridSize) < kEpsilon));
}

void CGridAreaScale::SetSectionCount(unsigned int nCount)
{
    setScaleParameter(m_sectionCount, nCount, m_sectionCount != nCount);
}

void CGridAreaScale::SetScaleType(eGridAreaScaleType eType)
{
    setScaleParameter(m_scaleType, eType, m_scaleType != eType);
}

void CGridAreaScale::SetDimType(eGridAreaScaleDimType eType)
{
    if (m_dimType == eType)
        return;
    m_dimType = eType;
    Redraw();
}

void CGridAreaScale::SetDiamList(const std::vector<double>& vals, const std::vector<CString>& names)
{
    if (vals.size() != names.size() ||
        std::any_of(names.begin(), names.end(), [](const CString& name) { return name.IsEmpty(); }))
        return;
    m_diamVals = vals;
    m_diamNames = names;
    CGridAreaScaleItem::SetDiamList(&m_diamVals, &m_diamNames);
    if (m_dimType != DIM_LIST_NAME && m_dimType != DIM_LIST_VALUE)
        m_dimType = DIM_LIST_NAME;
}

void CGridAreaScale::SetItems(std::vector<CGridAreaScaleItem> items)
{
    m_items = std::move(items);
}

void CGridAreaScale::AutoScale(int bRedraw, int bRemoveScale)
{
    if (m_gridType == GRID_DISPLAY)
        return;
    const double d = CGridAreaScaleItem::GetNearestValue(m_dim, m_dimType);
    const auto bounds = areascale::scaleBounds(m_areaMin, m_areaMax, m_sectionCount, bRemoveScale, m_scaleType,
                                               areascale::ArithmeticRule::Grid);
    areascale::buildScaleItems(d, m_gridSize, m_areaMax, bounds, m_items);
    if (bRedraw)
        Redraw();
}

void CGridAreaScale::ColorAutoScale()
{
    for (CGridAreaScaleItem& item : m_items)
        item.SetAutoColor(1);
}

void CGridAreaScale::OnGridInitialUpdate()
{
    CGXGridWnd::OnGridInitialUpdate();
    NVorel::CResourceSwitch ownModule(NVorel::CResourceSwitch::OWN_MODULE);
    m_bmpDim1.LoadBitmap(NVorel::IDB_DIAMETER_1);
    m_bmpDim2.LoadBitmap(NVorel::IDB_DIAMETER_2);
    NVorel::CResourceSwitch language(NVorel::getLangModule());
    RegisterControl(IDC_BITMAP_HEADER, new CBitmapTextHeader(this), FALSE, TRUE);
    RegisterControl(IDC_COLOR_CELL, new NVorel::CColorButton(this), FALSE, TRUE);

    GetParam()->EnableUndo(FALSE);
    const BOOL bLocked = LockUpdate(TRUE);
    SetRowHeight(0, 0, GetRowHeight(0) * 2, nullptr, GX_SMART, gxDo);
    SetFrozenRows(0, 0, GX_SMART, gxDo);
    GetParam()->EnableTrackRowHeight(GX_TRACK_DEFAULT);
    GetParam()->EnableUndo(TRUE);
    LockUpdate(bLocked);
}

void CGridAreaScale::OnGridUpdate(CWnd*, __int64, CObject*)
{
    const BOOL bLocked = LockUpdate(TRUE);
    const BOOL bHide = m_gridType == GRID_DISPLAY;
    for (ROWCOL nCol : {2ul, 3ul, 4ul, 7ul})
        HideCols(nCol, nCol, bHide, nullptr, GX_SMART, gxDo);
    GetParam()->EnableMoveCols(FALSE);
    GetParam()->EnableMoveRows(FALSE);
    LockUpdate(bLocked);
    Redraw();
}

BOOL CGridAreaScale::OnTrackColWidth(ROWCOL nCol)
{
    return !IsColHidden(nCol);
}

ROWCOL CGridAreaScale::GetRowCount()
{
    return (ROWCOL)m_items.size();
}

ROWCOL CGridAreaScale::GetColCount()
{
    return 7;
}

void CGridAreaScale::Redraw()
{
    ResetCurrentCell(FALSE);
    PrepareToDisplay();
    if (GetSafeHwnd())
        Invalidate(TRUE);
    ResizeRowHeightsToFit(CGXRange().SetRows(0, 0), TRUE, GX_SMART);
}

void CGridAreaScale::PrepareToDisplay()
{
    if (m_gridType == GRID_DISPLAY)
        return;
    if (m_items.size() < 3)
        AutoScale(0, 1);
    if (m_items.size() >= 2) {
        const size_t last = m_items.size() - 1;
        // The top and zero rows keep their places whatever their areas.
        m_items.front().m_Amax = std::numeric_limits<double>::infinity();
        m_items.back().m_Amax = 0.0;
        std::sort(m_items.begin(), m_items.end(),
                  [](const CGridAreaScaleItem& a, const CGridAreaScaleItem& b) { return a.m_Amax > b.m_Amax; });
        CGridAreaScaleItem& top = m_items[0];
        top.m_dim1 = m_items[1].m_dim1;
        top.m_dim2 = m_items[1].m_dim2;
        top.m_S = m_items[1].m_S;
        top.m_Amax = m_items[1].m_Amax;
        CGridAreaScaleItem& zero = m_items[last];
        zero.m_dim1 = m_items[last - 1].m_dim1;
        zero.m_dim2 = m_items[last - 1].m_dim2;
        zero.m_S = m_items[last - 1].m_S;
        zero.m_Amax = 0.0;
        zero.m_Amin = 0.0;
        for (size_t i = 0; i < last; ++i)
            m_items[i].m_Amin = m_items[i + 1].m_Amax;
        for (size_t i = 1; i + 1 < m_items.size();) {
            if (std::fabs(m_items[i].m_Amax - m_items[i + 1].m_Amax) < kEpsilon)
                m_items.erase(m_items.begin() + (std::ptrdiff_t)i);
            else
                ++i;
        }
    }
    if (!m_items.empty())
        FillItemsColor(m_items);
}

BOOL CGridAreaScale::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType)
{
    if (mt == gxRemove || nType != 0)
        return FALSE;
    if (nRow == 0)
        return GetValueForHeader(nCol, style);
    if (nRow > m_items.size())
        return FALSE;
    return GetValueForCell(nRow, nCol, style);
}
