// Row heights that fit the cells' texts, measured with the cells' real fonts.
#include "gridctl/GXGridCore.h"
#include "win/DC.h"

#include <algorithm>

int CGXGridCore::textHeight(const CGXStyle& style, const CString& text)
{
    LOGFONT lf;
    style.GetFont().GetLogFont(lf, 100);
    CFont font;
    CDC dc;
    if (!font.CreateFontIndirect(&lf) || !dc.CreateCompatibleDC(nullptr))
        return 0;
    CFont* old = dc.SelectObject(&font);
    CRect rect(0, 0, 0, 0);
    const int height = dc.DrawText(text.IsEmpty() ? CString(L" ") : text, &rect, DT_CALCRECT | DT_NOPREFIX);
    dc.SelectObject(old);
    return height;
}

int CGXGridCore::GetFontHeight()
{
    return textHeight(StandardStyle(), CString(L" "));
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
            const int needed = textHeight(style, GetCopyTextRowCol(r, c)) + 2 * GX_CELL_MARGIN_Y;
            const int rows = (int)std::min(block.GetHeight(), cells.bottom - r + 1);
            for (int i = 0; i < rows; ++i)
                heights[r + i] = std::max(heights[r + i], (needed + rows - 1) / rows);
        }
    for (const auto& [row, height] : heights)
        m_rowHeights[row] = height;
    redrawCells(CGXRange().SetRows(cells.top, GX_MAXROWCOL - 1), flags);
    return !heights.empty();
}
