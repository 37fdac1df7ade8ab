#pragma once
// The menus behind HMENU, for the menu files of this folder only.
#include "win/user/Menu.h"

#include <string>
#include <vector>

namespace platform::menus {

struct Item {
    UINT id = 0;
    std::wstring text;
    UINT flags = 0;      // MF_ flags: separator, popup, checked, grayed, disabled
    HMENU sub = nullptr; // MF_POPUP items
};

struct Menu {
    std::vector<Item> items;
};

Menu* find(HMENU h);
HMENU add();
void remove(HMENU h);
// The item with that command (looking into submenus) or at that position;
// `owner` is the menu that holds it.
Item* findItem(HMENU h, UINT id, UINT flags, HMENU* owner = nullptr);

} // namespace platform::menus
