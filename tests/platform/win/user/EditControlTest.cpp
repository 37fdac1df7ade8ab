// The one-line edit control: typing at the caret, the caret keys, a click
// that places the caret, and the caret drawn only while it has the focus.
#include "platform/win/LoggingWnd.h"
#include "support/WindowQueries.h"

#include <gtest/gtest.h>

using platform::desktop;
using testsupport::windowText;

TEST(EditControl, TypingAndTheCaretKeysEditAtTheCaretWhichShowsWhileFocused)
{
    testsupport::useSmallScreen(300, 200);
    testsupport::LoggingWnd parent("P", RGB(0, 128, 0));
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 300, 200)));
    const HWND edit = CreateWindowExW(0, WC_EDIT, L"abc", WS_CHILD | WS_VISIBLE, 20, 20, 150, 22, parent.m_hWnd,
                                      (HMENU)7, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    const auto caret = [edit] { return LOWORD(SendMessageW(edit, EM_GETSEL, 0, 0)); };
    const auto& screen = desktop().screen();
    EXPECT_EQ(SendMessageW(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_WANTARROWS);
    EXPECT_EQ(caret(), 3); // after the text it was given
    desktop().processMessages();
    EXPECT_EQ(screen.pixel(22, 30), GetSysColor(COLOR_WINDOW)); // no caret without the focus

    // A click left of the text takes the focus and puts the caret first.
    desktop().click(CPoint(21, 30));
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(caret(), 0);
    // The caret: one pixel wide, two pixels in, two short of either end.
    EXPECT_EQ(screen.pixel(22, 22), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(screen.pixel(22, 39), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(screen.pixel(22, 21), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(screen.pixel(22, 40), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(screen.pixel(21, 30), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(screen.pixel(19, 30), RGB(0, 128, 0)); // the parent around it

    desktop().typeText(L"x");
    EXPECT_EQ(windowText(edit), L"xabc");
    EXPECT_EQ(caret(), 1);
    desktop().pressKey(VK_END);
    desktop().pressKey(VK_BACK);
    EXPECT_EQ(windowText(edit), L"xab");
    desktop().pressKey(VK_HOME);
    desktop().pressKey(VK_DELETE);
    EXPECT_EQ(windowText(edit), L"ab");
    desktop().pressKey(VK_LEFT);
    desktop().pressKey(VK_BACK); // nothing before the caret
    EXPECT_EQ(windowText(edit), L"ab");
    desktop().pressKey(VK_RIGHT);
    desktop().typeText(L"\u00f6"); // a character without a key of its own
    EXPECT_EQ(windowText(edit), L"a\u00f6b");
    SendMessageW(edit, EM_SETSEL, 0, 0);
    EXPECT_EQ(caret(), 0);
    SendMessageW(edit, EM_SETSEL, (WPARAM)-1, -1);
    EXPECT_EQ(caret(), 3);

    // A click between two characters puts the caret between them.
    HDC dc = GetDC(edit);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)); // the font of a control given none
    SIZE one{};
    GetTextExtentPoint32W(dc, L"a", 1, &one);
    ReleaseDC(edit, dc);
    desktop().click(CPoint(20 + 2 + one.cx, 30));
    EXPECT_EQ(caret(), 1);
    parent.SetFocus();
    desktop().processMessages();
    // Without the focus the caret goes: its ends, above and below the letters' smoothed edges.
    EXPECT_EQ(screen.pixel(22 + one.cx, 22), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(screen.pixel(22 + one.cx, 39), GetSysColor(COLOR_WINDOW));
    DestroyWindow(edit);
}
