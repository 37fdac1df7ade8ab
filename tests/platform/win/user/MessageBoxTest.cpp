#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using platform::desktop;
using platform::PromptKind;
using platform::user;

namespace {

struct Owner {
    Owner()
    {
        user().reset();
        EXPECT_TRUE(frame.create(nullptr, CRect(100, 100, 500, 400)));
        desktop().processMessages();
    }
    ~Owner() { user().reset(); }
    testsupport::LoggingWnd frame{"F"};
};

CString textOf(HWND h)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(h, buffer, 256);
    return buffer;
}

} // namespace

TEST(MessageBox, TheBoxIsShownOverItsDisabledOwnerUntilTheUserAnswers)
{
    Owner o;
    bool looked = false;
    user().answerMessage(IDOK, [&](HWND box) {
        looked = true;
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(textOf(box), L"Export");
        EXPECT_EQ(GetParent(box), o.frame.m_hWnd); // the owner
        EXPECT_FALSE(o.frame.IsWindowEnabled());
        // Centred over the owner.
        CRect r, owner;
        GetWindowRect(box, &r);
        o.frame.GetWindowRect(&owner);
        EXPECT_LE(std::abs(r.CenterPoint().x - owner.CenterPoint().x), 1);
        EXPECT_LE(std::abs(r.CenterPoint().y - owner.CenterPoint().y), 1);
        // The text over one OK button, painted: the caption bar on the screen.
        const HWND ok = GetDlgItem(box, IDOK);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(textOf(ok), L"OK");
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
        CRect text, button;
        GetWindowRect(GetDlgItem(box, 0xFFFF), &text);
        GetWindowRect(ok, &button);
        EXPECT_LT(text.bottom, button.top);
        EXPECT_EQ(textOf(GetDlgItem(box, 0xFFFF)), L"Access to /x.csv was denied.");
        EXPECT_EQ(desktop().screen().pixel(r.right - 22, r.top + 8), GetSysColor(COLOR_ACTIVECAPTION));
    });
    EXPECT_EQ(MessageBoxW(o.frame, L"Access to /x.csv was denied.", L"Export", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_TRUE(looked);
    EXPECT_TRUE(o.frame.IsWindowEnabled());
    ASSERT_EQ(user().prompts().size(), 1u);
    EXPECT_EQ(user().prompts()[0].kind, PromptKind::Message);
    EXPECT_EQ(user().prompts()[0].text, L"Access to /x.csv was denied.");
    // Gone from the screen: nothing is left at the owner's centre but the owner.
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(300, 250)), &o.frame);
}

TEST(MessageBox, WithoutAFittingAnswerTheBoxIsCancelled)
{
    Owner o;
    EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, MB_OK), IDOK);
    EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, MB_ABORTRETRYIGNORE), IDABORT);
    // A button the box does not have is no answer.
    user().answerMessage(IDYES);
    EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, MB_RETRYCANCEL), IDCANCEL);
    user().answerMessage(IDRETRY);
    EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, MB_RETRYCANCEL), IDRETRY);
    // A type without buttons here shows nothing.
    SetLastError(0);
    EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, 7), 0);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_PARAMETER);
    EXPECT_EQ(user().prompts().size(), 7u);

    // An owner disabled before stays disabled; a null caption reads "Error".
    o.frame.EnableWindow(FALSE);
    user().answerMessage(IDOK, [](HWND box) { EXPECT_EQ(textOf(box), L"Error"); });
    EXPECT_EQ(MessageBoxW(o.frame, L"x", nullptr, MB_OK), IDOK);
    EXPECT_FALSE(o.frame.IsWindowEnabled());
}

TEST(MessageBox, TheApplicationsBoxBelongsToItsMainWindowAndBearsItsName)
{
    Owner o;
    AfxGetThread()->m_pMainWnd = &o.frame;
    HWND owner = nullptr;
    CString caption;
    user().answerMessage(IDNO, [&](HWND box) {
        owner = GetParent(box);
        caption = textOf(box);
    });
    EXPECT_EQ(AfxMessageBox(L"Replace?", MB_YESNO), IDNO);
    EXPECT_EQ(owner, o.frame.m_hWnd);
    EXPECT_EQ(caption, AfxGetAppName());
    EXPECT_EQ(caption, L"test-platform-win-user");
    AfxGetThread()->m_pMainWnd = nullptr;
}

TEST(MessageBox, TheButtonAPersonClicksIsTheBoxsChoice)
{
    Owner o;
    struct Person : platform::MessageBoxPrompts {
        std::function<void(HWND)> turn;
        int answerMessageBox(HWND box, const CString&, UINT) override
        {
            EXPECT_EQ(platform::MessageBoxChoice(box), 0); // nothing pressed yet
            turn(box);
            return platform::MessageBoxChoice(box);
        }
    } person;
    platform::setMessageBoxPrompts(&person);
    const auto clickOn = [](HWND box, int id) {
        CRect r;
        GetWindowRect(GetDlgItem(box, id), &r);
        desktop().click(r.CenterPoint());
    };
    person.turn = [&](HWND box) { clickOn(box, IDNO); };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Replace?", L"Export", MB_YESNOCANCEL), IDNO);
    person.turn = [&](HWND box) { clickOn(box, IDCANCEL); };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Cannot write", L"Export", MB_OKCANCEL), IDCANCEL);
    // A click beside the buttons chooses nothing.
    person.turn = [&](HWND box) {
        CRect r;
        GetWindowRect(GetDlgItem(box, IDOK), &r);
        desktop().click(CPoint(r.left - 3, r.top - 3));
    };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Done", L"Export", MB_OK), IDOK); // 0: the cancelling button
    platform::setMessageBoxPrompts(&user());
}

namespace {

// A person who takes a turn at each box and answers what the box recorded.
struct Person : platform::MessageBoxPrompts {
    std::function<void(HWND)> turn;
    Person() { platform::setMessageBoxPrompts(this); }
    ~Person() override { platform::setMessageBoxPrompts(&user()); }
    int answerMessageBox(HWND box, const CString&, UINT) override
    {
        turn(box);
        return platform::MessageBoxChoice(box);
    }
};

CRect closeBoxOf(HWND box)
{
    TITLEBARINFOEX info{};
    info.cbSize = sizeof info;
    SendMessageW(box, WM_GETTITLEBARINFOEX, 0, (LPARAM)&info);
    return info.rgrect[CCHILDREN_TITLEBAR];
}

} // namespace

TEST(MessageBox, EnterClicksTheFocusedButtonAndEscCancelsWhereTheBoxCan)
{
    Owner o;
    Person person;
    o.frame.SetFocus();
    int focusedFirst = 0, afterEsc = -1;
    person.turn = [&](HWND) {
        focusedFirst = GetDlgCtrlID(GetFocus());
        desktop().pressKey(VK_RETURN);
    };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Replace?", L"Export", MB_YESNO), IDYES);
    EXPECT_EQ(focusedFirst, IDYES); // the default button has the focus
    // Esc in a Yes/No box does nothing; Tab then Enter clicks No.
    person.turn = [&](HWND box) {
        desktop().pressKey(VK_ESCAPE);
        afterEsc = platform::MessageBoxChoice(box);
        desktop().pressKey(VK_TAB);
        desktop().pressKey(VK_RETURN);
    };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Replace?", L"Export", MB_YESNO), IDNO);
    EXPECT_EQ(afterEsc, 0);
    person.turn = [&](HWND) { desktop().pressKey(VK_ESCAPE); };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Cannot write", L"Export", MB_RETRYCANCEL), IDCANCEL);
    // A box with OK alone: Esc is OK, as is Enter.
    person.turn = [&](HWND box) {
        desktop().pressKey(VK_ESCAPE);
        afterEsc = platform::MessageBoxChoice(box);
    };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Done", L"Export", MB_OK), IDOK);
    EXPECT_EQ(afterEsc, IDOK);
    // The keys went to the box, none to the owner, which has its focus back.
    EXPECT_EQ(GetFocus(), o.frame.m_hWnd);
    const std::vector<std::string> log = testsupport::takeLog();
    EXPECT_FALSE(std::any_of(log.begin(), log.end(), [](const std::string& s) {
        return s.rfind("F keydown", 0) == 0 || s.rfind("F char", 0) == 0;
    }));
}

TEST(MessageBox, TheCloseBoxCancelsOrIsGrayedWhereTheBoxMustBeAnswered)
{
    Owner o;
    Person person;
    DWORD state = 0;
    COLORREF crossCorner = 0;
    person.turn = [&](HWND box) {
        TITLEBARINFOEX info{};
        info.cbSize = sizeof info;
        SendMessageW(box, WM_GETTITLEBARINFOEX, 0, (LPARAM)&info);
        state = info.rgstate[CCHILDREN_TITLEBAR];
        const CRect r = closeBoxOf(box);
        crossCorner = desktop().screen().pixel(r.left + 4, r.top + 3);
        desktop().click(r.CenterPoint());
    };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Cannot write", L"Export", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(state, 0u);
    EXPECT_EQ(crossCorner, GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Replace?", L"Export", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Done", L"Export", MB_OK), IDOK);
    // Yes/No and Abort/Retry/Ignore: grayed, and a click chooses nothing.
    int choice = -1;
    person.turn = [&](HWND box) {
        const CRect r = closeBoxOf(box);
        TITLEBARINFOEX info{};
        info.cbSize = sizeof info;
        SendMessageW(box, WM_GETTITLEBARINFOEX, 0, (LPARAM)&info);
        state = info.rgstate[CCHILDREN_TITLEBAR];
        crossCorner = desktop().screen().pixel(r.left + 4, r.top + 3);
        desktop().click(r.CenterPoint());
        choice = platform::MessageBoxChoice(box);
    };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Replace?", L"Export", MB_YESNO), IDNO);
    EXPECT_EQ(choice, 0);
    EXPECT_EQ(state, (DWORD)STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(crossCorner, GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Disk full", L"Export", MB_ABORTRETRYIGNORE), IDABORT);
    EXPECT_EQ(choice, 0);
}
