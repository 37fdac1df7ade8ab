#pragma once
// CGXStatic: a cell that shows its value as text and is not edited.
// CGXHeader: a header cell (GX_IDS_CTRL_HEADER), a static cell drawn with
// the raised frame and button face of a header, whatever its style says.
#include "gridctl/GXControl.h"

class CGXStatic : public CGXControl {
public:
    using CGXControl::CGXControl;
};

class CGXHeader : public CGXStatic {
public:
    using CGXStatic::CGXStatic;

    // A header looks like one wherever it is used: the button face and the
    // raised frame, whatever interior and frame the cell's style names.
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
};
