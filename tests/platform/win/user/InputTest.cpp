#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

using testsupport::LoggingWnd;
using testsupport::takeLog;
using Log = std::vector<std::string>;

namespace {

platform::Desktop& desk()
{
    return platform::desktop();
}

// Only the lines that contain one of the words.
Log linesWith(const Log& log, std::initializer_list<const char*> words)
{
    Log kept;
    for (const std::string& line : log)
        for (const char* w : words)
            if (line.find(w) != std::string::npos) {
                kept.push_back(line);
                break;
            }
    return kept;
}

// A frame at (100, 100)-(300, 250) with a child at (120, 130)-(220, 190) on the screen.
struct Scene {
    Scene()
    {
        EXPECT_TRUE(frame.create(nullptr, CRect(100, 100, 300, 250)));
        EXPECT_TRUE(child.create(&frame, CRect(20, 30, 120, 90)));
        platform::desktop().processMessages();
        takeLog();
    }
    LoggingWnd frame{"P"};
    LoggingWnd child{"C"};
};

} // namespace

TEST(Input, MouseMovesAreHitTestedAndDeliveredInClientCoordinates)
{
    Scene s;
    desk().moveMouse(CPoint(110, 110));
    EXPECT_EQ(takeLog(), (Log{"P setcursor P 1 512", "P mousemove 10,10 0"}));
    // Over the child, whose default cursor handling asks its parent first.
    desk().moveMouse(CPoint(130, 140));
    EXPECT_EQ(takeLog(), (Log{"C setcursor C 1 512", "P setcursor C 1 512", "C mousemove 10,10 0"}));
    desk().pressButton();
    desk().releaseButton();
    EXPECT_EQ(linesWith(takeLog(), {"button"}), (Log{"C lbuttondown 10,10 1", "C lbuttonup 10,10 0"}));
    // The desktop itself takes nothing.
    desk().moveMouse(CPoint(10, 10));
    EXPECT_TRUE(takeLog().empty());
    EXPECT_EQ(desk().cursorPos(), CPoint(10, 10));
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(CPoint(p), CPoint(10, 10));
}

TEST(Input, TheCaptureWindowGetsTheMouseWhereverItIs)
{
    Scene s;
    EXPECT_EQ(s.child.SetCapture(), nullptr);
    desk().moveMouse(CPoint(110, 110));
    desk().moveMouse(CPoint(50, 50));
    desk().pressButton(platform::MouseButton::Right);
    EXPECT_EQ(takeLog(), (Log{"C mousemove -10,-20 0", "C mousemove -70,-80 0", "C rbuttondown -70,-80 2"}));
    desk().releaseButton(platform::MouseButton::Right);
    takeLog();

    EXPECT_EQ(CWnd::GetCapture(), &s.child);
    ReleaseCapture();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    desk().moveMouse(CPoint(110, 110));
    EXPECT_EQ(takeLog(), (Log{"C capturechanged to -", "P setcursor P 1 512", "P mousemove 10,10 0"}));
    s.frame.SetCapture();
    EXPECT_EQ(s.child.SetCapture(), &s.frame);
    EXPECT_EQ(takeLog(), Log{"P capturechanged to C"});
}

TEST(Input, MouseLeaveComesOnceWhenTheCursorLeavesTheClientArea)
{
    Scene s;
    desk().moveMouse(CPoint(110, 110));
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, s.frame, 0};
    ASSERT_TRUE(_TrackMouseEvent(&tme));
    takeLog();
    desk().moveMouse(CPoint(115, 115));
    desk().moveMouse(CPoint(130, 140)); // onto the child: the frame's client area is left
    desk().moveMouse(CPoint(110, 110));
    EXPECT_EQ(linesWith(takeLog(), {"mouse"}),
              (Log{"P mousemove 15,15 0", "P mouseleave", "C mousemove 10,10 0", "P mousemove 10,10 0"}));

    tme.hwndTrack = s.child;
    desk().moveMouse(CPoint(130, 140));
    ASSERT_TRUE(TrackMouseEvent(&tme));
    TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
    ASSERT_TRUE(TrackMouseEvent(&query));
    EXPECT_EQ(query.hwndTrack, s.child.m_hWnd);
    EXPECT_EQ(query.dwFlags, (DWORD)TME_LEAVE);
    desk().moveMouse(CPoint(10, 10)); // off every window
    EXPECT_EQ(linesWith(takeLog(), {"mouse"}), (Log{"C mousemove 10,10 0", "C mouseleave"}));

    // Not over the window: the leave comes at once. Cancelled: it never comes.
    ASSERT_TRUE(TrackMouseEvent(&tme));
    desk().processMessages();
    EXPECT_EQ(takeLog(), Log{"C mouseleave"});
    desk().moveMouse(CPoint(130, 140));
    ASSERT_TRUE(TrackMouseEvent(&tme));
    tme.dwFlags = TME_LEAVE | TME_CANCEL;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    desk().moveMouse(CPoint(10, 10));
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
    EXPECT_EQ(LoadCursorW(nullptr, IDC_SIZENS), sizeNS);
    EXPECT_EQ(LoadCursorW(GetModuleHandleW(nullptr), IDC_SIZENS), nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);

    s.child.m_cursor = sizeNS;
    desk().moveMouse(CPoint(130, 140));
    EXPECT_EQ(desk().cursor(), sizeNS);
    desk().moveMouse(CPoint(110, 110));
    EXPECT_EQ(desk().cursor(), arrow);

    LoggingWnd crossed("X");
    ASSERT_TRUE(crossed.create(nullptr, CRect(400, 400, 450, 450), WS_VISIBLE, 0,
                               AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_CROSS))));
    desk().moveMouse(CPoint(410, 410));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_CROSS));
}

TEST(Input, QuickSecondClicksAreDoubleClicksWhereTheClassWantsThem)
{
    Scene s;
    LoggingWnd plain("N");
    ASSERT_TRUE(plain.create(nullptr, CRect(400, 400, 450, 450), WS_VISIBLE, 0, AfxRegisterWndClass(0)));
    takeLog();
    for (int i = 0; i < 3; ++i) desk().click(CPoint(110, 110));
    desk().advanceClock(500);
    desk().click(CPoint(111, 112)); // 500 ms later and nearby: a double click
    desk().advanceClock(501);
    desk().click(CPoint(110, 110));
    desk().click(CPoint(110, 110 + 3)); // too far away
    EXPECT_EQ(linesWith(takeLog(), {"down", "dbl"}),
              (Log{"P lbuttondown 10,10 1", "P lbuttondblclk 10,10", "P lbuttondown 10,10 1",
                   "P lbuttondblclk 11,12", "P lbuttondown 10,10 1", "P lbuttondown 10,13 1"}));
    desk().click(CPoint(410, 410));
    desk().click(CPoint(410, 410));
    EXPECT_EQ(linesWith(takeLog(), {"down", "dbl"}), (Log{"N lbuttondown 10,10 1", "N lbuttondown 10,10 1"}));
}

TEST(Input, DisabledAndTransparentWindowsPassTheMouseOn)
{
    Scene s;
    s.child.EnableWindow(FALSE);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(130, 140)), &s.frame);
    desk().click(CPoint(130, 140));
    EXPECT_EQ(linesWith(takeLog(), {"down"}), Log{"P lbuttondown 30,40 1"});
    s.child.EnableWindow(TRUE);
    s.child.m_hitTest = HTTRANSPARENT;
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(130, 140)), &s.frame);
    s.child.m_hitTest = HTCLIENT;
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(130, 140)), &s.child);

    // A disabled top-level window takes nothing, its children neither.
    s.frame.EnableWindow(FALSE);
    desk().click(CPoint(130, 140));
    desk().click(CPoint(110, 110));
    EXPECT_TRUE(linesWith(takeLog(), {"button"}).empty());
    s.child.ShowWindow(SW_HIDE);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(130, 140)), &s.frame);
}

TEST(Input, KeysGoToTheFocusWindowWithTheirCharacters)
{
    Scene s;
    EXPECT_EQ(s.child.SetFocus(), nullptr);
    desk().pressKey('A');
    desk().keyDown(VK_CONTROL);
    desk().pressKey('C');
    desk().keyUp(VK_CONTROL);
    EXPECT_EQ(takeLog(), (Log{"C setfocus from -", "C keydown 65 x1", "C char 97", "C keyup 65",
                              "C keydown 17 x1 ctrl", "C keydown 67 x1 ctrl", "C char 3", "C keyup 67",
                              "C keyup 17"}));
    desk().typeText(L"B.");
    EXPECT_EQ(takeLog(), (Log{"C keydown 16 x1 shift", "C keydown 66 x1 shift", "C char 66", "C keyup 66",
                              "C keyup 16", "C keydown 190 x1", "C char 46", "C keyup 190"}));
    EXPECT_EQ(CWnd::GetFocus(), &s.child);
    s.frame.SetFocus();
    EXPECT_EQ(takeLog(), (Log{"C killfocus to P", "P setfocus from C"}));

    // A disabled focus window loses the focus; then keys go nowhere.
    s.frame.EnableWindow(FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    desk().pressKey('A');
    EXPECT_EQ(takeLog(), Log{"P killfocus to -"});
}

TEST(Input, CharactersOfARealLayoutGoAsKeysWhereTheUsLayoutAgreesElseAsCharactersAlone)
{
    Scene s;
    s.child.SetFocus();
    takeLog();
    desk().typeCharacter(L'7');
    desk().typeCharacter(L'\u00F6'); // "ö": no key on the US layout
    EXPECT_EQ(takeLog(), (Log{"C keydown 55 x1", "C char 55", "C keyup 55", "C char 246"}));
    // A layout's Shift+7 types "/", which the US layout types without Shift:
    // pressing its key with Shift down would give "?".
    desk().keyDown(VK_SHIFT);
    desk().typeCharacter(L'/');
    desk().typeCharacter(L'A');
    desk().keyUp(VK_SHIFT);
    EXPECT_EQ(takeLog(), (Log{"C keydown 16 x1 shift", "C char 47", "C keydown 65 x1 shift", "C char 65",
                              "C keyup 65", "C keyup 16"}));
    // Without a focus window the character goes nowhere.
    s.frame.EnableWindow(FALSE);
    takeLog();
    desk().typeCharacter(L'\u00F6');
    EXPECT_TRUE(takeLog().empty());
}

TEST(Input, KeyStateIsThatOfTheMessageBeingHandled)
{
    Scene s;
    s.child.SetFocus();
    desk().holdMessages(true);
    desk().keyDown(VK_SHIFT);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_KEYDOWN);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    desk().keyUp(VK_SHIFT);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.lParam, (LPARAM)0xC0000001);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);

    // With Alt the keys are system keys; a key held down repeats.
    desk().keyDown(VK_MENU);
    desk().keyDown('X');
    desk().keyDown('X');
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_SYSKEYDOWN);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_SYSKEYDOWN);
    EXPECT_EQ(msg.lParam & (1 << 30), 0);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_NE(msg.lParam & (1 << 30), 0);

    EXPECT_EQ(VkKeyScanW(L'a'), 'A');
    EXPECT_EQ(VkKeyScanW(L'?'), 0x100 | VK_OEM_2);
    EXPECT_EQ(VkKeyScanW(L'\u00e4'), -1);
}

TEST(Input, AltMakesSystemKeysWithTheContextBitThatTranslateToSystemCharacters)
{
    Scene s;
    s.child.SetFocus();
    desk().holdMessages(true);
    constexpr LPARAM altDown = (LPARAM)1 << 29;
    MSG msg;
    // The next message, translated as the loop does.
    const auto next = [&msg] {
        EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
        TranslateMessage(&msg);
        return msg.message;
    };

    desk().keyDown(VK_MENU);
    EXPECT_EQ(next(), (UINT)WM_SYSKEYDOWN);
    EXPECT_EQ(msg.wParam, (WPARAM)VK_MENU);
    EXPECT_NE(msg.lParam & altDown, 0);
    desk().pressKey('B');
    EXPECT_EQ(next(), (UINT)WM_SYSKEYDOWN);
    EXPECT_NE(msg.lParam & altDown, 0);
    EXPECT_EQ(next(), (UINT)WM_SYSCHAR);
    EXPECT_EQ(msg.wParam, (WPARAM)L'b');
    EXPECT_NE(msg.lParam & altDown, 0);
    EXPECT_EQ(next(), (UINT)WM_SYSKEYUP);
    EXPECT_EQ(msg.lParam & 0xE0000000, (LPARAM)0xE0000000);
    // Released, Alt is no longer down.
    desk().keyUp(VK_MENU);
    EXPECT_EQ(next(), (UINT)WM_SYSKEYUP);
    EXPECT_EQ(msg.lParam & altDown, 0);

    // F10 is a system key without Alt; plain keys carry no context bit.
    desk().pressKey(VK_F10);
    EXPECT_EQ(next(), (UINT)WM_SYSKEYDOWN);
    EXPECT_EQ(msg.lParam & altDown, 0);
    EXPECT_EQ(next(), (UINT)WM_SYSKEYUP);
    desk().pressKey('B');
    EXPECT_EQ(next(), (UINT)WM_KEYDOWN);
    EXPECT_EQ(msg.lParam & altDown, 0);
    EXPECT_EQ(next(), (UINT)WM_CHAR);
    EXPECT_EQ(msg.wParam, (WPARAM)L'b');
    EXPECT_EQ(next(), (UINT)WM_KEYUP);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_PAINT);
    desk().holdMessages(false);
}

TEST(Input, TheWheelTurnsForTheFocusWindowAndPassesOnToItsParent)
{
    Scene s;
    ::SetFocus(nullptr);
    takeLog();
    desk().turnWheel(-WHEEL_DELTA);
    EXPECT_TRUE(takeLog().empty());

    s.child.SetFocus();
    desk().moveMouse(CPoint(250, 200)); // over the frame, away from the child
    takeLog();
    desk().keyDown(VK_CONTROL);
    desk().turnWheel(-2 * WHEEL_DELTA);
    desk().keyUp(VK_CONTROL);
    // The child leaves it to the default, which gives it to the parent.
    EXPECT_EQ(linesWith(takeLog(), {"wheel"}), (Log{"C wheel -240 at 250,200 8", "P wheel -240 at 250,200 8"}));
    desk().turnWheel(WHEEL_DELTA / 4);
    EXPECT_EQ(linesWith(takeLog(), {"wheel"}), (Log{"C wheel 30 at 250,200 0", "P wheel 30 at 250,200 0"}));
}
