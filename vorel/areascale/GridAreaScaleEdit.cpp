// Editing the area scale: typed and chosen values, rows inserted and
// removed, the colour dialog, the context menu and its commands. Every change
// ends in Redraw (the rows normalised) and one notification to the host.
#include "areascale/GridAreaScale.h"

#include "areascale/AutoScale.h"
#include "frame/Lang.h"
#include "frame/ResourceSwitch.h"
#include "win/Afx.h"

using areascale::kEpsilon;

namespace {

constexpr UINT IDR_SCALE_MENU = 481;
constexpr UINT ID_DIM_LIST_NAME = 39953;
constexpr UINT ID_DIM_LIST_VALUE = 39954;
constexpr UINT ID_AUTO_SCALE = 39956;
constexpr UINT ID_REMOVE_SCALE = 39957;
constexpr UINT ID_INSERT_ROW = 39958;
constexpr UINT ID_SCALE_ARITHMETIC = 39959;
constexpr UINT ID_SCALE_GEOMETRIC = 39960;
constexpr UINT ID_AUTO_COLOURS = 39961;

} // namespace

BEGIN_MESSAGE_MAP(CGridAreaScale, CGXGridWnd)
    ON_WM_INITMENUPOPUP()
    ON_COMMAND_RANGE(ID_DIM_LIST_NAME, ID_DIM_LIST_VALUE, OnSelectDim)
    ON_COMMAND_RANGE(ID_SCALE_ARITHMETIC, ID_SCALE_GEOMETRIC, OnSelectScaleType)
    ON_COMMAND(ID_AUTO_SCALE, OnAutoScale)
    ON_COMMAND(ID_AUTO_COLOURS, OnColorAutoScale)
    ON_COMMAND(ID_REMOVE_SCALE, OnRemoveScale)
    ON_COMMAND(ID_INSERT_ROW, InsertRow)
END_MESSAGE_MAP()

void CGridAreaScale::notify(int nCode)
{
    CWnd* target = m_receiver ? m_receiver : GetParent();
    if (target)
        target->SendMessage((UINT)nCode, 0, 0);
}

bool CGridAreaScale::readUnitText(qemet::QEMET_TYPES kind, const CString& text, double& value)
{
    return qemet::Qemet().CnvUnitSIToDouble(value, kind, text, qemet::BU_ANY) == qemet::QR_OK;
}

// A chosen line is a position in the bar source; metric bars are typed.
BOOL CGridAreaScale::storeDiameter(CGridAreaScaleItem& item, int nDim, const CGXStyle& style)
{
    if (m_dimType != DIM_METRIC) {
        item.SetDimValueIndex(nDim, m_dimType, style.GetUIntValue());
        return TRUE;
    }
    double d = 0.0;
    if (!readUnitText(qemet::QT_BAR_DIAMETER, style.GetValue(), d))
        return FALSE;
    // The first bar must be there; a second of 0 means none.
    if (nDim == 1 ? d < kEpsilon : d < -kEpsilon)
        return FALSE;
    item.SetDimValue(nDim, d);
    return TRUE;
}

BOOL CGridAreaScale::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType)
{
    if (mt == gxRemove || nType == -1 || !pStyle)
        return FALSE;
    // Nothing is stored outside the rows, and so nothing is reported as stored.
    if (nRow == 0 || nRow > m_items.size())
        return FALSE;
    CGridAreaScaleItem& item = m_items[nRow - 1];
    const bool bValue = pStyle->GetIncludeValue();
    double value = 0.0;
    switch (nCol) {
    case 0:
    case 6: break;
    case 1:
        item.SetAutoColor(0);
        item.SetColor(pStyle->GetDWordValue());
        break;
    case 2:
    case 3:
        if (bValue && !storeDiameter(item, (int)nCol - 1, *pStyle))
            return FALSE;
        break;
    case 4:
        if (!bValue)
            break;
        if (!readUnitText(qemet::QT_BAR_SPACING, pStyle->GetValue(), value) || value < kEpsilon)
            return FALSE;
        item.SetSValue(value);
        break;
    case 5:
        if (!bValue)
            break;
        if (!readUnitText(m_gridUnit, pStyle->GetValue(), value) || value < -kEpsilon)
            return FALSE;
        item.SetAmax(value, 1);
        break;
    case 7:
        if (bValue)
            item.SetVisibility(pStyle->GetShortValue());
        break;
    default: return FALSE;
    }
    SetModifiedFlag(TRUE);
    Redraw();
    notify(WM_AREASCALE_CHANGED);
    return TRUE;
}

BOOL CGridAreaScale::StoreInsertRows(ROWCOL nRow, ROWCOL, BOOL)
{
    const ROWCOL count = (ROWCOL)m_items.size();
    if (nRow <= 1 || nRow > count || count < 3)
        return FALSE;
    CGridAreaScaleItem item;
    const CGridAreaScaleItem& at = m_items[nRow - 1];
    item.SetDimValue(1, at.GetDimValue(1));
    item.SetDimValue(2, at.GetDimValue(2));
    if (nRow == 2) {
        item.SetSValue(m_items[1].GetSValue() * 0.5);
        m_items[0] = item;
    } else if (nRow == count) {
        item.SetSValue(m_items[nRow - 2].GetSValue() * 2.0);
    } else {
        item.SetSValue((m_items[nRow - 1].GetSValue() + m_items[nRow - 2].GetSValue()) * 0.5);
    }
    m_items.insert(m_items.begin() + (std::ptrdiff_t)(nRow - 1), item);
    return TRUE;
}

BOOL CGridAreaScale::StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL)
{
    const ROWCOL count = (ROWCOL)m_items.size();
    if (count < 4 || nFromRow <= 1 || nToRow >= count || nFromRow != nToRow)
        return FALSE;
    m_items.erase(m_items.begin() + (std::ptrdiff_t)(nFromRow - 1));
    return TRUE;
}

void CGridAreaScale::InsertRow()
{
    CRowColArray rows;
    GetSelectedRows(rows, TRUE, FALSE);
    ROWCOL nRow = 0, nCol = 0;
    if (rows.GetSize() == 1)
        nRow = rows.GetAt(0);
    else if (!GetCurrentCell(nRow, nCol))
        return;
    if (nRow == 0)
        return;
    const BOOL bLocked = LockUpdate(TRUE);
    InsertRows(nRow, 1, nullptr, nullptr, nullptr, 0, GX_SMART, gxDo);
    LockUpdate(bLocked);
    Redraw();
    notify(WM_AREASCALE_CHANGED);
}

int CGridAreaScale::RemoveSelectedRows()
{
    CRowColArray rows;
    GetSelectedRows(rows, TRUE, FALSE);
    if (rows.GetSize() == 0)
        return 0;
    bool bSubmitted = false;
    const BOOL bLocked = LockUpdate(TRUE);
    for (INT_PTR i = rows.GetSize() - 1; i >= 0; --i) {
        const ROWCOL nRow = rows.GetAt(i);
        if (nRow == 0)
            continue;
        RemoveRows(nRow, nRow, GX_SMART, gxDo);
        bSubmitted = true;
    }
    LockUpdate(bLocked);
    notify(WM_AREASCALE_CHANGED);
    Redraw();
    return bSubmitted ? 1 : 0;
}

BOOL CGridAreaScale::ProcessKeys(CWnd* pKeyWnd, UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nMessage == WM_KEYDOWN && nChar == VK_INSERT) {
        if (m_gridType == GRID_DISPLAY)
            return FALSE;
        InsertRow();
    } else if (nMessage == WM_KEYDOWN && nChar == VK_DELETE) {
        if (m_gridType == GRID_DISPLAY)
            return FALSE;
        if (RemoveSelectedRows())
            return TRUE;
    }
    return CGXGridWnd::ProcessKeys(pKeyWnd, nMessage, nChar, nRepCnt, nFlags);
}

void CGridAreaScale::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol)
{
    CGXGridWnd::OnClickedButtonRowCol(nRow, nCol);
    if (nCol != 1 || m_gridType == GRID_DISPLAY)
        return;
    CGXStyle style;
    if (!GetStyleRowCol(nRow, nCol, style, gxCopy, 0))
        return;
    CColorDialog dialog(style.GetDWordValue(), 0, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    SetValueRange(CGXRange(nRow, nCol), (DWORD)dialog.GetColor(), gxOverride, 0, GX_SMART);
}

BOOL CGridAreaScale::DoRButtonDown(UINT nFlags, CPoint pt)
{
    if (m_gridType == GRID_DISPLAY)
        return FALSE;
    NVorel::CResourceSwitch language(NVorel::getLangModule());
    CMenu menu;
    if (!menu.LoadMenu(IDR_SCALE_MENU))
        return CGXGridWnd::DoRButtonDown(nFlags, pt);
    CMenu* popup = menu.GetSubMenu(0);
    // A menu without its sub-menu offers nothing: the click is the grid's own.
    if (!popup) {
        menu.DestroyMenu();
        return CGXGridWnd::DoRButtonDown(nFlags, pt);
    }
    CPoint screen = pt;
    ClientToScreen(&screen);
    popup->TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
    menu.DestroyMenu();
    return TRUE;
}

void CGridAreaScale::OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
{
    CGXGridWnd::OnInitMenuPopup(pMenu, nIndex, bSysMenu);
    NVorel::CResourceSwitch language(NVorel::getLangModule());
    pMenu->CheckMenuItem(ID_DIM_LIST_NAME + (UINT)m_dimType, MF_BYCOMMAND | MF_CHECKED);
    pMenu->CheckMenuItem(ID_SCALE_ARITHMETIC + (UINT)m_scaleType, MF_BYCOMMAND | MF_CHECKED);
}

void CGridAreaScale::OnSelectDim(UINT nID)
{
    SetDimType((eGridAreaScaleDimType)(nID - ID_DIM_LIST_NAME));
    notify(WM_AREASCALE_CHANGED);
}

void CGridAreaScale::OnSelectScaleType(UINT nID)
{
    SetScaleType((eGridAreaScaleType)(nID - ID_SCALE_ARITHMETIC));
    notify(WM_AREASCALE_CHANGED);
}

void CGridAreaScale::OnAutoScale()
{
    AutoScale(1, 0);
    notify(WM_AREASCALE_CHANGED);
}

// The recoloured rows are shown at once, not at some later redraw.
void CGridAreaScale::OnColorAutoScale()
{
    ColorAutoScale();
    FillItemsColor(m_items);
    if (GetSafeHwnd())
        Invalidate(TRUE);
    notify(WM_AREASCALE_CHANGED);
}

void CGridAreaScale::OnRemoveScale()
{
    AutoScale(1, 1);
    notify(WM_AREASCALE_CHANGED);
}
