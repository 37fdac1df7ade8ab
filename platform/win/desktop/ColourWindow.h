#pragma once
// The colour dialog's window for a person: the 48 basic colours as swatches
// in 8 columns and 6 rows, the initial colour's swatch selected when it is
// one of them, OK and Cancel. A click selects a swatch; OK answers the
// selected colour (the initial one while none is), Cancel, Esc and the close
// box cancel.
#include "win/desktop/CommonDialogWindow.h"

namespace platform {

class ColourWindow : public CommonDialogWindow {
public:
    static constexpr int columns = 8, rows = 6, basicCount = columns * rows;
    static COLORREF basicColour(int index);

    ColourWindow(HWND owner, COLORREF initial);

    COLORREF colour() const;
    // The selected swatch, -1 for none.
    int selected() const { return m_selected; }
    // A swatch's cell on the screen; the colour fills it but for a
    // three-pixel margin.
    CRect swatchRect(int index) const;

protected:
    void onPaint(HDC dc) override;
    void onClick(CPoint client) override;

private:
    CRect cell(int index) const;

    COLORREF m_initial;
    int m_selected = -1;
};

} // namespace platform
