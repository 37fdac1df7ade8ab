#include "gridctl/GXPushbutton.h"

#include "gridctl/GXGridCore.h"
#include "win/gdi/SysColors.h"

void CGXPushbutton::Draw(CDC* pDC, CRect rect, ROWCOL, ROWCOL, const CGXStyle& style,
                         const CGXStyle* pStandardStyle)
{
    CGXStyle face = FullStyle(style, pStandardStyle);
    face.SetInterior(GetSysColor(COLOR_BTNFACE)).SetDraw3dFrame(gxFrameRaised).SetHorizontalAlignment(DT_CENTER);
    face.SetVerticalAlignment(DT_VCENTER);
    if (!face.GetEnabled())
        face.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    DrawBackground(pDC, rect, face);
    DrawFrame(pDC, rect, face);
    DrawCellText(pDC, rect, face.GetChoiceList(), face);
}

// A disabled button does not click; a read-only one does, as it changes
// nothing by itself.
BOOL CGXPushbutton::LButtonUp(UINT, CPoint, ROWCOL nRow, ROWCOL nCol, const CRect&)
{
    if (!CellStyle(nRow, nCol).GetEnabled())
        return FALSE;
    Grid()->OnClickedButtonRowCol(nRow, nCol);
    return TRUE;
}
