#include "platform/win/LoggingWnd.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using platform::desktop;
using platform::user;
using Log = std::vector<std::string>;

namespace {

void useEnglishResources()
{
    const HMODULE lang = LoadLibraryW(testsupport::languageModule("048").wstring().c_str());
    ASSERT_NE(lang, nullptr);
    AfxSetResourceHandle(lang);
}

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

} // namespace

TEST(Menu, LoadedMenuHasItsItemsAndStates)
{
    useEnglishResources();
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(480));
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

TEST(Menu, ChosenCommandArrivesThroughTheOwnersMapAfterInitMenuPopup)
{
    useEnglishResources();
    testsupport::useSmallScreen(400, 300);
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    desktop().processMessages();
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(481));

    bool looked = false;
    user().chooseMenuCommand(39954, [&](HWND window) {
        looked = true;
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(platform::MenuOfWindow(window), menu.GetSubMenu(0)->m_hMenu);
        // Opened at the point asked; the check mark set at WM_INITMENUPOPUP is drawn.
        CRect r;
        GetWindowRect(window, &r);
        EXPECT_EQ(r.TopLeft(), CPoint(50, 40));
        CRect item = platform::MenuItemRect(window, 39953);
        ASSERT_FALSE(item.IsRectEmpty());
        CPoint origin(0, 0);
        ClientToScreen(window, &origin);
        item.OffsetRect(origin);
        bool check = false;
        for (int x = item.left; x < item.left + item.Height(); ++x)
            for (int y = item.top; y < item.bottom; ++y)
                check |= desktop().screen().pixel(x, y) == GetSysColor(COLOR_MENUTEXT);
        EXPECT_TRUE(check);
        EXPECT_EQ(desktop().screen().pixel(r.left + 3, r.bottom - 4), GetSysColor(COLOR_MENU));
    });
    EXPECT_TRUE(menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, 50, 40, &owner));
    EXPECT_TRUE(looked);
    EXPECT_EQ(menu.GetSubMenu(0)->GetMenuState(39953, MF_BYCOMMAND), (UINT)MF_CHECKED);
    // The command is posted: it arrives with the next messages.
    EXPECT_EQ(owner.m_log, Log{"init 0"});
    desktop().processMessages();
    EXPECT_EQ(owner.m_log, (Log{"init 0", "bars 39954"}));
    // The menu window is gone and what it covered is painted again.
    EXPECT_EQ(desktop().screen().pixel(55, 45), testsupport::desktopColor());
}

TEST(Menu, DismissedGrayedOrMissingChoicesSendNothing)
{
    useEnglishResources();
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(480));
    CMenu* popup = menu.GetSubMenu(0);
    user().dismissMenu();
    EXPECT_TRUE(popup->TrackPopupMenu(0, 0, 0, &owner));
    popup->EnableMenuItem(39950, MF_GRAYED);
    user().chooseMenuCommand(39950);
    popup->TrackPopupMenu(0, 0, 0, &owner);
    user().chooseMenuCommand(4711);
    popup->TrackPopupMenu(0, 0, 0, &owner);
    // Nobody scripted: dismissed.
    popup->TrackPopupMenu(0, 0, 0, &owner);
    desktop().processMessages();
    EXPECT_EQ(owner.m_log, (Log{"init 0", "init 0", "init 0", "init 0"}));

    // TPM_RETURNCMD returns the command instead of sending it.
    popup->EnableMenuItem(39950, MF_ENABLED);
    user().chooseMenuCommand(39950);
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 39950);
    desktop().processMessages();
    EXPECT_EQ(owner.m_log.back(), "init 0");
    user().chooseMenuCommand(39950);
    popup->TrackPopupMenu(0, 0, 0, &owner);
    desktop().processMessages();
    EXPECT_EQ(owner.m_log.back(), "export");
    EXPECT_FALSE(TrackPopupMenu(nullptr, 0, 0, 0, 0, owner, nullptr));
}

TEST(Menu, TheInstalledPromptsChooseAndWithoutAnyTheMenuIsDismissed)
{
    useEnglishResources();
    struct Exporter : platform::MenuPrompts {
        UINT answerMenu(HWND) override { return 39950; }
    } exporter;
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(480));
    const size_t asked = user().prompts().size();
    platform::setMenuPrompts(&exporter);
    EXPECT_EQ(menu.GetSubMenu(0)->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 39950);
    platform::setMenuPrompts(nullptr);
    EXPECT_EQ(menu.GetSubMenu(0)->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 0);
    platform::setMenuPrompts(&user());
    EXPECT_EQ(user().prompts().size(), asked);
}

namespace {

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

CRect itemOnScreen(HWND menuWindow, UINT id)
{
    CRect r = platform::MenuItemRect(menuWindow, id);
    CPoint origin(0, 0);
    ClientToScreen(menuWindow, &origin);
    r.OffsetRect(origin);
    return r;
}

} // namespace

TEST(Menu, APersonHighlightsTheItemUnderTheMouseAndChoosesByClickOrKeysOrDismisses)
{
    useEnglishResources();
    testsupport::useSmallScreen(400, 300);
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(481));
    CMenu& popup = *menu.GetSubMenu(0);
    Person person;
    platform::setMenuPrompts(&person);

    person.turn = [&](HWND h) {
        const CRect byValue = itemOnScreen(h, 39954), byName = itemOnScreen(h, 39953);
        desktop().moveMouse(byValue.CenterPoint());
        EXPECT_EQ(platform::MenuWindowChoice(h), -1);
        const auto& screen = desktop().screen();
        EXPECT_EQ(screen.pixel(byValue.left + 1, byValue.top + 1), GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_EQ(screen.pixel(byValue.right - 2, byValue.bottom - 1), GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_EQ(screen.pixel(byName.left + 1, byName.top + 1), GetSysColor(COLOR_MENU));
        // Off the items (on the edge) nothing is highlighted.
        desktop().moveMouse(CPoint(byValue.left + 1, byName.top - 2));
        EXPECT_EQ(screen.pixel(byValue.left + 1, byValue.top + 1), GetSysColor(COLOR_MENU));
        desktop().click(byValue.CenterPoint());
    };
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 50, 40, &owner), 39954);

    // Down past the separator, then Enter; the keys come from the person's loop.
    person.turn = [&](HWND h) {
        desktop().moveMouse(itemOnScreen(h, 39954).CenterPoint());
        SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(h, WM_KEYDOWN, VK_RETURN, 0);
    };
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 50, 40, &owner), 39959);
    // Up from nothing highlighted comes round to the last item.
    person.turn = [&](HWND h) {
        SendMessageW(h, WM_KEYDOWN, VK_UP, 0);
        SendMessageW(h, WM_KEYDOWN, VK_RETURN, 0);
    };
    const UINT last = popup.GetMenuItemID(popup.GetMenuItemCount() - 1);
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 50, 40, &owner), last);

    // Esc, or a press outside the menu, dismisses it; a click on a separator does not choose.
    person.turn = [&](HWND h) {
        SendMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_EQ(platform::MenuWindowChoice(h), 0);
    };
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 50, 40, &owner), 0);
    person.turn = [&](HWND h) {
        const CRect byValue = itemOnScreen(h, 39954), arithmetic = itemOnScreen(h, 39959);
        desktop().click(CPoint(byValue.left + 5, (byValue.bottom + arithmetic.top) / 2));
        EXPECT_EQ(platform::MenuWindowChoice(h), -1);
        desktop().click(CPoint(380, 280));
    };
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 50, 40, &owner), 0);
    platform::setMenuPrompts(&user());
    EXPECT_TRUE(owner.m_log.size() >= 5); // each opening initialised the menu
}

namespace {

// Pixels of the text as DrawText draws it in the menu font, black on white.
int inkOfMenuText(const wchar_t* text)
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    CFont font;
    font.CreateFontIndirect(&m.lfMenuFont);
    CWindowDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 200, 40);
    CBitmap* oldBitmap = dc.SelectObject(&bitmap);
    CFont* oldFont = dc.SelectObject(&font);
    dc.FillSolidRect(0, 0, 200, 40, RGB(255, 255, 255));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    CRect r(0, 0, 200, 40);
    dc.DrawText(CString(text), &r, DT_SINGLELINE);
    int ink = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) ink += dc.GetPixel(x, y) == RGB(0, 0, 0);
    dc.SelectObject(oldFont);
    dc.SelectObject(oldBitmap);
    return ink;
}

} // namespace

TEST(Menu, ItemsShowTheirMnemonicsUnderlined)
{
    useEnglishResources();
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(480));
    int ink = -1;
    user().dismissMenu([&](HWND window) {
        CRect item = platform::MenuItemRect(window, 57634); // "&Copy"
        CPoint origin(0, 0);
        ClientToScreen(window, &origin);
        item.OffsetRect(origin);
        ink = 0;
        for (int y = item.top; y < item.bottom; ++y)
            for (int x = item.left; x < item.right; ++x)
                ink += desktop().screen().pixel(x, y) == GetSysColor(COLOR_MENUTEXT);
    });
    menu.GetSubMenu(0)->TrackPopupMenu(0, 10, 10, &owner);
    // "Copy" with its C underlined: neither the '&' nor a bare "Copy".
    EXPECT_EQ(ink, inkOfMenuText(L"&Copy"));
    EXPECT_NE(inkOfMenuText(L"&Copy"), inkOfMenuText(L"Copy"));
}

namespace {

// A context menu with a submenu in the middle.
constexpr winres::MenuItemResource kNestedItems[] = {
    {0, 0, L"Context", MF_POPUP}, {1, 101, L"&Open", 0},      {1, 0, L"&Units", MF_POPUP},
    {2, 201, L"Metric", 0},       {2, 202, L"Imperial", 0},   {1, 103, L"E&xit", 0},
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

TEST(Menu, APersonOpensASubmenuByHoverOrKeysAndChoosesInIt)
{
    testsupport::useSmallScreen(400, 300);
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    const HMENU bar = LoadMenuW(platform::RegisterApplicationModule(&kNestedTable), MAKEINTRESOURCEW(900));
    ASSERT_NE(bar, nullptr);
    const HMENU popup = GetSubMenu(bar, 0), units = GetSubMenu(popup, 1);
    Person person;
    platform::setMenuPrompts(&person);

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
        CRect menuRect, subRect;
        GetWindowRect(h, &menuRect);
        GetWindowRect(opened, &subRect);
        EXPECT_EQ(subRect.left, menuRect.right - 3); // overlapping the edge
        EXPECT_EQ(subRect.top, row.top - 3);          // its first row beside the item
        const CRect imperial = itemRect(units, 1);
        EXPECT_TRUE(subRect.PtInRect(imperial.CenterPoint()));
        desktop().moveMouse(imperial.CenterPoint());
        EXPECT_EQ(desktop().screen().pixel(imperial.left + 1, imperial.top + 1), GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_EQ(desktop().screen().pixel(row.left + 1, row.top + 1), GetSysColor(COLOR_HIGHLIGHT)); // still lit
        EXPECT_EQ(platform::SubmenuWindow(h), opened);
        desktop().click(imperial.CenterPoint());
    };
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 50, 40, 0, owner.m_hWnd, nullptr), 202);
    EXPECT_FALSE(IsWindow(opened)); // gone with the menu

    // Keys: Down to "Units", Right opens it with "Metric" lit, Esc closes
    // only the submenu, Enter opens it again and chooses "Metric".
    person.turn = [&](HWND h) {
        SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(h, WM_KEYDOWN, VK_RIGHT, 0);
        opened = platform::SubmenuWindow(h);
        ASSERT_NE(opened, nullptr);
        desktop().processMessages(); // the person's loop paints
        const CRect metric = itemRect(units, 0);
        EXPECT_EQ(desktop().screen().pixel(metric.left + 1, metric.top + 1), GetSysColor(COLOR_HIGHLIGHT));
        SendMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_FALSE(IsWindow(opened));
        EXPECT_EQ(platform::MenuWindowChoice(h), -1);
        SendMessageW(h, WM_KEYDOWN, VK_RETURN, 0);
        ASSERT_NE(platform::SubmenuWindow(h), nullptr);
        SendMessageW(h, WM_KEYDOWN, VK_RETURN, 0);
    };
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 50, 40, 0, owner.m_hWnd, nullptr), 201);

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
        SendMessageW(h, WM_KEYDOWN, VK_RIGHT, 0);
        SendMessageW(h, WM_KEYDOWN, VK_LEFT, 0);
        EXPECT_FALSE(IsWindow(opened));
        EXPECT_EQ(platform::MenuWindowChoice(h), -1);
        desktop().moveMouse(itemRect(popup, 1).CenterPoint());
        desktop().click(CPoint(380, 280));
    };
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 50, 40, 0, owner.m_hWnd, nullptr), 0);
    // A click on the submenu's own item chooses nothing by itself.
    person.turn = [&](HWND) {
        desktop().click(itemRect(popup, 1).CenterPoint());
        desktop().click(CPoint(380, 280));
    };
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 50, 40, 0, owner.m_hWnd, nullptr), 0);
    platform::setMenuPrompts(&user());
    DestroyMenu(bar);
}
