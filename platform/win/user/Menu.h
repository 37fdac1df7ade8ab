#pragma once
// Menus: the Win32 menu functions over HMENU handles (MFC's CMenu is in
// win/afx/Menu.h).
//
// LoadMenuW builds a menu from a menu resource (its flat list with depths),
// each MF_POPUP item with a submenu of its own handle. DestroyMenu destroys a
// menu with its submenus; a destroyed handle is never valid again.
// TrackPopupMenu (MenuWindow.cpp):
//   -> WM_INITMENUPOPUP (menu, position 0) sent to the owner window, which may
//      check or gray items
//   -> the menu shown on the screen as a window at (x, y), kept on the screen
//   -> the menu prompts answer (platform::MenuPrompts, which the desktop
//      layer installs: its scripted user): a command of an enabled item,
//      found in submenus too (whose WM_INITMENUPOPUP comes first), or nothing
//   -> the menu window goes; the command is posted to the owner as WM_COMMAND
//      (id, 0), or returned with TPM_RETURNCMD.
#include "win/user/MenuFlags.h"
#include "win/kernel/String.h"
#include "win/user/Window.h"

#define TPM_LEFTBUTTON 0x0000L
#define TPM_RIGHTBUTTON 0x0002L
#define TPM_LEFTALIGN 0x0000L
#define TPM_CENTERALIGN 0x0004L
#define TPM_RIGHTALIGN 0x0008L
#define TPM_TOPALIGN 0x0000L
#define TPM_VCENTERALIGN 0x0010L
#define TPM_BOTTOMALIGN 0x0020L
#define TPM_NONOTIFY 0x0080L
#define TPM_RETURNCMD 0x0100L

// Integer resource names only.
HMENU LoadMenuW(HINSTANCE hInstance, LPCWSTR lpMenuName);
BOOL DestroyMenu(HMENU hMenu);
BOOL IsMenu(HMENU hMenu);
HMENU GetSubMenu(HMENU hMenu, int nPos);
// -1 for an invalid menu.
int GetMenuItemCount(HMENU hMenu);
// 0 for a separator, -1 for a submenu or a position without an item.
UINT GetMenuItemID(HMENU hMenu, int nPos);
// MF_BYCOMMAND looks through the submenus as well. The previous check state,
// or -1 when there is no such item.
DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);
// MF_ENABLED, MF_GRAYED or MF_DISABLED; the previous state or -1.
BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
// The item's flags (MF_CHECKED, MF_GRAYED, MF_SEPARATOR...); for a submenu the
// number of its items in the high byte; -1 when there is no such item.
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);
// A string or separator item before the item at uPosition (MF_BYPOSITION;
// a position past the end appends) or before the item with that command
// (MF_BYCOMMAND, looking into submenus). Submenu items are not inserted
// this way. FALSE when there is no such menu or item.
BOOL InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem);
// The text with its '&' marks; the number of characters copied.
int GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int cchMax, UINT flags);
// The window's system menu: one item, SC_CLOSE ("&Close"), whose grayed
// state grays the caption's close box and stops it from closing the window.
// bRevert forgets the window's copy and returns null. Null for a window
// without WS_SYSMENU; the menu goes with its window.
HMENU GetSystemMenu(HWND hWnd, BOOL bRevert);
// The screen rectangle of the item at that position of a menu that a menu
// window shows now; FALSE when none does. The window argument is not used
// for popup menus.
BOOL GetMenuItemRect(HWND hWnd, HMENU hMenu, UINT uItem, LPRECT lprcItem);
// Non-zero on success; with TPM_RETURNCMD the chosen command, 0 for none.
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd, const RECT* prcRect);

namespace platform {

// What the menu window shows, for the window and for tests: the item's
// rectangle in the menu window's client area (empty when it has no such
// command), and the menu a menu window shows.
CRect MenuItemRect(HWND menuWindow, UINT id);
HMENU MenuOfWindow(HWND menuWindow);
// What a person did at a menu window: -1 while nothing yet, 0 dismissed (Esc,
// a press outside it), else the command chosen (a click, or Enter on the
// highlighted item). The window highlights the item under the mouse, and
// Up and Down move the highlight; a person's loop gives the window the mouse
// capture and its keys. Hovering an item with a submenu (or Right or Enter
// on it) opens the submenu in a window beside it, which the mouse and the
// keys then reach through the first window; Esc or Left closes it, a press
// outside every open menu window dismisses them all.
int MenuWindowChoice(HWND menuWindow);
// The submenu window open beside a menu window; null when none.
HWND SubmenuWindow(HWND menuWindow);

// Who chooses from an open popup menu: a person on the real system; here
// whoever a higher layer installs (the desktop's scripted user). The default
// dismisses every menu, so TrackPopupMenu never blocks.
class MenuPrompts {
public:
    virtual ~MenuPrompts() = default;
    // The chosen command, 0 for a dismissed menu.
    virtual UINT answerMenu(HWND menuWindow);
};

MenuPrompts& menuPrompts();
// Null brings the default back.
void setMenuPrompts(MenuPrompts* prompts);

} // namespace platform
