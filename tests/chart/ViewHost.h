#pragma once
// What the view tests share: a small screen, a host frame in a known colour
// that hears the views' mouse messages, and pixel helpers on the screen.
#include "chart/RwView.h"
#include "frame/Lang.h"
#include "support/PixelCanvas.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace viewtest {

using namespace testsupport::colours;
constexpr COLORREF frameColour = RGB(200, 220, 240);

inline platform::Desktop& desk()
{
    return platform::desktop();
}

inline COLORREF screenAt(int x, int y)
{
    return desk().screen().pixel(x, y);
}

inline CRect windowRect(const CWnd& wnd)
{
    CRect r;
    wnd.GetWindowRect(&r);
    return r;
}

// A 400 x 300 screen, the English language module, the clock's timers allowed.
inline void freshDesktop()
{
    desk().setScreenSize(400, 300);
    desk().refuseTimers(false);
    NVorel::setLangWork(48, (std::filesystem::path(VOREL_LANG_DIR).wstring() + L"/").c_str());
}

// A borderless top-level frame (client = window) filled with frameColour; it
// calls onViewMouse for every WM_RWVIEW_MOUSE.
class HostFrame : public CWnd {
public:
    BOOL create(const CRect& r)
    {
        static CBrush brush(frameColour);
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, brush), L"", WS_POPUP | WS_VISIBLE, r, nullptr, 0);
    }
    int m_nViewMessages = 0;
    std::function<void()> onViewMouse;

protected:
    afx_msg LRESULT OnViewMouse(WPARAM, LPARAM)
    {
        ++m_nViewMessages;
        if (onViewMouse) onViewMouse();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

// Screen pixels of that colour within `within`.
int colourCount(const CRect& within, COLORREF colour);

// The smallest screen rectangle within `within` holding every pixel of that
// colour (or, with `except`, every pixel not of it); empty when there is none.
CRect colourBox(const CRect& within, COLORREF colour, bool except = false);

// Where the client area of the view differs from its bitmap on the screen,
// as "(x, y)" client points; empty when the screen shows exactly the picture.
// Points in the skip rectangles (client coordinates) are left out.
std::string differencesFromBitmap(const CWnd& view, HBITMAP bitmap, const std::vector<CRect>& skip = {});

} // namespace viewtest
