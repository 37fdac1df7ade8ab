#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

using platform::desktop;

TEST(ProgressCtrl, RangeStepAndPositionAndASmoothBarFillsThePositionsShare)
{
    testsupport::useSmallScreen(300, 100);
    testsupport::LoggingWnd parent("P");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 300, 100), WS_VISIBLE));
    CProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | PBS_SMOOTH, CRect(0, 0, 200, 20), &parent, 1010));
    const auto state = [&bar] {
        int low = -1, high = -1;
        bar.GetRange(low, high);
        return std::to_string(low) + ".." + std::to_string(high) + " at " + std::to_string(bar.GetPos());
    };
    EXPECT_EQ(state(), "0..100 at 0");
    EXPECT_EQ(bar.StepIt(), 0); // the previous position, as SetPos answers too
    EXPECT_EQ(bar.SetPos(250), 10);
    EXPECT_EQ(bar.StepIt(), 100); // held at the end, then a step starts over
    EXPECT_EQ(bar.GetPos(), 0);
    bar.SetRange(10, 20);
    bar.SetStep(3);
    EXPECT_EQ(state(), "10..20 at 10");
    bar.OffsetPos(4);
    bar.StepIt();
    EXPECT_EQ(bar.GetPos(), 17);
    bar.SetRange32(-50, 50);
    EXPECT_EQ(bar.SetPos(-80), 17);
    EXPECT_EQ(state(), "-50..50 at -50");

    // -10 is 40% of the way: 80 of the 200 pixels. Nothing is pending before
    // the move, so the move must ask for its own repaint.
    desktop().processMessages();
    bar.SetPos(-10);
    desktop().processMessages();
    const auto at = [](int x) { return desktop().screen().pixel(x, 10); };
    const COLORREF bright = GetSysColor(COLOR_HIGHLIGHT), face = GetSysColor(COLOR_3DFACE);
    EXPECT_EQ((std::vector<COLORREF>{at(0), at(79), at(80), at(199)}),
              (std::vector<COLORREF>{bright, bright, face, face}));
}
