#include "platform/win/LoggingWnd.h"
#include "support/Input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using platform::desktop;
using testsupport::LoggingWnd;
using testsupport::takeLog;
using Log = std::vector<std::string>;

namespace {

// Only the lines that contain one of the words.
Log linesWith(const Log& log, std::initializer_list<const char*> words)
{
    Log kept;
    for (const std::string& line : log)
        if (std::any_of(words.begin(), words.end(), [&](const char* w) { return line.find(w) != line.npos; }))
            kept.push_back(line);
    return kept;
}

// A frame at (100, 100)-(300, 250) with a child at (120, 130)-(220, 190) on the screen.
struct Scene {
    Scene()
    {
        EXPECT_TRUE(frame.create(nullptr, CRect(100, 100, 300, 250)));
        EXPECT_TRUE(child.create(&frame, CRect(20, 30, 120, 90)));
        desktop().processMessages();
        takeLog();
    }
    LoggingWnd frame{"P"};
    LoggingWnd child{"C"};
};

// The queued key messages, each taken and translated as the loop does:
// "sysdown 66 20000001" (the key or character, then lParam in hex).
Log queuedKeys()
{
    const std::map<UINT, const char*> names{{WM_KEYDOWN, "down"},   {WM_KEYUP, "up"},       {WM_CHAR, "char"},
                                            {WM_SYSKEYDOWN, "sysdown"}, {WM_SYSKEYUP, "sysup"}, {WM_SYSCHAR, "syschar"}};
    Log queued;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_PAINT) {
        TranslateMessage(&msg);
        char text[64];
        std::snprintf(text, sizeof text, "%s %u %lx", names.count(msg.message) ? names.at(msg.message) : "?",
                      (unsigned)msg.wParam, (unsigned long)msg.lParam);
        queued.push_back(text);
    }
    return queued;
}

} // namespace

TEST(Input, TheMouseGoesToTheEnabledWindowUnderItInClientCoordinates)
{
    Scene s;
    desktop().moveMouse(CPoint(110, 110));
    // Over the child, whose default cursor handling asks its parent first.
    desktop().moveMouse(CPoint(130, 140));
    EXPECT_EQ(takeLog(), (Log{"P setcursor P 1 512", "P mousemove 10,10 0", "C setcursor C 1 512",
                              "P setcursor C 1 512", "C mousemove 10,10 0"}));
    desktop().pressButton();
    desktop().releaseButton();
    EXPECT_EQ(linesWith(takeLog(), {"button"}), (Log{"C lbuttondown 10,10 1", "C lbuttonup 10,10 0"}));
    // The desktop itself takes nothing.
    desktop().moveMouse(CPoint(10, 10));
    EXPECT_TRUE(takeLog().empty());
    EXPECT_EQ(desktop().cursorPos(), CPoint(10, 10)); // GetCursorPos's

    // Disabled and transparent windows pass the mouse on to their parent.
    s.child.EnableWindow(FALSE);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(130, 140)), &s.frame);
    desktop().click(CPoint(130, 140));
    EXPECT_EQ(linesWith(takeLog(), {"down"}), Log{"P lbuttondown 30,40 1"});
    s.child.EnableWindow(TRUE);
    s.child.m_hitTest = HTTRANSPARENT;
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(130, 140)), &s.frame);
    s.child.m_hitTest = HTCLIENT;
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(130, 140)), &s.child);
    // A disabled top-level window takes nothing, its children neither.
    s.frame.EnableWindow(FALSE);
    desktop().click(CPoint(130, 140));
    desktop().click(CPoint(110, 110));
    EXPECT_TRUE(linesWith(takeLog(), {"button"}).empty());
    s.child.ShowWindow(SW_HIDE);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(130, 140)), &s.frame);
    // Taking the capture from another window tells that one.
    s.frame.SetCapture();
    EXPECT_EQ(s.child.SetCapture(), &s.frame);
    EXPECT_EQ(linesWith(takeLog(), {"capture"}), Log{"P capturechanged to C"});
}

TEST(Input, MouseLeaveComesOnceWhenTheCursorLeavesTheClientArea)
{
    Scene s;
    desktop().moveMouse(CPoint(110, 110));
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, s.frame, 0};
    ASSERT_TRUE(_TrackMouseEvent(&tme));
    takeLog();
    desktop().moveMouse(CPoint(115, 115));
    desktop().moveMouse(CPoint(130, 140)); // onto the child: the frame's client area is left
    desktop().moveMouse(CPoint(110, 110));
    EXPECT_EQ(linesWith(takeLog(), {"mouse"}),
              (Log{"P mousemove 15,15 0", "P mouseleave", "C mousemove 10,10 0", "P mousemove 10,10 0"}));

    tme.hwndTrack = s.child;
    desktop().moveMouse(CPoint(130, 140));
    ASSERT_TRUE(TrackMouseEvent(&tme));
    TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
    ASSERT_TRUE(TrackMouseEvent(&query));
    EXPECT_EQ(query.hwndTrack, s.child.m_hWnd);
    EXPECT_EQ(query.dwFlags, (DWORD)TME_LEAVE);
    desktop().moveMouse(CPoint(10, 10)); // off every window
    EXPECT_EQ(linesWith(takeLog(), {"mouse"}), (Log{"C mousemove 10,10 0", "C mouseleave"}));

    // Not over the window: the leave comes at once. Cancelled: it never comes.
    ASSERT_TRUE(TrackMouseEvent(&tme));
    desktop().processMessages();
    EXPECT_EQ(takeLog(), Log{"C mouseleave"});
    desktop().moveMouse(CPoint(130, 140));
    ASSERT_TRUE(TrackMouseEvent(&tme));
    tme.dwFlags = TME_LEAVE | TME_CANCEL;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    desktop().moveMouse(CPoint(10, 10));
    EXPECT_TRUE(linesWith(takeLog(), {"leave"}).empty());
    tme.dwFlags = TME_HOVER;
    EXPECT_FALSE(TrackMouseEvent(&tme));
    tme.cbSize = 3;
    EXPECT_FALSE(TrackMouseEvent(&tme));
}

TEST(Input, WindowsChooseTheCursorOverThem)
{
    Scene s;
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW), sizeNS = LoadCursor(nullptr, IDC_SIZENS);
    ASSERT_NE(sizeNS, nullptr);
    EXPECT_NE(sizeNS, arrow);
    EXPECT_EQ(LoadCursorW(GetModuleHandleW(nullptr), IDC_SIZENS), nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
    s.child.m_cursor = sizeNS;
    desktop().moveMouse(CPoint(130, 140));
    EXPECT_EQ(desktop().cursor(), sizeNS);
    desktop().moveMouse(CPoint(110, 110));
    EXPECT_EQ(desktop().cursor(), arrow);
    // The class cursor, loaded again: the same shared cursor.
    LoggingWnd crossed("X");
    ASSERT_TRUE(crossed.create(nullptr, CRect(400, 400, 450, 450), WS_VISIBLE, 0,
                               AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_CROSS))));
    desktop().moveMouse(CPoint(410, 410));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_CROSS));
}

TEST(Input, QuickSecondClicksAreDoubleClicksWhereTheClassWantsThem)
{
    Scene s;
    LoggingWnd plain("N");
    ASSERT_TRUE(plain.create(nullptr, CRect(400, 400, 450, 450), WS_VISIBLE, 0, AfxRegisterWndClass(0)));
    takeLog();
    for (int i = 0; i < 3; ++i) desktop().click(CPoint(110, 110));
    desktop().advanceClock(500);
    desktop().click(CPoint(111, 112)); // 500 ms later and nearby: a double click
    desktop().advanceClock(501);
    desktop().click(CPoint(110, 110));
    desktop().click(CPoint(110, 110 + 3)); // too far away
    desktop().click(CPoint(410, 410));
    desktop().click(CPoint(410, 410));
    EXPECT_EQ(linesWith(takeLog(), {"down", "dbl"}),
              (Log{"P lbuttondown 10,10 1", "P lbuttondblclk 10,10", "P lbuttondown 10,10 1", "P lbuttondblclk 11,12",
                   "P lbuttondown 10,10 1", "P lbuttondown 10,13 1", "N lbuttondown 10,10 1", "N lbuttondown 10,10 1"}));
}

TEST(Input, KeysAndCharactersGoToTheFocusWindow)
{
    Scene s;
    EXPECT_EQ(s.child.SetFocus(), nullptr);
    desktop().pressKey('A');
    testsupport::pressWith(VK_CONTROL, 'C');
    desktop().typeText(L"B.");
    EXPECT_EQ(takeLog(), (Log{"C setfocus from -", "C keydown 65 x1", "C char 97", "C keyup 65",
                              "C keydown 17 x1 ctrl", "C keydown 67 x1 ctrl", "C char 3", "C keyup 67", "C keyup 17",
                              "C keydown 16 x1 shift", "C keydown 66 x1 shift", "C char 66", "C keyup 66",
                              "C keyup 16", "C keydown 190 x1", "C char 46", "C keyup 190"}));

    // A real layout's characters go as keys where the US layout agrees, else
    // as characters alone: "ö" has no key there, and the "/" of a layout's
    // Shift+7 is unshifted there (its key with Shift down would give "?").
    desktop().typeCharacter(L'7');
    desktop().typeCharacter(L'\u00F6');
    testsupport::holding(VK_SHIFT, [] {
        desktop().typeCharacter(L'/');
        desktop().typeCharacter(L'A');
    });
    EXPECT_EQ(takeLog(), (Log{"C keydown 55 x1", "C char 55", "C keyup 55", "C char 246", "C keydown 16 x1 shift",
                              "C char 47", "C keydown 65 x1 shift", "C char 65", "C keyup 65", "C keyup 16"}));

    EXPECT_EQ(CWnd::GetFocus(), &s.child);
    s.frame.SetFocus();
    // A disabled focus window loses the focus; then keys and characters go nowhere.
    s.frame.EnableWindow(FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    desktop().pressKey('A');
    desktop().typeCharacter(L'\u00F6');
    EXPECT_EQ(takeLog(), (Log{"C killfocus to P", "P setfocus from C", "P killfocus to -"}));
}

// Bit 29 of lParam is Alt's context bit, bit 30 the key's previous state, bit 31 a release.
TEST(Input, KeyStateIsThatOfTheMessageTakenAndAltMakesSystemKeys)
{
    Scene s;
    s.child.SetFocus();
    desktop().holdMessages(true);
    desktop().keyDown(VK_SHIFT);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(queuedKeys(), Log{"down 16 1"});
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    desktop().keyUp(VK_SHIFT);
    EXPECT_EQ(queuedKeys(), Log{"up 16 c0000001"});
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);

    // With Alt the keys are system keys and translate to system characters;
    // a key held down repeats; released, Alt is no longer down. F10 is a
    // system key without Alt.
    desktop().keyDown(VK_MENU);
    desktop().pressKey('B');
    desktop().keyDown('X');
    desktop().keyDown('X');
    desktop().keyUp('X');
    EXPECT_EQ(queuedKeys(), (Log{"sysdown 18 20000001", "sysdown 66 20000001", "syschar 98 20000001",
                                 "sysup 66 e0000001", "sysdown 88 20000001", "syschar 120 20000001",
                                 "sysdown 88 60000001", "syschar 120 60000001", "sysup 88 e0000001"}));
    desktop().keyUp(VK_MENU);
    desktop().pressKey(VK_F10);
    EXPECT_EQ(queuedKeys(), (Log{"sysup 18 c0000001", "sysdown 121 1", "sysup 121 c0000001"}));
    desktop().holdMessages(false);

    EXPECT_EQ(VkKeyScanW(L'a'), 'A');
    EXPECT_EQ(VkKeyScanW(L'?'), 0x100 | VK_OEM_2);
    EXPECT_EQ(VkKeyScanW(L'\u00e4'), -1);
}

TEST(Input, TheWheelTurnsForTheFocusWindowAndPassesOnToItsParent)
{
    Scene s;
    ::SetFocus(nullptr);
    takeLog();
    desktop().turnWheel(-WHEEL_DELTA);
    EXPECT_TRUE(takeLog().empty());
    s.child.SetFocus();
    desktop().moveMouse(CPoint(250, 200)); // over the frame, away from the child
    takeLog();
    testsupport::holding(VK_CONTROL, [] { desktop().turnWheel(-2 * WHEEL_DELTA); });
    desktop().turnWheel(WHEEL_DELTA / 4);
    // The child leaves it to the default, which gives it to the parent.
    EXPECT_EQ(linesWith(takeLog(), {"wheel"}), (Log{"C wheel -240 at 250,200 8", "P wheel -240 at 250,200 8",
                                                   "C wheel 30 at 250,200 0", "P wheel 30 at 250,200 0"}));
}
