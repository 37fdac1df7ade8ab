#include "gridctl/GXCopyTextReader.h"

#include "gridctl/GXGridCore.h"

const CGXStyle& CGXCopyTextReader::ReadStyle(ROWCOL nRow, ROWCOL nCol, size_t nAt)
{
    CGXStyle& style = m_cells[nAt].style;
    style.Free();
    m_grid.GetStyleRowCol(nRow, nCol, style, gxCopy, 0);
    return style;
}

// The order of ComposeStyleRowCol: the column-header style, the row-header
// style, then the standard style, each filling what is still unset.
const CGXCopyTextReader::Fallback& CGXCopyTextReader::makeFallback(size_t kind)
{
    Fallback& rest = m_fallbacks[kind].emplace();
    if (kind & 1)
        rest.style.ChangeStyle(m_grid.ColHeaderStyle(), gxApplyNew);
    if (kind & 2)
        rest.style.ChangeStyle(m_grid.RowHeaderStyle(), gxApplyNew);
    rest.style.ChangeStyle(m_grid.StandardStyle(), gxApplyNew);
    const WORD nId = rest.style.GetControl();
    rest.bShowsValue = m_grid.showsValue(m_grid.controlFor(nId), nId);
    return rest;
}

CGXControl* CGXCopyTextReader::control(WORD nId)
{
    if (m_nControlId != nId) {
        m_pControl = m_grid.controlFor(nId);
        m_bShowsValue = m_grid.showsValue(m_pControl, nId);
        m_nControlId = nId;
    }
    return m_pControl;
}

const CString& CGXCopyTextReader::controlText(ROWCOL nRow, ROWCOL nCol, Cell& cell, const CGXStyle& rest)
{
    const CGXStyle& own = cell.style;
    const WORD nId = own.GetIncludeControl() ? own.GetControl() : rest.GetControl();
    CGXControl* pControl = control(nId);
    if (m_bShowsValue)
        return own.GetIncludeValue() ? own.GetValue() : rest.GetValue();
    m_full = own;
    m_full.ChangeStyle(rest, gxApplyNew);
    if (pControl)
        pControl->GetControlText(cell.text, nRow, nCol, m_full.GetValue(), m_full);
    else
        cell.text = CGXControl::ControlTextOf(m_full.GetValue(), m_full);
    return cell.text;
}
