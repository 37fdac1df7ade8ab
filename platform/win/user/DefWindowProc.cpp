// The default window procedure: what a window does with a message that its own
// procedure leaves, and the painting of window frames.
#include "win/gdi/GdiHandles.h"
#include "win/user/WindowManager.h"

#include "win/gdi/Gdi.h"
#include "win/user/Input.h"
#include "win/gdi/SysColors.h"

#include <algorithm>
#include <cwchar>

using namespace platform;
using namespace platform::wm;

namespace {

// A background brush is a brush handle or a system colour index + 1.
bool brushColor(HBRUSH brush, COLORREF& color)
{
    if (!brush) return false;
    const auto index = (uintptr_t)brush;
    if (index <= COLOR_INFOBK + 1) {
        color = GetSysColor((int)index - 1);
        return true;
    }
    const gdi::BrushObject* b = gdi::findAs<gdi::BrushObject>(brush);
    if (!b || b->log.lbStyle != BS_SOLID) return false;
    color = b->log.lbColor;
    return true;
}

// Fills a rectangle in the DC's logical coordinates.
void fill(HDC hdc, const CRect& r, COLORREF color)
{
    if (gdi::DeviceContext* dc = gdi::findDC(hdc)) gdi::Canvas(*dc).fill(dc->toSurface(r), color);
}

LRESULT eraseBackground(const Window& w, HDC hdc)
{
    COLORREF color = 0;
    if (!brushColor(w.cls->background, color)) return 0;
    fill(hdc, CRect(CPoint(0, 0), clientScreenRect(w).Size()), color);
    return 1;
}

// A one-pixel edge: top and left in one colour, bottom and right in another.
void edge(HDC hdc, const CRect& r, COLORREF topLeft, COLORREF bottomRight)
{
    fill(hdc, CRect(r.left, r.top, r.right, r.top + 1), topLeft);
    fill(hdc, CRect(r.left, r.top, r.left + 1, r.bottom), topLeft);
    fill(hdc, CRect(r.left, r.bottom - 1, r.right, r.bottom), bottomRight);
    fill(hdc, CRect(r.right - 1, r.top, r.right, r.bottom), bottomRight);
}

// The close box's cross: two strokes two pixels wide across 8 x 7 pixels.
void paintCross(HDC hdc, CPoint at, COLORREF color)
{
    for (int k = 0; k < 7; ++k) {
        fill(hdc, CRect(at.x + k, at.y + k, at.x + k + 2, at.y + k + 1), color);
        fill(hdc, CRect(at.x + 6 - k, at.y + k, at.x + 8 - k, at.y + k + 1), color);
    }
}

// A push button of the caption, raised or pressed; a grayed one has an
// etched cross.
void paintCloseBox(HDC hdc, const Window& w, const CRect& box)
{
    const bool pressed = closeBoxPressed(w.handle);
    fill(hdc, box, GetSysColor(COLOR_3DFACE));
    CRect inner = box;
    inner.DeflateRect(1, 1);
    if (pressed) {
        edge(hdc, box, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DHILIGHT));
        edge(hdc, inner, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DFACE));
    } else {
        edge(hdc, box, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DDKSHADOW));
        edge(hdc, inner, GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_3DSHADOW));
    }
    const CPoint cross(box.left + 4 + (pressed ? 1 : 0), box.top + 3 + (pressed ? 1 : 0));
    if (closeDisabled(w.handle)) {
        paintCross(hdc, cross + CSize(1, 1), GetSysColor(COLOR_3DHILIGHT));
        paintCross(hdc, cross, GetSysColor(COLOR_GRAYTEXT));
    } else {
        paintCross(hdc, cross, GetSysColor(COLOR_BTNTEXT));
    }
}

void paintCaption(HDC hdc, const Window& w, const CRect& bar, const CRect& closeBox)
{
    fill(hdc, bar, GetSysColor(COLOR_ACTIVECAPTION));
    LOGFONTW lf{};
    lf.lfHeight = -11;
    lf.lfWeight = FW_BOLD;
    std::wcsncpy(lf.lfFaceName, L"MS Shell Dlg", LF_FACESIZE - 1);
    const HFONT font = CreateFontIndirectW(&lf);
    const HGDIOBJ old = SelectObject(hdc, font);
    SetTextColor(hdc, GetSysColor(COLOR_CAPTIONTEXT));
    SetBkMode(hdc, TRANSPARENT);
    CRect text(bar.left + 4, bar.top, (closeBox.IsRectEmpty() ? bar.right : closeBox.left) - 2, bar.bottom);
    DrawTextW(hdc, w.text.c_str(), (int)w.text.size(), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SelectObject(hdc, old);
    DeleteObject(font);
    if (!closeBox.IsRectEmpty()) paintCloseBox(hdc, w, closeBox);
}

// The box relative to the window, as its window DC draws.
CRect closeBoxInWindow(const Window& w)
{
    CRect box = closeBoxRect(w);
    if (!box.IsRectEmpty()) box.OffsetRect(-screenRect(w).TopLeft());
    return box;
}

LRESULT titleBarInfo(const Window& w, TITLEBARINFOEX* info)
{
    if (!info || info->cbSize != sizeof(TITLEBARINFOEX)) return 0;
    const DWORD size = info->cbSize;
    *info = TITLEBARINFOEX{};
    info->cbSize = size;
    info->rcTitleBar = captionRect(w);
    info->rgrect[0] = info->rcTitleBar;
    for (int i = 1; i < CCHILDREN_TITLEBAR; ++i) info->rgstate[i] = STATE_SYSTEM_INVISIBLE;
    const CRect box = closeBoxRect(w);
    info->rgrect[CCHILDREN_TITLEBAR] = box;
    info->rgstate[CCHILDREN_TITLEBAR] = box.IsRectEmpty()          ? STATE_SYSTEM_INVISIBLE
                                        : closeDisabled(w.handle)   ? STATE_SYSTEM_UNAVAILABLE
                                        : closeBoxPressed(w.handle) ? STATE_SYSTEM_PRESSED
                                                                    : 0;
    return 1;
}

LRESULT hitCode(const Window& w, LPARAM lParam)
{
    const CPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (!screenRect(w).PtInRect(p)) return HTNOWHERE;
    if (clientScreenRect(w).PtInRect(p)) return HTCLIENT;
    if (closeBoxRect(w).PtInRect(p)) return HTCLOSE;
    const CRect in = frameInsets(w.style, w.exStyle);
    const CRect r = screenRect(w);
    const bool inCaption = in.top > in.left && p.y < r.top + in.top && p.y >= r.top + in.left &&
                           p.x >= r.left + in.left && p.x < r.right - in.right;
    return inCaption ? HTCAPTION : HTBORDER;
}

LRESULT setCursor(const Window& w, WPARAM wParam, LPARAM lParam)
{
    // A child's parent may choose first.
    if (w.parent && SendMessageW(w.parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
    if ((short)LOWORD(lParam) != HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    }
    if (!w.cls->cursor) return FALSE;
    SetCursor(w.cls->cursor);
    return TRUE;
}

LRESULT copyText(const Window& w, WPARAM size, LPWSTR buffer)
{
    if (!buffer || size == 0) return 0;
    const size_t n = std::min(w.text.size(), (size_t)size - 1);
    std::wmemcpy(buffer, w.text.data(), n);
    buffer[n] = 0;
    return (LRESULT)n;
}

} // namespace

namespace platform::wm {

void paintFrame(const Window& w)
{
    const CRect in = frameInsets(w.style, w.exStyle);
    if (in.IsRectNull()) return;
    const HDC hdc = GetWindowDC(w.handle);
    CRect r(CPoint(0, 0), screenRect(w).Size());
    if (w.style & (WS_THICKFRAME | WS_DLGFRAME)) {
        const int width = w.style & WS_THICKFRAME ? 4 : 3;
        for (int i = 2; i < width; ++i) {
            CRect band = r;
            band.DeflateRect(i, i);
            edge(hdc, band, GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_3DFACE));
        }
        edge(hdc, r, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
        CRect inner = r;
        inner.DeflateRect(1, 1);
        edge(hdc, inner, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW));
        r.DeflateRect(width, width);
    } else if (w.style & WS_BORDER) {
        edge(hdc, r, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
        r.DeflateRect(1, 1);
    }
    if ((w.style & WS_CAPTION) == WS_CAPTION) {
        const int caption = in.top - in.left;
        paintCaption(hdc, w, CRect(r.left, r.top, r.right, r.top + caption), closeBoxInWindow(w));
        r.top += caption;
    }
    if (w.exStyle & WS_EX_CLIENTEDGE) {
        edge(hdc, r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
        r.DeflateRect(1, 1);
        edge(hdc, r, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    }
    ReleaseDC(w.handle, hdc);
}

} // namespace platform::wm

LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    Window* w = find(hWnd);
    if (!w) return 0;
    switch (Msg) {
    case WM_NCCREATE: return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_NCPAINT: paintFrame(*w); return 0;
    case WM_ERASEBKGND: return eraseBackground(*w, (HDC)wParam);
    case WM_NCHITTEST: return hitCode(*w, lParam);
    case WM_SETCURSOR: return setCursor(*w, wParam, lParam);
    case WM_SETTEXT:
        w->text = lParam ? (LPCWSTR)lParam : L"";
        if ((w->style & WS_CAPTION) == WS_CAPTION) w->frame = true;
        return TRUE;
    case WM_GETTEXT: return copyText(*w, wParam, (LPWSTR)lParam);
    case WM_GETTEXTLENGTH: return (LRESULT)w->text.size();
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_MOUSEWHEEL: return w->parent ? SendMessageW(w->parent, Msg, wParam, lParam) : 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCLOSE && !closeDisabled(hWnd)) trackCloseBox(hWnd);
        return 0;
    case WM_GETTITLEBARINFOEX: return titleBarInfo(*w, (TITLEBARINFOEX*)lParam);
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageW(hWnd, WM_CLOSE, 0, 0);
        return 0;
    default: return 0;
    }
}
