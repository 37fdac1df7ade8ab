#pragma once
// A grid's cells as text, so that a test compares a whole grid at once and a
// failure prints both: a line per row, "|" between the cells; a cell covered
// by a block from above shows "^", one covered from the left "<"; a line "--"
// follows the frozen rows.
#include "gridctl/GXGridCore.h"
#include "win/kernel/Utf8.h"

#include <string>

namespace testsupport {

inline std::string gridText(CGXGridCore& grid)
{
    std::string text;
    for (ROWCOL r = 0; r <= grid.GetRowCount(); ++r) {
        for (ROWCOL c = 0; c <= grid.GetColCount(); ++c) {
            CGXRange block(r, c);
            grid.GetCellRangeRowCol(r, c, block);
            text += c == 0 ? "" : "|";
            text += block.top < r ? "^" : block.left < c ? "<" : toUtf8(grid.GetValueRowCol(r, c).str());
        }
        text += r > 0 && r == grid.GetFrozenRows() ? "\n--\n" : "\n";
    }
    return text;
}

} // namespace testsupport
