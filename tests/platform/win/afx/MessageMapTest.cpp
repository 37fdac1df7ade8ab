#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

using testsupport::messageLog;
using testsupport::takeLog;
using Log = std::vector<std::string>;

namespace {

class BaseView : public CWnd {
protected:
    afx_msg void OnTimer(UINT_PTR id) { messageLog().push_back("base timer " + std::to_string(id)); }
    afx_msg void OnCopy() { messageLog().push_back("base copy"); }
    afx_msg LRESULT OnAsk(WPARAM w, LPARAM l) { return (LRESULT)(w * 10 + (WPARAM)l); }
    afx_msg void OnSize(UINT, int cx, int cy) { messageLog().push_back("base size " + std::to_string(cx + cy)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseView, CWnd)
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_COMMAND(57634, OnCopy)
    ON_MESSAGE(WM_APP + 3, OnAsk)
END_MESSAGE_MAP()

class DerivedView : public BaseView {
protected:
    afx_msg void OnTimer(UINT_PTR id)
    {
        messageLog().push_back("derived timer " + std::to_string(id));
        if (id == 2) BaseView::OnTimer(id);
    }
    afx_msg void OnSelect(UINT id) { messageLog().push_back("select " + std::to_string(id)); }
    afx_msg void OnBreak() { messageLog().push_back("break"); }
    afx_msg LRESULT OnTextLength(WPARAM, LPARAM) { return 100 + Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedView, BaseView)
    ON_WM_TIMER()
    ON_COMMAND_RANGE(39953, 39955, OnSelect)
    ON_BN_CLICKED(1012, OnBreak)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnTextLength)
END_MESSAGE_MAP()

} // namespace

TEST(MessageMap, MessagesReachTheFirstHandlerUpTheChainAndCommandsMatchIdRangesAndNotificationCodes)
{
    DerivedView view;
    ASSERT_TRUE(view.CreateEx(0, nullptr, L"abc", WS_POPUP, CRect(0, 0, 30, 20), nullptr, 0));
    CWnd button;
    ASSERT_TRUE(button.Create(L"AfxWnd", L"Break", WS_VISIBLE, CRect(0, 0, 10, 10), &view, 1012));
    takeLog();
    view.SendMessage(WM_TIMER, 1);
    view.SendMessage(WM_TIMER, 2);
    view.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(30, 20)); // only the base maps it
    view.SendMessage(WM_COMMAND, 57634);                          // a base command
    for (UINT id : {39952u, 39953u, 39955u, 39956u}) view.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0));
    view.SendMessage(WM_COMMAND, MAKEWPARAM(1012, BN_CLICKED), (LPARAM)button.m_hWnd);
    view.SendMessage(WM_COMMAND, MAKEWPARAM(1012, 5), (LPARAM)button.m_hWnd); // another notification
    view.SendMessage(WM_COMMAND, MAKEWPARAM(57634, 1));                      // an accelerator's code
    EXPECT_EQ(takeLog(), (Log{"derived timer 1", "derived timer 2", "base timer 2", "base size 50", "base copy",
                              "select 39953", "select 39955", "break"}));

    EXPECT_EQ(view.SendMessage(WM_APP + 3, 4, 2), 42);
    // The default handling of the current message, with its parameters.
    EXPECT_EQ(view.GetWindowTextLength(), 103);
}

namespace {

class SelfDeleting : public CWnd {
public:
    explicit SelfDeleting(bool* gone) : m_gone(gone) {}
    ~SelfDeleting() override { *m_gone = true; }

protected:
    void PostNcDestroy() override { delete this; }
    bool* m_gone;
};

} // namespace

TEST(MessageMap, SubclassingPutsAnObjectInFrontOfTheClassProcedureAndItMayDeleteItselfAfterItsLastMessage)
{
    // The class procedure answers WM_GETTEXTLENGTH and WM_USER with 7.
    const auto answer = [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        return msg == WM_USER || msg == WM_GETTEXTLENGTH ? 7 : DefWindowProcW(h, msg, w, l);
    };
    const WNDCLASSW cls{0, answer, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"Counting"};
    ASSERT_NE(RegisterClassW(&cls), 0);
    EXPECT_EQ(RegisterClassW(&cls), 0);
    const HWND h = CreateWindowExW(0, L"counting", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(h, nullptr);

    // A window without an object gets a temporary one that stays the same.
    CWnd* temporary = CWnd::FromHandle(h);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandle(h), temporary);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    EXPECT_EQ(temporary->SendMessage(WM_USER), 7);

    DerivedView object;
    ASSERT_TRUE(object.SubclassWindow(h));
    EXPECT_EQ(CWnd::FromHandle(h), &object);
    EXPECT_FALSE(DerivedView().Attach(h)); // one object per window
    // Mapped, then Default reaches the class procedure; not mapped, straight to it.
    EXPECT_EQ(object.SendMessage(WM_GETTEXTLENGTH), 107);
    EXPECT_EQ(object.SendMessage(WM_USER), 7);
    object.DestroyWindow();
    EXPECT_FALSE(IsWindow(h));

    // An object may delete itself after its last message.
    bool gone = false;
    auto* w = new SelfDeleting(&gone);
    ASSERT_TRUE(w->CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    const HWND self = *w;
    EXPECT_TRUE(DestroyWindow(self));
    EXPECT_TRUE(gone);
    EXPECT_EQ(CWnd::FromHandle(self), nullptr);
}
