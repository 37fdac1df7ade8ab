// The mouse: capture, tracking, cursors, and the desktop's mouse input.
//
// devices::moveMouse(p), from the desktop facade
//   -> the window under p (WindowFromPoint, with WM_NCHITTEST)
//   -> a tracked window the cursor left gets WM_MOUSELEAVE posted
//   -> without capture: WM_SETCURSOR sent to the window under the cursor
//   -> WM_MOUSEMOVE posted in client coordinates to the capture window, or to
//      the window under the cursor when the cursor is in its client area
//   -> the facade's message loop delivers it.
// Over a window's frame they are posted as WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN...
// with the hit-test code and the screen point; a press on the close box is
// DefWindowProc's to follow until the release (trackCloseBox).
// Buttons go the same way; a second press within the double-click time and
// distance, in a window whose class has CS_DBLCLKS, is a double click.
// The wheel turns for the focus window, whose DefWindowProc hands it on to
// the parent, as Win32's does.
#include "win/user/Input.h"

#include "win/user/MessageQueue.h"
#include "win/user/Timers.h"
#include "win/user/WindowManager.h"

#include <cstdlib>

using namespace platform;

namespace {

constexpr DWORD doubleClickTime = 500;
constexpr int doubleClickDistance = 2;

struct LastPress {
    HWND hwnd = nullptr;
    UINT message = 0;
    DWORD time = 0;
    CPoint pos;
};

struct Mouse {
    CPoint pos;
    HCURSOR shape = nullptr;
    bool shapeSet = false;
    HWND capture = nullptr;
    HWND tracked = nullptr;
    LastPress lastPress;
    HWND closeTracking = nullptr; // a press on this window's close box
    bool closePressed = false;
};

Mouse& mouse()
{
    static Mouse* m = new Mouse; // see WindowManager.cpp
    return *m;
}

struct ButtonMessages {
    int vk;
    UINT down, up, dblclk;
};

ButtonMessages messagesOf(MouseButton b)
{
    switch (b) {
    case MouseButton::Right: return {VK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK};
    case MouseButton::Middle: return {VK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK};
    default: return {VK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
    }
}

WPARAM keyFlags()
{
    WPARAM flags = 0;
    const std::pair<int, WPARAM> keys[] = {{VK_LBUTTON, MK_LBUTTON}, {VK_RBUTTON, MK_RBUTTON},
                                           {VK_MBUTTON, MK_MBUTTON}, {VK_SHIFT, MK_SHIFT},
                                           {VK_CONTROL, MK_CONTROL}};
    for (auto [vk, flag] : keys)
        if (GetAsyncKeyState(vk) & 0x8000) flags |= flag;
    return flags;
}

struct Hit {
    HWND hwnd = nullptr;
    LRESULT code = HTNOWHERE;
};

Hit hitAt(POINT p)
{
    Hit hit;
    hit.hwnd = WindowFromPoint(p);
    if (hit.hwnd) hit.code = SendMessageW(hit.hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    return hit;
}

void checkLeave(const Hit& hit)
{
    Mouse& m = mouse();
    if (m.tracked && (hit.hwnd != m.tracked || hit.code != HTCLIENT)) {
        PostMessageW(m.tracked, WM_MOUSELEAVE, 0, 0);
        m.tracked = nullptr;
    }
}

bool isDoubleClick(HWND target, UINT down)
{
    const LastPress& last = mouse().lastPress;
    const wm::Window* w = wm::find(target);
    return w && (w->cls->style & CS_DBLCLKS) && last.hwnd == target && last.message == down &&
           GetTickCount() - last.time <= doubleClickTime &&
           std::abs(last.pos.x - mouse().pos.x) <= doubleClickDistance &&
           std::abs(last.pos.y - mouse().pos.y) <= doubleClickDistance;
}

void redrawFrame(HWND h)
{
    if (wm::Window* w = wm::find(h)) w->frame = true;
}

// DefWindowProc's loop while the close box is held: the mouse's messages are
// its own, the box looks pressed while the mouse is over it, and the release
// over it closes the window.
void followCloseBox(UINT message)
{
    Mouse& m = mouse();
    const HWND h = m.closeTracking;
    const wm::Window* w = wm::find(h);
    const bool over = w && wm::closeBoxRect(*w).PtInRect(m.pos);
    if (message == WM_LBUTTONUP) {
        m.closeTracking = nullptr;
        m.closePressed = false;
        redrawFrame(h);
        if (over) PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(m.pos.x, m.pos.y));
        return;
    }
    if (over != m.closePressed) {
        m.closePressed = over;
        redrawFrame(h);
    }
}

// The frame's own message (WM_NC...) for a client mouse message.
UINT nonClient(UINT message)
{
    return message - (WM_MOUSEMOVE - WM_NCMOUSEMOVE);
}

// Sends WM_SETCURSOR and posts the mouse message; returns the window whose
// client area it went to.
HWND deliver(UINT message)
{
    Mouse& m = mouse();
    if (m.closeTracking) {
        followCloseBox(message);
        return nullptr;
    }
    const Hit hit = hitAt(m.pos);
    checkLeave(hit);
    HWND target = m.capture;
    if (!target) {
        if (!hit.hwnd) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            return nullptr;
        }
        if (!wm::acceptsInput(hit.hwnd)) return nullptr;
        SendMessageW(hit.hwnd, WM_SETCURSOR, (WPARAM)hit.hwnd, MAKELPARAM(hit.code, message));
        if (!IsWindow(hit.hwnd)) return nullptr;
        if (hit.code != HTCLIENT) {
            if (hit.code > HTCLIENT && message <= WM_RBUTTONUP)
                PostMessageW(hit.hwnd, nonClient(message), (WPARAM)hit.code, MAKELPARAM(m.pos.x, m.pos.y));
            return nullptr;
        }
        target = hit.hwnd;
    }
    CPoint p = m.pos;
    ScreenToClient(target, &p);
    PostMessageW(target, message, keyFlags(), MAKELPARAM(p.x, p.y));
    return target;
}

} // namespace

namespace platform::wm {

void forgetMouse(HWND h)
{
    Mouse& m = mouse();
    if (m.capture == h) m.capture = nullptr;
    if (m.tracked == h) m.tracked = nullptr;
    if (m.lastPress.hwnd == h) m.lastPress = LastPress{};
    if (m.closeTracking == h) {
        m.closeTracking = nullptr;
        m.closePressed = false;
    }
}

void trackCloseBox(HWND h)
{
    Mouse& m = mouse();
    m.closeTracking = h;
    m.closePressed = true;
    redrawFrame(h);
}

bool closeBoxPressed(HWND h)
{
    return mouse().closeTracking == h && mouse().closePressed;
}

bool acceptsInput(HWND h)
{
    for (const Window* w = find(h); w; w = w->parent ? find(w->parent) : nullptr)
        if (w->style & WS_DISABLED) return false;
    return true;
}

} // namespace platform::wm

HWND SetCapture(HWND hWnd)
{
    if (!wm::findOrFail(hWnd)) return nullptr;
    const HWND old = mouse().capture;
    mouse().capture = hWnd;
    if (old && old != hWnd) SendMessageW(old, WM_CAPTURECHANGED, 0, (LPARAM)hWnd);
    return old;
}

BOOL ReleaseCapture()
{
    const HWND old = mouse().capture;
    mouse().capture = nullptr;
    if (old) SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture()
{
    return mouse().capture;
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack)
{
    if (!lpEventTrack || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Mouse& m = mouse();
    const DWORD flags = lpEventTrack->dwFlags;
    if (flags & TME_QUERY) {
        *lpEventTrack = TRACKMOUSEEVENT{sizeof(TRACKMOUSEEVENT), m.tracked ? (DWORD)TME_LEAVE : 0, m.tracked, 0};
        return TRUE;
    }
    if ((flags & ~(DWORD)(TME_LEAVE | TME_CANCEL)) || !(flags & TME_LEAVE)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const HWND h = lpEventTrack->hwndTrack;
    if (!wm::findOrFail(h)) return FALSE;
    if (flags & TME_CANCEL) {
        if (m.tracked == h) m.tracked = nullptr;
        return TRUE;
    }
    const Hit hit = hitAt(m.pos);
    if (hit.hwnd == h && hit.code == HTCLIENT) m.tracked = h;
    else PostMessageW(h, WM_MOUSELEAVE, 0, 0);
    return TRUE;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack)
{
    return TrackMouseEvent(lpEventTrack);
}

HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName)
{
    static const WORD shapes[] = {32512, 32513, 32514, 32515, 32516, 32642, 32643,
                                  32644, 32645, 32646, 32648, 32649};
    const auto id = (WORD)(uintptr_t)lpCursorName;
    if (!hInstance && IS_INTRESOURCE(lpCursorName))
        for (WORD shape : shapes)
            if (shape == id) return (HCURSOR)(uintptr_t)(0x10000 + id);
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    const HCURSOR old = GetCursor();
    mouse().shape = hCursor;
    mouse().shapeSet = true;
    return old;
}

HCURSOR GetCursor()
{
    return mouse().shapeSet ? mouse().shape : LoadCursorW(nullptr, IDC_ARROW);
}

BOOL GetCursorPos(LPPOINT lpPoint)
{
    if (!lpPoint) return FALSE;
    *lpPoint = mouse().pos;
    return TRUE;
}

namespace platform::devices {

void moveMouse(CPoint screen)
{
    mouse().pos = screen;
    deliver(WM_MOUSEMOVE);
}

void pressButton(MouseButton button)
{
    const ButtonMessages b = messagesOf(button);
    wm::setAsyncKey(b.vk, true);
    Mouse& m = mouse();
    const Hit hit = m.capture ? Hit{m.capture, HTCLIENT} : hitAt(m.pos);
    const bool dbl = hit.hwnd && isDoubleClick(hit.hwnd, b.down);
    const HWND target = deliver(dbl ? b.dblclk : b.down);
    m.lastPress = dbl || !target ? LastPress{} : LastPress{target, b.down, GetTickCount(), m.pos};
}

void releaseButton(MouseButton button)
{
    const ButtonMessages b = messagesOf(button);
    wm::setAsyncKey(b.vk, false);
    deliver(b.up);
}

void turnWheel(int delta)
{
    const HWND focus = GetFocus();
    if (!focus || !wm::acceptsInput(focus)) return;
    const Mouse& m = mouse();
    PostMessageW(focus, WM_MOUSEWHEEL, MAKEWPARAM(keyFlags(), (WORD)(short)delta), MAKELPARAM(m.pos.x, m.pos.y));
}

} // namespace platform::devices
