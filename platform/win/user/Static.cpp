// Static text: the window text on the dialog face, left, centred or right
// aligned (SS_LEFT, SS_CENTER, SS_RIGHT), '&' marks shown as the underline
// would be, that is left out, unless SS_NOPREFIX.
#include "win/user/ControlSupport.h"

#include "win/gdi/SysColors.h"

namespace platform::ctl {

namespace {

void paint(HWND h)
{
    PaintScope p(h);
    const DWORD style = (DWORD)GetWindowLongW(h, GWL_STYLE);
    wchar_t buffer[1024];
    GetWindowTextW(h, buffer, 1024);
    const std::wstring text = (style & SS_NOPREFIX) ? std::wstring(buffer) : withoutMnemonics(buffer);
    UINT format = DT_LEFT;
    if ((style & 0x0F) == SS_CENTER) format = DT_CENTER;
    else if ((style & 0x0F) == SS_RIGHT) format = DT_RIGHT;
    CRect r = p.client();
    SetBkMode(p.dc(), TRANSPARENT);
    SetTextColor(p.dc(), GetSysColor(IsWindowEnabled(h) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    DrawTextW(p.dc(), text.c_str(), (int)text.size(), &r, format);
}

} // namespace

LRESULT CALLBACK staticProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (fontMessage(h, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_PAINT: paint(h); return 0;
    case WM_SETTEXT:
    case WM_ENABLE:
        InvalidateRect(h, nullptr, TRUE);
        break;
    default: break;
    }
    return DefWindowProcW(h, message, wParam, lParam);
}

} // namespace platform::ctl
