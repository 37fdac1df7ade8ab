#pragma once
// The reinforcement area scale: CGridAreaScale, the grid window that shows and
// edits one scale, and the types nested in it. The rows and their arithmetic
// are GridAreaScaleItem.h; generated scales and colours AutoScale.h.
#include "gridctl/GXGridWnd.h"
#include "win/Afx.h"

#include <vector>

class CGridAreaScale : public CGXGridWnd {
public:
    // Where bar diameters come from and how they are shown (the bar source).
    enum eGridAreaScaleDimType {
        DIM_LIST_NAME = 0,
        DIM_LIST_VALUE = 1,
        DIM_METRIC = 2,
        DIM_ASTM = 3,
        DIM_CSA = 4,
    };

    // The kind of automatic scale; any non-zero value behaves as geometric.
    enum eGridAreaScaleType {
        SCALE_ARITHMETIC = 0,
        SCALE_GEOMETRIC = 1,
    };

    enum eGridType {
        GRID_EDIT = 0,
        GRID_DISPLAY = 1,
    };

    class CGridAreaScaleItem;
};

#include "areascale/GridAreaScaleItem.h"
