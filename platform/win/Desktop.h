#pragma once
// The one virtual desktop of the process: the screen that every window and
// screen DC draws into, its size and its DPI. A host or test sets them before
// drawing; the defaults are 1920 x 1080 pixels at 96 DPI.
#include "win/Surface.h"

namespace platform {

class Desktop {
public:
    Surface& screen();
    const Surface& screen() const;

    CSize screenSize() const { return m_size; }
    // Also clears the screen; DCs on the screen stay valid.
    void setScreenSize(int width, int height);

    int dpi() const { return m_dpi; }
    // Values below 1 are taken as 96.
    void setDpi(int dpi);

private:
    CSize m_size{1920, 1080};
    int m_dpi = 96;
    mutable Surface m_screen; // allocated on first use
};

Desktop& desktop();

} // namespace platform
