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
    if (CurrentCell(grid) == std::to_string(r) + "," + std::to_string(c))
        s += "@";
    return s;
}

// The shown rows (or columns); the hidden ones are listed in `hidden`.
std::vector<ROWCOL> shown(CGXGridCore& grid, bool bRows, std::string& hidden)
{
    std::vector<ROWCOL> lines;
    for (ROWCOL n = 0; n <= (bRows ? grid.GetRowCount() : grid.GetColCount()); ++n)
        if (bRows ? grid.IsRowHidden(n) : grid.IsColHidden(n))
            hidden.append(1, ' ').append(std::to_string(n));
        else
            lines.push_back(n);
    return lines;
}

} // namespace

std::string GridDump(CGXGridCore& grid)
{
    std::string hiddenRows, hiddenCols;
    const std::vector<ROWCOL> rows = shown(grid, true, hiddenRows), cols = shown(grid, false, hiddenCols);
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
    }
    if (!hiddenRows.empty() || !hiddenCols.empty())
        out.append("hidden rows:").append(hiddenRows).append("; cols:").append(hiddenCols).append("\n");
    return out;
}

std::string CurrentCell(const CGXGridCore& grid)
{
    ROWCOL r = 0, c = 0;
    return grid.GetCurrentCell(r, c) ? std::to_string(r) + "," + std::to_string(c) : "none";
}

std::string Sizes(CGXGridCore& grid, bool bRows, ROWCOL from, ROWCOL to)
{
    std::string s;
    for (ROWCOL n = from; n <= to; ++n)
        s += std::to_string(bRows ? grid.GetRowHeight(n) : grid.GetColWidth(n)) + " ";
    return s.substr(0, s.size() - 1);
}

void PrintTo(const CGXRange& r, std::ostream* os)
{
    *os << "(" << r.top << "," << r.left << ")-(" << r.bottom << "," << r.right << ")" << (r.IsValid() ? "" : " invalid");
}

void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
