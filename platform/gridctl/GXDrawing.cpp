#include "gridctl/GXDrawing.h"

void GXDrawTransparentBitmap(CDC* pDC, CBitmap* pBitmap, int x, int y, COLORREF crTransparent)
{
    BITMAP bm{};
    if (!pDC || !pBitmap || !pBitmap->GetObject(sizeof bm, &bm))
        return;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* old = memDC.SelectObject(pBitmap);
    pDC->TransparentBlt(x, y, bm.bmWidth, bm.bmHeight, &memDC, 0, 0, bm.bmWidth, bm.bmHeight, crTransparent);
    memDC.SelectObject(old);
}
