#include "win/desktop/CommonDialogWindow.h"

#include "win/display/Display.h"
#include "win/user/DialogKeys.h"
#include "win/user/DialogTemplate.h"
#include "win/user/Input.h"

#include <algorithm>

namespace platform {

namespace {

// Centred over the owner, or the screen, and kept on the screen.
CRect centred(HWND owner, CRect window)
{
    const CSize screen = display().screenSize();
    CRect area(CPoint(0, 0), screen);
    if (owner) GetWindowRect(owner, &area);
    window.OffsetRect(area.CenterPoint() - window.CenterPoint());
    window.OffsetRect(std::min(0L, (LONG)(screen.cx - window.right)), std::min(0L, (LONG)(screen.cy - window.bottom)));
    window.OffsetRect(std::max(0L, -window.left), std::max(0L, -window.top));
    return window;
}

} // namespace

bool CommonDialogWindow::create(HWND owner, LPCWSTR caption, CSize client)
{
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    CRect window(CPoint(0, 0), client);
    AdjustWindowRectEx(&window, style, FALSE, 0);
    m_owner = owner && IsWindow(owner) ? owner : nullptr;
    window = centred(m_owner, window);
    m_focusBefore = GetFocus();
    m_hWnd = CreateWindowExW(WS_EX_TOPMOST, WC_DIALOG, caption, style, window.left, window.top, window.Width(),
                             window.Height(), m_owner, nullptr, nullptr, nullptr);
    if (!m_hWnd) {
        m_result = IDCANCEL;
        return false;
    }
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)proc);
    m_ownerWasDisabled = m_owner && !IsWindowEnabled(m_owner);
    if (m_owner) EnableWindow(m_owner, FALSE);
    BeginDialogLoop(m_hWnd);
    return true;
}

void CommonDialogWindow::show()
{
    if (!m_hWnd) return;
    ShowWindow(m_hWnd, SW_SHOW);
    if (const HWND first = GetNextDlgTabItem(m_hWnd, nullptr, FALSE)) SetFocus(first);
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

CommonDialogWindow::~CommonDialogWindow()
{
    if (!m_hWnd) return;
    EndDialogLoop(m_hWnd);
    if (m_owner && IsWindow(m_owner)) EnableWindow(m_owner, !m_ownerWasDisabled);
    if (IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hWnd);
    }
    if (m_focusBefore && IsWindow(m_focusBefore)) SetFocus(m_focusBefore);
}

HWND CommonDialogWindow::addControl(LPCWSTR cls, UINT id, LPCWSTR text, DWORD style, const CRect& r)
{
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.Width(), r.Height(), m_hWnd,
                           (HMENU)(UINT_PTR)id, nullptr, nullptr);
}

LRESULT CALLBACK CommonDialogWindow::proc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = (CommonDialogWindow*)GetWindowLongPtrW(h, GWLP_USERDATA);
    return self ? self->handle(message, wParam, lParam) : DefDlgProcW(h, message, wParam, lParam);
}

LRESULT CommonDialogWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam), code = HIWORD(wParam);
        if (id == IDOK && code == BN_CLICKED) {
            if (!m_result && accept()) m_result = IDOK;
        } else if (id == IDCANCEL && code == BN_CLICKED) {
            if (!m_result) m_result = IDCANCEL;
        } else {
            onCommand(id, code);
        }
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(m_hWnd, &ps);
        onPaint(dc);
        EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: onClick(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); return 0;
    default: return DefDlgProcW(m_hWnd, message, wParam, lParam);
    }
}

HWND ActiveTopLevelWindow()
{
    HWND h = GetFocus();
    while (h && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) h = GetParent(h);
    return h;
}

} // namespace platform
