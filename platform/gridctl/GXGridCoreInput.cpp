// Keys, characters and in-place editing of CGXGridCore; the call flow is
// described in GXGridCore.h.
#include "gridctl/GXGridCore.h"

#include "win/user/Input.h"
#include "win/user/Messages.h"

#include <algorithm>

BOOL CGXGridCore::ProcessKeys(CWnd*, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags)
{
    if (nMessage != WM_KEYDOWN)
        return FALSE;
    if (m_pActiveControl && m_pActiveControl->KeyPressed(nMessage, nChar, nRepCnt, flags))
        return TRUE;
    if (!m_pActiveControl && keyOnCurrentCell(nChar))
        return TRUE;
    switch (nChar) {
    case VK_RETURN:
    case VK_ESCAPE:
        if (!m_pActiveControl)
            return FALSE;
        TransferCurrentCell(nChar == VK_RETURN);
        return TRUE;
    case VK_F2:
        return StartEditing();
    case 'C':
        return GetKeyState(VK_CONTROL) < 0 && Copy();
    default:
        return moveKey(nChar);
    }
}

BOOL CGXGridCore::keyOnCurrentCell(UINT nChar)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    CGXControl* control = GetControl(nRow, nCol);
    return control && control->KeyPressedOnCell(nChar, nRow, nCol);
}

BOOL CGXGridCore::moveKey(UINT nChar)
{
    const bool bShift = GetKeyState(VK_SHIFT) < 0;
    switch (nChar) {
    case VK_UP: return MoveCurrentCell(GX_UP, 1);
    case VK_DOWN: return MoveCurrentCell(GX_DOWN, 1);
    case VK_LEFT: return MoveCurrentCell(GX_LEFT, 1);
    case VK_RIGHT: return MoveCurrentCell(GX_RIGHT, 1);
    case VK_TAB: return MoveCurrentCell(bShift ? GX_LEFT : GX_RIGHT, 1);
    case VK_PRIOR: return movePage(false);
    case VK_NEXT: return movePage(true);
    case VK_HOME: return jumpKey(false, GetKeyState(VK_CONTROL) < 0);
    case VK_END: return jumpKey(true, GetKeyState(VK_CONTROL) < 0);
    default: return FALSE;
    }
}

// The view moves a page and the current cell with it, so that it keeps its
// place on the screen where the grid lets it.
BOOL CGXGridCore::movePage(bool bDown)
{
    const ROWCOL page = std::max<ROWCOL>(1, GetPageRows());
    const BOOL bScrolled = ScrollRows(bDown ? (long)page : -(long)page);
    const BOOL bMoved = MoveCurrentCell(bDown ? GX_DOWN : GX_UP, (UINT)page);
    return bScrolled || bMoved;
}

BOOL CGXGridCore::jumpKey(bool bEnd, bool bCtrl)
{
    ROWCOL nRow = 0, nCol = 0;
    if (bCtrl)
        nRow = edgeLine(true, bEnd);
    else if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    nCol = edgeLine(false, bEnd);
    if (nRow == 0 || nCol == 0)
        return FALSE;
    TransferCurrentCell();
    SelectRange(CGXRange().SetTable(), FALSE);
    return SetCurrentCell(nRow, nCol, GX_SCROLLINVIEW);
}

ROWCOL CGXGridCore::edgeLine(bool bRows, bool bLast)
{
    const ROWCOL first = (bRows ? GetHeaderRows() : GetHeaderCols()) + 1;
    const ROWCOL last = bRows ? GetRowCount() : GetColCount();
    auto shown = [&](ROWCOL n) { return !(bRows ? IsRowHidden(n) : IsColHidden(n)); };
    if (bLast) {
        for (ROWCOL n = last; n >= first; --n)
            if (shown(n))
                return n;
        return 0;
    }
    for (ROWCOL n = first; n <= last; ++n)
        if (shown(n))
            return n;
    return 0;
}

BOOL CGXGridCore::OnGridChar(UINT nChar, UINT nRepCnt, UINT flags)
{
    if (m_pActiveControl)
        return m_pActiveControl->KeyPressed(WM_CHAR, nChar, nRepCnt, flags);
    if (nChar < 32 || nChar == 127)
        return FALSE;
    const CString text(CString() + (wchar_t)nChar);
    return StartEditing(&text);
}

BOOL CGXGridCore::OnStartEditing(ROWCOL, ROWCOL)
{
    return TRUE;
}

void CGXGridCore::OnClickedButtonRowCol(ROWCOL, ROWCOL) {}

BOOL CGXGridCore::DoRButtonDown(UINT, CPoint pt)
{
    ROWCOL nRow, nCol;
    if (HitTest(pt, &nRow, &nCol) != GX_CELLHIT || nRow <= GetHeaderRows() || nCol <= GetHeaderCols())
        return FALSE;
    if (!IsCellSelected(nRow, nCol)) {
        SelectRange(CGXRange().SetTable(), FALSE);
        SetCurrentCell(nRow, nCol);
    }
    return TRUE;
}

int CGXGridCore::HitTest(CPoint, ROWCOL*, ROWCOL*)
{
    return GX_NOHIT;
}

BOOL CGXGridCore::ScrollCellInView(ROWCOL, ROWCOL, UINT, BOOL)
{
    return FALSE;
}

BOOL CGXGridCore::ScrollRows(long)
{
    return FALSE;
}

ROWCOL CGXGridCore::GetPageRows()
{
    return 1;
}

BOOL CGXGridCore::Copy()
{
    return FALSE;
}

BOOL CGXGridCore::stepCell(GXDirectionType direction, ROWCOL& nRow, ROWCOL& nCol)
{
    const bool bRows = direction == GX_UP || direction == GX_DOWN;
    const bool bForward = direction == GX_DOWN || direction == GX_RIGHT;
    ROWCOL& n = bRows ? nRow : nCol;
    const ROWCOL nLast = bRows ? GetRowCount() : GetColCount();
    // Leave the covered block the cell belongs to, then pass hidden lines.
    CGXRange block;
    GetCellRangeRowCol(nRow, nCol, block);
    ROWCOL next = bForward ? (bRows ? block.bottom : block.right) : (bRows ? block.top : block.left);
    do {
        if (bForward ? next >= nLast : next <= 1)
            return FALSE;
        next = bForward ? next + 1 : next - 1;
    } while (bRows ? IsRowHidden(next) : IsColHidden(next));
    n = next;
    return TRUE;
}

BOOL CGXGridCore::MoveCurrentCell(GXDirectionType direction, UINT nCell)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    bool bMoved = false;
    for (UINT i = 0; i < nCell && stepCell(direction, nRow, nCol); ++i)
        bMoved = true;
    if (!bMoved)
        return FALSE;
    TransferCurrentCell();
    SelectRange(CGXRange().SetTable(), FALSE);
    return SetCurrentCell(nRow, nCol, GX_SCROLLINVIEW);
}

BOOL CGXGridCore::StartEditing(const CString* pText)
{
    ROWCOL nRow, nCol;
    if (m_pActiveControl || !GetCurrentCell(nRow, nCol))
        return FALSE;
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style);
    CGXControl* control = controlFor(style);
    if (!control || !control->CanEdit() || !style.GetEnabled() || style.GetReadOnly() ||
        !OnStartEditing(nRow, nCol))
        return FALSE;
    // OnStartEditing may have changed the grid (a host adding a row).
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    ComposeStyleRowCol(nRow, nCol, &style);
    CString text;
    control->GetControlText(text, nRow, nCol, style.GetValue(), style);
    control->StartEdit(pText ? *pText : text, style.GetValue());
    m_pActiveControl = control;
    redrawCells(CGXRange(nRow, nCol), GX_UPDATENOW);
    return TRUE;
}

BOOL CGXGridCore::TransferCurrentCell(BOOL bSaveAndValidate, UINT flags)
{
    CGXControl* control = m_pActiveControl;
    ROWCOL nRow, nCol;
    if (!control || !GetCurrentCell(nRow, nCol))
        return TRUE;
    m_pActiveControl = nullptr;
    CString value;
    const BOOL bChanged = control->GetEditValue(value);
    control->StopEdit();
    BOOL bStored = TRUE;
    if (bSaveAndValidate && bChanged)
        bStored = SetValueRange(CGXRange(nRow, nCol), value.GetString(), gxOverride, 0, flags);
    redrawCells(CGXRange(nRow, nCol), flags);
    return bStored;
}
