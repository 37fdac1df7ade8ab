// Mouse and keyboard input and scrolling of CGXGridWnd; the call flow is
// described in GXGridWnd.h.
#include "gridctl/GXGridWnd.h"

#include "win/afx/PaintDC.h"
#include "win/user/Controls.h"
#include "win/user/Input.h"
#include "win/user/Messages.h"

#include <algorithm>

int CGXGridWnd::HitTest(CPoint pt, ROWCOL* pnRow, ROWCOL* pnCol)
{
    if (!GetGridRect().PtInRect(pt))
        return GX_NOHIT;
    const std::vector<Line> rows = ShownRows(), cols = ShownCols();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const Line& l) { return pt.y >= l.start && pt.y < l.start + l.size; });
    if (row == rows.end() || pt.x < 0)
        return GX_NOHIT;
    if (pnRow)
        *pnRow = row->n;
    // The border of a column is its grid line, the cell's last pixel.
    if (row->n <= GetHeaderRows())
        for (const Line& col : cols)
            if (std::abs(pt.x - (col.start + col.size - 1)) <= GX_BORDER_GRIP) {
                if (pnCol)
                    *pnCol = col.n;
                return GX_VERTLINE;
            }
    const auto col = std::find_if(cols.begin(), cols.end(),
                                  [&](const Line& l) { return pt.x >= l.start && pt.x < l.start + l.size; });
    if (col == cols.end())
        return GX_NOHIT;
    if (pnCol)
        *pnCol = col->n;
    // The border of a row likewise, in the header columns.
    if (col->n <= GetHeaderCols())
        for (const Line& line : rows)
            if (std::abs(pt.y - (line.start + line.size - 1)) <= GX_BORDER_GRIP) {
                if (pnRow)
                    *pnRow = line.n;
                return GX_HORZLINE;
            }
    return GX_CELLHIT;
}

void CGXGridWnd::SetTopRow(ROWCOL nRow, UINT flags)
{
    m_nTopRow = std::min(nRow, GetRowCount());
    Redraw(flags);
}

void CGXGridWnd::SetLeftCol(ROWCOL nCol, UINT flags)
{
    m_nLeftCol = std::min(nCol, GetColCount());
    Redraw(flags);
}

BOOL CGXGridWnd::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags, BOOL)
{
    ROWCOL top = GetTopRow(), left = GetLeftCol();
    const bool bRows = scrollLineInView(nRow, true, top);
    const bool bCols = scrollLineInView(nCol, false, left);
    if (!bRows && !bCols)
        return FALSE;
    m_nTopRow = top;
    m_nLeftCol = left;
    Redraw(flags);
    return TRUE;
}

// A line before the first shown one becomes the first; one beyond the
// view's edge brings as many lines into view as it takes to show it whole,
// or becomes the first when it is larger than the room there is. Both walks
// stop at the edge of the view, however far the line lies.
bool CGXGridWnd::scrollLineInView(ROWCOL n, bool bRows, ROWCOL& first)
{
    if (n < firstScrollLine(bRows) || n > lineCount(bRows))
        return false;
    if (n < first) {
        first = n;
        return true;
    }
    const CRect grid = GetGridRect();
    const int room = scrollRoom(bRows, bRows ? grid.Height() : grid.Width());
    int used = 0;
    for (ROWCOL k = first; k <= n && used <= room; ++k)
        used += lineSize(k, bRows);
    if (used <= room)
        return false;
    ROWCOL k = n;
    used = lineSize(n, bRows);
    while (k > first && used + lineSize(k - 1, bRows) <= room)
        used += lineSize(--k, bRows);
    const ROWCOL old = first;
    first = k;
    return first != old;
}

void CGXGridWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags))
        Default();
}

void CGXGridWnd::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!ProcessKeys(this, WM_KEYUP, nChar, nRepCnt, nFlags))
        Default();
}

void CGXGridWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!OnGridChar(nChar, nRepCnt, nFlags))
        Default();
}

UINT CGXGridWnd::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

BOOL CGXGridWnd::trackableBorderAt(CPoint pt, ROWCOL& nCol)
{
    ROWCOL nRow;
    return HitTest(pt, &nRow, &nCol) == GX_VERTLINE && OnTrackColWidth(nCol);
}

BOOL CGXGridWnd::trackableRowBorderAt(CPoint pt, ROWCOL& nRow)
{
    ROWCOL nCol;
    return GetParam() && GetParam()->GetTrackRowHeight() != GX_TRACK_NONE &&
           HitTest(pt, &nRow, &nCol) == GX_HORZLINE;
}

void CGXGridWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    m_pressedCell = CGXRange();
    if (scrollBarClick(point))
        return;
    ROWCOL nRow = 0, nCol = 0;
    if (trackableBorderAt(point, nCol)) {
        TransferCurrentCell();
        m_nTrackCol = nCol;
        m_nTrackStartX = point.x;
        m_bTracking = TRUE;
        SetCapture();
        moveTrackLine(point.x);
        return;
    }
    if (trackableRowBorderAt(point, nRow)) {
        TransferCurrentCell();
        m_nTrackRow = nRow;
        m_nTrackStartY = point.y;
        m_bTrackingRow = TRUE;
        SetCapture();
        moveTrackLine(point.y);
        return;
    }
    if (HitTest(point, &nRow, &nCol) == GX_NOHIT)
        return;
    selectByClick(nFlags, nRow, nCol);
    m_pressedCell = CGXRange(nRow, nCol);
}

void CGXGridWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CGXGridWnd::selectByClick(UINT nFlags, ROWCOL nRow, ROWCOL nCol)
{
    TransferCurrentCell();
    const bool bShift = nFlags & MK_SHIFT, bCtrl = nFlags & MK_CONTROL;
    const bool bRowHeader = nCol <= GetHeaderCols(), bColHeader = nRow <= GetHeaderRows();
    CGXRange block;
    GetCellRangeRowCol(nRow, nCol, block);
    const CGXRange from = bShift && m_anchor.IsValid() ? m_anchor : block;
    const ROWCOL top = std::min(from.top, block.top), bottom = std::max(from.bottom, block.bottom);
    const ROWCOL left = std::min(from.left, block.left), right = std::max(from.right, block.right);
    CGXRange range;
    if (bRowHeader && bColHeader)
        range.SetTable();
    else if (bRowHeader)
        range.SetRows(top, bottom);
    else if (bColHeader)
        range.SetCols(left, right);
    else if (bShift || bCtrl)
        range.SetCells(top, left, bottom, right);
    // Shift replaces what the click it extends selected; a plain click
    // starts a new selection.
    if (bShift && m_lastClickRange.IsValid())
        SelectRange(m_lastClickRange, FALSE);
    else if (!bCtrl)
        SelectRange(CGXRange().SetTable(), FALSE);
    SelectRange(range, TRUE);
    m_lastClickRange = range;
    if (!bShift)
        m_anchor = block;
    if (!bRowHeader && !bColHeader && !bShift)
        SetCurrentCell(nRow, nCol, GX_SCROLLINVIEW);
}

void CGXGridWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bThumbDrag) {
        ReleaseCapture();
        return;
    }
    if (m_bTracking) {
        const ROWCOL nCol = m_nTrackCol;
        const int width = std::max(1, lineSize(nCol, false) + (int)point.x - m_nTrackStartX);
        ReleaseCapture();
        SetColWidth(nCol, nCol, width);
        return;
    }
    if (m_bTrackingRow) {
        const ROWCOL nRow = m_nTrackRow;
        const int height = std::max(1, lineSize(nRow, true) + (int)point.y - m_nTrackStartY);
        ReleaseCapture();
        SetRowHeight(nRow, nRow, height);
        return;
    }
    clickControl(nFlags, point);
    m_pressedCell = CGXRange();
}

// A click on a data cell that ends where it began goes to the cell's control.
void CGXGridWnd::clickControl(UINT nFlags, CPoint point)
{
    ROWCOL nRow, nCol;
    if (HitTest(point, &nRow, &nCol) != GX_CELLHIT || !(m_pressedCell == CGXRange(nRow, nCol)) ||
        nRow <= GetHeaderRows() || nCol <= GetHeaderCols())
        return;
    CGXRange block;
    GetCellRangeRowCol(nRow, nCol, block);
    CGXControl* control = GetControl(block.top, block.left);
    CRect rect = CalcRectFromRowCol(block.top, block.left, block.bottom, block.right);
    rect.DeflateRect(0, 0, 1, 1); // the grid line
    if (control)
        control->LButtonUp(nFlags, point, block.top, block.left, rect);
}

void CGXGridWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    DoRButtonDown(nFlags, point);
}

BOOL CGXGridWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint pt;
    ROWCOL nLine;
    GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    if (m_bTracking || (!m_bTrackingRow && trackableBorderAt(pt, nLine)))
        SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    else if (m_bTrackingRow || trackableRowBorderAt(pt, nLine))
        SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
    else
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    return TRUE;
}

void CGXGridWnd::moveTrackLine(int at)
{
    const CRect grid = GetGridRect();
    CClientDC dc(this);
    const auto invert = [&](int line) {
        if (m_bTrackingRow)
            dc.PatBlt(grid.left, line, grid.Width(), 1, DSTINVERT);
        else
            dc.PatBlt(line, grid.top, 1, grid.Height(), DSTINVERT);
    };
    if (m_nTrackLine >= 0)
        invert(m_nTrackLine);
    m_nTrackLine = at;
    if (m_nTrackLine >= 0)
        invert(m_nTrackLine);
}

void CGXGridWnd::OnCaptureChanged(CWnd*)
{
    if (m_nTrackLine >= 0)
        moveTrackLine(-1);
    m_bTracking = FALSE;
    m_bTrackingRow = FALSE;
    m_bThumbDrag = false;
}
