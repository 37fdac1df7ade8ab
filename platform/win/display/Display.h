#pragma once
// The display under GDI: the one screen of the process, which screen and
// window DCs draw into, with its size and DPI. The desktop facade on top
// (win/desktop/Desktop.h) lets hosts and tests set these and take screenshots.
//
// The defaults are 1920 x 1080 pixels at 96 DPI.
#include "win/display/Surface.h"

namespace platform {

class Display {
public:
    Surface& screen();
    const Surface& screen() const;

    CSize screenSize() const { return m_size; }
    // Also clears the screen; DCs on the screen stay valid.
    void setScreenSize(int width, int height);

    int dpi() const { return m_dpi; }
    // Values below 1 are taken as 96.
    void setDpi(int dpi);

    // The desktop's own background, where no window is.
    void paintBackground(const CRect& r);

private:
    CSize m_size{1920, 1080};
    int m_dpi = 96;
    mutable Surface m_screen; // allocated on first use
};

Display& display();

} // namespace platform
