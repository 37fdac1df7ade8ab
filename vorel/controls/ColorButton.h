#pragma once
// CColorButton: a push-button cell that shows its value, a COLORREF, as a
// swatch filling the whole cell. Clicks are the push button's.
#include "gridctl/GXPushbutton.h"

namespace NVorel {

class CColorButton : public CGXPushbutton {
public:
    explicit CColorButton(CGXGridCore* pGrid) : CGXPushbutton(pGrid) {}
    CColorButton(const CColorButton&) = default;
    CColorButton(CColorButton&&) = default;
    CColorButton& operator=(const CColorButton&) = default;
    CColorButton& operator=(CColorButton&&) = default;
    ~CColorButton() override = default;

    // Fill and outline in the colour, nothing else: no face, no text, no focus.
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
};

} // namespace NVorel
