// The push button: a raised face with its centred text. A left click (press
// and release over the button) sends BN_CLICKED to the parent as WM_COMMAND,
// as does BM_CLICK. The default push button has a dark frame.
#include "win/user/ControlSupport.h"

#include "win/user/Input.h"
#include "win/gdi/SysColors.h"

#include <unordered_map>

namespace platform::ctl {

namespace {

struct ButtonState {
    bool tracking = false; // the left button went down on it
    bool pushed = false;   // ... and the cursor is over it
};

std::unordered_map<HWND, ButtonState>& states()
{
    static auto* s = new std::unordered_map<HWND, ButtonState>; // see WindowManager.cpp
    return *s;
}

void paint(HWND h)
{
    PaintScope p(h);
    const HDC dc = p.dc();
    CRect r = p.client();
    const DWORD style = (DWORD)GetWindowLongW(h, GWL_STYLE);
    fillRect(dc, r, GetSysColor(COLOR_BTNFACE));
    if ((style & 0x0F) == BS_DEFPUSHBUTTON) {
        fillRect(dc, CRect(r.left, r.top, r.right, r.top + 1), GetSysColor(COLOR_WINDOWFRAME));
        fillRect(dc, CRect(r.left, r.bottom - 1, r.right, r.bottom), GetSysColor(COLOR_WINDOWFRAME));
        fillRect(dc, CRect(r.left, r.top, r.left + 1, r.bottom), GetSysColor(COLOR_WINDOWFRAME));
        fillRect(dc, CRect(r.right - 1, r.top, r.right, r.bottom), GetSysColor(COLOR_WINDOWFRAME));
        r.DeflateRect(1, 1);
    }
    const bool pushed = states()[h].pushed;
    drawEdge(dc, r, pushed);
    wchar_t text[256];
    GetWindowTextW(h, text, 256);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(h) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    if (pushed) r.OffsetRect(1, 1);
    DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void setPushed(HWND h, bool pushed)
{
    ButtonState& s = states()[h];
    if (s.pushed == pushed) return;
    s.pushed = pushed;
    InvalidateRect(h, nullptr, TRUE);
}

bool cursorOver(HWND h, LPARAM lParam)
{
    CRect r;
    GetClientRect(h, &r);
    return r.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
}

void notifyClicked(HWND h)
{
    if (const HWND parent = GetParent(h))
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED), (LPARAM)h);
}

} // namespace

LRESULT CALLBACK buttonProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (fontMessage(h, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_PAINT: paint(h); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        states()[h].tracking = true;
        SetCapture(h);
        setPushed(h, true);
        return 0;
    case WM_MOUSEMOVE:
        if (states()[h].tracking) setPushed(h, cursorOver(h, lParam));
        return 0;
    case WM_LBUTTONUP: {
        const bool click = states()[h].tracking && cursorOver(h, lParam);
        states()[h].tracking = false;
        if (GetCapture() == h) ReleaseCapture();
        setPushed(h, false);
        if (click) notifyClicked(h);
        return 0;
    }
    case BM_CLICK: notifyClicked(h); return 0;
    case WM_SETTEXT:
    case WM_ENABLE:
        InvalidateRect(h, nullptr, TRUE);
        break;
    case WM_NCDESTROY: states().erase(h); break;
    default: break;
    }
    return DefWindowProcW(h, message, wParam, lParam);
}

} // namespace platform::ctl
