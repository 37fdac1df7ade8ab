// The caption's close box: where it is, how it looks, and the Win32
// non-client path of a press and release on it (WM_NCLBUTTONDOWN, tracking
// by DefWindowProc, WM_SYSCOMMAND SC_CLOSE, WM_CLOSE), driven through the
// desktop's mouse.
#include "platform/win/LoggingWnd.h"
#include "support/OnScreen.h"
#include "support/WindowQueries.h"

#include <gtest/gtest.h>

using platform::desktop;
using testsupport::closeBoxOf;
using testsupport::screenAt;

namespace {

DWORD closeState(HWND h) { return testsupport::titleBar(h).rgstate[CCHILDREN_TITLEBAR]; }

LRESULT hitTest(HWND h, CPoint p) { return SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)); }

// The cross of a box that is not pressed: 8 x 7 pixels in the middle of the
// 16 x 14 button, its top-left corner here.
CPoint crossOf(const CRect& box) { return CPoint(box.left + 4, box.top + 3); }

// At points of a cross from its corner: 'x' where the ink is, '.' where the
// button's face shows, 'w' for white; the first six lie on the strokes, the
// others between them.
std::string marks(CPoint corner, COLORREF ink)
{
    std::string s;
    for (CSize d : {CSize(0, 0), CSize(1, 0), CSize(7, 0), CSize(3, 3), CSize(0, 6), CSize(7, 6), CSize(2, 0),
                    CSize(5, 0), CSize(0, 3), CSize(7, 3), CSize(3, 6)})
    {
        const COLORREF c = screenAt(corner + d);
        s += c == ink ? 'x' : c == GetSysColor(COLOR_3DFACE) ? '.' : c == GetSysColor(COLOR_3DHILIGHT) ? 'w' : '?';
    }
    return s;
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

    testsupport::LoggingWnd w{"W"};
    HWND h = nullptr;
};

} // namespace

TEST_F(CloseBox, APressAndReleaseOverTheCloseBoxClosesTheWindow)
{
    // A caption (WS_CAPTION is a dialog frame of 3 pixels) of 18 pixels; the
    // button 16 x 14, two pixels inside its right end.
    const CRect box = closeBoxOf(h);
    EXPECT_EQ(box, CRect(250 - 3 - 18, 40 + 3 + 2, 250 - 3 - 2, 40 + 3 + 16));
    EXPECT_EQ(CRect(testsupport::titleBar(h).rcTitleBar), CRect(53, 43, 247, 61));
    EXPECT_EQ(closeState(h), 0u);
    EXPECT_EQ(hitTest(h, box.CenterPoint()), HTCLOSE);
    EXPECT_EQ(hitTest(h, CPoint(box.left, box.bottom - 1)), HTCLOSE);
    for (CPoint p : {CPoint(box.left - 1, box.top + 5), CPoint(box.right, box.top + 5), CPoint(box.left + 5, box.bottom)})
        EXPECT_EQ(hitTest(h, p), HTCAPTION);

    // A raised button on the caption with a black cross.
    const CPoint c = crossOf(box);
    EXPECT_EQ(screenAt(box.TopLeft()), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(screenAt(box.BottomRight() - CSize(1, 1)), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(screenAt(box.TopLeft() + CSize(2, 2)), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(screenAt(box.left - 1, box.top + 5), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(screenAt(box.right, box.top + 5), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(marks(c, GetSysColor(COLOR_BTNTEXT)), "xxxxxx.....");

    // Held down: pressed, the cross one pixel down and right; the window
    // sees none of the mouse's messages while DefWindowProc follows it.
    desktop().moveMouse(box.CenterPoint());
    testsupport::takeLog();
    desktop().pressButton();
    EXPECT_EQ(closeState(h), (DWORD)STATE_SYSTEM_PRESSED);
    EXPECT_EQ(marks(c + CSize(1, 1), GetSysColor(COLOR_BTNTEXT)), "xxxxxx.....");
    EXPECT_EQ(screenAt(box.TopLeft()), GetSysColor(COLOR_3DDKSHADOW));
    desktop().moveMouse(CPoint(box.left - 30, box.top + 60)); // over the client area
    EXPECT_EQ(closeState(h), 0u);
    EXPECT_EQ(marks(c, GetSysColor(COLOR_BTNTEXT)), "xxxxxx.....");
    // Released away from the box: nothing happens.
    desktop().releaseButton();
    EXPECT_TRUE(IsWindow(h));
    for (const std::string& line : testsupport::takeLog())
        EXPECT_TRUE(line.find("mouse") == line.npos && line.find("button") == line.npos) << line;

    // Pressed, moved off and back, released over it: the window closes.
    desktop().moveMouse(box.CenterPoint());
    desktop().pressButton();
    desktop().moveMouse(CPoint(box.left - 5, box.top));
    desktop().moveMouse(CPoint(box.left + 1, box.top + 1));
    EXPECT_EQ(closeState(h), (DWORD)STATE_SYSTEM_PRESSED);
    desktop().releaseButton();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(testsupport::takeLog().back(), "W ncdestroy");
}

TEST_F(CloseBox, APressElsewhereOnTheCaptionOrAWindowWithoutSystemMenuDoesNotClose)
{
    testsupport::LoggingWnd plain("P");
    ASSERT_TRUE(plain.create(nullptr, CRect(260, 40, 390, 190), WS_VISIBLE | WS_CAPTION));
    desktop().processMessages();
    desktop().click(closeBoxOf(h).TopLeft() + CSize(-20, 5)); // the caption's text area
    EXPECT_TRUE(IsWindow(h));

    // Without WS_SYSMENU there is no box: the caption runs to its end.
    EXPECT_TRUE(closeBoxOf(plain).IsRectEmpty());
    EXPECT_EQ(closeState(plain), (DWORD)STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(GetSystemMenu(plain, FALSE), nullptr);
    const CPoint where(390 - 3 - 10, 40 + 3 + 9);
    EXPECT_EQ(hitTest(plain, where), HTCAPTION);
    EXPECT_EQ(screenAt(where), GetSysColor(COLOR_ACTIVECAPTION));
    desktop().click(where);
    EXPECT_TRUE(IsWindow(plain));
    w.DestroyWindow();
    plain.DestroyWindow();
}

TEST_F(CloseBox, GrayingCloseInTheSystemMenuGraysTheBoxAndStopsIt)
{
    const HMENU menu = GetSystemMenu(h, FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetSystemMenu(h, FALSE), menu); // the window's one copy
    EXPECT_EQ(GetMenuItemID(menu, 0), (UINT)SC_CLOSE);
    EXPECT_EQ(EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);

    const CRect box = closeBoxOf(h);
    const CPoint c = crossOf(box);
    EXPECT_EQ(closeState(h), (DWORD)STATE_SYSTEM_UNAVAILABLE);
    // An etched cross: gray, with a white copy one pixel down and right.
    EXPECT_EQ(marks(c, GetSysColor(COLOR_GRAYTEXT)), "xxxxxx....w");
    EXPECT_EQ(screenAt(c + CSize(8, 1)), GetSysColor(COLOR_3DHILIGHT));
    desktop().click(box.CenterPoint());
    EXPECT_TRUE(IsWindow(h));
    EXPECT_EQ(closeState(h), (DWORD)STATE_SYSTEM_UNAVAILABLE);

    // Reverting brings the box back.
    EXPECT_EQ(GetSystemMenu(h, TRUE), nullptr);
    EXPECT_FALSE(IsMenu(menu));
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(marks(c, GetSysColor(COLOR_BTNTEXT)), "xxxxxx.....");
    desktop().click(box.CenterPoint());
    EXPECT_FALSE(IsWindow(h));
}
