// Painting of CGXGridWnd: cells through their controls, covered blocks once,
// the selection and the grid lines.
#include "gridctl/GXGridWnd.h"

#include "win/gdi/SysColors.h"

#include <algorithm>
#include <set>
#include <utility>

// Every pixel is painted once: the shown rows and columns follow each other
// from the client area's top-left corner, so the cells cover what lies above
// and left of the last ones' far edges, each cell its rectangle less its
// grid line; the window colour goes on the rest only.
void CGXGridWnd::OnGridDraw(CDC* pDC)
{
    CRect clip, client;
    pDC->GetClipBox(&clip);
    GetClientRect(&client);
    const std::vector<Line> rows = ShownRows(), cols = ShownCols();
    std::vector<std::pair<CGXRange, CRect>> cells;
    std::vector<CRect> uncovered;
    std::set<std::pair<ROWCOL, ROWCOL>> drawnBlocks;
    for (const Line& row : rows)
        for (const Line& col : cols) {
            CGXRange cell(row.n, col.n);
            CRect rect(col.start, row.start, col.start + col.size, row.start + row.size);
            if (GetCellRangeRowCol(row.n, col.n, cell)) {
                if (!drawnBlocks.insert({cell.top, cell.left}).second)
                    continue;
                rect = rangeRect(cell, false);
                blockEdgesWithoutLines(cell, rect, rows, cols, uncovered);
            }
            CRect visible;
            if (visible.IntersectRect(&rect, &clip))
                cells.emplace_back(cell, rect);
        }
    const bool bCells = !rows.empty() && !cols.empty();
    const int right = bCells ? cols.back().start + cols.back().size : 0;
    const int bottom = bCells ? rows.back().start + rows.back().size : 0;
    uncovered.emplace_back(right, client.top, client.right, client.bottom);
    uncovered.emplace_back(client.left, bottom, std::min(right, (int)client.right), client.bottom);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    for (const CRect& r : uncovered)
        if (!r.IsRectEmpty())
            pDC->FillSolidRect(&r, window);
    for (const auto& [cell, rect] : cells)
        drawCell(pDC, cell, rect);
    drawGridLines(pDC, rows, cols);
    drawCurrentCell(pDC);
    drawScrollBars(pDC);
}

// A covered block whose last row or column is not shown (scrolled off or
// hidden) gets no grid line there: that edge of its rectangle shows the
// window colour.
void CGXGridWnd::blockEdgesWithoutLines(const CGXRange& block, const CRect& rect, const std::vector<Line>& rows,
                                        const std::vector<Line>& cols, std::vector<CRect>& edges)
{
    const auto shown = [](const std::vector<Line>& lines, ROWCOL n) {
        return std::any_of(lines.begin(), lines.end(), [n](const Line& line) { return line.n == n; });
    };
    const bool bRightLine = shown(cols, block.right), bBottomLine = shown(rows, block.bottom);
    if (!bRightLine)
        edges.emplace_back(rect.right - 1, rect.top, rect.right, bBottomLine ? rect.bottom - 1 : rect.bottom);
    if (!bBottomLine)
        edges.emplace_back(rect.left, rect.bottom - 1, rect.right - 1, rect.bottom);
}

// A frame of GX_CURRENT_FRAME pixels inside the current cell, over its text.
void CGXGridWnd::drawCurrentCell(CDC* pDC)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return;
    CGXRange block;
    GetCellRangeRowCol(nRow, nCol, block);
    CRect r = rangeRect(block, false);
    if (r.IsRectEmpty())
        return;
    r.DeflateRect(0, 0, 1, 1);
    const COLORREF color = GetSysColor(COLOR_WINDOWTEXT);
    const int w = GX_CURRENT_FRAME;
    pDC->FillSolidRect(r.left, r.top, r.Width(), w, color);
    pDC->FillSolidRect(r.left, r.bottom - w, r.Width(), w, color);
    pDC->FillSolidRect(r.left, r.top, w, r.Height(), color);
    pDC->FillSolidRect(r.right - w, r.top, w, r.Height(), color);
}

// The grid line of a cell is its last column and row of pixels.
void CGXGridWnd::drawCell(CDC* pDC, const CGXRange& cell, const CRect& rect)
{
    CGXStyle& style = m_drawnCellStyle;
    ComposeDrawStyle(cell.top, cell.left, style);
    CGXControl* control = controlFor(style);
    if (!control)
        control = &m_plainControl;
    CRect inner(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    control->Draw(pDC, inner, cell.top, cell.left, style, &StandardStyle());
}

void CGXGridWnd::ComposeDrawStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style)
{
    ComposeStyleRowCol(nRow, nCol, &style);
    ROWCOL nCurRow = 0, nCurCol = 0;
    const bool bCurrent = GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow && nCurCol == nCol;
    if (nRow > GetHeaderRows() && nCol > GetHeaderCols() && IsCellSelected(nRow, nCol) && !bCurrent) {
        style.SetInterior(GetSysColor(COLOR_HIGHLIGHT));
        style.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
}

// Lines along the right and bottom edges of every cell, except where a
// covered block joins its cells; neighbouring cells' pieces of a line are
// drawn as one.
void CGXGridWnd::drawGridLines(CDC* pDC, const std::vector<Line>& rows, const std::vector<Line>& cols)
{
    const auto edgeOfBlock = [this](ROWCOL nRow, ROWCOL nCol, bool bRight) {
        CGXRange block(nRow, nCol);
        GetCellRangeRowCol(nRow, nCol, block);
        return bRight ? nCol == block.right : nRow == block.bottom;
    };
    // One direction at a time: `across` are the lines' positions, `along`
    // the cells each line runs past.
    const auto draw = [&](const std::vector<Line>& across, const std::vector<Line>& along, bool bVertical) {
        for (const Line& line : across) {
            const int at = line.start + line.size - 1;
            size_t first = 0;
            for (size_t i = 0; i <= along.size(); ++i) {
                const bool bEdge = i < along.size() && (bVertical ? edgeOfBlock(along[i].n, line.n, true)
                                                                 : edgeOfBlock(line.n, along[i].n, false));
                if (bEdge)
                    continue;
                if (i > first) {
                    const int from = along[first].start, to = along[i - 1].start + along[i - 1].size;
                    if (bVertical)
                        pDC->FillSolidRect(at, from, 1, to - from, GX_GRIDLINE_COLOR);
                    else
                        pDC->FillSolidRect(from, at, to - from, 1, GX_GRIDLINE_COLOR);
                }
                first = i + 1;
            }
        }
    };
    draw(cols, rows, true);
    draw(rows, cols, false);
}
