#pragma once
// A readable picture of a grid for tests: one line per shown row with the
// copy text of each shown cell, so that a failing comparison prints both
// grids.
//
//   0 | #  | A  | B  |       cells padded per column
//   1 | 1  | x* | <  |       * selected, @ current cell
//   2 | 2  | ^  | z  |       < covered by the block to the left, ^ from above
// Hidden rows and columns are left out; a last line lists them.
#include "gridctl/GXGridCore.h"

#include <ostream>
#include <string>

std::string GridDump(CGXGridCore& grid);
// The current cell as "row,col", or "none".
std::string CurrentCell(const CGXGridCore& grid);
// The heights of rows (or widths of columns) from..to: "20 30 20".
std::string Sizes(CGXGridCore& grid, bool bRows, ROWCOL from, ROWCOL to);

void PrintTo(const CGXRange& r, std::ostream* os);
void PrintTo(const CRect& r, std::ostream* os);
