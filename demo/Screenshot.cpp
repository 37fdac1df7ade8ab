#include "Screenshot.h"

bool screenshot(Gallery& g, const std::string& name, const std::string& caption, HWND window)
{
    const bool saved = window ? platform::desktop().saveScreenshot(window, g.file(name))
                              : platform::desktop().saveScreenshot(g.file(name));
    if (saved) g.picture(name, caption);
    else g.paragraph("The screenshot " + name + " could not be written.");
    return saved;
}

BOOL createHostFrame(CWnd& frame, const wchar_t* title, const CRect& rect)
{
    return frame.CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_3DFACE + 1)), title,
                          WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, rect, nullptr, 0);
}
