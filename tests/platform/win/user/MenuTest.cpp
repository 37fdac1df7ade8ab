#include "platform/win/LoggingWnd.h"
#include "support/Ink.h"
#include "support/OnScreen.h"
#include "support/PixelCanvas.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using platform::desktop;
using platform::user;
using testsupport::screenAt;
using testsupport::screenCount;
using Log = std::vector<std::string>;

namespace {

// An owner that checks "Bars by name" when the menu opens and logs commands.
class MenuOwner : public CWnd {
public:
    Log m_log;

protected:
    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
    {
        m_log.push_back("init " + std::to_string(nIndex) + (bSysMenu ? " system" : ""));
        pMenu->CheckMenuItem(39953, MF_CHECKED | MF_BYCOMMAND);
    }
    afx_msg void OnExport() { m_log.push_back("export"); }
    afx_msg void OnBars(UINT nID) { m_log.push_back("bars " + std::to_string(nID)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwner, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_COMMAND(39950, OnExport)
    ON_COMMAND_RANGE(39953, 39954, OnBars)
END_MESSAGE_MAP()

// A person at an open menu: the menu holds the mouse capture while the
// person's turn runs.
struct Person : platform::MenuPrompts {
    std::function<void(HWND)> turn;
    UINT answerMenu(HWND h) override
    {
        SetCapture(h);
        turn(h);
        ReleaseCapture();
        return (UINT)std::max(platform::MenuWindowChoice(h), 0);
    }
};

// Keys pressed at the menu window, as the person's loop hands them on.
void press(HWND menuWindow, std::initializer_list<UINT> keys)
{
    for (UINT vk : keys) SendMessageW(menuWindow, WM_KEYDOWN, vk, 0);
}

CRect itemOnScreen(HWND menuWindow, UINT id)
{
    CRect r = platform::MenuItemRect(menuWindow, id);
    CPoint origin(0, 0);
    ClientToScreen(menuWindow, &origin);
    r.OffsetRect(origin);
    return r;
}

// An owner filling a 400 x 300 screen; the English module gives the menus
// 480 (57642, 57634, separator, 39950) and 481 (39953, 39954, separator, 39959 ...).
class Menu : public ::testing::Test {
protected:
    void SetUp() override
    {
        const HMODULE lang = LoadLibraryW(testsupport::languageModule("048").wstring().c_str());
        ASSERT_NE(lang, nullptr);
        AfxSetResourceHandle(lang);
        testsupport::useSmallScreen(400, 300);
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
        desktop().processMessages();
        ASSERT_TRUE(grid.LoadMenu(480) && scale.LoadMenu(481));
    }
    void TearDown() override { platform::setMenuPrompts(&user()); }

    MenuOwner owner;
    Person person;
    CMenu grid, scale;
};

} // namespace

TEST_F(Menu, LoadedMenuHasItsItemsAndStates)
{
    CMenu& menu = grid;
    EXPECT_EQ(menu.GetMenuItemCount(), 1u);
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetMenuItemCount(), 4u);
    EXPECT_EQ(popup->GetMenuItemID(0), 57642u);
    EXPECT_EQ(popup->GetMenuItemID(2), 0u); // the separator
    EXPECT_EQ(menu.GetMenuItemID(0), (UINT)-1); // a submenu
    EXPECT_EQ(menu.GetMenuState(0, MF_BYPOSITION), (4u << 8) | MF_POPUP);
    CString text;
    popup->GetMenuString(39950, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"&Export as CSV...");

    // By command reaches into the submenu; the previous state comes back.
    EXPECT_EQ(menu.CheckMenuItem(57634, MF_CHECKED), (UINT)MF_UNCHECKED);
    EXPECT_EQ(popup->GetMenuState(57634, MF_BYCOMMAND), (UINT)MF_CHECKED);
    EXPECT_EQ(menu.CheckMenuItem(57634, MF_UNCHECKED), (UINT)MF_CHECKED);
    EXPECT_EQ(menu.CheckMenuItem(4711, MF_CHECKED), (UINT)-1);
    EXPECT_EQ(menu.GetMenuState(4711, MF_BYCOMMAND), (UINT)-1);

    const HMENU sub = *popup;
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(IsMenu(sub));
    EXPECT_EQ(CMenu::FromHandle(sub), nullptr);
    EXPECT_FALSE(menu.LoadMenu(4711));
}

// The menu's text colour on its background.
testsupport::Ink menuInk()
{
    return {GetSysColor(COLOR_MENUTEXT), GetSysColor(COLOR_MENU)};
}

// The ink of the text as DrawText draws it in the menu font and colours.
int inkOf(const wchar_t* text)
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    CFont font;
    font.CreateFontIndirect(&m.lfMenuFont);
    testsupport::PixelCanvas canvas(200, 40, GetSysColor(COLOR_MENU));
    CFont* old = canvas.dc.SelectObject(&font);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.SetTextColor(GetSysColor(COLOR_MENUTEXT));
    CRect r(0, 0, 200, 40);
    canvas.dc.DrawText(CString(text), &r, DT_SINGLELINE);
    canvas.dc.SelectObject(old);
    return menuInk().count(canvas.surface());
}

TEST_F(Menu, InsertedItemsGoBeforeTheirPositionOrCommand)
{
    CMenu* popup = grid.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    // By command from the top menu: into the submenu that holds the command.
    EXPECT_TRUE(grid.InsertMenu(39950, MF_BYCOMMAND | MF_STRING, 7001, L"Seven"));
    EXPECT_TRUE(popup->InsertMenu(2, MF_BYPOSITION | MF_STRING | MF_GRAYED, 7002, L"Two"));
    EXPECT_TRUE(popup->InsertMenu((UINT)-1, MF_BYPOSITION | MF_SEPARATOR));
    EXPECT_FALSE(popup->InsertMenu(4711, MF_BYCOMMAND | MF_STRING, 7003, L"None"));
    EXPECT_EQ(grid.GetMenuItemCount(), 1u);
    std::vector<UINT> ids;
    for (UINT i = 0; i < popup->GetMenuItemCount(); ++i)
        ids.push_back(popup->GetMenuItemID((int)i));
    EXPECT_EQ(ids, (std::vector<UINT>{57642, 57634, 7002, 0, 7001, 39950, 0}));
    CString text;
    popup->GetMenuString(7001, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"Seven");
    EXPECT_EQ(popup->GetMenuState(7002, MF_BYCOMMAND), (UINT)MF_GRAYED);
}

TEST_F(Menu, ChosenCommandArrivesThroughTheOwnersMapAfterInitMenuPopup)
{
    CMenu& menu = scale;
    CRect shown;
    int ink = -1;
    user().chooseMenuCommand(39954, [&](HWND window) {
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(platform::MenuOfWindow(window), menu.GetSubMenu(0)->m_hMenu);
        GetWindowRect(window, &shown);
        // The check mark set at WM_INITMENUPOPUP is drawn in the item's square at its left.
        CRect item = itemOnScreen(window, 39953);
        item.right = item.left + item.Height();
        EXPECT_GT(screenCount(GetSysColor(COLOR_MENUTEXT), item), 0);
        EXPECT_EQ(screenAt(shown.left + 3, shown.bottom - 4), GetSysColor(COLOR_MENU));
        ink = menuInk().count(platform::desktop().screen(), itemOnScreen(window, 39959));
    });
    EXPECT_TRUE(menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, 50, 40, &owner));
    EXPECT_EQ(shown.TopLeft(), CPoint(50, 40)); // opened at the point asked
    // Items show their mnemonics underlined: neither the '&' nor a bare text.
    EXPECT_EQ(ink, inkOf(L"A&rithmetic scale"));
    EXPECT_NE(ink, inkOf(L"Arithmetic scale"));
    EXPECT_EQ(menu.GetSubMenu(0)->GetMenuState(39953, MF_BYCOMMAND), (UINT)MF_CHECKED);
    // The command is posted: it arrives with the next messages.
    EXPECT_EQ(owner.m_log, Log{"init 0"});
    desktop().processMessages();
    EXPECT_EQ(owner.m_log, (Log{"init 0", "bars 39954"}));
    // The menu window is gone and what it covered is painted again.
    EXPECT_EQ(screenAt(55, 45), testsupport::desktopColor());
}

TEST_F(Menu, DismissedGrayedOrMissingChoicesSendNothing)
{
    CMenu* popup = grid.GetSubMenu(0);
    user().dismissMenu();
    EXPECT_TRUE(popup->TrackPopupMenu(0, 0, 0, &owner));
    popup->EnableMenuItem(39950, MF_GRAYED);
    user().chooseMenuCommand(39950);
    popup->TrackPopupMenu(0, 0, 0, &owner);
    user().chooseMenuCommand(4711);
    popup->TrackPopupMenu(0, 0, 0, &owner);
    popup->TrackPopupMenu(0, 0, 0, &owner); // nobody scripted: dismissed
    desktop().processMessages();
    EXPECT_EQ(owner.m_log, (Log{"init 0", "init 0", "init 0", "init 0"}));

    // TPM_RETURNCMD returns the command instead of sending it.
    popup->EnableMenuItem(39950, MF_ENABLED);
    user().chooseMenuCommand(39950);
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 39950);
    user().chooseMenuCommand(39950);
    popup->TrackPopupMenu(0, 0, 0, &owner);
    desktop().processMessages();
    EXPECT_EQ(owner.m_log, (Log{"init 0", "init 0", "init 0", "init 0", "init 0", "init 0", "export"}));
    EXPECT_FALSE(TrackPopupMenu(nullptr, 0, 0, 0, 0, owner, nullptr));
}

TEST_F(Menu, APersonOrTheInstalledPromptsChooseByClickOrKeysOrDismiss)
{
    CMenu& popup = *scale.GetSubMenu(0);
    platform::setMenuPrompts(&person);
    const auto choice = [&] { return popup.TrackPopupMenu(TPM_RETURNCMD, 50, 40, &owner); };

    person.turn = [&](HWND h) {
        const CRect byValue = itemOnScreen(h, 39954), byName = itemOnScreen(h, 39953);
        desktop().moveMouse(byValue.CenterPoint());
        EXPECT_EQ(platform::MenuWindowChoice(h), -1);
        EXPECT_EQ(screenAt(byValue.right - 2, byValue.bottom - 1), GetSysColor(COLOR_HIGHLIGHT));
        // Off the items (on the edge) nothing is highlighted.
        desktop().moveMouse(CPoint(byValue.left + 1, byName.top - 2));
        EXPECT_EQ(screenAt(byValue.left + 1, byValue.top + 1), GetSysColor(COLOR_MENU));
        desktop().click(byValue.CenterPoint());
    };
    EXPECT_EQ(choice(), 39954);
    // Down past the separator, then Enter; the keys come from the person's loop.
    person.turn = [&](HWND h) {
        desktop().moveMouse(itemOnScreen(h, 39954).CenterPoint());
        press(h, {VK_DOWN, VK_RETURN});
    };
    EXPECT_EQ(choice(), 39959);
    // Up from nothing highlighted comes round to the last item.
    person.turn = [&](HWND h) { press(h, {VK_UP, VK_RETURN}); };
    EXPECT_EQ(choice(), popup.GetMenuItemID(popup.GetMenuItemCount() - 1));

    // Esc, or a press outside the menu, dismisses it; a click on a separator does not choose.
    person.turn = [&](HWND h) {
        press(h, {VK_ESCAPE});
        EXPECT_EQ(platform::MenuWindowChoice(h), 0);
    };
    EXPECT_EQ(choice(), 0);
    person.turn = [&](HWND h) {
        const CRect byValue = itemOnScreen(h, 39954), arithmetic = itemOnScreen(h, 39959);
        desktop().click(CPoint(byValue.left + 5, (byValue.bottom + arithmetic.top) / 2));
        EXPECT_EQ(platform::MenuWindowChoice(h), -1);
        desktop().click(CPoint(380, 280));
    };
    EXPECT_EQ(choice(), 0);
    EXPECT_EQ(owner.m_log.size(), 5u); // each opening initialised the menu
    // Without any prompts installed the menu is dismissed, the scripted user not asked.
    person.turn = [&](HWND h) { press(h, {VK_UP, VK_RETURN}); };
    const size_t asked = user().prompts().size();
    platform::setMenuPrompts(nullptr);
    EXPECT_EQ(choice(), 0);
    EXPECT_EQ(user().prompts().size(), asked);
}

namespace {

// A context menu with a submenu in the middle.
constexpr winres::MenuItemResource kNestedItems[] = {
    {0, 0, L"Context", MF_POPUP}, {1, 101, L"&Open", 0},    {1, 0, L"&Units", MF_POPUP},
    {2, 201, L"Metric", 0},       {2, 202, L"Imperial", 0}, {1, 103, L"E&xit", 0},
};
constexpr winres::MenuResource kNestedMenus[] = {{900, kNestedItems}};
const winres::ResourceTable kNestedTable{{}, kNestedMenus, {}, {}};

CRect itemRect(HMENU menu, UINT position)
{
    CRect r;
    EXPECT_TRUE(GetMenuItemRect(nullptr, menu, position, &r));
    return r;
}

} // namespace

TEST_F(Menu, APersonOpensASubmenuByHoverOrKeysAndChoosesInIt)
{
    const HMENU bar = LoadMenuW(platform::RegisterApplicationModule(&kNestedTable), MAKEINTRESOURCEW(900));
    ASSERT_NE(bar, nullptr);
    const HMENU popup = GetSubMenu(bar, 0), units = GetSubMenu(popup, 1);
    platform::setMenuPrompts(&person);
    const auto choice = [&] { return TrackPopupMenu(popup, TPM_RETURNCMD, 50, 40, 0, owner.m_hWnd, nullptr); };
    const auto lit = [](const CRect& r) { return screenAt(r.TopLeft() + CSize(1, 1)) == GetSysColor(COLOR_HIGHLIGHT); };

    // Hovering "Units" opens its submenu beside the row, after the owner's
    // WM_INITMENUPOPUP for it; a click in the submenu chooses.
    HWND opened = nullptr;
    person.turn = [&](HWND h) {
        owner.m_log.clear();
        const CRect row = itemRect(popup, 1);
        desktop().moveMouse(row.CenterPoint());
        opened = platform::SubmenuWindow(h);
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(owner.m_log, Log{"init 1"});
        const CRect subRect = testsupport::screenRectOf(opened);
        EXPECT_EQ(subRect.TopLeft(), CPoint(testsupport::screenRectOf(h).right - 3, row.top - 3)); // beside the item
        const CRect imperial = itemRect(units, 1);
        EXPECT_TRUE(subRect.PtInRect(imperial.CenterPoint()));
        desktop().moveMouse(imperial.CenterPoint());
        EXPECT_TRUE(lit(imperial));
        EXPECT_TRUE(lit(row)); // still lit
        EXPECT_EQ(platform::SubmenuWindow(h), opened);
        desktop().click(imperial.CenterPoint());
    };
    EXPECT_EQ(choice(), 202);
    EXPECT_FALSE(IsWindow(opened)); // gone with the menu

    // Keys: Down to "Units", Right opens it with "Metric" lit, Esc closes
    // only the submenu, Enter opens it again and chooses "Metric".
    person.turn = [&](HWND h) {
        press(h, {VK_DOWN, VK_DOWN, VK_RIGHT});
        opened = platform::SubmenuWindow(h);
        ASSERT_NE(opened, nullptr);
        desktop().processMessages(); // the person's loop paints
        EXPECT_TRUE(lit(itemRect(units, 0)));
        press(h, {VK_ESCAPE});
        EXPECT_FALSE(IsWindow(opened));
        EXPECT_EQ(platform::MenuWindowChoice(h), -1);
        press(h, {VK_RETURN});
        ASSERT_NE(platform::SubmenuWindow(h), nullptr);
        press(h, {VK_RETURN});
    };
    EXPECT_EQ(choice(), 201);

    // Moving on to another item closes the submenu, as Left does; a press
    // outside every menu dismisses them all.
    person.turn = [&](HWND h) {
        desktop().moveMouse(itemRect(popup, 1).CenterPoint());
        opened = platform::SubmenuWindow(h);
        desktop().moveMouse(itemRect(popup, 0).CenterPoint());
        EXPECT_FALSE(IsWindow(opened));
        EXPECT_EQ(platform::SubmenuWindow(h), nullptr);
        desktop().moveMouse(itemRect(popup, 1).CenterPoint());
        opened = platform::SubmenuWindow(h);
        press(h, {VK_RIGHT, VK_LEFT});
        EXPECT_FALSE(IsWindow(opened));
        EXPECT_EQ(platform::MenuWindowChoice(h), -1);
        desktop().moveMouse(itemRect(popup, 1).CenterPoint());
        desktop().click(CPoint(380, 280));
    };
    EXPECT_EQ(choice(), 0);
    // A click on the submenu's own item chooses nothing by itself.
    person.turn = [&](HWND) {
        desktop().click(itemRect(popup, 1).CenterPoint());
        desktop().click(CPoint(380, 280));
    };
    EXPECT_EQ(choice(), 0);
    DestroyMenu(bar);
}
