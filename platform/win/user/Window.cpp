// The Win32 functions that create and destroy windows and reach them: classes,
// the window tree, window data, texts and the window procedure.
#include "win/user/WindowManager.h"

#include "win/user/Controls.h"
#include "win/user/ObjectHooks.h"

#include <algorithm>
#include <cwchar>

using namespace platform::wm;

namespace {

Window& topLevelOf(Window& w)
{
    Window* t = &w;
    while (t->parent)
        if (Window* p = find(t->parent)) t = p;
        else break;
    return *t;
}

void sendCreationSizes(HWND h)
{
    const Window* w = find(h);
    if (!w) return;
    const CRect client = clientScreenRect(*w);
    const CPoint origin = clientOriginInParent(*w);
    SendMessageW(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    if (IsWindow(h)) SendMessageW(h, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}

void markDestroying(Window& w)
{
    w.destroying = true;
    for (HWND c : w.children)
        if (Window* child = find(c)) markDestroying(*child);
}

// Children go in z-order, top first, as GetWindow lists them.
std::vector<HWND> childrenTopFirst(HWND h)
{
    const Window* w = find(h);
    return w ? std::vector<HWND>(w->children.rbegin(), w->children.rend()) : std::vector<HWND>();
}

void sendDestroy(HWND h)
{
    SendMessageW(h, WM_DESTROY, 0, 0);
    for (HWND c : childrenTopFirst(h)) sendDestroy(c);
}

void sendNcDestroyAndFree(HWND h)
{
    for (HWND c : childrenTopFirst(h)) sendNcDestroyAndFree(c);
    SendMessageW(h, WM_NCDESTROY, 0, 0);
    forgetTimers(h);
    forgetInput(h);
    forgetMessages(h);
    forgetSystemMenu(h);
    if (const auto hook = platform::objectHooks().windowDestroyed) hook(h);
    remove(h);
}

std::vector<HWND> ownedBy(HWND owner)
{
    std::vector<HWND> owned;
    forEachWindow([&](Window& w) {
        if (w.owner == owner) owned.push_back(w.handle);
    });
    return owned;
}

} // namespace

ATOM RegisterClassW(const WNDCLASSW* lpWndClass)
{
    if (!lpWndClass || !lpWndClass->lpszClassName || !lpWndClass->lpfnWndProc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (findClass(lpWndClass->lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    static ATOM nextAtom = 0xC000;
    addClass(WindowClass{lpWndClass->lpszClassName, lpWndClass->style, lpWndClass->lpfnWndProc,
                         lpWndClass->hCursor, lpWndClass->hbrBackground});
    return nextAtom++;
}

HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int x, int y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    platform::RegisterControlClasses();
    const WindowClass* cls = findClass(lpClassName);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    Window* parent = nullptr;
    if (hWndParent && !(parent = findOrFail(hWndParent))) return nullptr;
    if ((dwStyle & WS_CHILD) && !parent) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    auto w = std::make_unique<Window>();
    w->cls = cls;
    w->proc = cls->proc;
    // Visible only once created.
    w->style = dwStyle & ~WS_VISIBLE;
    w->exStyle = dwExStyle;
    if (dwStyle & WS_CHILD) {
        w->parent = hWndParent;
        w->id = (UINT)(UINT_PTR)hMenu;
    } else if (parent) {
        w->owner = topLevelOf(*parent).handle;
    }
    w->rect = CRect(x, y, x + std::max(nWidth, 0), y + std::max(nHeight, 0));
    w->text = lpWindowName ? lpWindowName : L"";
    const HWND h = add(std::move(w));
    if (const auto hook = platform::objectHooks().windowCreated) hook(h);

    CREATESTRUCTW cs{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, y, x, (LONG)dwStyle, lpWindowName,
                     lpClassName, dwExStyle};
    if (!SendMessageW(h, WM_NCCREATE, 0, (LPARAM)&cs) || SendMessageW(h, WM_CREATE, 0, (LPARAM)&cs) == -1) {
        DestroyWindow(h);
        return nullptr;
    }
    sendCreationSizes(h);
    if ((dwStyle & WS_VISIBLE) && IsWindow(h)) ShowWindow(h, SW_SHOW);
    return IsWindow(h) ? h : nullptr;
}

BOOL DestroyWindow(HWND hWnd)
{
    Window* w = findOrFail(hWnd);
    if (!w || w->destroying) return FALSE;
    for (HWND owned : ownedBy(hWnd)) DestroyWindow(owned);
    if (!(w = find(hWnd)) || w->destroying) return TRUE;
    if (w->style & WS_VISIBLE) {
        const bool wasShown = shownOnScreen(*w);
        w->style &= ~WS_VISIBLE;
        if (wasShown) expose(*w, screenRect(*w));
    }
    markDestroying(*w);
    sendDestroy(hWnd);
    sendNcDestroyAndFree(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd)
{
    return find(hWnd) != nullptr;
}

HWND GetParent(HWND hWnd)
{
    const Window* w = findOrFail(hWnd);
    return w ? (w->parent ? w->parent : w->owner) : nullptr;
}

BOOL IsChild(HWND hWndParent, HWND hWnd)
{
    for (const Window* w = find(hWnd); w && w->parent; w = find(w->parent))
        if (w->parent == hWndParent) return TRUE;
    return FALSE;
}

HWND GetWindow(HWND hWnd, UINT uCmd)
{
    const Window* w = findOrFail(hWnd);
    if (!w) return nullptr;
    if (uCmd == GW_OWNER) return w->owner;
    if (uCmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.back();
    // Siblings are listed bottom to top; "next" is the one below.
    const std::vector<HWND>& list = siblings(*w);
    const auto it = std::find(list.begin(), list.end(), hWnd);
    switch (uCmd) {
    case GW_HWNDFIRST: return list.back();
    case GW_HWNDLAST: return list.front();
    case GW_HWNDNEXT: return it == list.begin() ? nullptr : *(it - 1);
    case GW_HWNDPREV: return it + 1 == list.end() ? nullptr : *(it + 1);
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    const Window* w = findOrFail(hDlg);
    if (!w) return nullptr;
    for (HWND c : w->children)
        if (const Window* child = find(c); child && child->id == (UINT)nIDDlgItem) return c;
    return nullptr;
}

int GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount)
{
    const Window* w = findOrFail(hWnd);
    if (!w || !lpClassName || nMaxCount <= 0) return 0;
    const size_t n = std::min(w->cls->name.size(), (size_t)nMaxCount - 1);
    std::wmemcpy(lpClassName, w->cls->name.c_str(), n);
    lpClassName[n] = 0;
    return (int)n;
}

int GetDlgCtrlID(HWND hWnd)
{
    const Window* w = findOrFail(hWnd);
    return w && w->isChild() ? (int)w->id : 0;
}

LONG GetWindowLongW(HWND hWnd, int nIndex)
{
    return (LONG)GetWindowLongPtrW(hWnd, nIndex);
}

LONG SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong)
{
    return (LONG)SetWindowLongPtrW(hWnd, nIndex, dwNewLong);
}

LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex)
{
    const Window* w = findOrFail(hWnd);
    if (!w) return 0;
    switch (nIndex) {
    case GWL_STYLE: return (LONG_PTR)w->style;
    case GWL_EXSTYLE: return (LONG_PTR)w->exStyle;
    case GWLP_WNDPROC: return (LONG_PTR)w->proc;
    case GWLP_ID: return (LONG_PTR)w->id;
    case GWLP_USERDATA: return w->userData;
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
    }
}

LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    Window* w = findOrFail(hWnd);
    if (!w) return 0;
    const LONG_PTR old = GetWindowLongPtrW(hWnd, nIndex);
    switch (nIndex) {
    case GWL_STYLE: w->style = (DWORD)dwNewLong; break;
    case GWL_EXSTYLE: w->exStyle = (DWORD)dwNewLong; break;
    case GWLP_WNDPROC:
        if (!dwNewLong) return 0;
        w->proc = (WNDPROC)dwNewLong;
        break;
    case GWLP_ID: w->id = (UINT)dwNewLong; break;
    case GWLP_USERDATA: w->userData = dwNewLong; break;
    default: return 0;
    }
    return old;
}

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString)
{
    return findOrFail(hWnd) && SendMessageW(hWnd, WM_SETTEXT, 0, (LPARAM)lpString);
}

int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount)
{
    if (!findOrFail(hWnd) || !lpString || nMaxCount <= 0) return 0;
    return (int)SendMessageW(hWnd, WM_GETTEXT, (WPARAM)nMaxCount, (LPARAM)lpString);
}

int GetWindowTextLengthW(HWND hWnd)
{
    return findOrFail(hWnd) ? (int)SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0) : 0;
}

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    const Window* w = findOrFail(hWnd);
    return w ? w->proc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}
