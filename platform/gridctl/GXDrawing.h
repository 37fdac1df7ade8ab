#pragma once
// Drawing helpers of the grid library for cell controls.
#include "win/gdi/DC.h"

// Draws the bitmap with its top-left corner at (x, y), leaving out every
// pixel of the colour crTransparent. A null DC or bitmap draws nothing.
void GXDrawTransparentBitmap(CDC* pDC, CBitmap* pBitmap, int x, int y, COLORREF crTransparent);
