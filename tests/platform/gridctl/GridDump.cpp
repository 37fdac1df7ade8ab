#include "GridDump.h"

#include "win/kernel/Utf8.h"

#include <algorithm>
#include <vector>

namespace {

std::string cellText(CGXGridCore& grid, ROWCOL r, ROWCOL c)
{
    CGXRange block;
    std::string s;
    if (grid.GetCellRangeRowCol(r, c, block) && (block.top != r || block.left != c))
        s.assign(1, block.top == r ? '<' : '^'); // one char: avoids a false -Wrestrict of GCC 12
    else
        s = toUtf8(grid.GetCopyTextRowCol(r, c).str());
    CGXRangeList selection;
    grid.CopyRangeList(selection, FALSE);
    if (selection.IsCellInList(r, c))
        s += "*";
    ROWCOL cr = 0, cc = 0;
    if (grid.GetCurrentCell(cr, cc) && cr == r && cc == c)
        s += "@";
    return s;
}

std::string hiddenList(CGXGridCore& grid)
{
    std::string rows, cols;
    for (ROWCOL r = 0; r <= grid.GetRowCount(); ++r)
        if (grid.IsRowHidden(r))
            rows += " " + std::to_string(r);
    for (ROWCOL c = 0; c <= grid.GetColCount(); ++c)
        if (grid.IsColHidden(c))
            cols += " " + std::to_string(c);
    if (rows.empty() && cols.empty())
        return "";
    return "hidden rows:" + rows + "; cols:" + cols + "\n";
}

} // namespace

std::string GridDump(CGXGridCore& grid)
{
    std::vector<ROWCOL> rows, cols;
    for (ROWCOL r = 0; r <= grid.GetRowCount(); ++r)
        if (!grid.IsRowHidden(r))
            rows.push_back(r);
    for (ROWCOL c = 0; c <= grid.GetColCount(); ++c)
        if (!grid.IsColHidden(c))
            cols.push_back(c);
    std::vector<std::vector<std::string>> cells;
    std::vector<size_t> widths(cols.size(), 1);
    for (ROWCOL r : rows) {
        cells.emplace_back();
        for (size_t j = 0; j < cols.size(); ++j) {
            cells.back().push_back(cellText(grid, r, cols[j]));
            widths[j] = std::max(widths[j], cells.back().back().size());
        }
    }
    std::string out;
    for (size_t i = 0; i < rows.size(); ++i) {
        out += std::to_string(rows[i]) + " |";
        for (size_t j = 0; j < cols.size(); ++j)
            out += " " + cells[i][j] + std::string(widths[j] - cells[i][j].size(), ' ') + " |";
        out += "\n";
        if (grid.GetFrozenRows() > 0 && rows[i] == grid.GetFrozenRows()) {
            out += std::string(std::to_string(rows[i]).size() + 1, '-') + "+";
            for (size_t w : widths)
                out += std::string(w + 2, '-') + "+";
            out += "\n";
        }
    }
    return out + hiddenList(grid);
}
