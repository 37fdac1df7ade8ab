#pragma once
// A readable picture of a grid for tests: one line per shown row with the
// copy text of each shown cell, so that a failing comparison prints both
// grids.
//
//   0 | #  | A  | B  |       cells padded per column
//   1 | 1  | x* | <  |       * selected, @ current cell
//   --+----+----+----+       below the last frozen row
//   2 | 2  | ^  | z  |       < covered by the block to the left, ^ from above
// Hidden rows and columns are left out; a last line lists them.
#include "gridctl/GXGridCore.h"

#include <string>

std::string GridDump(CGXGridCore& grid);
