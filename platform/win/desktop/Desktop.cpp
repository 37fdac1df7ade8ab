#include "win/desktop/Desktop.h"

#include "win/gdi/Png.h"

namespace platform {

namespace {
// The colour of an empty desktop, as a classic Windows background.
constexpr COLORREF desktopBackground = RGB(58, 110, 165);
}

Surface& Desktop::screen()
{
    return const_cast<Surface&>(static_cast<const Desktop*>(this)->screen());
}

const Surface& Desktop::screen() const
{
    if (m_screen.width() != m_size.cx || m_screen.height() != m_size.cy)
        m_screen.resize(m_size.cx, m_size.cy, desktopBackground);
    return m_screen;
}

void Desktop::setScreenSize(int width, int height)
{
    m_size = CSize(std::max(width, 0), std::max(height, 0));
    m_screen.resize(m_size.cx, m_size.cy, desktopBackground);
}

void Desktop::setDpi(int dpi)
{
    m_dpi = dpi < 1 ? 96 : dpi;
}

void Desktop::paintBackground(const CRect& r)
{
    screen().fill(r, desktopBackground);
}

void Desktop::settle()
{
    if (!m_holdMessages) processMessages();
}

bool Desktop::saveScreenshot(const std::filesystem::path& file) const
{
    return SavePng(screen(), screen().bounds(), file);
}

bool Desktop::saveScreenshot(HWND hWnd, const std::filesystem::path& file) const
{
    CRect r;
    return GetWindowRect(hWnd, &r) && SavePng(screen(), r, file);
}

Desktop& desktop()
{
    static Desktop d;
    return d;
}

} // namespace platform
