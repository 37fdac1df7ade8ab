#include "areascale/BitmapTextHeader.h"

#include "areascale/GridAreaScale.h"
#include "gridctl/GXDrawing.h"

CBitmapTextHeader::CBitmapTextHeader(CGridAreaScale* pGrid)
    : CGXHeader(pGrid ? static_cast<CGXGridCore*>(pGrid) : nullptr), m_pGrid(pGrid)
{
}

CBitmapTextHeader::~CBitmapTextHeader() = default;

void CBitmapTextHeader::Draw(CDC* pDC, CRect rect, unsigned long nRow, unsigned long nCol, const CGXStyle& style,
                             const CGXStyle* pStandardStyle)
{
    CGXHeader::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (nRow != 0 || !m_pGrid || (nCol != 2 && nCol != 3))
        return;
    CBitmap& picture = nCol == 2 ? m_pGrid->m_bmpDim1 : m_pGrid->m_bmpDim2;
    BITMAP info{};
    if (!picture.GetObject(sizeof info, &info))
        return;
    const int x = rect.left + (rect.Width() - info.bmWidth) / 2;
    const int y = rect.top + rect.Height() / 2 - info.bmHeight;
    GXDrawTransparentBitmap(pDC, &picture, x, y, RGB(255, 255, 255));
}
