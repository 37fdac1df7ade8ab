// The push button: a raised face with its centred text, its mnemonic
// underlined. A left click (press and release over the button) sends
// BN_CLICKED to the parent as WM_COMMAND, as do Space (pressed and released
// while the button has the focus) and BM_CLICK. The default push button has
// a dark frame; the focused one a dotted rectangle inside its edge.
#include "win/user/ControlSupport.h"

#include "win/user/Input.h"
#include "win/gdi/SysColors.h"

#include <unordered_map>

namespace platform::ctl {

namespace {

struct ButtonState {
    bool tracking = false; // the left button went down on it
    bool spaceDown = false;
    bool pushed = false;   // ... and the cursor is over it, or Space is down
};

std::unordered_map<HWND, ButtonState>& states()
{
    static auto* s = new std::unordered_map<HWND, ButtonState>; // see WindowManager.cpp
    return *s;
}

// Every other pixel of the rectangle's outline.
void drawFocusRect(HDC dc, const CRect& r, COLORREF color)
{
    for (int x = r.left; x < r.right; x += 2) {
        fillRect(dc, CRect(x, r.top, x + 1, r.top + 1), color);
        fillRect(dc, CRect(x, r.bottom - 1, x + 1, r.bottom), color);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        fillRect(dc, CRect(r.left, y, r.left + 1, y + 1), color);
        fillRect(dc, CRect(r.right - 1, y, r.right, y + 1), color);
    }
}

bool isDefault(HWND h)
{
    return (GetWindowLongW(h, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
}

void paint(HWND h)
{
    PaintScope p(h);
    const HDC dc = p.dc();
    CRect r = p.client();
    fillRect(dc, r, GetSysColor(COLOR_BTNFACE));
    if (isDefault(h)) {
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
    if (GetFocus() == h) {
        r.DeflateRect(3, 3);
        drawFocusRect(dc, r, GetSysColor(COLOR_BTNTEXT));
    }
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
        SetFocus(h);
        SetCapture(h);
        setPushed(h, true);
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_SPACE) break;
        states()[h].spaceDown = true;
        setPushed(h, true);
        return 0;
    case WM_KEYUP: {
        if (wParam != VK_SPACE || !states()[h].spaceDown) break;
        states()[h].spaceDown = false;
        setPushed(h, false);
        notifyClicked(h);
        return 0;
    }
    case WM_KILLFOCUS:
        states()[h].spaceDown = false;
        if (!states()[h].tracking) setPushed(h, false);
        InvalidateRect(h, nullptr, TRUE);
        break;
    case WM_SETFOCUS: InvalidateRect(h, nullptr, TRUE); break;
    case WM_GETDLGCODE: return DLGC_BUTTON | (isDefault(h) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
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
