// The predefined classes and what their controls share.
#include "win/user/ControlSupport.h"

#include "win/user/DialogTemplate.h"
#include "win/gdi/GdiHandles.h"
#include "win/gdi/SysColors.h"
#include "win/user/WindowManager.h"

#include <unordered_map>

namespace platform {

void RegisterControlClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    const auto brush = [](int index) { return (HBRUSH)(uintptr_t)(index + 1); };
    const WNDCLASSW classes[] = {
        {CS_DBLCLKS, ctl::buttonProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, WC_BUTTON},
        {0, ctl::staticProc, 0, 0, nullptr, nullptr, nullptr, brush(COLOR_3DFACE), nullptr, WC_STATIC},
        {0, ctl::editProc, 0, 0, nullptr, nullptr, nullptr, brush(COLOR_WINDOW), nullptr, WC_EDIT},
        {CS_DBLCLKS, ctl::listBoxProc, 0, 0, nullptr, nullptr, nullptr, brush(COLOR_WINDOW), nullptr, WC_LISTBOX},
        {0, ctl::progressProc, 0, 0, nullptr, nullptr, nullptr, brush(COLOR_3DFACE), nullptr, PROGRESS_CLASS},
        {CS_DBLCLKS, DefDlgProcW, 0, 0, nullptr, nullptr, nullptr, brush(COLOR_3DFACE), nullptr, WC_DIALOG},
        {0, ctl::menuProc, 0, 0, nullptr, nullptr, nullptr, brush(COLOR_MENU), nullptr, WC_POPUPMENU},
    };
    for (const WNDCLASSW& c : classes) RegisterClassW(&c);
}

} // namespace platform

namespace platform::ctl {

namespace {

std::unordered_map<HWND, HFONT>& fonts()
{
    static auto* f = new std::unordered_map<HWND, HFONT>; // see WindowManager.cpp
    return *f;
}

} // namespace

bool fontMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SETFONT:
        fonts()[h] = (HFONT)wParam;
        if (LOWORD(lParam)) InvalidateRect(h, nullptr, TRUE);
        result = 0;
        return true;
    case WM_GETFONT: {
        const auto it = fonts().find(h);
        result = it == fonts().end() ? 0 : (LRESULT)it->second;
        return true;
    }
    case WM_NCDESTROY: fonts().erase(h); return false;
    default: return false;
    }
}

HFONT fontOf(HWND h)
{
    const auto it = fonts().find(h);
    return it != fonts().end() && it->second ? it->second : (HFONT)GetStockObject(DEFAULT_GUI_FONT);
}

std::wstring textOf(HWND h)
{
    std::wstring text((size_t)GetWindowTextLengthW(h) + 1, L'\0');
    text.resize((size_t)GetWindowTextW(h, text.data(), (int)text.size()));
    return text;
}

WCHAR mnemonicOf(std::wstring_view text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return text[i + 1];
        ++i;
    }
    return 0;
}

void fillRect(HDC hdc, const CRect& r, COLORREF color)
{
    gdi::fillSolid(hdc, r, color);
}

void drawEdge(HDC hdc, const CRect& r, bool sunken)
{
    const auto edge = [hdc](const CRect& e, COLORREF topLeft, COLORREF bottomRight) {
        fillRect(hdc, CRect(e.left, e.top, e.right - 1, e.top + 1), topLeft);
        fillRect(hdc, CRect(e.left, e.top, e.left + 1, e.bottom - 1), topLeft);
        fillRect(hdc, CRect(e.left, e.bottom - 1, e.right, e.bottom), bottomRight);
        fillRect(hdc, CRect(e.right - 1, e.top, e.right, e.bottom), bottomRight);
    };
    CRect inner = r;
    inner.DeflateRect(1, 1);
    if (sunken) {
        edge(r, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DHILIGHT));
        edge(inner, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DLIGHT));
    } else {
        edge(r, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DDKSHADOW));
        edge(inner, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DSHADOW));
    }
}

PaintScope::PaintScope(HWND h) : m_hWnd(h)
{
    BeginPaint(h, &m_ps);
    m_oldFont = SelectObject(m_ps.hdc, fontOf(h));
    GetClientRect(h, &m_client);
}

PaintScope::~PaintScope()
{
    SelectObject(m_ps.hdc, m_oldFont);
    EndPaint(m_hWnd, &m_ps);
}

} // namespace platform::ctl
