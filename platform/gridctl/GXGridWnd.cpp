// The window of a grid: creation and initialisation, redrawing, layout and
// copying; the call flow is described in GXGridWnd.h.
#include "gridctl/GXGridWnd.h"

#include "win/user/Clipboard.h"
#include "win/afx/PaintDC.h"
#include "win/gdi/SysColors.h"

#include <algorithm>
#include <cstring>
#include <limits>

BEGIN_MESSAGE_MAP(CGXGridWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

BOOL CGXGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(nullptr, L"", dwStyle, rect, pParentWnd, nID))
        return FALSE;
    Initialize();
    return TRUE;
}

void CGXGridWnd::Initialize()
{
    if (m_bInitDone)
        return;
    m_bInitDone = TRUE;
    OnInitialUpdate();
}

void CGXGridWnd::OnInitialUpdate()
{
    OnGridInitialUpdate();
}

void CGXGridWnd::OnGridUpdate(CWnd*, __int64, CObject*)
{
    Redraw();
}

void CGXGridWnd::Redraw(UINT flags, BOOL)
{
    if (!::IsWindow(m_hWnd) || IsLockUpdate())
        return;
    Invalidate(TRUE);
    if (flags == GX_UPDATENOW)
        UpdateWindow();
}

void CGXGridWnd::RedrawRowCol(const CGXRange& range, UINT flags, BOOL)
{
    if (!::IsWindow(m_hWnd) || IsLockUpdate())
        return;
    // A range open to the last possible row or column stands for a change of
    // layout from there on: what was drawn up to the client's edge changes.
    const CRect r = rangeRect(range, true);
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    InvalidateRect(&r, TRUE);
    if (flags == GX_UPDATENOW)
        UpdateWindow();
}

ROWCOL CGXGridWnd::GetTopRow()
{
    return std::max(m_nTopRow, GetFrozenRows() + 1);
}

ROWCOL CGXGridWnd::GetLeftCol()
{
    return std::max(m_nLeftCol, GetFrozenCols() + 1);
}

std::vector<CGXGridWnd::Line> CGXGridWnd::layout(ROWCOL nCount, ROWCOL nFrozen, ROWCOL nFirst, int nExtent,
                                                 bool bRows)
{
    std::vector<Line> lines;
    int pos = 0;
    auto place = [&](ROWCOL n) {
        const int size = lineSize(n, bRows);
        if (size > 0)
            lines.push_back(Line{n, pos, size});
        pos += size;
    };
    for (ROWCOL n = 0; n <= std::min(nFrozen, nCount) && pos < nExtent; ++n)
        place(n);
    for (ROWCOL n = nFirst; n <= nCount && pos < nExtent; ++n)
        place(n);
    return lines;
}

std::vector<CGXGridWnd::Line> CGXGridWnd::ShownRows()
{
    return layout(GetRowCount(), GetFrozenRows(), GetTopRow(), GetGridRect().Height(), true);
}

std::vector<CGXGridWnd::Line> CGXGridWnd::ShownCols()
{
    return layout(GetColCount(), GetFrozenCols(), GetLeftCol(), GetGridRect().Width(), false);
}

namespace {

// The extent [lo, hi) of the shown lines from..to; false when none is shown.
// With bToEdge the extent runs on to nEdge, from where line `from` is or
// would be.
template <class Line>
bool span(const std::vector<Line>& lines, ROWCOL from, ROWCOL to, bool bToEdge, LONG nEdge, LONG& lo, LONG& hi)
{
    lo = std::numeric_limits<LONG>::max();
    hi = std::numeric_limits<LONG>::min();
    for (const Line& line : lines)
        if (line.n >= from && line.n <= to) {
            lo = std::min<LONG>(lo, line.start);
            hi = std::max<LONG>(hi, line.start + line.size);
        }
    if (bToEdge) {
        if (lo > hi)
            lo = lines.empty() ? 0 : lines.back().start + lines.back().size;
        hi = nEdge;
    }
    return lo < hi;
}

} // namespace

CRect CGXGridWnd::rangeRect(const CGXRange& range, bool bToEdge)
{
    const CRect client = GetGridRect();
    CRect r;
    const bool bRowsToEdge = bToEdge && range.bottom >= GX_MAXROWCOL - 1;
    const bool bColsToEdge = bToEdge && range.right >= GX_MAXROWCOL - 1;
    if (!span(ShownRows(), range.top, range.bottom, bRowsToEdge, client.bottom, r.top, r.bottom) ||
        !span(ShownCols(), range.left, range.right, bColsToEdge, client.right, r.left, r.right))
        return CRect(0, 0, 0, 0);
    return r;
}

CRect CGXGridWnd::CalcRectFromRowCol(ROWCOL nFromRow, ROWCOL nFromCol, ROWCOL nToRow, ROWCOL nToCol)
{
    return rangeRect(CGXRange(nFromRow, nFromCol, nToRow, nToCol), false);
}

BOOL CGXGridWnd::Copy()
{
    CGXRangeList ranges;
    if (!CopyRangeList(ranges, TRUE))
        return FALSE;
    return platform::PutClipboardText(m_hWnd, GetCopyTextRanges(ranges));
}

void CGXGridWnd::OnPaint()
{
    Initialize();
    CPaintDC dc(this);
    OnGridDraw(&dc);
}

// The grid paints every pixel itself.
BOOL CGXGridWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
