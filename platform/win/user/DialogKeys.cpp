// The dialog keyboard interface.
//
// IsDialogMessageW(dialog, key message of a window of the dialog)
//   -> WM_GETDLGCODE to that window: the keys it handles itself
//   -> WM_KEYDOWN: Tab / Shift+Tab -> SetFocus(GetNextDlgTabItem(...));
//      Enter -> WM_COMMAND of a push button; Esc -> WM_COMMAND IDCANCEL
//   -> WM_SYSCHAR (Alt+key), or WM_CHAR the window does not take
//      -> mnemonic search from the focus on -> SetFocus, BM_CLICK for a push
//         button (the button sends BN_CLICKED)
//   -> the WM_CHAR that TranslateMessage made of Tab, Enter and Esc is
//      swallowed, so that the control never sees it.
#include "win/user/DialogKeys.h"

#include "win/user/ControlSupport.h"
#include "win/user/Input.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace {

DWORD styleOf(HWND h)
{
    return (DWORD)GetWindowLongW(h, GWL_STYLE);
}

bool usable(HWND h)
{
    return (styleOf(h) & WS_VISIBLE) && !(styleOf(h) & WS_DISABLED);
}

bool isTabStop(HWND h)
{
    return usable(h) && (styleOf(h) & WS_TABSTOP);
}

UINT dialogCode(HWND h, LPMSG msg)
{
    return (UINT)SendMessageW(h, WM_GETDLGCODE, msg ? msg->wParam : 0, (LPARAM)msg);
}

bool isPushButton(HWND h)
{
    return dialogCode(h, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
}

std::vector<HWND> controlsOf(HWND hDlg)
{
    std::vector<HWND> controls;
    for (HWND c = GetWindow(hDlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) controls.push_back(c);
    return controls;
}

// The dialog's own control that holds h (h itself, or its ancestor).
HWND controlHolding(HWND hDlg, HWND h)
{
    while (h && (styleOf(h) & WS_CHILD) && GetParent(h) != hDlg) h = GetParent(h);
    return h && GetParent(h) == hDlg ? h : nullptr;
}

// The id of the default push button, IDOK when there is none.
int defaultButtonId(HWND hDlg)
{
    for (HWND c : controlsOf(hDlg))
        if (dialogCode(c, nullptr) & DLGC_DEFPUSHBUTTON) return GetDlgCtrlID(c);
    return IDOK;
}

void sendCommand(HWND hDlg, int id)
{
    const HWND control = GetDlgItem(hDlg, id);
    if (control && !IsWindowEnabled(control)) return;
    SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)control);
}

bool hasMnemonic(HWND h, WCHAR key)
{
    if ((dialogCode(h, nullptr) & DLGC_STATIC) && (styleOf(h) & SS_NOPREFIX)) return false;
    const WCHAR m = platform::ctl::mnemonicOf(platform::ctl::textOf(h));
    return m && std::towupper(m) == std::towupper(key);
}

// The first control after `from` (round the dialog) with that mnemonic.
HWND controlWithMnemonic(HWND hDlg, HWND from, WCHAR key)
{
    const std::vector<HWND> controls = controlsOf(hDlg);
    size_t start = 0;
    for (size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == from) start = i + 1;
    for (size_t k = 0; k < controls.size(); ++k) {
        const HWND c = controls[(start + k) % controls.size()];
        if (usable(c) && hasMnemonic(c, key)) return c;
    }
    return nullptr;
}

BOOL pressMnemonic(HWND hDlg, HWND focus, WCHAR key)
{
    const HWND c = controlWithMnemonic(hDlg, controlHolding(hDlg, focus), key);
    if (!c) return FALSE;
    if (dialogCode(c, nullptr) & DLGC_STATIC) {
        // A label hands the focus to the control it labels.
        for (HWND next = GetWindow(c, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
            if (isTabStop(next)) {
                SetFocus(next);
                break;
            }
        return TRUE;
    }
    SetFocus(c);
    if (isPushButton(c)) SendMessageW(c, BM_CLICK, 0, 0);
    return TRUE;
}

BOOL keyDown(HWND hDlg, const MSG& msg, UINT code)
{
    switch (msg.wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB) return FALSE;
        const bool back = GetKeyState(VK_SHIFT) < 0;
        if (const HWND next = GetNextDlgTabItem(hDlg, controlHolding(hDlg, msg.hwnd), back)) SetFocus(next);
        return TRUE;
    }
    case VK_ESCAPE: sendCommand(hDlg, IDCANCEL); return TRUE;
    case VK_RETURN: {
        const HWND focused = controlHolding(hDlg, msg.hwnd);
        sendCommand(hDlg, focused && isPushButton(focused) ? GetDlgCtrlID(focused) : defaultButtonId(hDlg));
        return TRUE;
    }
    default: return FALSE;
    }
}

BOOL character(HWND hDlg, const MSG& msg, UINT code)
{
    const WCHAR c = (WCHAR)msg.wParam;
    if (c == L'\t') return !(code & DLGC_WANTTAB);
    if (c == 27 || c == L'\r') return TRUE;
    if ((code & DLGC_WANTCHARS) || !std::iswalnum(c)) return FALSE;
    return pressMnemonic(hDlg, msg.hwnd, c);
}

} // namespace

BOOL IsDialogMessageW(HWND hDlg, LPMSG lpMsg)
{
    if (!lpMsg || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd))) return FALSE;
    // Alt with a key is the dialog's, whatever the control takes.
    if (lpMsg->message == WM_SYSCHAR)
        return std::iswalnum((WCHAR)lpMsg->wParam) && pressMnemonic(hDlg, lpMsg->hwnd, (WCHAR)lpMsg->wParam);
    if (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_CHAR) return FALSE;
    const UINT code = dialogCode(lpMsg->hwnd, lpMsg);
    if (code & DLGC_WANTALLKEYS) return FALSE;
    return lpMsg->message == WM_KEYDOWN ? keyDown(hDlg, *lpMsg, code) : character(hDlg, *lpMsg, code);
}

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    const std::vector<HWND> controls = controlsOf(hDlg);
    const size_t n = controls.size();
    size_t at = bPrevious ? 0 : n - 1; // so that the first step lands on the first (last) control
    for (size_t i = 0; i < n; ++i)
        if (controls[i] == hCtl) at = i;
    for (size_t k = 1; k <= n; ++k) {
        const HWND c = controls[bPrevious ? (at + n - k) % n : (at + k) % n];
        if (isTabStop(c)) return c;
    }
    return nullptr;
}

namespace platform {

namespace {

std::vector<HWND>& dialogLoops()
{
    static auto* v = new std::vector<HWND>; // see WindowManager.cpp
    return *v;
}

} // namespace

void BeginDialogLoop(HWND dialog)
{
    dialogLoops().push_back(dialog);
}

void EndDialogLoop(HWND dialog)
{
    auto& loops = dialogLoops();
    const auto it = std::find(loops.rbegin(), loops.rend(), dialog);
    if (it != loops.rend()) loops.erase(std::next(it).base());
}

HWND DialogLoopWindow()
{
    for (auto it = dialogLoops().rbegin(); it != dialogLoops().rend(); ++it)
        if (IsWindow(*it)) return *it;
    return nullptr;
}

} // namespace platform
