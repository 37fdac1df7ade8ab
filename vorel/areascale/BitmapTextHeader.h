#pragma once
// CBitmapTextHeader: the header cell of the area-scale grid's diameter
// columns: the header with its text at the bottom and the grid's diameter
// picture centred in the upper half (column 2 the first bar, 3 the second).
#include "gridctl/GXStatic.h"

class CGridAreaScale;

class CBitmapTextHeader : public CGXHeader {
public:
    explicit CBitmapTextHeader(CGridAreaScale* pGrid);
    ~CBitmapTextHeader() override;

    void Draw(CDC* pDC, CRect rect, unsigned long nRow, unsigned long nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

private:
    CGridAreaScale* m_pGrid;
};
