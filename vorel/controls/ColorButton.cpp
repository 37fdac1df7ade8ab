#include "controls/ColorButton.h"

namespace NVorel {

void CColorButton::Draw(CDC* pDC, CRect rect, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*)
{
    const COLORREF colour = style.GetDWordValue();
    CBrush brush(colour);
    CPen pen(PS_SOLID, 1, colour);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

} // namespace NVorel
