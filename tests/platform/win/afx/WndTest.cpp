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
    EXPECT_EQ(screenRectOf(child), CRect(111, 71, 211, 121));
    CPoint p(5, 6);
    child.ClientToScreen(&p);
    EXPECT_EQ(p, CPoint(116, 77));

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

TEST(Wnd, DestructionTakesOwnedPopupsAndChildrenAlongAndLeavesNoHandleBehind)
{
    LoggingWnd parent("P"), first("A"), second("B"), popup("Q");
    ASSERT_TRUE(parent.create(nullptr, CRect(0, 0, 200, 200)));
    ASSERT_TRUE(first.create(&parent, CRect(0, 0, 10, 10)));
    ASSERT_TRUE(second.create(&parent, CRect(0, 0, 10, 10)));
    ASSERT_TRUE(popup.CreateEx(0, nullptr, L"", WS_POPUP, CRect(300, 300, 350, 350), &first, 0));
    const HWND hParent = parent, hFirst = first, hSecond = second;
    // A popup's owner is the top-level window of the one it was made for; its position is on the screen.
    EXPECT_EQ(GetParent(popup), hParent);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), hParent);
    EXPECT_FALSE(IsChild(parent, popup));
    EXPECT_EQ(screenRectOf(popup), CRect(300, 300, 350, 350));
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
    // Owned popups go first; WM_DESTROY goes down while all windows exist, WM_NCDESTROY comes back up.
    EXPECT_TRUE(DestroyWindow(hParent));
    EXPECT_EQ(takeLog(), (Log{"B setfocus from -", "Q destroy", "Q ncdestroy", "P destroy", "A destroy", "B destroy",
                              "A ncdestroy", "B ncdestroy", "P ncdestroy"}));
    for (HWND h : {hParent, hFirst, hSecond}) {
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(CWnd::FromHandle(h), nullptr);
    }
    // The objects, the focus, the capture and the main window forget them.
    EXPECT_EQ((std::vector<const void*>{parent.m_hWnd, popup.m_hWnd, GetFocus(), GetCapture(), AfxGetMainWnd()}),
              std::vector<const void*>(5, nullptr));

    // A stale handle stays unknown, also after new windows were made.
    LoggingWnd later("L");
    ASSERT_TRUE(later.create(nullptr, CRect(0, 0, 10, 10)));
    EXPECT_NE(later.m_hWnd, hParent);
    SetLastError(0);
    EXPECT_EQ((std::vector<LRESULT>{SendMessageW(hFirst, WM_USER, 0, 0), (LRESULT)GetLastError(), DestroyWindow(hFirst),
                                    PostMessageW(hSecond, WM_USER, 0, 0)}),
              (std::vector<LRESULT>{0, ERROR_INVALID_WINDOW_HANDLE, FALSE, FALSE}));
}

TEST(Wnd, CreationFailsCleanly)
{
    // The object's OnCreate hands WM_CREATE on to the class, which refuses it.
    const auto refuse = [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        return msg == WM_CREATE ? -1 : DefWindowProcW(h, msg, w, l);
    };
    const WNDCLASSW refusing{0, refuse, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"Refusing"};
    ASSERT_NE(RegisterClassW(&refusing), 0);
    LoggingWnd refused("R"), orphan("O");
    EXPECT_FALSE(refused.CreateEx(0, L"Refusing", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(takeLog(), (Log{"R create", "R destroy", "R ncdestroy"}));
    // A child needs a parent that exists; a class must be registered.
    EXPECT_FALSE(orphan.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 1));
    EXPECT_EQ(CreateWindowExW(0, L"AfxWnd", L"", WS_CHILD, 0, 0, 1, 1, (HWND)0x1234, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_FALSE(orphan.CreateEx(0, L"NoSuchClass", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_EQ(std::make_pair(refused.m_hWnd, orphan.m_hWnd), std::make_pair(HWND(), HWND()));
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

TEST(Wnd, AWindowObjectOfStaticLifetimeDestroysItsWindowAfterMain)
{
    static int destroyed = 0;
    // Runs after the objects below are destroyed, at the very end of the process.
    std::atexit([] {
        if (destroyed != 2) std::_Exit(1);
    });
    static CWnd lasting;
    static CWnd lastingChild;
    const auto count = [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        destroyed += msg == WM_NCDESTROY;
        return DefWindowProcW(h, msg, w, l);
    };
    const WNDCLASSW cls{0, count, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"Lasting"};
    ASSERT_NE(RegisterClassW(&cls), 0);
    ASSERT_TRUE(lasting.CreateEx(0, L"Lasting", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0));
    ASSERT_TRUE(lastingChild.Create(L"Lasting", L"", WS_VISIBLE, CRect(0, 0, 5, 5), &lasting, 1));
    AfxGetThread()->m_pMainWnd = &lasting;
    lasting.SetTimer(1, 10, nullptr);
    SetFocus(lastingChild);
}
