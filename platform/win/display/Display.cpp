#include "win/display/Display.h"

#include <algorithm>

namespace platform {

namespace {
// The colour of an empty desktop, as a classic Windows background.
constexpr COLORREF desktopBackground = RGB(58, 110, 165);
}

Surface& Display::screen()
{
    return const_cast<Surface&>(static_cast<const Display*>(this)->screen());
}

const Surface& Display::screen() const
{
    if (m_screen.width() != m_size.cx || m_screen.height() != m_size.cy)
        m_screen.resize(m_size.cx, m_size.cy, desktopBackground);
    return m_screen;
}

void Display::setScreenSize(int width, int height)
{
    m_size = CSize(std::max(width, 0), std::max(height, 0));
    m_screen.resize(m_size.cx, m_size.cy, desktopBackground);
}

void Display::setDpi(int dpi)
{
    m_dpi = dpi < 1 ? 96 : dpi;
}

void Display::paintBackground(const CRect& r)
{
    screen().fill(r, desktopBackground);
}

Display& display()
{
    // Never destroyed: a window of static lifetime may still uncover the
    // screen after the end of main.
    static Display* d = new Display;
    return *d;
}

} // namespace platform
