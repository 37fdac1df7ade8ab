// Popup menus on the screen: TrackPopupMenu and the window that shows a menu.
// Items are a row each in the menu font: a check-mark column, the text (its
// mnemonic underlined, a tab's right part right-aligned), an arrow for a
// submenu; separators are an etched line; grayed items are in the gray-text
// colour. The window has a raised two-pixel edge.
#include "win/user/MenuData.h"

#include "win/user/ControlSupport.h"
#include "win/user/Input.h"
#include "win/display/Display.h"
#include "win/user/MessageQueue.h"
#include "win/gdi/SysColors.h"

#include <algorithm>
#include <unordered_map>

using namespace platform;

namespace {

constexpr int edgeWidth = 3;
constexpr int separatorHeight = 9;

MenuPrompts* installedPrompts = nullptr;

// A menu on the screen: what it shows, the row under the mouse and what the
// person chose there.
struct ShownMenu {
    HMENU menu = nullptr;
    int hot = -1;    // the item highlighted, -1 for none
    int choice = -1; // MenuWindowChoice, kept by the first menu window only
    HWND owner = nullptr;  // gets WM_INITMENUPOPUP for each submenu opened
    HWND parent = nullptr; // the menu window a submenu window opened from
    HWND child = nullptr;  // the submenu window open beside this one
};

std::unordered_map<HWND, ShownMenu>& shownMenus()
{
    static auto* m = new std::unordered_map<HWND, ShownMenu>; // see WindowManager.cpp
    return *m;
}

ShownMenu* shownMenu(HWND h)
{
    const auto it = shownMenus().find(h);
    return it == shownMenus().end() ? nullptr : &it->second;
}

struct MenuMetrics {
    HFONT font;
    int rowHeight;
    int checkWidth;
};

MenuMetrics metrics()
{
    static HFONT font = nullptr;
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    if (!font) font = CreateFontIndirectW(&m.lfMenuFont);
    return {font, m.iMenuHeight, m.iMenuHeight};
}

// The text left of a tab and right of it, each with its '&' marks.
std::pair<std::wstring, std::wstring> textParts(const menus::Item& item)
{
    const size_t tab = item.text.find(L'\t');
    if (tab == std::wstring::npos) return {item.text, L""};
    return {item.text.substr(0, tab), item.text.substr(tab + 1)};
}

// As shown: without the '&' marks.
int textWidth(HDC dc, const std::wstring& text)
{
    CRect r;
    DrawTextW(dc, text.c_str(), (int)text.size(), &r, DT_CALCRECT | DT_SINGLELINE);
    return r.Width();
}

CSize menuSize(const menus::Menu& menu)
{
    const MenuMetrics mm = metrics();
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, mm.font);
    int width = 0, height = 0;
    for (const menus::Item& item : menu.items) {
        height += item.flags & MF_SEPARATOR ? separatorHeight : mm.rowHeight;
        const auto [left, right] = textParts(item);
        width = std::max(width, textWidth(dc, left) + (right.empty() ? 0 : textWidth(dc, right) + mm.rowHeight));
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return CSize(width + 2 * mm.checkWidth + 2 * edgeWidth, height + 2 * edgeWidth);
}

// Each item's row in the window's client area.
std::vector<CRect> rows(const menus::Menu& menu, int width)
{
    const MenuMetrics mm = metrics();
    std::vector<CRect> r;
    int y = edgeWidth;
    for (const menus::Item& item : menu.items) {
        const int h = item.flags & MF_SEPARATOR ? separatorHeight : mm.rowHeight;
        r.emplace_back(edgeWidth, y, width - edgeWidth, y + h);
        y += h;
    }
    return r;
}

// An item's row in a menu window's client area.
CRect rowIn(HWND window, const menus::Menu& menu, size_t item)
{
    CRect client;
    GetClientRect(window, &client);
    return rows(menu, client.Width())[item];
}

void drawCheck(HDC dc, const CRect& box, COLORREF color)
{
    // A tick: down-right for three steps, then up-right for four, two pixels thick.
    const CPoint c = box.CenterPoint();
    for (int i = 0; i < 7; ++i) {
        const int x = c.x - 3 + i, y = i < 3 ? c.y - 1 + i : c.y + 1 - (i - 2);
        ctl::fillRect(dc, CRect(x, y, x + 1, y + 3), color);
    }
}

void drawArrow(HDC dc, const CRect& box, COLORREF color)
{
    const CPoint c = box.CenterPoint();
    for (int i = 0; i < 4; ++i) ctl::fillRect(dc, CRect(c.x - 2 + i, c.y - 3 + i, c.x - 1 + i, c.y + 4 - i), color);
}

void paintItem(HDC dc, const menus::Item& item, const CRect& row, const MenuMetrics& mm, bool hot)
{
    if (item.flags & MF_SEPARATOR) {
        const int y = row.top + row.Height() / 2 - 1;
        ctl::fillRect(dc, CRect(row.left + 1, y, row.right - 1, y + 1), GetSysColor(COLOR_3DSHADOW));
        ctl::fillRect(dc, CRect(row.left + 1, y + 1, row.right - 1, y + 2), GetSysColor(COLOR_3DHILIGHT));
        return;
    }
    const bool grayed = item.flags & (MF_GRAYED | MF_DISABLED);
    if (hot) ctl::fillRect(dc, row, GetSysColor(COLOR_HIGHLIGHT));
    const COLORREF color = GetSysColor(grayed ? COLOR_GRAYTEXT : hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    const CRect checkBox(row.left, row.top, row.left + mm.checkWidth, row.bottom);
    if (item.flags & MF_CHECKED) drawCheck(dc, checkBox, color);
    if (item.sub) drawArrow(dc, CRect(row.right - mm.checkWidth, row.top, row.right, row.bottom), color);
    const auto [left, right] = textParts(item);
    CRect text(checkBox.right, row.top, row.right - mm.checkWidth, row.bottom);
    SetTextColor(dc, color);
    DrawTextW(dc, left.c_str(), (int)left.size(), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    DrawTextW(dc, right.c_str(), (int)right.size(), &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

void paint(HWND h)
{
    ctl::PaintScope p(h);
    const CRect client = p.client();
    ctl::fillRect(p.dc(), client, GetSysColor(COLOR_MENU));
    ctl::drawEdge(p.dc(), client, false);
    const menus::Menu* menu = menus::find(MenuOfWindow(h));
    const ShownMenu* shown = shownMenu(h);
    if (!menu || !shown) return;
    const MenuMetrics mm = metrics();
    SelectObject(p.dc(), mm.font);
    SetBkMode(p.dc(), TRANSPARENT);
    const std::vector<CRect> r = rows(*menu, client.Width());
    for (size_t i = 0; i < menu->items.size(); ++i) paintItem(p.dc(), menu->items[i], r[i], mm, (int)i == shown->hot);
}

// Items that light up: enabled commands and submenus.
bool choosable(const menus::Item& item)
{
    return !(item.flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR));
}

// The choosable item at a client point, -1 for none.
int itemAt(HWND h, CPoint p)
{
    const menus::Menu* menu = menus::find(MenuOfWindow(h));
    if (!menu) return -1;
    CRect client;
    GetClientRect(h, &client);
    const std::vector<CRect> r = rows(*menu, client.Width());
    for (size_t i = 0; i < r.size(); ++i)
        if (r[i].PtInRect(p) && choosable(menu->items[i])) return (int)i;
    return -1;
}

void setHot(HWND h, ShownMenu& shown, int hot)
{
    if (shown.hot == hot) return;
    shown.hot = hot;
    InvalidateRect(h, nullptr, FALSE);
}

// The next choosable item up or down from the hot one, round the end.
void stepHot(HWND h, ShownMenu& shown, int step)
{
    const menus::Menu* menu = menus::find(shown.menu);
    const int n = menu ? (int)menu->items.size() : 0;
    const int from = shown.hot >= 0 ? shown.hot : step > 0 ? -1 : n;
    for (int i = 1; i <= n; ++i) {
        const int at = ((from + step * i) % n + n) % n;
        if (choosable(menu->items[(size_t)at])) return setHot(h, shown, at);
    }
}

const menus::Item* itemOf(const ShownMenu& shown, int item)
{
    const menus::Menu* menu = menus::find(shown.menu);
    return menu && item >= 0 && item < (int)menu->items.size() ? &menu->items[(size_t)item] : nullptr;
}

// The first menu window, which holds the person's choice.
ShownMenu* rootOf(HWND h)
{
    ShownMenu* shown = shownMenu(h);
    while (shown && shown->parent && shownMenu(shown->parent)) shown = shownMenu(shown->parent);
    return shown;
}

void choose(HWND h, int item)
{
    ShownMenu* root = rootOf(h);
    const menus::Item* chosen = itemOf(*shownMenu(h), item);
    if (root && (!chosen || !chosen->sub)) root->choice = chosen ? (int)chosen->id : 0;
}

// Where TrackPopupMenu's alignment flags put a menu of this size, kept on the screen.
CPoint placed(CPoint at, CSize size, UINT flags)
{
    if (flags & TPM_RIGHTALIGN) at.x -= size.cx;
    else if (flags & TPM_CENTERALIGN) at.x -= size.cx / 2;
    if (flags & TPM_BOTTOMALIGN) at.y -= size.cy;
    else if (flags & TPM_VCENTERALIGN) at.y -= size.cy / 2;
    const CSize screen = display().screenSize();
    at.x = std::max(0L, std::min((LONG)at.x, (LONG)(screen.cx - size.cx)));
    at.y = std::max(0L, std::min((LONG)at.y, (LONG)(screen.cy - size.cy)));
    return at;
}

void closeSubmenu(ShownMenu& shown)
{
    const HWND child = shown.child;
    shown.child = nullptr;
    if (child) DestroyWindow(child); // its own submenu goes with it (WM_DESTROY)
}

// The submenu of an item, beside its row (on the left where the screen ends),
// after the owner has had WM_INITMENUPOPUP for it.
void openSubmenu(HWND h, ShownMenu& shown, int item)
{
    const menus::Item* it = itemOf(shown, item);
    if (!it || !it->sub || !choosable(*it)) return;
    const HMENU sub = it->sub;
    if (shown.child && MenuOfWindow(shown.child) == sub) return;
    closeSubmenu(shown);
    if (shown.owner && IsWindow(shown.owner))
        SendMessageW(shown.owner, WM_INITMENUPOPUP, (WPARAM)sub, MAKELPARAM(item, FALSE));
    const menus::Menu* menu = menus::find(sub);
    if (!menu || !shownMenu(h)) return;
    CRect window;
    GetWindowRect(h, &window);
    const CRect row = rowIn(h, *menus::find(shown.menu), (size_t)item);
    const CSize size = menuSize(*menu);
    CPoint at(window.right - edgeWidth, window.top + row.top - edgeWidth);
    if (at.x + size.cx > display().screenSize().cx) at.x = window.left - size.cx + edgeWidth;
    at = placed(at, size, 0);
    const HWND child = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WC_POPUPMENU, L"", WS_POPUP, at.x, at.y,
                                       size.cx, size.cy, nullptr, nullptr, nullptr, nullptr);
    if (!child) return;
    ShownMenu& opened = shownMenus()[child];
    opened.menu = sub;
    opened.owner = shown.owner;
    opened.parent = h;
    shownMenu(h)->child = child;
    ShowWindow(child, SW_SHOWNOACTIVATE);
    UpdateWindow(child);
}

// The deepest open menu window of the chain from h that holds a screen point;
// null when none does.
HWND menuWindowAt(HWND h, CPoint screen)
{
    HWND found = nullptr;
    for (HWND w = h; w; w = shownMenu(w) ? shownMenu(w)->child : nullptr) {
        CRect r;
        GetWindowRect(w, &r);
        if (r.PtInRect(screen)) found = w;
    }
    return found;
}

HWND deepestOpen(HWND h)
{
    while (shownMenu(h) && shownMenu(h)->child) h = shownMenu(h)->child;
    return h;
}

// The mouse over one menu window of the chain: light up the item under it,
// open its submenu, or close the submenu of another item.
void hover(HWND h, CPoint client)
{
    ShownMenu& shown = *shownMenu(h);
    const int item = itemAt(h, client);
    if (item < 0 && shown.child) return; // on the way to the open submenu
    setHot(h, shown, item);
    const menus::Item* it = itemOf(shown, item);
    if (it && it->sub) openSubmenu(h, shown, item);
    else closeSubmenu(shown);
}

void keyDown(HWND h, WPARAM key)
{
    ShownMenu& shown = *shownMenu(h);
    const menus::Item* hot = itemOf(shown, shown.hot);
    switch (key) {
    case VK_ESCAPE:
    case VK_LEFT:
        if (shown.parent && shownMenu(shown.parent)) closeSubmenu(*shownMenu(shown.parent));
        else if (key == VK_ESCAPE) rootOf(h)->choice = 0;
        return;
    case VK_RIGHT:
    case VK_RETURN:
        if (hot && hot->sub) {
            openSubmenu(h, shown, shown.hot);
            if (shownMenu(h)->child) stepHot(shownMenu(h)->child, *shownMenu(shownMenu(h)->child), 1);
        } else if (hot && key == VK_RETURN) {
            choose(h, shown.hot);
        }
        return;
    case VK_DOWN:
    case VK_UP: stepHot(h, shown, key == VK_DOWN ? 1 : -1); return;
    default: return;
    }
}

// A person at the menu: the mouse (the first menu window holds the capture
// while a person is at it, for its submenus too) and the keys that its loop
// sends, which act on the deepest open submenu.
bool track(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    ShownMenu* root = rootOf(h);
    if (!root || root->choice >= 0) return false;
    CPoint screen(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    ClientToScreen(h, &screen);
    const HWND at = menuWindowAt(h, screen);
    CPoint p = screen;
    if (at) ScreenToClient(at, &p);
    switch (message) {
    case WM_MOUSEMOVE:
        if (at) hover(at, p);
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (!at) root->choice = 0; // a press elsewhere dismisses
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (at && itemAt(at, p) >= 0) choose(at, itemAt(at, p));
        return true;
    case WM_KEYDOWN: keyDown(deepestOpen(h), wParam); return true;
    default: return false;
    }
}

// The submenus from hMenu down to the one that holds the item (positions in
// their parents), when the command is one the user can choose.
bool pathTo(HMENU hMenu, UINT id, std::vector<std::pair<HMENU, int>>& path)
{
    const menus::Menu* m = menus::find(hMenu);
    if (!m) return false;
    for (size_t i = 0; i < m->items.size(); ++i) {
        const menus::Item& item = m->items[i];
        if (item.flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) continue;
        if (!item.sub && item.id == id) return true;
        if (!item.sub) continue;
        path.emplace_back(item.sub, (int)i);
        if (pathTo(item.sub, id, path)) return true;
        path.pop_back();
    }
    return false;
}

// The user's choice, once the submenus leading to it have been opened.
UINT choose(HMENU hMenu, HWND owner, UINT id)
{
    std::vector<std::pair<HMENU, int>> path;
    if (!id || !pathTo(hMenu, id, path)) return 0;
    for (const auto& [sub, pos] : path) SendMessageW(owner, WM_INITMENUPOPUP, (WPARAM)sub, MAKELPARAM(pos, FALSE));
    // The owner may have grayed it on the way.
    path.clear();
    return pathTo(hMenu, id, path) ? id : 0;
}

} // namespace

namespace platform::ctl {

LRESULT CALLBACK menuProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: paint(h); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_KEYDOWN:
        if (track(h, message, wParam, lParam)) return 0;
        break;
    case WM_DESTROY:
        if (ShownMenu* shown = shownMenu(h)) closeSubmenu(*shown);
        break;
    case WM_NCDESTROY: shownMenus().erase(h); break;
    default: break;
    }
    return DefWindowProcW(h, message, wParam, lParam);
}

} // namespace platform::ctl

namespace platform {

UINT MenuPrompts::answerMenu(HWND)
{
    return 0;
}

MenuPrompts& menuPrompts()
{
    static MenuPrompts dismissing;
    return installedPrompts ? *installedPrompts : dismissing;
}

void setMenuPrompts(MenuPrompts* prompts)
{
    installedPrompts = prompts;
}

HMENU MenuOfWindow(HWND menuWindow)
{
    const ShownMenu* shown = shownMenu(menuWindow);
    return shown ? shown->menu : nullptr;
}

int MenuWindowChoice(HWND menuWindow)
{
    const ShownMenu* shown = shownMenu(menuWindow);
    return shown ? shown->choice : 0;
}

HWND SubmenuWindow(HWND menuWindow)
{
    const ShownMenu* shown = shownMenu(menuWindow);
    return shown ? shown->child : nullptr;
}

CRect MenuItemRect(HWND menuWindow, UINT id)
{
    const menus::Menu* menu = menus::find(MenuOfWindow(menuWindow));
    if (!menu) return CRect();
    for (size_t i = 0; i < menu->items.size(); ++i)
        if (!(menu->items[i].flags & MF_SEPARATOR) && !menu->items[i].sub && menu->items[i].id == id)
            return rowIn(menuWindow, *menu, i);
    return CRect();
}

} // namespace platform

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*)
{
    if (!IsMenu(hMenu) || !IsWindow(hWnd)) return FALSE;
    SendMessageW(hWnd, WM_INITMENUPOPUP, (WPARAM)hMenu, MAKELPARAM(0, FALSE));
    const menus::Menu* menu = menus::find(hMenu);
    if (!menu || !IsWindow(hWnd)) return FALSE;

    const CSize size = menuSize(*menu);
    const CPoint at = placed(CPoint(x, y), size, uFlags);
    const HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WC_POPUPMENU, L"", WS_POPUP, at.x, at.y,
                                        size.cx, size.cy, nullptr, nullptr, nullptr, nullptr);
    if (!window) return FALSE;
    shownMenus()[window].menu = hMenu;
    shownMenus()[window].owner = hWnd;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    const UINT answer = menuPrompts().answerMenu(window);
    DestroyWindow(window);

    const UINT id = IsMenu(hMenu) && IsWindow(hWnd) ? choose(hMenu, hWnd, answer) : 0;
    if (uFlags & TPM_RETURNCMD) return (BOOL)id;
    if (id && !(uFlags & TPM_NONOTIFY)) PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return TRUE;
}

BOOL GetMenuItemRect(HWND, HMENU hMenu, UINT uItem, LPRECT lprcItem)
{
    const menus::Menu* menu = menus::find(hMenu);
    if (!menu || !lprcItem || uItem >= menu->items.size()) return FALSE;
    for (const auto& [window, shown] : shownMenus()) {
        if (shown.menu != hMenu) continue;
        CRect r = rowIn(window, *menu, uItem);
        CPoint origin(0, 0);
        ClientToScreen(window, &origin);
        r.OffsetRect(origin);
        *lprcItem = r;
        return TRUE;
    }
    return FALSE;
}
