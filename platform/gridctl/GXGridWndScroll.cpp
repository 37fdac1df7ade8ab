// Scroll bars, the wheel and scrolling by lines and pages of CGXGridWnd; the
// call flow is described in GXGridWnd.h.
#include "gridctl/GXGridWnd.h"

#include "win/gdi/SysColors.h"

#include <algorithm>

namespace {

int scrollBarWidth()
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    return m.iScrollWidth;
}

} // namespace

int CGXGridWnd::lineSize(ROWCOL n, bool bRows)
{
    return std::clamp(bRows ? GetRowHeight(n) : GetColWidth(n), 0, GX_MAX_LINE_SIZE);
}

ROWCOL CGXGridWnd::lineCount(bool bRows)
{
    return bRows ? GetRowCount() : GetColCount();
}

ROWCOL CGXGridWnd::firstScrollLine(bool bRows)
{
    return (bRows ? GetFrozenRows() : GetFrozenCols()) + 1;
}

ROWCOL CGXGridWnd::firstShownLine(bool bRows)
{
    return bRows ? GetTopRow() : GetLeftCol();
}

int CGXGridWnd::scrollRoom(bool bRows, int nExtent)
{
    const ROWCOL nFrozen = std::min(firstScrollLine(bRows) - 1, lineCount(bRows));
    int used = 0;
    for (ROWCOL n = 0; n <= nFrozen && used < nExtent; ++n)
        used += lineSize(n, bRows);
    return std::max(nExtent - used, 0);
}

bool CGXGridWnd::allLinesFit(bool bRows, int nExtent)
{
    const int room = scrollRoom(bRows, nExtent);
    int used = 0;
    for (ROWCOL n = firstScrollLine(bRows); n <= lineCount(bRows); ++n) {
        used += lineSize(n, bRows);
        if (used > room)
            return false;
    }
    return true;
}

ROWCOL CGXGridWnd::lastFirstLine(bool bRows, int nExtent)
{
    const ROWCOL first = firstScrollLine(bRows), count = lineCount(bRows);
    if (count < first)
        return first;
    const int room = scrollRoom(bRows, nExtent);
    ROWCOL k = count;
    int used = lineSize(count, bRows);
    while (k > first && used + lineSize(k - 1, bRows) <= room)
        used += lineSize(--k, bRows);
    return k;
}

ROWCOL CGXGridWnd::pageLines(bool bRows, int nExtent)
{
    const int room = scrollRoom(bRows, nExtent);
    ROWCOL shown = 0;
    int used = 0;
    for (ROWCOL n = firstShownLine(bRows); n <= lineCount(bRows); ++n) {
        const int size = lineSize(n, bRows);
        if (used + size > room)
            break;
        used += size;
        shown += size > 0 ? 1 : 0;
    }
    return std::max<ROWCOL>(shown, 1);
}

// A bar takes room from the other direction, which may then need its bar too.
void CGXGridWnd::neededBars(bool& bVert, bool& bHorz)
{
    CRect client;
    GetClientRect(&client);
    const int bar = scrollBarWidth();
    bVert = bHorz = false;
    for (int pass = 0; pass < 2; ++pass) {
        bVert = GetTopRow() > firstScrollLine(true) || !allLinesFit(true, client.Height() - (bHorz ? bar : 0));
        bHorz = GetLeftCol() > firstScrollLine(false) || !allLinesFit(false, client.Width() - (bVert ? bar : 0));
    }
}

CRect CGXGridWnd::GetGridRect()
{
    CRect r;
    GetClientRect(&r);
    bool bVert, bHorz;
    neededBars(bVert, bHorz);
    const int bar = scrollBarWidth();
    if (bVert)
        r.right = std::max(r.left, r.right - bar);
    if (bHorz)
        r.bottom = std::max(r.top, r.bottom - bar);
    return r;
}

std::optional<CGXScrollBar> CGXGridWnd::scrollBar(bool bRows)
{
    bool bVert, bHorz;
    neededBars(bVert, bHorz);
    if (!(bRows ? bVert : bHorz))
        return std::nullopt;
    CRect client;
    GetClientRect(&client);
    const CRect grid = GetGridRect();
    const CRect rect = bRows ? CRect(grid.right, client.top, client.right, grid.bottom)
                             : CRect(client.left, grid.bottom, grid.right, client.bottom);
    const int extent = bRows ? grid.Height() : grid.Width();
    const ROWCOL first = firstScrollLine(bRows), count = lineCount(bRows), shown = firstShownLine(bRows);
    const ROWCOL lines = count >= first ? count - first + 1 : 0;
    const ROWCOL last = std::max(lastFirstLine(bRows, extent), shown);
    return CGXScrollBar(rect, bRows, shown - first, last - first, pageLines(bRows, extent), lines);
}

void CGXGridWnd::setFirstLine(bool bRows, ROWCOL nFirst)
{
    if (nFirst == firstShownLine(bRows))
        return;
    if (bRows)
        SetTopRow(nFirst);
    else
        SetLeftCol(nFirst);
}

BOOL CGXGridWnd::scrollLines(bool bRows, long nDelta)
{
    const CRect grid = GetGridRect();
    const ROWCOL first = firstScrollLine(bRows), now = firstShownLine(bRows);
    const ROWCOL last = std::max(lastFirstLine(bRows, bRows ? grid.Height() : grid.Width()), now);
    const auto steps = (ROWCOL)(nDelta < 0 ? -nDelta : nDelta);
    const ROWCOL target = nDelta < 0 ? (now - first < steps ? first : now - steps) : std::min(now + steps, last);
    if (target == now)
        return FALSE;
    setFirstLine(bRows, target);
    return TRUE;
}

BOOL CGXGridWnd::ScrollRows(long nDelta)
{
    return scrollLines(true, nDelta);
}

ROWCOL CGXGridWnd::GetPageRows()
{
    return pageLines(true, GetGridRect().Height());
}

// A press on a bar, or on the corner between the two bars, is theirs.
bool CGXGridWnd::scrollBarClick(CPoint point)
{
    for (bool bRows : {true, false}) {
        const std::optional<CGXScrollBar> bar = scrollBar(bRows);
        const CGXScrollBar::Part part = bar ? bar->HitTest(point) : CGXScrollBar::None;
        if (part == CGXScrollBar::None)
            continue;
        const CRect grid = GetGridRect();
        const auto page = (long)pageLines(bRows, bRows ? grid.Height() : grid.Width());
        switch (part) {
        case CGXScrollBar::LineUp: scrollLines(bRows, -1); break;
        case CGXScrollBar::LineDown: scrollLines(bRows, 1); break;
        case CGXScrollBar::PageUp: scrollLines(bRows, -page); break;
        case CGXScrollBar::PageDown: scrollLines(bRows, page); break;
        default:
            m_bThumbDrag = true;
            m_bThumbRows = bRows;
            m_nThumbGrab = bar->Along(point) - bar->ThumbStart();
            SetCapture();
        }
        return true;
    }
    CRect client;
    GetClientRect(&client);
    return client.PtInRect(point) && !GetGridRect().PtInRect(point);
}

void CGXGridWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking || m_bTrackingRow) {
        moveTrackLine(m_bTracking ? point.x : point.y);
        return;
    }
    if (!m_bThumbDrag) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    const std::optional<CGXScrollBar> bar = scrollBar(m_bThumbRows);
    if (bar)
        setFirstLine(m_bThumbRows, firstScrollLine(m_bThumbRows) +
                                       (ROWCOL)bar->PosFromThumbStart(bar->Along(point) - m_nThumbGrab));
}

BOOL CGXGridWnd::OnMouseWheel(UINT, short zDelta, CPoint)
{
    m_nWheelRest += zDelta;
    const int notches = m_nWheelRest / WHEEL_DELTA;
    m_nWheelRest -= notches * WHEEL_DELTA;
    if (notches != 0)
        ScrollRows(-(long)notches * GX_WHEEL_ROWS);
    return TRUE;
}

void CGXGridWnd::drawScrollBars(CDC* pDC)
{
    for (bool bRows : {true, false})
        if (const std::optional<CGXScrollBar> bar = scrollBar(bRows))
            bar->Draw(pDC);
    bool bVert, bHorz;
    neededBars(bVert, bHorz);
    if (!bVert || !bHorz)
        return;
    CRect client;
    GetClientRect(&client);
    const CRect grid = GetGridRect();
    pDC->FillSolidRect(grid.right, grid.bottom, client.right - grid.right, client.bottom - grid.bottom,
                       GetSysColor(COLOR_BTNFACE));
}
