#include "platform/win/LoggingWnd.h"
#include "support/Input.h"
#include "support/OnScreen.h"

#include <gtest/gtest.h>

using platform::desktop;
using testsupport::pressWith;
using Ids = std::vector<int>;

namespace {

enum : int { LABEL = 10, LIST = 11, APPLY = 12, OFF = 13, HIDDEN = 14, NO_STOP = 15, NO_PREFIX = 16, ALL = 18 };

constexpr DWORD child = WS_CHILD | WS_VISIBLE;
const winres::DialogItemResource kItems[] = {
    {WC_STATIC, LABEL, L"&Name:", child, 0, 7, 7, 40, 9},
    {WC_LISTBOX, LIST, L"", child | WS_BORDER | WS_TABSTOP, 0, 50, 7, 80, 40},
    {WC_BUTTON, APPLY, L"&Apply", child | WS_TABSTOP, 0, 140, 7, 50, 14},
    {WC_BUTTON, OFF, L"&Off", child | WS_TABSTOP | WS_DISABLED, 0, 140, 25, 50, 14},
    {WC_BUTTON, HIDDEN, L"&Hidden", WS_CHILD | WS_TABSTOP, 0, 140, 43, 50, 14},
    {WC_BUTTON, NO_STOP, L"No stop &X", child, 0, 140, 61, 50, 14},
    {WC_STATIC, NO_PREFIX, L"&Q", child | SS_NOPREFIX, 0, 7, 30, 40, 9},
    {WC_BUTTON, IDOK, L"OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 7, 80, 50, 14},
    {WC_BUTTON, IDCANCEL, L"Cancel", child | WS_TABSTOP, 0, 60, 80, 50, 14},
    {WC_BUTTON, ALL, L"A&ll", child | WS_TABSTOP, 0, 113, 80, 50, 14},
};
const winres::DialogResource kDialogs[] = {
    {700, WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 10, 10, 200, 100, L"Keys", L"MS Shell Dlg", 8, kItems},
};
const winres::ResourceTable kTable{{}, {}, kDialogs, {}};

// A modeless dialog that only records the buttons clicked, so that OK and
// Cancel leave it open.
class KeyDialog : public CDialog {
public:
    KeyDialog()
    {
        AfxSetResourceHandle(platform::RegisterApplicationModule(&kTable));
        EXPECT_TRUE(Create(700));
        ShowWindow(SW_SHOW);
        desktop().processMessages();
    }

    HWND item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    Ids takeCommands() { return std::exchange(m_commands, {}); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        if (HIWORD(wParam) == BN_CLICKED) m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }

private:
    Ids m_commands;
};

int focusId()
{
    return GetDlgCtrlID(GetFocus());
}

} // namespace

TEST(DialogKeys, TabAndShiftTabWalkTheTabStopsRoundTheDialogAndTheFocusedButtonShowsIt)
{
    KeyDialog dlg;
    EXPECT_EQ(GetFocus(), dlg.item(LIST)); // the first tab stop, on creation
    // The focused button's dotted rectangle runs three pixels inside its
    // edge, every other pixel drawn ('x'); '.' for the button's face.
    const CRect apply = testsupport::screenRectOf(dlg.item(APPLY));
    const auto ring = [&] {
        std::string s;
        for (CSize d : {CSize(3, 3), CSize(4, 3), CSize(5, 3), CSize(3, apply.Height() - 4)}) {
            const COLORREF c = testsupport::screenAt(apply.TopLeft() + d);
            s += c == GetSysColor(COLOR_BTNTEXT) ? 'x' : c == GetSysColor(COLOR_BTNFACE) ? '.' : '?';
        }
        return s;
    };
    EXPECT_EQ(ring(), "....");
    desktop().pressKey(VK_TAB);
    EXPECT_EQ(ring(), "x.xx");
    // Disabled, hidden and non-tab-stop controls and static texts are passed over.
    Ids walked{focusId()};
    for (int i = 0; i < 4; ++i) {
        desktop().pressKey(VK_TAB);
        walked.push_back(focusId());
    }
    EXPECT_EQ(ring(), "....");
    for (int i = 0; i < 6; ++i) {
        pressWith(VK_SHIFT, VK_TAB);
        walked.push_back(focusId());
    }
    EXPECT_EQ(walked, (Ids{APPLY, IDOK, IDCANCEL, ALL, LIST, ALL, IDCANCEL, IDOK, APPLY, LIST, ALL}));
    EXPECT_TRUE(dlg.takeCommands().empty());
    EXPECT_EQ(GetNextDlgTabItem(dlg, nullptr, FALSE), dlg.item(LIST));
    EXPECT_EQ(GetNextDlgTabItem(dlg, nullptr, TRUE), dlg.item(ALL));
    EXPECT_EQ(GetNextDlgTabItem(dlg, dlg.item(NO_STOP), FALSE), dlg.item(IDOK));
}

TEST(DialogKeys, EnterPressesTheFocusedPushButtonElseTheDefaultOne)
{
    KeyDialog dlg;
    for (UINT vk : {VK_RETURN, VK_TAB, VK_RETURN, VK_SPACE, VK_ESCAPE}) desktop().pressKey(vk);
    EXPECT_EQ(dlg.takeCommands(), (Ids{IDOK, APPLY, APPLY, IDCANCEL}));
    // A click takes the focus to the button, as on the real system.
    desktop().click(testsupport::screenRectOf(dlg.item(ALL)).CenterPoint());
    EXPECT_EQ(GetFocus(), dlg.item(ALL));
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(dlg.takeCommands(), (Ids{ALL, ALL}));
    // Space released elsewhere, after the focus moved on, clicks nothing.
    desktop().keyDown(VK_SPACE);
    SetFocus(dlg.item(LIST));
    desktop().keyUp(VK_SPACE);
    EXPECT_TRUE(dlg.takeCommands().empty());
}

TEST(DialogKeys, AMnemonicFocusesAndPressesItsControl)
{
    KeyDialog dlg;
    // A letter alone is no mnemonic while the focus control (the list box)
    // takes characters itself.
    desktop().pressKey('A');
    EXPECT_EQ(GetFocus(), dlg.item(LIST));
    EXPECT_TRUE(dlg.takeCommands().empty());
    // With Alt it is. "A&ll" answers 'l' only: its 'A' is no mnemonic.
    pressWith(VK_MENU, 'A');
    EXPECT_EQ(GetFocus(), dlg.item(APPLY));
    pressWith(VK_MENU, 'L');
    EXPECT_EQ(GetFocus(), dlg.item(ALL));
    EXPECT_EQ(dlg.takeCommands(), (Ids{APPLY, ALL}));
    // A label hands the focus to the tab stop after it and presses nothing.
    pressWith(VK_MENU, 'N');
    EXPECT_EQ(GetFocus(), dlg.item(LIST));
    // A button without WS_TABSTOP still answers its mnemonic.
    pressWith(VK_MENU, 'X');
    EXPECT_EQ(GetFocus(), dlg.item(NO_STOP));
    EXPECT_EQ(dlg.takeCommands(), (Ids{NO_STOP}));
    // Disabled and hidden controls, SS_NOPREFIX texts and unknown letters do nothing.
    for (UINT key : {'O', 'H', 'Q', 'Z'}) pressWith(VK_MENU, key);
    EXPECT_EQ(GetFocus(), dlg.item(NO_STOP));
    EXPECT_TRUE(dlg.takeCommands().empty());
    // A button does not take characters: a letter alone is the mnemonic, in either case.
    desktop().pressKey('L');
    pressWith(VK_SHIFT, 'A');
    EXPECT_EQ(dlg.takeCommands(), (Ids{ALL, APPLY}));
    EXPECT_EQ(GetFocus(), dlg.item(APPLY));
}
