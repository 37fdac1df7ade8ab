// Static text: the window text on the dialog face, left, centred or right
// aligned (SS_LEFT, SS_CENTER, SS_RIGHT), a '&' mark underlining its
// mnemonic unless SS_NOPREFIX.
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
    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    if ((style & 0x0F) == SS_CENTER) format |= DT_CENTER;
    else if ((style & 0x0F) == SS_RIGHT) format |= DT_RIGHT;
    CRect r = p.client();
    SetBkMode(p.dc(), TRANSPARENT);
    SetTextColor(p.dc(), GetSysColor(IsWindowEnabled(h) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    DrawTextW(p.dc(), buffer, -1, &r, format);
}

} // namespace

LRESULT CALLBACK staticProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (fontMessage(h, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_PAINT: paint(h); return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_SETTEXT:
    case WM_ENABLE:
        InvalidateRect(h, nullptr, TRUE);
        break;
    default: break;
    }
    return DefWindowProcW(h, message, wParam, lParam);
}

} // namespace platform::ctl
