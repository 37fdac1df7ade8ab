#include "platform/win/LoggingWnd.h"
#include "support/WindowQueries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using platform::desktop;
using platform::user;
using testsupport::windowText;

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

// A person who takes a turn at each box and answers what the box recorded.
struct Person : platform::MessageBoxPrompts {
    std::function<void(HWND)> turn;
    Person() { platform::setMessageBoxPrompts(this); }
    ~Person() override { platform::setMessageBoxPrompts(&user()); }
    int answerMessageBox(HWND box, const CString&, UINT) override
    {
        EXPECT_EQ(platform::MessageBoxChoice(box), 0); // nothing pressed yet
        turn(box);
        return platform::MessageBoxChoice(box);
    }
};

void clickOn(HWND box, int id)
{
    CRect r;
    GetWindowRect(GetDlgItem(box, id), &r);
    desktop().click(r.CenterPoint());
}

} // namespace

TEST(MessageBox, TheBoxIsShownOverItsDisabledOwnerUntilTheUserAnswers)
{
    Owner o;
    bool looked = false;
    user().answerMessage(IDOK, [&](HWND box) {
        looked = true;
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(windowText(box), L"Export");
        EXPECT_EQ(GetParent(box), o.frame.m_hWnd); // the owner
        EXPECT_FALSE(o.frame.IsWindowEnabled());
        // Centred over the owner.
        CRect r, owner;
        GetWindowRect(box, &r);
        o.frame.GetWindowRect(&owner);
        EXPECT_LE(std::abs(r.CenterPoint().x - owner.CenterPoint().x), 1);
        EXPECT_LE(std::abs(r.CenterPoint().y - owner.CenterPoint().y), 1);
        // The text over one OK button, painted: the caption bar on the screen.
        const HWND ok = GetDlgItem(box, IDOK), text = GetDlgItem(box, 0xFFFF);
        ASSERT_TRUE(ok && text);
        EXPECT_EQ(windowText(ok), L"OK");
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
        CRect textRect, button;
        GetWindowRect(text, &textRect);
        GetWindowRect(ok, &button);
        EXPECT_LT(textRect.bottom, button.top);
        EXPECT_EQ(windowText(text), L"Access to /x.csv was denied.");
        EXPECT_EQ(desktop().screen().pixel(r.right - 22, r.top + 8), GetSysColor(COLOR_ACTIVECAPTION));
    });
    EXPECT_EQ(MessageBoxW(o.frame, L"Access to /x.csv was denied.", L"Export", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_TRUE(looked);
    EXPECT_TRUE(o.frame.IsWindowEnabled());
    ASSERT_EQ(user().prompts().size(), 1u);
    EXPECT_EQ(user().prompts()[0].kind, platform::PromptKind::Message);
    EXPECT_EQ(user().prompts()[0].text, L"Access to /x.csv was denied.");
    // Gone from the screen: nothing is left at the owner's centre but the owner.
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(300, 250)), &o.frame);
}

TEST(MessageBox, WithoutAFittingAnswerTheBoxIsCancelled)
{
    Owner o;
    for (auto [type, cancel] : {std::pair(MB_OK, IDOK), {MB_OKCANCEL, IDCANCEL}, {MB_YESNOCANCEL, IDCANCEL},
                                {MB_YESNO, IDNO}, {MB_ABORTRETRYIGNORE, IDABORT}})
        EXPECT_EQ(MessageBoxW(o.frame, L"?", nullptr, type), cancel) << type;
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
    user().answerMessage(IDOK, [](HWND box) { EXPECT_EQ(windowText(box), L"Error"); });
    EXPECT_EQ(MessageBoxW(o.frame, L"x", nullptr, MB_OK), IDOK);
    EXPECT_FALSE(o.frame.IsWindowEnabled());
}

TEST(MessageBox, TheApplicationsBoxBelongsToItsMainWindowAndBearsItsName)
{
    Owner o;
    AfxGetThread()->m_pMainWnd = &o.frame;
    HWND owner = nullptr;
    std::wstring caption;
    user().answerMessage(IDNO, [&](HWND box) {
        owner = GetParent(box);
        caption = windowText(box);
    });
    EXPECT_EQ(AfxMessageBox(L"Replace?", MB_YESNO), IDNO);
    EXPECT_EQ(owner, o.frame.m_hWnd);
    EXPECT_EQ(caption, (LPCWSTR)AfxGetAppName());
    EXPECT_EQ(caption, L"test-platform-win-user");
    AfxGetThread()->m_pMainWnd = nullptr;
}

TEST(MessageBox, TheButtonAPersonClicksIsTheBoxsChoice)
{
    Owner o;
    Person person;
    person.turn = [&](HWND box) { clickOn(box, IDNO); };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Replace?", L"Export", MB_YESNOCANCEL), IDNO);
    person.turn = [&](HWND box) { clickOn(box, IDCANCEL); };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Cannot write", L"Export", MB_OKCANCEL), IDCANCEL);
    // A click beside the buttons chooses nothing: 0, the cancelling button.
    person.turn = [&](HWND box) {
        CRect r;
        GetWindowRect(GetDlgItem(box, IDOK), &r);
        desktop().click(CPoint(r.left - 3, r.top - 3));
    };
    EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Done", L"Export", MB_OK), IDOK);
}

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
    int clicked = -1;
    person.turn = [&](HWND box) {
        const CRect r = testsupport::closeBoxOf(box);
        state = testsupport::titleBar(box).rgstate[CCHILDREN_TITLEBAR];
        crossCorner = desktop().screen().pixel(r.left + 4, r.top + 3);
        desktop().click(r.CenterPoint());
        clicked = platform::MessageBoxChoice(box);
    };
    // Yes/No and Abort/Retry/Ignore: grayed, and a click chooses nothing.
    struct Case { UINT type; int clicked, answer; DWORD state; int cross; };
    for (const Case& c : {Case{MB_OKCANCEL, IDCANCEL, IDCANCEL, 0, COLOR_BTNTEXT},
                          Case{MB_YESNOCANCEL, IDCANCEL, IDCANCEL, 0, COLOR_BTNTEXT},
                          Case{MB_OK, IDOK, IDOK, 0, COLOR_BTNTEXT},
                          Case{MB_YESNO, 0, IDNO, STATE_SYSTEM_UNAVAILABLE, COLOR_GRAYTEXT},
                          Case{MB_ABORTRETRYIGNORE, 0, IDABORT, STATE_SYSTEM_UNAVAILABLE, COLOR_GRAYTEXT}}) {
        EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Cannot write", L"Export", c.type), c.answer) << c.type;
        EXPECT_EQ(clicked, c.clicked) << c.type;
        EXPECT_EQ(state, c.state) << c.type;
        EXPECT_EQ(crossCorner, GetSysColor(c.cross)) << c.type;
    }
}
