// The Win32 functions of window geometry, z-order, visibility and hit testing.
#include "win/user/WindowManager.h"

#include "win/user/Input.h"
#include "win/user/MessageQueue.h"

#include <algorithm>

using namespace platform::wm;

namespace {

void setVisible(Window& w, bool visible)
{
    if (((w.style & WS_VISIBLE) != 0) == visible) return;
    if (visible) {
        w.style |= WS_VISIBLE;
        if (shownOnScreen(w)) invalidate(w, screenRect(w), true, true);
        return;
    }
    const bool wasShown = shownOnScreen(w);
    w.style &= ~WS_VISIBLE;
    if (wasShown) expose(w, screenRect(w));
}

// Places the window among its siblings: HWND_TOP (and the topmost choices, as
// there is no topmost band), HWND_BOTTOM, or just below another sibling.
bool restack(Window& w, HWND after)
{
    std::vector<HWND>& list = siblings(w);
    const auto self = std::find(list.begin(), list.end(), w.handle);
    const size_t from = (size_t)(self - list.begin());
    list.erase(self);
    size_t to = list.size();
    if (after == HWND_BOTTOM) to = 0;
    else if (after != HWND_TOP && after != HWND_TOPMOST && after != HWND_NOTOPMOST) {
        const auto it = std::find(list.begin(), list.end(), after);
        to = it == list.end() ? from : (size_t)(it - list.begin());
    }
    list.insert(list.begin() + (std::ptrdiff_t)to, w.handle);
    return to != from;
}

// Moves and sizes the window; returns whether it moved and whether it changed size.
std::pair<bool, bool> place(Window& w, const CRect& r, bool redraw)
{
    const CRect oldScreen = screenRect(w);
    const CPoint oldOrigin = clientOriginInParent(w);
    const CSize oldSize = clientScreenRect(w).Size();
    if (w.rect == r) return {false, false};
    w.rect = r;
    if (redraw && shownOnScreen(w)) {
        expose(w, oldScreen);
        invalidate(w, screenRect(w), true, true);
    }
    return {clientOriginInParent(w) != oldOrigin, clientScreenRect(w).Size() != oldSize};
}

void sendPlacement(HWND h, std::pair<bool, bool> changed)
{
    const Window* w = find(h);
    if (!w) return;
    const CPoint origin = clientOriginInParent(*w);
    const CSize size = clientScreenRect(*w).Size();
    if (changed.first) SendMessageW(h, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    if (changed.second && IsWindow(h)) SendMessageW(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
}

} // namespace

BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    const Window* w = findOrFail(hWnd);
    if (!w || !lpRect) return FALSE;
    *lpRect = CRect(CPoint(0, 0), clientScreenRect(*w).Size());
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    const Window* w = findOrFail(hWnd);
    if (!w || !lpRect) return FALSE;
    *lpRect = screenRect(*w);
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint)
{
    const Window* w = findOrFail(hWnd);
    if (!w || !lpPoint) return FALSE;
    const CPoint origin = clientScreenRect(*w).TopLeft();
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    const Window* w = findOrFail(hWnd);
    if (!w || !lpPoint) return FALSE;
    const CPoint origin = clientScreenRect(*w).TopLeft();
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    return SetWindowPos(hWnd, nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | (bRepaint ? 0 : SWP_NOREDRAW)) &&
           (!bRepaint || UpdateWindow(hWnd));
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags)
{
    Window* w = findOrFail(hWnd);
    if (!w) return FALSE;
    const bool redraw = !(uFlags & SWP_NOREDRAW);
    if (!(uFlags & SWP_NOZORDER) && restack(*w, hWndInsertAfter) && redraw && shownOnScreen(*w))
        invalidate(*w, screenRect(*w), true, true);
    CRect r = w->rect;
    if (!(uFlags & SWP_NOMOVE)) r.MoveToXY(x, y);
    if (!(uFlags & SWP_NOSIZE)) r = CRect(r.TopLeft(), CSize(std::max(cx, 0), std::max(cy, 0)));
    const std::pair<bool, bool> changed = place(*w, r, redraw);
    if ((uFlags & SWP_FRAMECHANGED) && redraw && shownOnScreen(*w)) invalidate(*w, screenRect(*w), true, true);
    if (uFlags & SWP_SHOWWINDOW) setVisible(*w, true);
    if (uFlags & SWP_HIDEWINDOW) setVisible(*w, false);
    sendPlacement(hWnd, changed);
    return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    Window* w = findOrFail(hWnd);
    if (!w) return FALSE;
    const bool was = (w->style & WS_VISIBLE) != 0;
    const bool show = nCmdShow != SW_HIDE;
    if (was == show) return was;
    SendMessageW(hWnd, WM_SHOWWINDOW, show, 0);
    if ((w = find(hWnd))) setVisible(*w, show);
    return was;
}

BOOL IsWindowVisible(HWND hWnd)
{
    const Window* w = find(hWnd);
    return w && shownOnScreen(*w);
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    Window* w = findOrFail(hWnd);
    if (!w) return FALSE;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !bEnable) return wasDisabled;
    if (bEnable) w->style &= ~WS_DISABLED;
    else w->style |= WS_DISABLED;
    // A disabled window takes no keys.
    if (!bEnable && (GetFocus() == hWnd || IsChild(hWnd, GetFocus()))) SetFocus(nullptr);
    SendMessageW(hWnd, WM_ENABLE, bEnable, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd)
{
    const Window* w = find(hWnd);
    return w && !(w->style & WS_DISABLED);
}

HWND WindowFromPoint(POINT Point)
{
    std::vector<HWND> transparent;
    for (;;) {
        const HWND h = hitTest(Point, transparent);
        if (!h || SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(Point.x, Point.y)) != HTTRANSPARENT) return h;
        transparent.push_back(h);
    }
}

BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL, DWORD dwExStyle)
{
    if (!lpRect) return FALSE;
    const CRect in = frameInsets(dwStyle, dwExStyle);
    lpRect->left -= in.left;
    lpRect->top -= in.top;
    lpRect->right += in.right;
    lpRect->bottom += in.bottom;
    return TRUE;
}
