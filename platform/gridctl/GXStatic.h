#pragma once
// CGXStatic: a cell that shows its value as text and is not edited.
// CGXHeader: a header cell (GX_IDS_CTRL_HEADER), a static cell drawn with
// the header style's raised frame and button face.
#include "gridctl/GXControl.h"

class CGXStatic : public CGXControl {
public:
    using CGXControl::CGXControl;
};

class CGXHeader : public CGXStatic {
public:
    using CGXStatic::CGXStatic;
};
