#include "platform/win/LoggingWnd.h"
#include "support/OnScreen.h"
#include "support/WindowQueries.h"

#include <gtest/gtest.h>

#include <cstdlib>

using testsupport::LoggingWnd;
using testsupport::screenRectOf;
using testsupport::takeLog;
using Log = std::vector<std::string>;

TEST(Wnd, ChildWindowsSitInTheirParentsClientAreaAndShowWithIt)
{
    LoggingWnd frame("F"), child("C");
    ASSERT_TRUE(frame.create(nullptr, CRect(100, 50, 400, 250), WS_VISIBLE | WS_BORDER));
    ASSERT_TRUE(child.create(&frame, CRect(10, 20, 110, 70), WS_VISIBLE, 42));

    // Created, sized, placed, then shown; the frame's client area starts inside its border.
    EXPECT_EQ(takeLog(), (Log{"F create", "F size 298x198", "F move 101,51", "F show 1", "C create",
                              "C size 100x50", "C move 10,20", "C show 1"}));
    EXPECT_EQ(child.GetParent(), &frame);
    EXPECT_EQ(frame.GetParent(), nullptr);
    EXPECT_EQ(frame.GetDlgItem(42), &child);
    EXPECT_EQ(child.GetDlgCtrlID(), 42);
    EXPECT_EQ(screenRectOf(child), CRect(111, 71, 211, 121));
    CPoint p(5, 6);
    child.ClientToScreen(&p);
    EXPECT_EQ(p, CPoint(116, 77));
    frame.ScreenToClient(&p);
    EXPECT_EQ(p, CPoint(15, 26));

    // Moving the parent carries the child along; only what changed is reported.
    frame.MoveWindow(0, 0, 300, 200);
    EXPECT_EQ(takeLog(), (Log{"F move 1,1", "F ncpaint", "F erase", "F paint"}));
    EXPECT_EQ(screenRectOf(child), CRect(11, 21, 111, 71));
    child.SetWindowPos(nullptr, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(takeLog(), Log{"C size 50x60"});

    // A child marked visible shows only while its parent does; ShowWindow answers whether the window was visible.
    EXPECT_TRUE(frame.ShowWindow(SW_HIDE));
    EXPECT_FALSE(child.IsWindowVisible());
    EXPECT_TRUE(child.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(frame.ShowWindow(SW_SHOWNORMAL));
    EXPECT_TRUE(child.IsWindowVisible());
    EXPECT_TRUE(frame.ShowWindow(SW_SHOW));
    EXPECT_EQ(takeLog(), (Log{"F show 0", "F show 1"}));

    // The text round-trips in full; a short buffer gets what fits.
    frame.SetWindowText(L"Messages \u00e4");
    EXPECT_EQ(testsupport::windowText(frame), L"Messages \u00e4");
    EXPECT_EQ(frame.GetWindowTextLength(), 10);
    wchar_t small[4];
    EXPECT_EQ(GetWindowTextW(frame, small, 4), 3);
    EXPECT_STREQ(small, L"Mes");
}

TEST(Wnd, PopupWindowsAreOwnedAndGoWithTheirOwner)
{
    LoggingWnd owner("O"), child("C"), popup("P");
    ASSERT_TRUE(owner.create(nullptr, CRect(0, 0, 200, 200)));
    ASSERT_TRUE(child.create(&owner, CRect(0, 0, 50, 50)));
    ASSERT_TRUE(popup.CreateEx(0, nullptr, L"", WS_POPUP, CRect(300, 300, 350, 350), &child, 0));

    // The owner is the child's top-level window; a popup's position is on the screen.
    EXPECT_EQ(GetParent(popup), owner.m_hWnd);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner.m_hWnd);
    EXPECT_FALSE(IsChild(owner, popup));
    EXPECT_EQ(screenRectOf(popup), CRect(300, 300, 350, 350));

    takeLog();
    owner.DestroyWindow();
    EXPECT_EQ(takeLog(), (Log{"P destroy", "P ncdestroy", "O destroy", "C destroy", "C ncdestroy", "O ncdestroy"}));
    EXPECT_EQ(popup.m_hWnd, nullptr);
}

TEST(Wnd, DestructionLeavesNoHandleBehind)
{
    LoggingWnd parent("P"), first("A"), second("B");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 200, 200)));
    ASSERT_TRUE(first.create(&parent, CRect(0, 0, 10, 10)));
    ASSERT_TRUE(second.create(&parent, CRect(0, 0, 10, 10)));
    const HWND hParent = parent, hFirst = first, hSecond = second;
    // An object destroyed first takes its window along; by then it is a plain CWnd, whose handlers no longer run.
    HWND hEarly = nullptr;
    {
        LoggingWnd early("E");
        ASSERT_TRUE(early.create(&parent, CRect(0, 0, 10, 10)));
        hEarly = early;
        takeLog();
    }
    EXPECT_TRUE(takeLog().empty());
    EXPECT_FALSE(IsWindow(hEarly));
    EXPECT_EQ(GetWindow(hSecond, GW_HWNDNEXT), nullptr);

    SetFocus(second);
    SetCapture(first);
    AfxGetThread()->m_pMainWnd = &parent;
    // WM_DESTROY goes down while all windows exist, WM_NCDESTROY comes back up.
    EXPECT_TRUE(DestroyWindow(hParent));
    EXPECT_EQ(takeLog(), (Log{"B setfocus from -", "P destroy", "A destroy", "B destroy", "A ncdestroy", "B ncdestroy",
                              "P ncdestroy"}));
    for (HWND h : {hParent, hFirst, hSecond}) {
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(CWnd::FromHandle(h), nullptr);
    }
    EXPECT_EQ(parent.m_hWnd, nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr); // the main window is forgotten with its window

    // A stale handle stays unknown, also after new windows were made.
    LoggingWnd later("L");
    ASSERT_TRUE(later.create(nullptr, CRect(0, 0, 10, 10)));
    EXPECT_NE(later.m_hWnd, hParent);
    SetLastError(0);
    EXPECT_EQ(SendMessageW(hFirst, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_FALSE(DestroyWindow(hFirst));
    EXPECT_FALSE(PostMessageW(hSecond, WM_USER, 0, 0));
}

namespace {

class RefusingWnd : public LoggingWnd {
public:
    RefusingWnd() : LoggingWnd("R") {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RefusingWnd, LoggingWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

} // namespace

TEST(Wnd, CreationFailsCleanly)
{
    RefusingWnd refusing;
    EXPECT_FALSE(refusing.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(refusing.m_hWnd, nullptr);
    EXPECT_EQ(takeLog(), (Log{"R destroy", "R ncdestroy"}));

    LoggingWnd orphan("O");
    EXPECT_FALSE(orphan.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 1)); // a child needs a parent
    EXPECT_FALSE(orphan.CreateEx(0, L"NoSuchClass", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_EQ(orphan.m_hWnd, nullptr);
    EXPECT_EQ(CreateWindowExW(0, L"AfxWnd", L"", WS_CHILD, 0, 0, 1, 1, (HWND)0x1234, nullptr, nullptr, nullptr),
              nullptr);
}

namespace {

std::vector<UINT>& classProcLog()
{
    static std::vector<UINT> log;
    return log;
}

LRESULT CALLBACK countingProc(HWND h, UINT msg, WPARAM w, LPARAM l)
{
    classProcLog().push_back(msg);
    return msg == WM_USER ? 7 : DefWindowProcW(h, msg, w, l);
}

class UserWnd : public CWnd {
public:
    afx_msg LRESULT OnUser1(WPARAM, LPARAM) { return 100 + Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UserWnd, CWnd)
    ON_MESSAGE(WM_USER + 1, OnUser1)
END_MESSAGE_MAP()

} // namespace

TEST(Wnd, SubclassingPutsAnObjectInFrontOfTheClassProcedure)
{
    const WNDCLASSW cls{0, countingProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"Counting"};
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

    UserWnd object;
    ASSERT_TRUE(object.SubclassWindow(h));
    EXPECT_EQ(CWnd::FromHandle(h), &object);
    EXPECT_FALSE(UserWnd().Attach(h)); // one object per window
    classProcLog().clear();
    EXPECT_EQ(object.SendMessage(WM_USER + 1), 100); // mapped, then Default reaches the class procedure
    EXPECT_EQ(object.SendMessage(WM_USER), 7);       // not mapped: straight to it
    EXPECT_EQ(classProcLog(), (std::vector<UINT>{WM_USER + 1, WM_USER}));
    object.DestroyWindow();
    EXPECT_FALSE(IsWindow(h));
}

TEST(Wnd, SiblingsStackInCreationOrderAndCanBeRestacked)
{
    LoggingWnd parent("P"), a("A"), b("B"), c("C");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 100, 100)));
    for (LoggingWnd* w : {&a, &b, &c}) ASSERT_TRUE(w->create(&parent, CRect(0, 0, 50, 50)));
    auto order = [&] {
        std::string s;
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            s += static_cast<LoggingWnd*>(CWnd::FromHandle(h))->m_name;
        return s;
    };
    // From the top: the order of creation; the first one is hit.
    EXPECT_EQ(order(), "ABC");
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(10, 10)), &a);
    c.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), "CAB");
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(10, 10)), &c);
    c.SetWindowPos(&b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), "ABC");
    a.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), "BCA");
}

namespace {

int lastingWindowsDestroyed = 0;

LRESULT CALLBACK lastingProc(HWND h, UINT msg, WPARAM w, LPARAM l)
{
    if (msg == WM_NCDESTROY) ++lastingWindowsDestroyed;
    return DefWindowProcW(h, msg, w, l);
}

} // namespace

TEST(Wnd, AWindowObjectOfStaticLifetimeDestroysItsWindowAfterMain)
{
    // Runs after the objects below are destroyed, at the very end of the process.
    std::atexit([] {
        if (lastingWindowsDestroyed != 2) std::_Exit(1);
    });
    static CWnd lasting;
    static CWnd lastingChild;
    const WNDCLASSW cls{0, lastingProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"Lasting"};
    ASSERT_NE(RegisterClassW(&cls), 0);
    ASSERT_TRUE(lasting.CreateEx(0, L"Lasting", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0));
    ASSERT_TRUE(lastingChild.Create(L"Lasting", L"", WS_VISIBLE, CRect(0, 0, 5, 5), &lasting, 1));
    AfxGetThread()->m_pMainWnd = &lasting;
    lasting.SetTimer(1, 10, nullptr);
    SetFocus(lastingChild);
}
