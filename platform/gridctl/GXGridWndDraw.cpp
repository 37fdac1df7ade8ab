// Painting of CGXGridWnd: cells through their controls, covered blocks once,
// the selection and the grid lines.
#include "gridctl/GXGridWnd.h"

#include "win/gdi/SysColors.h"

#include <set>
#include <utility>

void CGXGridWnd::OnGridDraw(CDC* pDC)
{
    CRect clip, client;
    pDC->GetClipBox(&clip);
    GetClientRect(&client);
    pDC->FillSolidRect(&client, GetSysColor(COLOR_WINDOW));

    const std::vector<Line> rows = ShownRows(), cols = ShownCols();
    std::set<std::pair<ROWCOL, ROWCOL>> drawnBlocks;
    for (const Line& row : rows)
        for (const Line& col : cols) {
            CGXRange cell(row.n, col.n);
            CRect rect(col.start, row.start, col.start + col.size, row.start + row.size);
            if (GetCellRangeRowCol(row.n, col.n, cell)) {
                if (!drawnBlocks.insert({cell.top, cell.left}).second)
                    continue;
                rect = rangeRect(cell, false);
            }
            CRect visible;
            if (visible.IntersectRect(&rect, &clip))
                drawCell(pDC, cell, rect);
        }
    drawGridLines(pDC, rows, cols);
    drawCurrentCell(pDC);
    drawScrollBars(pDC);
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
    CGXStyle style;
    ComposeDrawStyle(cell.top, cell.left, style);
    CGXControl* control = GetControl(cell.top, cell.left);
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
// covered block joins its cells.
void CGXGridWnd::drawGridLines(CDC* pDC, const std::vector<Line>& rows, const std::vector<Line>& cols)
{
    for (const Line& row : rows)
        for (const Line& col : cols) {
            CGXRange block(row.n, col.n);
            GetCellRangeRowCol(row.n, col.n, block);
            const int right = col.start + col.size - 1, bottom = row.start + row.size - 1;
            if (col.n == block.right)
                pDC->FillSolidRect(right, row.start, 1, row.size, GX_GRIDLINE_COLOR);
            if (row.n == block.bottom)
                pDC->FillSolidRect(col.start, bottom, col.size, 1, GX_GRIDLINE_COLOR);
        }
}
