#include "win/user/MenuData.h"

#include "win/kernel/Resources.h"
#include "win/user/Input.h"
#include "win/user/ObjectHooks.h"
#include "win/user/WindowManager.h"

#include <algorithm>

#include <cwchar>
#include <memory>
#include <unordered_map>

namespace platform::menus {

namespace {

struct Table {
    std::unordered_map<HMENU, std::unique_ptr<Menu>> menus;
    uintptr_t next = 0x300000;
};

Table& table()
{
    static auto* t = new Table; // see WindowManager.cpp
    return *t;
}

// Builds the items of one level from items[i] on, while their depth is `depth`.
HMENU build(std::span<const winres::MenuItemResource> items, size_t& i, int depth)
{
    const HMENU h = add();
    while (i < items.size() && items[i].depth >= depth) {
        const winres::MenuItemResource& r = items[i++];
        Item item{r.id, r.text ? r.text : L"", (UINT)r.flags, nullptr};
        if (r.flags & MF_POPUP) item.sub = build(items, i, depth + 1);
        find(h)->items.push_back(std::move(item));
    }
    return h;
}

} // namespace

Menu* find(HMENU h)
{
    const auto it = table().menus.find(h);
    return it == table().menus.end() ? nullptr : it->second.get();
}

HMENU add()
{
    const HMENU h = (HMENU)(table().next += 4);
    table().menus[h] = std::make_unique<Menu>();
    return h;
}

void remove(HMENU h)
{
    table().menus.erase(h);
}

Item* findItem(HMENU h, UINT id, UINT flags, HMENU* owner)
{
    Menu* m = find(h);
    if (!m) return nullptr;
    if (flags & MF_BYPOSITION) {
        if (id >= m->items.size()) return nullptr;
        if (owner) *owner = h;
        return &m->items[id];
    }
    for (Item& item : m->items) {
        if (item.sub) {
            if (Item* inner = findItem(item.sub, id, flags, owner)) return inner;
        } else if (!(item.flags & MF_SEPARATOR) && item.id == id) {
            if (owner) *owner = h;
            return &item;
        }
    }
    return nullptr;
}

HMENU fromResource(const winres::MenuResource& resource)
{
    size_t i = 0;
    return build(resource.items, i, 0);
}

} // namespace platform::menus

using namespace platform;

HMENU LoadMenuW(HINSTANCE hInstance, LPCWSTR lpMenuName)
{
    if (!IS_INTRESOURCE(lpMenuName)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const winres::MenuResource* r = FindMenuResource(hInstance, (UINT)(uintptr_t)lpMenuName);
    if (!r) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return menus::fromResource(*r);
}

BOOL DestroyMenu(HMENU hMenu)
{
    menus::Menu* m = menus::find(hMenu);
    if (!m) return FALSE;
    for (const menus::Item& item : m->items)
        if (item.sub) DestroyMenu(item.sub);
    menus::remove(hMenu);
    if (const auto hook = objectHooks().menuDestroyed) hook(hMenu);
    return TRUE;
}

BOOL IsMenu(HMENU hMenu)
{
    return menus::find(hMenu) != nullptr;
}

HMENU GetSubMenu(HMENU hMenu, int nPos)
{
    const menus::Item* item = nPos < 0 ? nullptr : menus::findItem(hMenu, (UINT)nPos, MF_BYPOSITION);
    return item ? item->sub : nullptr;
}

int GetMenuItemCount(HMENU hMenu)
{
    const menus::Menu* m = menus::find(hMenu);
    return m ? (int)m->items.size() : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos)
{
    const menus::Item* item = nPos < 0 ? nullptr : menus::findItem(hMenu, (UINT)nPos, MF_BYPOSITION);
    if (!item || item->sub) return (UINT)-1;
    return item->flags & MF_SEPARATOR ? 0 : item->id;
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck)
{
    menus::Item* item = menus::findItem(hMenu, uIDCheckItem, uCheck);
    if (!item) return (DWORD)-1;
    const DWORD previous = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~(UINT)MF_CHECKED) | (uCheck & MF_CHECKED);
    return previous;
}

BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable)
{
    menus::Item* item = menus::findItem(hMenu, uIDEnableItem, uEnable);
    if (!item) return -1;
    const UINT mask = MF_GRAYED | MF_DISABLED;
    const BOOL previous = (BOOL)(item->flags & mask);
    item->flags = (item->flags & ~mask) | (uEnable & mask);
    return previous;
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
    const menus::Item* item = menus::findItem(hMenu, uId, uFlags);
    if (!item) return (UINT)-1;
    if (!item->sub) return item->flags;
    return ((UINT)GetMenuItemCount(item->sub) << 8) | (item->flags & 0xFF);
}

BOOL InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem)
{
    if (uFlags & MF_POPUP) return FALSE;
    HMENU owner = hMenu;
    menus::Menu* m = menus::find(hMenu);
    if (!m) return FALSE;
    size_t pos = m->items.size();
    if (uFlags & MF_BYPOSITION) {
        pos = std::min<size_t>(uPosition, pos);
    } else {
        const menus::Item* item = menus::findItem(hMenu, uPosition, MF_BYCOMMAND, &owner);
        if (!item) return FALSE;
        m = menus::find(owner);
        pos = (size_t)(item - m->items.data());
    }
    menus::Item item;
    item.id = uFlags & MF_SEPARATOR ? 0 : (UINT)uIDNewItem;
    item.text = uFlags & MF_SEPARATOR || !lpNewItem ? L"" : lpNewItem;
    item.flags = uFlags & (MF_SEPARATOR | MF_CHECKED | MF_GRAYED | MF_DISABLED);
    m->items.insert(m->items.begin() + (long)pos, std::move(item));
    return TRUE;
}

int GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int cchMax, UINT flags)
{
    const menus::Item* item = menus::findItem(hMenu, uIDItem, flags);
    if (!item) return 0;
    if (!lpString || cchMax <= 0) return (int)item->text.size();
    const int n = std::min((int)item->text.size(), cchMax - 1);
    std::wmemcpy(lpString, item->text.c_str(), (size_t)n);
    lpString[n] = 0;
    return n;
}

namespace {

std::unordered_map<HWND, HMENU>& systemMenus()
{
    static auto* m = new std::unordered_map<HWND, HMENU>; // see WindowManager.cpp
    return *m;
}

HMENU systemMenuOf(HWND h)
{
    const auto it = systemMenus().find(h);
    return it != systemMenus().end() && IsMenu(it->second) ? it->second : nullptr;
}

} // namespace

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert)
{
    const platform::wm::Window* w = platform::wm::findOrFail(hWnd);
    if (!w || !(w->style & WS_SYSMENU)) return nullptr;
    if (bRevert) {
        platform::wm::forgetSystemMenu(hWnd);
        return nullptr;
    }
    if (const HMENU existing = systemMenuOf(hWnd)) return existing;
    const HMENU h = menus::add();
    menus::find(h)->items.push_back(menus::Item{SC_CLOSE, L"&Close\tAlt+F4", 0, nullptr});
    systemMenus()[hWnd] = h;
    return h;
}

namespace platform::wm {

bool closeDisabled(HWND h)
{
    const HMENU menu = systemMenuOf(h);
    const menus::Item* close = menu ? menus::findItem(menu, SC_CLOSE, MF_BYCOMMAND) : nullptr;
    return close && (close->flags & (MF_GRAYED | MF_DISABLED));
}

void forgetSystemMenu(HWND h)
{
    if (const HMENU menu = systemMenuOf(h)) DestroyMenu(menu);
    systemMenus().erase(h);
}

} // namespace platform::wm
