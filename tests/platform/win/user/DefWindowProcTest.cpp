// The caption's close box: where it is, how it looks, and the Win32
// non-client path of a press and release on it (WM_NCLBUTTONDOWN, tracking
// by DefWindowProc, WM_SYSCOMMAND SC_CLOSE, WM_CLOSE), driven through the
// desktop's mouse.
#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

#include <algorithm>

using platform::desktop;
using testsupport::LoggingWnd;
using testsupport::takeLog;

namespace {

TITLEBARINFOEX titleBar(HWND h)
{
    TITLEBARINFOEX info{};
    info.cbSize = sizeof info;
    EXPECT_EQ(SendMessageW(h, WM_GETTITLEBARINFOEX, 0, (LPARAM)&info), 1);
    return info;
}

CRect closeBox(HWND h)
{
    return titleBar(h).rgrect[CCHILDREN_TITLEBAR];
}

DWORD closeState(HWND h)
{
    return titleBar(h).rgstate[CCHILDREN_TITLEBAR];
}

COLORREF at(int x, int y)
{
    return desktop().screen().pixel(x, y);
}

bool logged(const std::vector<std::string>& log, const std::string& line)
{
    return std::find(log.begin(), log.end(), line) != log.end();
}

LRESULT hitTest(HWND h, CPoint p)
{
    return SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
}

// The cross's top-left corner in a box that is not pressed: 8 x 7 pixels in
// the middle of the 16 x 14 button.
CPoint crossOf(const CRect& box)
{
    return CPoint(box.left + 4, box.top + 3);
}

// A captioned window with a system menu at (50, 40)-(250, 190).
class CloseBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::useSmallScreen(400, 300);
        ASSERT_TRUE(w.create(nullptr, CRect(50, 40, 250, 190), WS_VISIBLE | WS_CAPTION | WS_SYSMENU));
        desktop().processMessages();
        h = w.m_hWnd;
    }

    LoggingWnd w{"W"};
    HWND h = nullptr;
};

} // namespace

TEST_F(CloseBox, APressAndReleaseOverTheCloseBoxClosesTheWindow)
{

    // A caption (WS_CAPTION is a dialog frame of 3 pixels) of 18 pixels; the
    // button 16 x 14, two pixels inside its right end.
    const CRect box = closeBox(h);
    EXPECT_EQ(box, CRect(250 - 3 - 18, 40 + 3 + 2, 250 - 3 - 2, 40 + 3 + 16));
    EXPECT_EQ(CRect(titleBar(h).rcTitleBar), CRect(53, 43, 247, 61));
    EXPECT_EQ(closeState(h), 0u);
    EXPECT_EQ(hitTest(h, box.CenterPoint()), HTCLOSE);
    EXPECT_EQ(hitTest(h, CPoint(box.left, box.bottom - 1)), HTCLOSE);
    EXPECT_EQ(hitTest(h, CPoint(box.left - 1, box.top + 5)), HTCAPTION);
    EXPECT_EQ(hitTest(h, CPoint(box.right, box.top + 5)), HTCAPTION);
    EXPECT_EQ(hitTest(h, CPoint(box.left + 5, box.bottom)), HTCAPTION);

    // A raised button on the caption with a black cross; the caption around it.
    const CPoint c = crossOf(box);
    EXPECT_EQ(at(box.left, box.top), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(at(box.right - 1, box.bottom - 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(at(box.left + 2, box.top + 2), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(at(box.left - 1, box.top + 5), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(at(box.right, box.top + 5), GetSysColor(COLOR_ACTIVECAPTION));
    for (const CPoint p : {c, c + CSize(1, 0), c + CSize(7, 0), c + CSize(3, 3), c + CSize(0, 6), c + CSize(7, 6)})
        EXPECT_EQ(at(p.x, p.y), GetSysColor(COLOR_BTNTEXT)) << p.x - c.x << "," << p.y - c.y;
    for (const CPoint p : {c + CSize(2, 0), c + CSize(5, 0), c + CSize(0, 3), c + CSize(7, 3), c + CSize(3, 6)})
        EXPECT_EQ(at(p.x, p.y), GetSysColor(COLOR_3DFACE)) << p.x - c.x << "," << p.y - c.y;

    // Held down: pressed, the cross one pixel down and right; the window
    // sees none of the mouse's messages while DefWindowProc follows it.
    desktop().moveMouse(box.CenterPoint());
    takeLog();
    desktop().pressButton();
    EXPECT_EQ(closeState(h), (DWORD)STATE_SYSTEM_PRESSED);
    EXPECT_EQ(at(c.x, c.y), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(at(c.x + 1, c.y + 1), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(at(box.left, box.top), GetSysColor(COLOR_3DDKSHADOW));
    desktop().moveMouse(CPoint(box.left - 30, box.top + 60)); // over the client area
    EXPECT_EQ(closeState(h), 0u);
    EXPECT_EQ(at(c.x, c.y), GetSysColor(COLOR_BTNTEXT));
    // Released away from the box: nothing happens.
    desktop().releaseButton();
    EXPECT_TRUE(IsWindow(h));
    std::vector<std::string> log = takeLog();
    EXPECT_FALSE(std::any_of(log.begin(), log.end(), [](const std::string& s) {
        return s.find("mouse") != std::string::npos || s.find("button") != std::string::npos;
    })) << log.size();

    // Pressed, moved off and back, released over it: the window closes.
    desktop().moveMouse(box.CenterPoint());
    desktop().pressButton();
    desktop().moveMouse(CPoint(box.left - 5, box.top));
    desktop().moveMouse(CPoint(box.left + 1, box.top + 1));
    EXPECT_EQ(closeState(h), (DWORD)STATE_SYSTEM_PRESSED);
    desktop().releaseButton();
    EXPECT_FALSE(IsWindow(h));
    log = takeLog();
    EXPECT_TRUE(logged(log, "W destroy"));
}

TEST_F(CloseBox, APressElsewhereOnTheCaptionOrAWindowWithoutSystemMenuDoesNotClose)
{
    LoggingWnd plain("P");
    ASSERT_TRUE(plain.create(nullptr, CRect(260, 40, 390, 190), WS_VISIBLE | WS_CAPTION));
    desktop().processMessages();
    const CRect box = closeBox(h);
    desktop().click(CPoint(box.left - 20, box.top + 5)); // the caption's text area
    EXPECT_TRUE(IsWindow(h));

    // Without WS_SYSMENU there is no box: the caption runs to its end.
    EXPECT_TRUE(CRect(closeBox(plain.m_hWnd)).IsRectEmpty());
    EXPECT_EQ(closeState(plain.m_hWnd), (DWORD)STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(GetSystemMenu(plain.m_hWnd, FALSE), nullptr);
    const CPoint where(390 - 3 - 10, 40 + 3 + 9);
    EXPECT_EQ(hitTest(plain.m_hWnd, where), HTCAPTION);
    EXPECT_EQ(at(where.x, where.y), GetSysColor(COLOR_ACTIVECAPTION));
    desktop().click(where);
    EXPECT_TRUE(IsWindow(plain.m_hWnd));
    w.DestroyWindow();
    plain.DestroyWindow();
    takeLog();
}

TEST_F(CloseBox, GrayingCloseInTheSystemMenuGraysTheBoxAndStopsIt)
{
    const HMENU menu = GetSystemMenu(h, FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetSystemMenu(h, FALSE), menu); // the window's one copy
    EXPECT_EQ(GetMenuItemID(menu, 0), (UINT)SC_CLOSE);
    EXPECT_EQ(EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);

    const CRect box = closeBox(h);
    const CPoint c = crossOf(box);
    EXPECT_EQ(closeState(h), (DWORD)STATE_SYSTEM_UNAVAILABLE);
    // An etched cross: gray, with a white copy one pixel down and right.
    EXPECT_EQ(at(c.x, c.y), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(at(c.x + 3, c.y + 3), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(at(c.x + 8, c.y + 1), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(at(c.x + 2, c.y), GetSysColor(COLOR_3DFACE));
    takeLog();
    desktop().click(box.CenterPoint());
    EXPECT_TRUE(IsWindow(h));
    EXPECT_EQ(closeState(h), (DWORD)STATE_SYSTEM_UNAVAILABLE);

    // Reverting brings the box back.
    EXPECT_EQ(GetSystemMenu(h, TRUE), nullptr);
    EXPECT_FALSE(IsMenu(menu));
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(at(c.x, c.y), GetSysColor(COLOR_BTNTEXT));
    desktop().click(box.CenterPoint());
    EXPECT_FALSE(IsWindow(h));
    // The window's system menu went with it.
    takeLog();
}
