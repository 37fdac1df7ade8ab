#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

using testsupport::LoggingWnd;
using testsupport::takeLog;
using Log = std::vector<std::string>;

TEST(MessageQueue, PeekFiltersByWindowAndRangeAndCanLeaveTheMessage)
{
    LoggingWnd parent("P"), child("C"), other("O");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 10, 10), 0));
    ASSERT_TRUE(child.create(&parent, CRect(0, 0, 5, 5), 0));
    ASSERT_TRUE(other.create(nullptr, CRect(0, 0, 10, 10), 0));
    other.PostMessage(WM_APP, 1);
    child.PostMessage(WM_USER, 2);
    PostMessageW(nullptr, WM_APP + 9, 3, 0); // a thread message

    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, parent, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, child.m_hWnd); // the parent's filter takes its children
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 1, WM_APP, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    ASSERT_TRUE(PeekMessageW(&msg, (HWND)-1, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_APP + 9);
    EXPECT_EQ(DispatchMessageW(&msg), 0); // no window to go to
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_USER);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST(MessageQueue, GetMessageNeverBlocksAndEndsOnQuit)
{
    LoggingWnd w("W");
    ASSERT_TRUE(w.create(nullptr, CRect(0, 0, 10, 10), 0));
    takeLog();
    MSG msg;
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), -1);
    EXPECT_FALSE(AfxGetThread()->PumpMessage());
    w.PostMessage(WM_APP, 7);
    PostQuitMessage(3);
    w.PostMessage(WM_APP, 8); // posted messages come before WM_QUIT
    EXPECT_TRUE(AfxGetThread()->PumpMessage());
    EXPECT_TRUE(AfxGetThread()->PumpMessage());
    EXPECT_EQ(takeLog(), (Log{"W app 7", "W app 8"}));
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), -1);
}

TEST(MessageQueue, PaintsComeAfterPostedMessagesAndParentsBeforeChildren)
{
    LoggingWnd parent("P"), child("C");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 50, 50)));
    ASSERT_TRUE(child.create(&parent, CRect(0, 0, 10, 10)));
    child.PostMessage(WM_APP, 1);
    takeLog();
    platform::desktop().processMessages();
    EXPECT_EQ(takeLog(), (Log{"C app 1", "P ncpaint", "P erase", "P paint", "C ncpaint", "C erase", "C paint"}));
}

namespace {

// Logs its paints and never validates.
class Lazy : public CWnd {
protected:
    afx_msg void OnPaint() { testsupport::messageLog().push_back("lazy paint"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Lazy, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

TEST(MessageQueue, PumpingWhileMessagesWaitEndsEvenWithAWindowThatDoesNotPaint)
{
    Lazy lazy;
    ASSERT_TRUE(lazy.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0));
    takeLog();
    // The polling loop of a long computation.
    MSG msg;
    int pumped = 0;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && pumped < 10) {
        AfxGetThread()->PumpMessage();
        ++pumped;
    }
    EXPECT_EQ(pumped, 1);
    EXPECT_EQ(takeLog(), Log{"lazy paint"});
}
