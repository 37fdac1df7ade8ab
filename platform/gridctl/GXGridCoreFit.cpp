// Row heights that fit the cells' texts, measured with the cells' real fonts.
#include "gridctl/GXGridCore.h"
#include "win/gdi/DC.h"

#include <algorithm>
#include <climits>
#include <utility>

// nWidth is the cell's width; wrapped text is broken to fit inside it as
// the cell's control draws it (grid line, frame and text margins off).
int CGXGridCore::textHeight(const CGXStyle& style, const CString& text, int nWidth)
{
    LOGFONT lf;
    style.GetFont().GetLogFont(lf, 100);
    CFont font;
    CDC dc;
    if (!font.CreateFontIndirect(&lf) || !dc.CreateCompatibleDC(nullptr))
        return 0;
    CFont* old = dc.SelectObject(&font);
    const int frame = style.GetDraw3dFrame() == gxFrameNormal ? 0 : 2;
    CRect rect(0, 0, std::max(1, nWidth - 1 - frame - 2 * CGXControl::GX_TEXT_MARGIN_X), 0);
    const UINT format = DT_CALCRECT | DT_NOPREFIX | (style.GetWrapText() ? DT_WORDBREAK : 0);
    const int height = dc.DrawText(text.IsEmpty() ? CString(L" ") : text, &rect, format);
    dc.SelectObject(old);
    return height;
}

int CGXGridCore::GetFontHeight()
{
    return textHeight(StandardStyle(), CString(L" "), 0);
}

BOOL CGXGridCore::ResizeRowHeightsToFit(const CGXRange& range, BOOL bResizeCoveredCells, UINT flags)
{
    CGXRange cells = range;
    if (!cells.ClipTo(GetRowCount(), GetColCount()))
        return FALSE;
    std::map<ROWCOL, int> heights;
    for (ROWCOL r = cells.top; r <= cells.bottom; ++r)
        for (ROWCOL c = cells.left; c <= cells.right; ++c) {
            CGXRange block;
            GetCellRangeRowCol(r, c, block);
            if (IsRowHidden(r) || IsColHidden(c) || block.top != r || block.left != c ||
                (block.GetHeight() > 1 && !bResizeCoveredCells))
                continue;
            CGXStyle style;
            ComposeStyleRowCol(r, c, &style);
            // A host's widths may be anything up to INT_MAX.
            long long width = 0;
            for (ROWCOL col = block.left; col <= block.right; ++col)
                width += std::max(GetColWidth(col), 0);
            const int needed = textHeight(style, GetCopyTextRowCol(r, c), (int)std::min<long long>(width, INT_MAX)) +
                               2 * GX_CELL_MARGIN_Y;
            const int rows = (int)std::min(block.GetHeight(), cells.bottom - r + 1);
            for (int i = 0; i < rows; ++i)
                heights[r + i] = std::max(heights[r + i], (needed + rows - 1) / rows);
        }
    for (const auto& [row, height] : heights) {
        m_rowHeights[row] = height;
        m_fittedRows.insert(row);
        m_changedRows.erase(row);
    }
    redrawCells(CGXRange().SetRows(cells.top, GX_MAXROWCOL - 1), flags);
    return !heights.empty();
}

BOOL CGXGridCore::UpdateChangedRowHeights(UINT flags)
{
    BOOL bFitted = FALSE;
    for (const ROWCOL row : std::set<ROWCOL>(std::exchange(m_changedRows, {})))
        bFitted = ResizeRowHeightsToFit(CGXRange().SetRows(row), TRUE, flags) || bFitted;
    return bFitted;
}
