#pragma once
// The colours of an area scale's rows.
#include "areascale/GridAreaScaleItem.h"

using AreaScaleItems = std::vector<CGridAreaScale::CGridAreaScaleItem>;

// The colour ramp from dark red (dPos 1) through red to orange (dPos 0), as a
// COLORREF; below 0 yellow, above 1 or not a number red.
unsigned long GetColorForItem(double dPos);
// Colours the rows whose automatic colour is on; the last row is light blue.
void FillItemsColor(AreaScaleItems& items);
