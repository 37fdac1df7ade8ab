#include "gridctl/GXStatic.h"

#include "win/gdi/SysColors.h"

void CGXHeader::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                     const CGXStyle* pStandardStyle)
{
    CGXStyle face = FullStyle(style, pStandardStyle);
    face.SetInterior(GetSysColor(COLOR_BTNFACE)).SetDraw3dFrame(gxFrameRaised);
    CGXStatic::Draw(pDC, rect, nRow, nCol, face, nullptr);
}
