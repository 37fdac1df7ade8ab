#pragma once
// CGXPushbutton: a cell drawn as a raised button with its choice list as
// caption; a click on it reaches the grid's OnClickedButtonRowCol.
#include "gridctl/GXControl.h"

class CGXPushbutton : public CGXControl {
public:
    using CGXControl::CGXControl;

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, ROWCOL nRow, ROWCOL nCol, const CRect& rcCell) override;
};
