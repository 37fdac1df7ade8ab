// What the area-scale grid shows: the header titles with their units and
// pictures, and each row's cells by the row's role (top, range or zero row).
#include "areascale/GridAreaScale.h"

#include "frame/Lang.h"
#include "frame/ResourceSwitch.h"
#include "gridctl/GXSysData.h"

#include <cmath>

using areascale::kEpsilon;

namespace {

constexpr UINT IDS_COL_COLOUR = 39952;
constexpr UINT IDS_COL_SPACING = 39955;
constexpr UINT IDS_COL_MAXIMUM = 39956;
constexpr UINT IDS_COL_MINIMUM = 39957;
constexpr UINT IDS_COL_VISIBLE = 39958;

CString loadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

CString diameterUnit(CGridAreaScale::eGridAreaScaleDimType eType)
{
    switch (eType) {
    case CGridAreaScale::DIM_LIST_VALUE:
    case CGridAreaScale::DIM_METRIC: return qemet::Qemet().GetFullNameUnit(qemet::QT_BAR_DIAMETER, true);
    case CGridAreaScale::DIM_ASTM: return L"(#)";
    case CGridAreaScale::DIM_CSA: return L"(No)";
    default: return CString();
    }
}

} // namespace

CString CGridAreaScale::unitText(qemet::QEMET_TYPES kind, double value)
{
    return qemet::Qemet().CnvUnitSIToText(kind, value, qemet::BU_DISPLAY, qemet::SDU_POINT);
}

void CGridAreaScale::disabledLook(CGXStyle& style)
{
    style.SetEnabled(FALSE).SetInterior(GXGetSysData()->GetSysColor(COLOR_BTNFACE) | 0xEF000000);
}

BOOL CGridAreaScale::GetValueForHeader(ROWCOL nCol, CGXStyle& style)
{
    NVorel::CResourceSwitch language(NVorel::getLangModule());
    style.SetValueType(GX_VT_STRING)
        .SetControl(GX_IDS_CTRL_HEADER)
        .SetWrapText(TRUE)
        .SetVerticalAlignment(DT_VCENTER)
        .SetHorizontalAlignment(DT_CENTER)
        .SetDraw3dFrame(gxFrameRaised)
        .SetReadOnly(TRUE)
        .SetFont(CGXFont().SetBold(TRUE), gxOverride)
        .SetValue(L"");
    const qemet::Qemet units;
    CString title, unit;
    switch (nCol) {
    case 0: break;
    case 1: title = loadText(IDS_COL_COLOUR); break;
    case 2:
    case 3:
        style.SetControl(IDC_BITMAP_HEADER).SetVerticalAlignment(DT_BOTTOM).SetValue(diameterUnit(m_dimType));
        return TRUE;
    case 4:
        title = loadText(IDS_COL_SPACING);
        unit = units.GetFullNameUnit(qemet::QT_BAR_SPACING, true);
        break;
    case 5:
    case 6:
        if (m_gridType == GRID_DISPLAY)
            title = nCol == 5 ? L"Max" : L"Min";
        else
            title = loadText(nCol == 5 ? IDS_COL_MAXIMUM : IDS_COL_MINIMUM);
        unit = units.GetFullNameUnit(m_gridUnit, true);
        break;
    case 7: title = loadText(IDS_COL_VISIBLE); break;
    default: return FALSE;
    }
    if (!unit.IsEmpty())
        title += L"\n" + unit;
    style.SetValue(title);
    return TRUE;
}

// A diameter cell of a range row: a list of the bar source's bars, or for
// metric bars a list the user may also type into.
void CGridAreaScale::diameterCell(const CGridAreaScaleItem& item, int nDim, bool bTop, bool bLast, CGXStyle& style)
{
    const bool bSecond = nDim == 2;
    if (bTop || bLast)
        disabledLook(style);
    if (bLast) {
        style.SetValue(L"---");
        return;
    }
    if (m_dimType != DIM_METRIC) {
        style.SetControl(bSecond ? GX_IDS_CTRL_ZEROBASED : GX_IDS_CTRL_ONEBASED)
            .SetChoiceList(CGridAreaScaleItem::GetChoiseList(m_dimType, bSecond))
            .SetValue((DWORD)item.GetDimValueIndex(nDim, m_dimType));
        return;
    }
    style.SetControl(GX_IDS_CTRL_COMBOBOX).SetChoiceList(CGridAreaScaleItem::GetChoiseList(DIM_METRIC, bSecond));
    const double d = item.GetDimValue(nDim);
    const CString text = bSecond && !(std::fabs(d) > kEpsilon) ? CString() : unitText(qemet::QT_BAR_DIAMETER, d);
    if (!text.IsEmpty())
        style.SetValue(text);
}

BOOL CGridAreaScale::GetValueForCell(ROWCOL nRow, ROWCOL nCol, CGXStyle& style)
{
    const CGridAreaScaleItem& item = m_items[nRow - 1];
    const bool bLast = nRow == m_items.size(), bTop = nRow == 1;
    const bool bDisplay = m_gridType == GRID_DISPLAY;
    style.SetValueType(GX_VT_STRING).SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER);
    CString text;
    switch (nCol) {
    case 0:
        style.SetControl(IDC_BITMAP_HEADER)
            .SetWrapText(TRUE)
            .SetDraw3dFrame(gxFrameRaised)
            .SetReadOnly(TRUE)
            .SetFont(CGXFont().SetBold(TRUE), gxOverride)
            .SetValue(L"");
        break;
    case 1: style.SetControl(IDC_COLOR_CELL).SetValue((DWORD)item.GetColor()); break;
    case 2:
    case 3:
        if (!bDisplay)
            diameterCell(item, (int)nCol - 1, bTop, bLast, style);
        break;
    case 4:
        if (bDisplay)
            break;
        if (bTop || bLast)
            disabledLook(style);
        text = bLast ? CString(L"---") : unitText(qemet::QT_BAR_SPACING, item.GetSValue());
        break;
    case 5:
        if (bDisplay)
            disabledLook(style);
        if (!bDisplay && bTop && !bLast) // a lone row is the last row first
            text = L"---";
        else
            text = unitText(m_gridUnit, bLast && !bDisplay ? 0.0 : item.GetAmax());
        break;
    case 6:
        disabledLook(style);
        if (bDisplay)
            text = unitText(m_gridUnit, item.GetAmin());
        else
            text = bLast ? CString(L"---") : CString(L">") + unitText(m_gridUnit, item.GetAmin());
        break;
    case 7:
        if (!bDisplay)
            style.SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(DT_CENTER).SetValue((short)item.GetVisibility());
        break;
    default: return FALSE;
    }
    if (!text.IsEmpty())
        style.SetValue(text);
    return TRUE;
}
