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

// A person who takes a turn at each box and answers what the box recorded;
// what the box showed at the start of the turn is kept.
struct Person : platform::MessageBoxPrompts {
    std::function<void(HWND)> turn;
    int focused = 0, choice = -1;
    DWORD closeState = 0;
    Person() { platform::setMessageBoxPrompts(this); }
    ~Person() override { platform::setMessageBoxPrompts(&user()); }
    int answerMessageBox(HWND box, const CString&, UINT) override
    {
        EXPECT_EQ(platform::MessageBoxChoice(box), 0); // nothing pressed yet
        focused = GetDlgCtrlID(GetFocus());
        closeState = testsupport::titleBar(box).rgstate[CCHILDREN_TITLEBAR];
        turn(box);
        return choice = platform::MessageBoxChoice(box);
    }
};

std::function<void(HWND)> clickOn(int id)
{
    return [id](HWND box) {
        CRect r;
        GetWindowRect(GetDlgItem(box, id), &r);
        desktop().click(r.CenterPoint());
    };
}

void clickCloseBox(HWND box) { desktop().click(testsupport::closeBoxOf(box).CenterPoint()); }

// A click just above and left of OK, on no button.
void clickBeside(HWND box)
{
    CRect r;
    GetWindowRect(GetDlgItem(box, IDOK), &r);
    desktop().click(r.TopLeft() - CSize(3, 3));
}

std::function<void(HWND)> keys(std::vector<UINT> vks)
{
    return [vks](HWND) {
        for (UINT vk : vks) desktop().pressKey(vk);
    };
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

// Enter clicks the focused button, the default one at first; Esc and the
// close box click the cancelling button, OK where it is alone, and do nothing
// in Yes/No and Abort/Retry/Ignore boxes, whose close box is grayed.
TEST(MessageBox, APersonsClickOrKeyIsTheChoiceWhereTheBoxAllowsIt)
{
    Owner o;
    Person person;
    o.frame.SetFocus();
    struct Case { UINT type; std::function<void(HWND)> turn; int focused, choice, answer; bool grayed; };
    const Case cases[] = {
        {MB_YESNOCANCEL, clickOn(IDNO), IDYES, IDNO, IDNO, false},
        {MB_OKCANCEL, clickOn(IDCANCEL), IDOK, IDCANCEL, IDCANCEL, false},
        {MB_OK, clickBeside, IDOK, 0, IDOK, false},
        {MB_YESNO, keys({VK_RETURN}), IDYES, IDYES, IDYES, true},
        {MB_YESNO, keys({VK_TAB, VK_RETURN}), IDYES, IDNO, IDNO, true},
        {MB_YESNO, keys({VK_ESCAPE}), IDYES, 0, IDNO, true},
        {MB_RETRYCANCEL, keys({VK_ESCAPE}), IDRETRY, IDCANCEL, IDCANCEL, false},
        {MB_OK, keys({VK_ESCAPE}), IDOK, IDOK, IDOK, false},
        {MB_OKCANCEL, clickCloseBox, IDOK, IDCANCEL, IDCANCEL, false},
        {MB_YESNOCANCEL, clickCloseBox, IDYES, IDCANCEL, IDCANCEL, false},
        {MB_OK, clickCloseBox, IDOK, IDOK, IDOK, false},
        {MB_YESNO, clickCloseBox, IDYES, 0, IDNO, true},
        {MB_ABORTRETRYIGNORE, clickCloseBox, IDABORT, 0, IDABORT, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        person.turn = c.turn;
        EXPECT_EQ(MessageBoxW(o.frame.m_hWnd, L"Replace?", L"Export", c.type), c.answer);
        EXPECT_EQ(person.focused, c.focused);
        EXPECT_EQ(person.choice, c.choice);
        EXPECT_EQ(person.closeState, c.grayed ? (DWORD)STATE_SYSTEM_UNAVAILABLE : 0u);
    }
    // The keys went to the box, none to the owner, which has its focus back.
    EXPECT_EQ(GetFocus(), o.frame.m_hWnd);
    const std::vector<std::string> log = testsupport::takeLog();
    EXPECT_FALSE(std::any_of(log.begin(), log.end(), [](const std::string& s) {
        return s.rfind("F keydown", 0) == 0 || s.rfind("F char", 0) == 0;
    }));
}
