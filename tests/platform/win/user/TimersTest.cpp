#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

using testsupport::LoggingWnd;
using testsupport::takeLog;
using Log = std::vector<std::string>;

namespace {

platform::Desktop& desk() { return platform::desktop(); }

// The label-delay pattern: timer 100 ends itself and starts a one-shot 101.
class DelayWnd : public LoggingWnd {
public:
    DelayWnd() : LoggingWnd("D") {}

protected:
    afx_msg void OnTimer(UINT_PTR id)
    {
        LoggingWnd::OnTimer(id);
        KillTimer(id);
        if (id == 100) SetTimer(101, 1, nullptr);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DelayWnd, LoggingWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

// A hidden window whose log starts empty.
struct Hidden : LoggingWnd {
    Hidden() : LoggingWnd("W")
    {
        EXPECT_TRUE(create(nullptr, CRect(0, 0, 10, 10), 0));
        takeLog();
    }
};

} // namespace

TEST(Timers, FireInDueOrderOnlyWhenTheClockPassesThemUntilTheirWindowGoes)
{
    Hidden w;
    EXPECT_EQ(w.SetTimer(7, 30, nullptr), 7u);
    EXPECT_EQ(w.SetTimer(8, 20, nullptr), 8u);
    desk().advanceClock(19);
    EXPECT_TRUE(takeLog().empty());
    desk().advanceClock(41); // to 60: 8 at 20, 7 at 30, 8 at 40, then both at 60, the older first
    EXPECT_EQ(takeLog(), (Log{"W timer 8 @20", "W timer 7 @30", "W timer 8 @40", "W timer 7 @60", "W timer 8 @60"}));
    EXPECT_EQ(desk().now(), 60u); // GetTickCount's

    EXPECT_TRUE(w.KillTimer(7));
    EXPECT_FALSE(w.KillTimer(7));
    desk().advanceClock(25);
    EXPECT_EQ(takeLog(), Log{"W timer 8 @80"});
    // Setting it again restarts its period.
    w.SetTimer(8, 20, nullptr);
    desk().advanceClock(19);
    EXPECT_TRUE(takeLog().empty());
    desk().advanceClock(1);
    EXPECT_EQ(takeLog(), Log{"W timer 8 @105"});
    // They end with their window.
    const HWND h = w;
    w.DestroyWindow();
    takeLog();
    desk().advanceClock(100);
    EXPECT_TRUE(takeLog().empty());
    EXPECT_FALSE(KillTimer(h, 8));
}

TEST(Timers, ShortPeriodsAreRaisedToTheMinimumAndOneShotsChainAsHostsDoIt)
{
    DelayWnd w;
    ASSERT_TRUE(w.create(nullptr, CRect(0, 0, 10, 10), 0));
    takeLog();
    w.SetTimer(100, 250, nullptr);
    desk().advanceClock(300);
    EXPECT_EQ(takeLog(), (Log{"D timer 100 @250", "D timer 101 @260"}));
    desk().advanceClock(1000);
    EXPECT_TRUE(takeLog().empty());
}

TEST(Timers, TheDesktopCanRefuseTimers)
{
    Hidden w;
    desk().refuseTimers(true);
    EXPECT_EQ(w.SetTimer(100, 250, nullptr), 0u);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_NO_SYSTEM_RESOURCES);
    desk().refuseTimers(false);
    EXPECT_EQ(w.SetTimer(100, 250, nullptr), 100u);
    EXPECT_EQ(SetTimer((HWND)0x1234, 1, 10, nullptr), 0u);
    EXPECT_EQ(SetTimer(nullptr, 1, 10, nullptr), 0u);
}

TEST(Timers, ABusyApplicationGetsOneWaitingTimerMessage)
{
    Hidden w;
    w.SetTimer(5, 10, nullptr);
    desk().holdMessages(true);
    desk().advanceClock(35);
    EXPECT_TRUE(takeLog().empty());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_TIMER);
    EXPECT_EQ(msg.time, 10u); // posted when it first fell due
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    desk().holdMessages(false);
    desk().advanceClock(5);
    EXPECT_EQ(takeLog(), Log{"W timer 5 @40"});
}

TEST(Timers, ATimerProcedureTakesTheMessageInsteadOfTheWindow)
{
    Hidden w;
    w.SetTimer(3, 50, [](HWND, UINT message, UINT_PTR id, DWORD time) {
        testsupport::messageLog().push_back("proc " + std::to_string(message) + " " + std::to_string(id) + " @" +
                                            std::to_string(time));
    });
    desk().advanceClock(50);
    EXPECT_EQ(takeLog(), Log{"proc 275 3 @50"});
}
