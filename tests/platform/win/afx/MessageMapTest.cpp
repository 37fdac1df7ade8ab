#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

using testsupport::messageLog;
using testsupport::takeLog;
using Log = std::vector<std::string>;

namespace {

class Breaking : public CWnd {
protected:
    afx_msg void OnBreak() { messageLog().push_back("break"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Breaking, CWnd)
    ON_BN_CLICKED(1012, OnBreak)
END_MESSAGE_MAP()

} // namespace

// The rest of the dispatch (the chain of maps, id ranges, Default) shows in every window of the library.
TEST(MessageMap, ACommandEntryTakesOnlyItsOwnNotificationCode)
{
    Breaking view;
    ASSERT_TRUE(view.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 30, 20), nullptr, 0));
    takeLog();
    view.SendMessage(WM_COMMAND, MAKEWPARAM(1012, BN_CLICKED));
    view.SendMessage(WM_COMMAND, MAKEWPARAM(1012, 5)); // another notification
    view.SendMessage(WM_COMMAND, MAKEWPARAM(1012, 1)); // an accelerator's code
    EXPECT_EQ(takeLog(), Log{"break"});
}

TEST(MessageMap, AWindowOfAClassRegisteredOnceHasOneObjectAtATime)
{
    const WNDCLASSW cls{0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"Counting"};
    ASSERT_NE(RegisterClassW(&cls), 0);
    EXPECT_EQ(RegisterClassW(&cls), 0);
    const HWND h = CreateWindowExW(0, L"counting", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(h, nullptr);

    // A window without an object gets a temporary one that stays the same.
    CWnd* temporary = CWnd::FromHandle(h);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandle(h), temporary);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);

    Breaking object;
    ASSERT_TRUE(object.SubclassWindow(h));
    EXPECT_EQ(CWnd::FromHandle(h), &object);
    EXPECT_FALSE(Breaking().Attach(h));
}
