#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

using platform::desktop;

TEST(ProgressCtrl, RangeStepAndPosition)
{
    testsupport::LoggingWnd parent("P");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 300, 100), WS_VISIBLE));
    CProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE, CRect(0, 0, 200, 20), &parent, 1010));
    int low = -1, high = -1;
    bar.GetRange(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 100);
    EXPECT_EQ(bar.StepIt(), 0);
    EXPECT_EQ(bar.GetPos(), 10);
    EXPECT_EQ(bar.SetPos(250), 10);
    EXPECT_EQ(bar.GetPos(), 100);
    EXPECT_EQ(bar.StepIt(), 100);
    EXPECT_EQ(bar.GetPos(), 0); // starts over

    bar.SetRange(10, 20);
    bar.SetStep(3);
    EXPECT_EQ(bar.GetPos(), 10);
    bar.OffsetPos(4);
    bar.StepIt();
    EXPECT_EQ(bar.GetPos(), 17);
    bar.SetRange32(-50, 50);
    bar.GetRange(low, high);
    EXPECT_EQ(low, -50);
    EXPECT_EQ(high, 50);
    EXPECT_EQ(bar.SetPos(-80), 17);
    EXPECT_EQ(bar.GetPos(), -50);
}

TEST(ProgressCtrl, SmoothBarFillsThePositionsShare)
{
    testsupport::useSmallScreen(300, 100);
    testsupport::LoggingWnd parent("P");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 300, 100), WS_VISIBLE));
    CProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | PBS_SMOOTH, CRect(0, 0, 200, 20), &parent, 1010));
    bar.SetPos(40);
    desktop().processMessages();
    const platform::Surface& s = desktop().screen();
    EXPECT_EQ(s.pixel(0, 10), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(s.pixel(79, 10), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(s.pixel(80, 10), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(s.pixel(199, 10), GetSysColor(COLOR_3DFACE));
}
