#include "platform/win/LoggingWnd.h"
#include "support/Ink.h"
#include "support/OnScreen.h"
#include "support/PixelCanvas.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testsupport::colours;
using testsupport::desktopColor;
using testsupport::LoggingWnd;
using testsupport::screenAt;
using testsupport::screenCount;
using testsupport::screenFill;
using testsupport::takeLog;
using Log = std::vector<std::string>;

namespace {

void settle() { platform::desktop().processMessages(); }

} // namespace

TEST(Paint, PaintingLandsInsideTheWindowAndNowhereElse)
{
    testsupport::useSmallScreen(200, 150);
    LoggingWnd frame("F", white), inner("I", red), overhanging("O", blue);
    ASSERT_TRUE(frame.create(nullptr, CRect(20, 20, 180, 130), WS_VISIBLE | WS_BORDER));
    ASSERT_TRUE(inner.create(&frame, CRect(10, 10, 60, 40)));
    ASSERT_TRUE(overhanging.create(&frame, CRect(140, 90, 200, 150)));
    settle();
    // Each paints far beyond its borders; its DC keeps it inside. The
    // overhanging child is cut at its parent's client area.
    EXPECT_EQ(screenCount(desktopColor()), 200 * 150 - 160 * 110);
    EXPECT_EQ(screenAt(20, 20), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(screenAt(179, 129), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(screenFill(red), CRect(31, 31, 81, 61));
    EXPECT_EQ(screenFill(blue), CRect(161, 111, 179, 129));
    EXPECT_EQ(screenCount(white), 158 * 108 - 50 * 30 - 18 * 18);
}

TEST(Paint, HiddenWindowsDrawNothing)
{
    testsupport::useSmallScreen(100, 100);
    LoggingWnd parent("P"), child("C");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 100, 100), 0));
    ASSERT_TRUE(child.create(&parent, CRect(10, 10, 50, 50), WS_VISIBLE));
    settle();
    takeLog();
    for (CWnd* w : {(CWnd*)&parent, (CWnd*)&child}) {
        CClientDC dc(w);
        dc.FillSolidRect(0, 0, 100, 100, red);
        EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
    }
    EXPECT_EQ(screenCount(desktopColor()), 100 * 100);
    EXPECT_TRUE(takeLog().empty());
    parent.ShowWindow(SW_SHOW);
    CClientDC(&child).FillSolidRect(0, 0, 100, 100, red);
    EXPECT_EQ(screenFill(red), CRect(10, 10, 50, 50));
}

// Erasing only what was invalidated, painting once and joining areas show in the grids' redraws.
TEST(Paint, InvalidatedAreasWaitForTheUpdateAndAreErasedInTheClassBackgroundOnlyIfAsked)
{
    testsupport::useSmallScreen(100, 100);
    LoggingWnd w("W");
    ASSERT_TRUE(w.create(nullptr, CRect(0, 0, 100, 100), WS_VISIBLE, 0,
                         AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_INFOBK + 1))));
    settle();
    CClientDC(&w).FillSolidRect(0, 0, 100, 100, red);
    takeLog();
    w.InvalidateRect(nullptr, FALSE);
    EXPECT_TRUE(takeLog().empty());
    settle();
    EXPECT_EQ(takeLog(), Log{"W paint"});

    w.Invalidate();
    w.ValidateRect(nullptr);
    w.UpdateWindow();
    EXPECT_TRUE(takeLog().empty());
    w.RedrawWindow();
    EXPECT_EQ(takeLog(), (Log{"W erase", "W paint"}));
    EXPECT_EQ(screenCount(GetSysColor(COLOR_INFOBK)), 100 * 100);
}

TEST(Paint, FramesAreDrawnAroundTheClientArea)
{
    testsupport::useSmallScreen(200, 150);
    LoggingWnd dialog("D"), edged("E");
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, L"Title", WS_POPUP | WS_VISIBLE | WS_CAPTION,
                                CRect(10, 10, 110, 80), nullptr, 0));
    ASSERT_TRUE(edged.CreateEx(WS_EX_CLIENTEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 30, 30),
                               &dialog, 1));
    settle();
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 94, 46));
    AdjustWindowRectEx(&client, WS_POPUP | WS_CAPTION, FALSE, 0);
    EXPECT_EQ(client.Size(), CSize(100, 70));

    // Dialog frame: light outside top-left, dark outside bottom-right; the caption bar.
    EXPECT_EQ(screenAt(10, 10), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(screenAt(109, 79), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(screenAt(105, 14), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_GT((testsupport::Ink{GetSysColor(COLOR_CAPTIONTEXT), GetSysColor(COLOR_ACTIVECAPTION)}.count(
                  platform::desktop().screen(), CRect(13, 13, 107, 31))),
              10);
    // The sunken edge of the child, at (23, 41) on the screen.
    EXPECT_EQ(screenAt(23, 41), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(screenAt(24, 42), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(screenAt(42, 60), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(screenAt(41, 59), GetSysColor(COLOR_3DLIGHT));
}

TEST(Paint, WhatAWindowUncoversPaintsAgain)
{
    testsupport::useSmallScreen(200, 150);
    LoggingWnd parent("P", white), child("C", red);
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 100, 100)));
    ASSERT_TRUE(child.create(&parent, CRect(10, 20, 40, 60)));
    settle();
    takeLog();
    child.ShowWindow(SW_HIDE);
    settle();
    EXPECT_EQ(takeLog(), (Log{"C show 0", "P erase", "P paint"}));
    EXPECT_EQ(parent.m_lastPaint, CRect(10, 20, 40, 60));
    EXPECT_EQ(screenFill(white), CRect(0, 0, 100, 100));

    // A top-level window moved: painted at once in its new place; the desktop
    // takes its old place at once, a window under it paints later.
    LoggingWnd top("T", blue);
    ASSERT_TRUE(top.create(nullptr, CRect(50, 50, 90, 90)));
    settle();
    takeLog();
    top.MoveWindow(150, 100, 40, 40);
    EXPECT_EQ(screenFill(blue), CRect(150, 100, 190, 140));
    EXPECT_EQ(screenAt(95, 95), white);
    EXPECT_EQ(screenAt(60, 60), desktopColor());
    settle();
    EXPECT_EQ(takeLog(), (Log{"T move 150,100", "T ncpaint", "T erase", "T paint", "P erase", "P paint"}));
    EXPECT_EQ(screenAt(60, 60), white);
    EXPECT_EQ(screenFill(blue), CRect(150, 100, 190, 140));
}

TEST(Paint, AChildPaintedEarlyIsNotLostUnderItsParentsFirstPaint)
{
    testsupport::useSmallScreen(100, 100);
    LoggingWnd parent("P", white), child("C", red);
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 100, 100)));
    ASSERT_TRUE(child.create(&parent, CRect(10, 10, 40, 40)));
    child.UpdateWindow(); // before the parent has painted at all
    EXPECT_EQ(screenFill(red), CRect(10, 10, 40, 40));
    takeLog();
    settle();
    EXPECT_EQ(takeLog(), (Log{"P ncpaint", "P erase", "P paint", "C erase", "C paint"}));
    EXPECT_EQ(screenFill(red), CRect(10, 10, 40, 40));
}

TEST(Paint, ScreenshotsShowTheScreenOrOneWindow)
{
    testsupport::useSmallScreen(120, 90);
    LoggingWnd w("W", red);
    ASSERT_TRUE(w.create(nullptr, CRect(30, 20, 70, 50), WS_VISIBLE | WS_BORDER));
    settle();
    testsupport::TempDir dir;
    ASSERT_TRUE(platform::desktop().saveScreenshot(dir.file("screen.png")));
    ASSERT_TRUE(platform::desktop().saveScreenshot(w, dir.file("window.png")));
    EXPECT_FALSE(platform::desktop().saveScreenshot((HWND)0x1234, dir.file("none.png")));
    const auto screen = platform::LoadPng(dir.file("screen.png")), window = platform::LoadPng(dir.file("window.png"));
    ASSERT_TRUE(screen && window);
    EXPECT_EQ(*screen, platform::desktop().screen());
    EXPECT_EQ(window->bounds(), CRect(0, 0, 40, 30));
    EXPECT_EQ(window->pixel(0, 0), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(window->pixel(1, 1), red);
    EXPECT_EQ(window->pixel(38, 28), red);
}

TEST(Paint, InvalidatingTheNullWindowRepaintsEveryWindowAfterTheScreenWasCleared)
{
    testsupport::useSmallScreen(200, 150);
    LoggingWnd frame("F", white), inner("I", red), other("O", blue), hidden("H", green);
    ASSERT_TRUE(frame.create(nullptr, CRect(20, 20, 120, 100), WS_VISIBLE | WS_BORDER));
    ASSERT_TRUE(inner.create(&frame, CRect(10, 10, 40, 30)));
    ASSERT_TRUE(other.create(nullptr, CRect(130, 20, 190, 60)));
    ASSERT_TRUE(hidden.create(nullptr, CRect(130, 80, 190, 140), 0));
    settle();
    // A larger screen starts as the bare desktop; the windows come back,
    // frames and children too, and the new area stays the desktop's.
    platform::desktop().setScreenSize(260, 180);
    EXPECT_EQ(screenCount(red), 0);
    takeLog();
    EXPECT_TRUE(InvalidateRect(nullptr, nullptr, TRUE));
    settle();
    EXPECT_EQ(screenAt(20, 20), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(screenFill(red), CRect(31, 31, 61, 51));
    EXPECT_EQ(screenCount(white), 98 * 78 - 30 * 20);
    EXPECT_EQ(screenFill(blue), CRect(130, 20, 190, 60));
    EXPECT_EQ(screenCount(green), 0);
    EXPECT_EQ(screenCount(desktopColor()), 260 * 180 - 100 * 80 - 60 * 40);
    const Log log = takeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "H paint"), 0);
}

TEST(Paint, AWindowUnderAnotherDrawsOnlyWhereItShows)
{
    testsupport::useSmallScreen(200, 150);
    LoggingWnd under("U", white), child("C", green), over("O", blue);
    ASSERT_TRUE(under.create(nullptr, CRect(10, 10, 110, 90)));
    ASSERT_TRUE(child.create(&under, CRect(40, 20, 90, 60)));
    ASSERT_TRUE(over.create(nullptr, CRect(60, 40, 160, 120)));
    settle();
    const CRect overlap(60, 40, 110, 90);
    const int overlapArea = overlap.Width() * overlap.Height();
    const int childShown = 50 * 40 - 40 * 30; // the child is at 50,30 - 100,70 on the screen
    ASSERT_EQ(screenCount(blue, overlap), overlapArea);

    // Painting again after the window above: its part stays the upper window's.
    under.m_paint = red;
    under.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(screenCount(blue, overlap), overlapArea);
    EXPECT_EQ(screenCount(red), 100 * 80 - overlapArea - childShown);
    EXPECT_EQ(screenCount(green), childShown);

    // Every way of drawing keeps out of it, a child's DC too.
    const platform::Surface before = platform::desktop().screen();
    for (CWnd* w : {(CWnd*)&under, (CWnd*)&child}) {
        CClientDC dc(w);
        dc.FillSolidRect(0, 0, 200, 150, white);
        dc.PatBlt(0, 0, 200, 150, DSTINVERT);
        testsupport::PixelCanvas memory(200, 150, green);
        dc.BitBlt(0, 0, 200, 150, &memory.dc, 0, 0, SRCINVERT);
        dc.SetTextColor(red);
        dc.TextOut(40, 40, CString(L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    }
    int changed = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool same = screenAt(x, y) == before.pixel(x, y);
            EXPECT_TRUE(same || !overlap.PtInRect(CPoint(x, y))) << x << "," << y;
            changed += !same;
        }
    EXPECT_GT(changed, 100 * 80 / 2);

    // Once the upper window is hidden, what it covered paints: a hidden window covers nothing.
    over.ShowWindow(SW_HIDE);
    settle();
    EXPECT_EQ(screenCount(blue), 0);
    EXPECT_EQ(screenCount(red, overlap), overlapArea - 40 * 30);
    EXPECT_EQ(screenCount(green, CRect(60, 40, 100, 70)), 40 * 30);
}
