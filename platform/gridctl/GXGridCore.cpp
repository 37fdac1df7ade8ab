// Set-up, styles, the data pipeline and the controls of CGXGridCore; the call
// flow is described in GXGridCore.h.
#include "gridctl/GXGridCore.h"

#include "gridctl/GXCheckBox.h"
#include "gridctl/GXComboBox.h"
#include "gridctl/GXCopyTextReader.h"
#include "gridctl/GXEditControl.h"
#include "gridctl/GXOwnership.h"
#include "gridctl/GXPushbutton.h"

#include <algorithm>

CGXGridCore::CGXGridCore()
{
    m_builtinStyles.CreateStandardStyles();
    registerBuiltinControls();
}

void CGXGridCore::registerBuiltinControls()
{
    RegisterControl(GX_IDS_CTRL_HEADER, new CGXHeader(this));
    RegisterControl(GX_IDS_CTRL_EDIT, new CGXEditControl(this));
    RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(this));
    RegisterControl(GX_IDS_CTRL_PUSHBTN, new CGXPushbutton(this));
    RegisterControl(GX_IDS_CTRL_CHECKBOX, new CGXCheckBox(this));
    RegisterControl(GX_IDS_CTRL_COMBOBOX, new CGXComboBox(this, 0, GX_IDS_CTRL_COMBOBOX, GXCOMBO_TEXT));
    RegisterControl(GX_IDS_CTRL_ONEBASED, new CGXComboBox(this, 0, GX_IDS_CTRL_ONEBASED, GXCOMBO_ONEBASED));
    RegisterControl(GX_IDS_CTRL_ZEROBASED, new CGXComboBox(this, 0, GX_IDS_CTRL_ZEROBASED, GXCOMBO_ZEROBASED));
    for (WORD nId : {GX_IDS_CTRL_HEADER, GX_IDS_CTRL_EDIT, GX_IDS_CTRL_STATIC, GX_IDS_CTRL_PUSHBTN,
                     GX_IDS_CTRL_CHECKBOX, GX_IDS_CTRL_COMBOBOX})
        m_valueControls.push_back(GetRegisteredControl(nId));
}

CGXGridCore::~CGXGridCore() = default;

void CGXGridCore::SetParam(CGXGridParam* pParam, BOOL bMustDelete)
{
    gxdetail::adopt(m_pParam, m_pOwnedParam, pParam, bMustDelete);
}

void CGXGridCore::OnGridInitialUpdate()
{
    if (!GetParam())
        SetParam(new CGXGridParam, TRUE);
    if (!GetParam()->GetStylesMap()) {
        auto* map = new CGXStylesMap;
        map->CreateStandardStyles();
        map->ReadProfile();
        GetParam()->SetStylesMap(map, TRUE);
    }
}

CGXStylesMap& CGXGridCore::stylesMap()
{
    CGXStylesMap* map = m_pParam ? m_pParam->GetStylesMap() : nullptr;
    return map ? *map : m_builtinStyles;
}

// A map without the standard styles falls back on the built-in ones.
CGXStyle& CGXGridCore::mapStyle(WORD CGXStylesMap::*id)
{
    CGXStylesMap& map = stylesMap();
    CGXStyle* style = nullptr;
    if (!map.LookupStyle(map.*id, style))
        m_builtinStyles.LookupStyle(m_builtinStyles.*id, style);
    return *style;
}

CGXStyle& CGXGridCore::StandardStyle()
{
    return mapStyle(&CGXStylesMap::m_wStyleStandard);
}

CGXStyle& CGXGridCore::RowHeaderStyle()
{
    return mapStyle(&CGXStylesMap::m_wStyleRowHeader);
}

CGXStyle& CGXGridCore::ColHeaderStyle()
{
    return mapStyle(&CGXStylesMap::m_wStyleColHeader);
}

ROWCOL CGXGridCore::GetRowCount()
{
    m_bOwnRowCountAsked = true;
    return m_nRows;
}

ROWCOL CGXGridCore::GetColCount()
{
    return m_nCols;
}

BOOL CGXGridCore::SetRowCount(ROWCOL nRows, UINT flags)
{
    m_nRows = std::min(nRows, GX_MAXROWCOL - 1);
    m_cells.erase(m_cells.upper_bound(m_nRows), m_cells.end());
    redrawCells(CGXRange().SetTable(), flags);
    return TRUE;
}

BOOL CGXGridCore::SetColCount(ROWCOL nCols, UINT flags)
{
    m_nCols = std::min(nCols, GX_MAXROWCOL - 1);
    for (auto& [row, cols] : m_cells)
        cols.erase(cols.upper_bound(m_nCols), cols.end());
    redrawCells(CGXRange().SetTable(), flags);
    return TRUE;
}

BOOL CGXGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType)
{
    if (nType != 0 || mt == gxRemove)
        return FALSE;
    const auto row = m_cells.find(nRow);
    if (row == m_cells.end())
        return FALSE;
    const auto cell = row->second.find(nCol);
    if (cell == row->second.end())
        return FALSE;
    style.ChangeStyle(cell->second, mt);
    return TRUE;
}

BOOL CGXGridCore::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType)
{
    if (nType != 0 || nRow > GetRowCount() || nCol > GetColCount())
        return FALSE;
    if (mt == gxRemove || !pStyle) {
        if (auto row = m_cells.find(nRow); row != m_cells.end())
            row->second.erase(nCol);
        return TRUE;
    }
    m_cells[nRow][nCol].ChangeStyle(*pStyle, mt);
    return TRUE;
}

void CGXGridCore::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle)
{
    pStyle->Free();
    GetStyleRowCol(nRow, nCol, *pStyle, gxCopy, 0);
    if (nRow <= GetHeaderRows())
        pStyle->ChangeStyle(ColHeaderStyle(), gxApplyNew);
    if (nCol <= GetHeaderCols())
        pStyle->ChangeStyle(RowHeaderStyle(), gxApplyNew);
    pStyle->ChangeStyle(StandardStyle(), gxApplyNew);
}

CString CGXGridCore::GetValueRowCol(ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style);
    return style.GetValue();
}

CString CGXGridCore::GetCopyTextRowCol(ROWCOL nRow, ROWCOL nCol)
{
    return CGXCopyTextReader(*this).Text(nRow, nCol);
}

BOOL CGXGridCore::SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt, int nType, UINT flags)
{
    CGXRange cells = range;
    if (!cells.ClipTo(GetRowCount(), GetColCount()))
        return FALSE;
    BOOL bAll = TRUE, bAny = FALSE;
    for (ROWCOL r = cells.top; r <= cells.bottom; ++r)
        for (ROWCOL c = cells.left; c <= cells.right; ++c) {
            const BOOL bStored = StoreStyleRowCol(r, c, &style, mt, nType);
            bAll = bAll && bStored;
            bAny = bAny || bStored;
        }
    if (bAny) {
        for (ROWCOL r = cells.top; r <= cells.bottom; ++r)
            if (m_fittedRows.count(r))
                m_changedRows.insert(r);
        SetModifiedFlag(TRUE);
        redrawCells(cells, flags);
    }
    return bAll;
}

void CGXGridCore::RegisterControl(WORD nID, CGXControl* pControl, BOOL bDefault, BOOL)
{
    auto& slot = m_controls[nID];
    if (slot.get() != pControl) {
        if (m_pDefaultControl == slot.get())
            m_pDefaultControl = nullptr;
        std::erase(m_valueControls, slot.get());
        slot.reset(pControl);
    }
    if (bDefault)
        m_pDefaultControl = pControl;
}

CGXControl* CGXGridCore::GetRegisteredControl(WORD nID) const
{
    const auto it = m_controls.find(nID);
    return it == m_controls.end() ? nullptr : it->second.get();
}

CGXControl* CGXGridCore::GetControl(ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style);
    return controlFor(style);
}

CGXControl* CGXGridCore::controlFor(WORD nId) const
{
    CGXControl* control = GetRegisteredControl(nId);
    return control ? control : m_pDefaultControl;
}

bool CGXGridCore::showsValue(const CGXControl* pControl, WORD nId) const
{
    if (nId == GX_IDS_CTRL_ONEBASED || nId == GX_IDS_CTRL_ZEROBASED)
        return false;
    return !pControl || std::find(m_valueControls.begin(), m_valueControls.end(), pControl) != m_valueControls.end();
}

BOOL CGXGridCore::LockUpdate(BOOL bLock)
{
    const BOOL bWas = m_bLockUpdate;
    m_bLockUpdate = bLock ? TRUE : FALSE;
    return bWas;
}

// Without a window there is nothing to repaint; CGXGridWnd repaints.
void CGXGridCore::Redraw(UINT, BOOL) {}

void CGXGridCore::RedrawRowCol(const CGXRange&, UINT, BOOL) {}

void CGXGridCore::UpdateProperties(UINT flags, BOOL bCreateHint)
{
    if (!IsLockUpdate())
        Redraw(flags, bCreateHint);
}

void CGXGridCore::redrawCells(const CGXRange& range, UINT flags)
{
    if (!IsLockUpdate())
        RedrawRowCol(range, flags, FALSE);
}
