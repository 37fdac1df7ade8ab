// The Win32 painting functions: invalidation, updates, BeginPaint/EndPaint,
// and the DCs of windows.
//
// InvalidateRect -> the window's update rectangle (and its children's) grows
// UpdateWindow / the message loop's WM_PAINT -> the window procedure
//   -> BeginPaint: WM_NCPAINT when the frame is due, a DC limited to the
//      update rectangle, the update emptied, the children under it invalidated
//      (they paint after the parent), WM_ERASEBKGND when erasing is due
//   -> EndPaint releases the DC.
#include "win/gdi/GdiHandles.h"
#include "win/user/WindowManager.h"

#include "win/display/Display.h"

using namespace platform;
using namespace platform::wm;

namespace {

CRect clientPart(const Window& w, const RECT* r)
{
    const CRect client = clientScreenRect(w);
    if (!r) return client;
    CRect part(*r);
    part.OffsetRect(client.TopLeft());
    part.IntersectRect(&part, &client);
    return part;
}

void updateTree(HWND h)
{
    UpdateWindow(h);
    if (const Window* w = find(h)) {
        const std::vector<HWND> children = w->children;
        for (HWND c : children) updateTree(c);
    }
}

} // namespace

namespace platform::wm {

HDC windowDC(HWND h, bool client, const CRect* within)
{
    const Window* w = findOrFail(h);
    if (!w) return nullptr;
    gdi::DeviceContext dc;
    dc.display = &display().screen();
    dc.origin = (client ? clientScreenRect(*w) : screenRect(*w)).TopLeft();
    CRect area = visibleRect(*w, client);
    if (within && !area.IntersectRect(&area, within)) area.SetRectEmpty();
    dc.area = area;
    dc.covered = coveredAbove(*w, area);
    return gdi::addDC(std::move(dc));
}

} // namespace platform::wm

HDC GetDC(HWND hWnd)
{
    return hWnd ? windowDC(hWnd, true, nullptr) : gdi::addScreenDC();
}

HDC GetWindowDC(HWND hWnd)
{
    return hWnd ? windowDC(hWnd, false, nullptr) : gdi::addScreenDC();
}

int ReleaseDC(HWND, HDC hDC)
{
    return gdi::deleteDC(hDC) ? 1 : 0;
}

namespace {

// A null window is every window on the screen, frames too (lpRect in screen
// coordinates), as Win32 repaints all windows after the screen changed.
BOOL invalidateAll(const RECT* lpRect, BOOL bErase)
{
    forEachWindow([&](Window& w) {
        if (!w.parent && shownOnScreen(w)) invalidate(w, lpRect ? CRect(*lpRect) : screenRect(w), bErase, true);
    });
    return TRUE;
}

} // namespace

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase)
{
    if (!hWnd) return invalidateAll(lpRect, bErase);
    Window* w = findOrFail(hWnd);
    if (!w) return FALSE;
    // Nothing of a hidden window is on the screen to be repainted.
    if (shownOnScreen(*w)) invalidate(*w, clientPart(*w, lpRect), bErase);
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect)
{
    Window* w = findOrFail(hWnd);
    if (!w) return FALSE;
    // The update is one rectangle: only a rectangle covering it validates it.
    CRect covered;
    if (!lpRect || (covered.UnionRect(lpRect, &w->update) && covered == CRect(*lpRect))) {
        w->update.SetRectEmpty();
        w->erase = false;
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd)
{
    const Window* w = findOrFail(hWnd);
    if (!w) return FALSE;
    if (shownOnScreen(*w) && needsPaint(*w)) SendMessageW(hWnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags)
{
    Window* w = findOrFail(hWnd);
    if (!w || hrgnUpdate) return FALSE;
    if (flags & RDW_INVALIDATE) {
        if (shownOnScreen(*w))
            invalidate(*w, clientPart(*w, lprcUpdate), (flags & RDW_ERASE) != 0, (flags & RDW_FRAME) != 0);
    } else if (flags & RDW_VALIDATE) {
        ValidateRect(hWnd, lprcUpdate);
    }
    if (flags & RDW_UPDATENOW) updateTree(hWnd);
    return TRUE;
}

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint)
{
    Window* w = findOrFail(hWnd);
    if (!w || !lpPaint) return nullptr;
    if (w->frame) {
        w->frame = false;
        SendMessageW(hWnd, WM_NCPAINT, 1, 0);
        if (!(w = find(hWnd))) return nullptr;
    }
    const CRect update = w->update;
    const bool erase = w->erase;
    w->update.SetRectEmpty();
    w->erase = false;
    CRect within = update;
    within.OffsetRect(clientScreenRect(*w).TopLeft());
    // The parent's DC does not leave its children out, so what it paints over
    // them is theirs to paint again, after it.
    for (HWND c : std::vector<HWND>(w->children))
        if (Window* child = find(c); child && shownOnScreen(*child)) invalidate(*child, within, true, false);
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = windowDC(hWnd, true, &within);
    lpPaint->rcPaint = update;
    if (erase) lpPaint->fErase = !SendMessageW(hWnd, WM_ERASEBKGND, (WPARAM)lpPaint->hdc, 0);
    return lpPaint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* lpPaint)
{
    return lpPaint && gdi::deleteDC(lpPaint->hdc);
}
