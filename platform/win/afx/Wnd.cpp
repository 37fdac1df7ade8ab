#include "win/afx/Wnd.h"

#include "win/kernel/ModuleState.h"
#include "win/user/ObjectHooks.h"

#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

using namespace platform;

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

// The object whose CreateEx is running, attached to the next window created.
CWnd* creating = nullptr;

// A temporary object for each window without one that FromHandle was asked for.
class TemporaryWnd : public CWnd {
public:
    explicit TemporaryWnd(HWND h) : CWnd(h) {}
    ~TemporaryWnd() override { m_hWnd = nullptr; }
};

std::unordered_map<HWND, std::unique_ptr<TemporaryWnd>>& temporaries()
{
    static auto* t = new std::unordered_map<HWND, std::unique_ptr<TemporaryWnd>>; // see win/user/WindowManager.cpp
    return *t;
}

void ensureAfxWndClass()
{
    static bool registered = false;
    if (registered) return;
    registered = true;
    const WNDCLASSW cls{CS_DBLCLKS, DefWindowProcW, 0, 0, nullptr, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                        nullptr, nullptr, L"AfxWnd"};
    RegisterClassW(&cls);
}

// Attaches the object whose CreateEx is running to its new window.
void attachCreatingWnd(HWND h)
{
    if (!creating) return;
    creating->SubclassWindow(h);
    creating = nullptr;
}

// Drops the temporary object of a destroyed window.
void forgetWnd(HWND h)
{
    temporaries().erase(h);
}

// USER tells this layer about every window created and destroyed from the
// time it is loaded.
[[maybe_unused]] const bool windowHooksInstalled = [] {
    objectHooks().windowCreated = attachCreatingWnd;
    objectHooks().windowDestroyed = forgetWnd;
    return true;
}();

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (CWnd* w = FromHandlePermanent(hWnd)) return w;
    if (!::IsWindow(hWnd)) return nullptr;
    auto& slot = temporaries()[hWnd];
    if (!slot) slot = std::make_unique<TemporaryWnd>(hWnd);
    return slot.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return static_cast<CWnd*>(WindowObject(hWnd));
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!::IsWindow(hWndNew) || WindowObject(hWndNew) || m_hWnd) return FALSE;
    SetWindowObject(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    const HWND h = m_hWnd;
    if (WindowObject(h) == this) SetWindowObject(h, nullptr);
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd)) return FALSE;
    m_pfnSuper = (WNDPROC)SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
    return TRUE;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    if (dwStyle & WS_POPUP) return FALSE;
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd) return FALSE;
    CREATESTRUCTW cs{lpParam,  AfxGetInstanceHandle(), nIDorHMenu,     hWndParent, nHeight, nWidth, y, x,
                     (LONG)dwStyle, lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    CWnd* const outer = creating;
    creating = this;
    const HWND h = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y, cs.cx,
                                   cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    const bool attached = creating != this;
    creating = outer;
    // A failure before the window existed: the object never had a window.
    if (!attached) PostNcDestroy();
    return h != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!cs.lpszClass) {
        ensureAfxWndClass();
        cs.lpszClass = L"AfxWnd";
    }
    return TRUE;
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD old = GetStyle();
    const DWORD style = (old & ~dwRemove) | dwAdd;
    if (style == old) return FALSE;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, (LONG)style);
    if (nFlags) ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | nFlags);
    return TRUE;
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)&lpRect->left);
    ::ClientToScreen(m_hWnd, (LPPOINT)&lpRect->right);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)&lpRect->left);
    ::ScreenToClient(m_hWnd, (LPPOINT)&lpRect->right);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int n = GetWindowTextLength();
    std::wstring text((size_t)n + 1, L'\0');
    text.resize((size_t)::GetWindowTextW(m_hWnd, text.data(), n + 1));
    rString = text.c_str();
}

void CWnd::SetDlgItemText(int nID, LPCWSTR lpszString)
{
    if (const HWND item = ::GetDlgItem(m_hWnd, nID)) ::SetWindowTextW(item, lpszString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (CWnd* item = GetDlgItem(nID)) item->GetWindowText(rString);
    return rString.GetLength();
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return !prgnUpdate && ::RedrawWindow(m_hWnd, lpRectUpdate, nullptr, flags);
}

CDC* CWnd::GetDC()
{
    auto* dc = new CDC;
    dc->Attach(::GetDC(m_hWnd));
    return dc;
}

CDC* CWnd::GetWindowDC()
{
    auto* dc = new CDC;
    dc->Attach(::GetWindowDC(m_hWnd));
    return dc;
}

int CWnd::ReleaseDC(CDC* pDC)
{
    if (!pDC) return 0;
    const int released = ::ReleaseDC(m_hWnd, pDC->Detach());
    delete pDC;
    return released;
}

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON)
{
    // One name per set of attributes, kept for the life of the process.
    static std::map<std::tuple<UINT, HCURSOR, HBRUSH>, std::wstring> names;
    std::wstring& name = names[{nClassStyle, hCursor, hbrBackground}];
    if (name.empty()) {
        name = L"Afx:" + std::to_wstring(names.size());
        const WNDCLASSW cls{nClassStyle, DefWindowProcW, 0, 0, nullptr, nullptr, hCursor, hbrBackground,
                            nullptr, name.c_str()};
        RegisterClassW(&cls);
    }
    return name.c_str();
}
