#pragma once
// Grid2Rtf: the cells of a grid in a list of ranges as one RTF document
// holding a table, for a report. A table wider than the page is split into
// several tables ("pages") one after another, each after the first starting
// again with the first exported column; covered cells stay merged, header
// cells and cells in a bold font are bold, and texts too wide for their
// column are shortened (see CTextFit).
//
// Call flow
//   ranges -> GetRowArray / GetColArray: the rows and columns, in the order
//     of the list -> pages by width: GetColWidth x 17 units each, the page
//     1400 units an inch -> per page, per row, per column: GetCellRangeRowCol
//     (merging), then CGXCopyTextReader: the cell's own style read once
//     (GetStyleRowCol), its copy text and whether it is bold -> CTextFit,
//     then appendRtfText.
#include "gridctl/GXGridCore.h"

namespace NVorel {

// The RTF text of the cells of `ranges` for a page dWidth centimetres wide;
// "No Table" when the ranges hold no row or no column. The grid is only read.
// A CRGrid's own header rows are its bold rows; for other grids the grid
// library's header rows and columns are.
CString Grid2Rtf(CGXGridCore& grid, const CGXRangeList& ranges, double dWidth);

} // namespace NVorel
