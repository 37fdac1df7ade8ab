#include "win/afx/Menu.h"

#include "win/afx/Wnd.h"
#include "win/kernel/ModuleState.h"
#include "win/user/ObjectHooks.h"

#include <memory>
#include <unordered_map>

namespace {

// A temporary object for each menu without one that FromHandle was asked for.
std::unordered_map<HMENU, std::unique_ptr<CMenu>>& temporaries()
{
    static auto* t = new std::unordered_map<HMENU, std::unique_ptr<CMenu>>; // see win/user/WindowManager.cpp
    return *t;
}

std::unordered_map<HMENU, CMenu*>& permanents()
{
    static auto* p = new std::unordered_map<HMENU, CMenu*>; // see win/user/WindowManager.cpp
    return *p;
}

void forgetTemporary(HMENU h)
{
    const auto it = temporaries().find(h);
    if (it == temporaries().end()) return;
    it->second->m_hMenu = nullptr;
    temporaries().erase(it);
}

// USER tells this layer about every destroyed menu from the time it is loaded.
[[maybe_unused]] const bool menuHookInstalled = [] {
    platform::objectHooks().menuDestroyed = forgetTemporary;
    return true;
}();

} // namespace

CMenu::~CMenu()
{
    if (m_hMenu) ::DestroyMenu(Detach());
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (!IsMenu(hMenu)) return nullptr;
    if (const auto it = permanents().find(hMenu); it != permanents().end()) return it->second;
    auto& slot = temporaries()[hMenu];
    if (!slot) {
        slot = std::make_unique<CMenu>();
        slot->m_hMenu = hMenu;
    }
    return slot.get();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu || !IsMenu(hMenu) || permanents().count(hMenu)) return FALSE;
    m_hMenu = hMenu;
    permanents()[hMenu] = this;
    return TRUE;
}

HMENU CMenu::Detach()
{
    const HMENU h = m_hMenu;
    if (const auto it = permanents().find(h); it != permanents().end() && it->second == this)
        permanents().erase(it);
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEW(nIDResource));
}

BOOL CMenu::LoadMenu(LPCWSTR lpszResourceName)
{
    if (m_hMenu) return FALSE;
    return Attach(::LoadMenuW(AfxFindResourceHandle(lpszResourceName, RT_MENU), lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    return m_hMenu && ::DestroyMenu(Detach());
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const int n = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    std::wstring text((size_t)n + 1, L'\0');
    text.resize((size_t)::GetMenuStringW(m_hMenu, nIDItem, text.data(), n + 1, nFlags));
    rString = text.c_str();
    return (int)text.size();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}

CMenu* afx::menuOf(WPARAM handle)
{
    return CMenu::FromHandle((HMENU)handle);
}
