#include "frame/Lang.h"
#include "reproach/Reproach.h"
#include "support/Input.h"
#include "support/WindowQueries.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace NVorel;
using platform::desktop;
using platform::user;

namespace {

const CReproach::ERType kError = CReproach::ER_ERROR, kWarning = CReproach::ER_WARNING, kInfo = CReproach::ER_INFO;
constexpr COLORREF kRed = 0x000000FF;
enum { ID_LIST = 114, ID_BAR = 1010, ID_TEXT = 1011, ID_BREAK = 1012 };

// 39952 is also a string of the language module ("Colour"): messages must
// take the host's.
const winres::StringResource kHostStrings[] = {{39952, L"Strip %s: spacing too wide"}};
const winres::ResourceTable kHostTable{kHostStrings, {}, {}, {}};

// A visible host window that owns the non-modal dialog.
class HostFrame : public CWnd {
public:
    HostFrame()
    {
        const LPCWSTR cls = AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_APPWORKSPACE + 1));
        EXPECT_TRUE(CreateEx(0, cls, L"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600), nullptr, 0));
    }
};

void useLanguage(int number)
{
    setLangWork(number, (std::filesystem::path(VOREL_LANG_DIR).wstring() + L"/").c_str());
}

// The English language module loaded, the host's strings as the resource
// handle.
class ReproachDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop().setScreenSize(800, 600);
        useLanguage(48);
        m_host = platform::RegisterApplicationModule(&kHostTable);
        AfxSetResourceHandle(m_host);
        user().reset();
    }
    void TearDown() override { desktop().holdMessages(false); }

    HINSTANCE m_host = nullptr;
    HostFrame frame;
};

CWnd* dialogOf(CReproach& r)
{
    return r.progress() ? r.progress()->GetParent() : nullptr;
}

// The list's entries, one a line, those in the error colour marked "!",
// those in the window text's colour " ", others "?".
std::string linesOf(CWnd& dialog)
{
    const HWND list = ::GetDlgItem(dialog, ID_LIST);
    std::string lines;
    for (int i = 0; i < (int)SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        std::wstring text((size_t)SendMessageW(list, LB_GETTEXTLEN, (WPARAM)i, 0) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, (WPARAM)i, (LPARAM)text.data());
        const auto colour = (COLORREF)SendMessageW(list, LB_GETITEMDATA, (WPARAM)i, 0);
        lines += colour == kRed ? '!' : colour == GetSysColor(COLOR_WINDOWTEXT) ? ' ' : '?';
        lines += toUtf8(text.c_str()) + "\n";
    }
    return lines;
}

// Which of the progress text, bar and Break are set to show, as "TBK" with
// '-' for hidden.
std::string controlsShown(CWnd& dialog)
{
    const std::pair<int, char> controls[] = {{ID_TEXT, 'T'}, {ID_BAR, 'B'}, {ID_BREAK, 'K'}};
    std::string s;
    for (const auto& [id, c] : controls)
        s += ::GetWindowLongW(::GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE ? c : '-';
    return s;
}

} // namespace

TEST_F(ReproachDialog, TheModalDialogListsEveryLineWithErrorsInRedAndNoProgressArea)
{
    CReproach r;
    r.add(kError, CString(L"Wall W1 fails\nbending: 120%\nshear: 104%"));
    r.add(kWarning, 39952).arg(L"S3");
    r.add(kInfo, CString(L"4 strips checked"));
    user().onModal([&](CDialog& dlg) {
        EXPECT_EQ(testsupport::windowText(dlg), L"Messages"); // the template of the language module
        // The host's own strings, rendered before the switch to the language module.
        EXPECT_EQ(linesOf(dlg), "!Wall W1 fails\n!bending: 120%\n!shear: 104%\n Strip S3: spacing too wide\n"
                                " 4 strips checked\n");
        EXPECT_EQ(controlsShown(dlg), "---");
        desktop().pressKey(VK_RETURN);
        EXPECT_FALSE(IsWindowVisible(dlg));
    });
    r.doModal();
    r.doMogal(); // the second name
    EXPECT_EQ(user().prompts().size(), 2u);
    EXPECT_EQ(AfxGetResourceHandle(), m_host);
}

TEST_F(ReproachDialog, WithoutADialogEveryOperationIsHarmlessAndBreakIsTrue)
{
    CReproach r;
    r.add(kError, CString(L"x"));
    r.refreshNoModal();
    r.scrollToEnd();
    r.showNoModal();
    r.hideNoModal();
    r.setTitle(L"t");
    r.setControlsVisibility(0, 0, 0);
    r.showControls(0, 0, 0);
    r.setProgText(L"p");
    r.setBreak(false);
    r.add2dlg(nullptr, true);
    r.destroyNoModal();
    EXPECT_EQ(r.progress(), nullptr);
    EXPECT_TRUE(r.isBreak(false));
    frame.PostMessage(WM_APP);
    EXPECT_TRUE(r.isBreak(true));
    // Polling still keeps the host's window answering.
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, frame, WM_APP, WM_APP, PM_NOREMOVE));
}

TEST_F(ReproachDialog, TheNonModalDialogIsMadeOnceAndShowsItsLinesWhenRefreshed)
{
    CReproach r;
    r.createNoModal(&frame, 0);
    CProgressCtrl* bar = r.progress();
    ASSERT_NE(bar, nullptr);
    CWnd* dlg = dialogOf(r);
    EXPECT_EQ(GetWindow(*dlg, GW_OWNER), frame.m_hWnd);
    EXPECT_EQ(AfxGetResourceHandle(), m_host);
    r.createNoModal(&frame, 1); // the first one stays, hidden
    EXPECT_EQ(r.progress(), bar);
    r.showNoModal(); // never refreshed: nothing to show again
    EXPECT_FALSE(dlg->IsWindowVisible());
    // Only at the next initialisation; showControls acts at once.
    r.setControlsVisibility(SW_HIDE, SW_HIDE, SW_HIDE);
    EXPECT_EQ(controlsShown(*dlg), "TBK");
    r.showControls(SW_HIDE, SW_SHOW, SW_HIDE);
    EXPECT_EQ(controlsShown(*dlg), "-B-");

    r.add(kError, CString(L"Strip S1 fails"));
    for (int i = 0; i < 60; ++i) r.add(kInfo, CString(L"line %s")).arg(i);
    r.refreshNoModal();
    EXPECT_TRUE(dlg->IsWindowVisible());
    EXPECT_EQ(linesOf(*dlg).substr(0, 24), "!Strip S1 fails\n line 0\n");
    EXPECT_EQ(linesOf(*dlg).substr(linesOf(*dlg).size() - 9), " line 59\n");

    // scrollToEnd brings the last line into view.
    const HWND list = ::GetDlgItem(*dlg, ID_LIST);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
    r.scrollToEnd();
    CRect last, client;
    SendMessageW(list, LB_GETITEMRECT, 60, (LPARAM)&last);
    GetClientRect(list, &client);
    EXPECT_GE(last.top, client.top);
    EXPECT_LE(last.bottom, client.bottom);

    r.setTitle(L"Slab check");
    r.setProgText(L"Strip 2 of 4");
    EXPECT_EQ(testsupport::windowText(*dlg), L"Slab check");
    EXPECT_EQ(testsupport::windowText(::GetDlgItem(*dlg, ID_TEXT)), L"Strip 2 of 4");

    // Asked to show at once, a dialog is visible before any refresh.
    CReproach shown;
    shown.createNoModal(&frame, 1);
    EXPECT_TRUE(dialogOf(shown)->IsWindowVisible());
}

TEST_F(ReproachDialog, OkHidesTheDialogUntilTheNextRefreshWhileCancelAndHideDoNot)
{
    CReproach r;
    r.add(kWarning, CString(L"w"));
    r.createNoModal(&frame, 0);
    r.refreshNoModal();
    CWnd* dlg = dialogOf(r);
    const auto shownAfter = [&](auto action) {
        action();
        desktop().processMessages();
        const bool visible = dlg->IsWindowVisible();
        r.showNoModal();
        return std::pair{visible, (bool)dlg->IsWindowVisible()};
    };
    // (visible after the action, visible after showNoModal)
    EXPECT_EQ(shownAfter([&] { platform::pressButton(*dlg, IDOK); }), std::pair(false, false));
    EXPECT_TRUE(IsWindow(*dlg));
    EXPECT_EQ(shownAfter([&] { r.refreshNoModal(); }), std::pair(true, true));
    EXPECT_EQ(shownAfter([&] { r.hideNoModal(); }), std::pair(false, true));
    EXPECT_EQ(shownAfter([&] { platform::closeDialog(*dlg); }), std::pair(false, true));

    // clear() empties the lines but leaves the list until the next refresh;
    // without lines there is nothing to show again.
    r.clear();
    EXPECT_EQ(linesOf(*dlg), " w\n");
    EXPECT_EQ(shownAfter([&] { r.hideNoModal(); }), std::pair(false, false));
    r.refreshNoModal();
    EXPECT_TRUE(dlg->IsWindowVisible());
    EXPECT_EQ(linesOf(*dlg), "");
}

TEST_F(ReproachDialog, ABreakByMouseOrKeyboardIsSeenWhenTheHostPolls)
{
    CReproach r;
    r.add(kInfo, CString(L"running"));
    r.createNoModal(&frame, 1);
    r.refreshNoModal();
    CWnd* dlg = dialogOf(r);
    // Alt+B ("&Break") presses it and leaves the focus there; Tab reaches OK.
    EXPECT_EQ(GetFocus(), ::GetDlgItem(*dlg, ID_LIST));
    testsupport::pressWith(VK_MENU, 'B');
    EXPECT_TRUE(r.isBreak(false));
    r.setBreak(false);
    desktop().pressKey(VK_SPACE);
    EXPECT_TRUE(r.isBreak(false));
    r.setBreak(false);
    desktop().pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), ::GetDlgItem(*dlg, IDOK));
    desktop().pressKey(VK_RETURN);
    EXPECT_FALSE(dlg->IsWindowVisible());

    // The user clicks Break during step 30 of a computation that holds the
    // messages and polls between steps.
    int step = 0;
    for (; step < 100; ++step) {
        if (step % 10 == 0) r.refreshNoModal();
        if (step == 30) {
            desktop().holdMessages(true);
            platform::pressButton(*dlg, ID_BREAK);
            EXPECT_FALSE(r.isBreak(false)); // not pumped: the click still waits
        }
        if (r.isBreak(true)) break;
    }
    EXPECT_EQ(step, 30);
    desktop().holdMessages(false);
    r.refreshNoModal(); // only setBreak clears the flag
    EXPECT_TRUE(r.isBreak(true));
    r.setBreak(false);
    EXPECT_FALSE(r.isBreak(true));

    // Pumping leaves WM_QUIT for the host's own loop.
    PostQuitMessage(3);
    EXPECT_FALSE(r.isBreak(true));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, (WPARAM)3);
}

TEST_F(ReproachDialog, TheDialogLivesAsLongAsItsCollector)
{
    auto owner = std::make_unique<HostFrame>();
    HWND first = nullptr;
    {
        CReproach r;
        r.createNoModal(owner.get(), 1);
        first = *dialogOf(r);
        // Copies start without a dialog, so the dialog is destroyed once.
        CReproach copy(r), assigned;
        assigned = r;
        EXPECT_EQ(copy.progress(), nullptr);
        EXPECT_EQ(assigned.progress(), nullptr);
    }
    EXPECT_FALSE(IsWindow(first));

    CReproach r;
    r.createNoModal(owner.get(), 1);
    const HWND second = *dialogOf(r);
    r.destroyNoModal();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(r.isBreak(false));
    r.createNoModal(owner.get(), 1);

    // The owner goes first, taking the dialog's window with it: the collector
    // still works without a window and ends cleanly.
    const HWND third = *dialogOf(r);
    owner.reset();
    EXPECT_FALSE(IsWindow(third));
    r.add(kError, CString(L"late"));
    r.refreshNoModal();
    r.showControls(SW_HIDE, SW_HIDE, SW_HIDE);
    r.setProgText(L"p");
    EXPECT_FALSE(r.isBreak(true));
}

TEST_F(ReproachDialog, WithoutTheLanguageModuleTheHostsOwnTemplateServesOrNone)
{
    freeLang();
    // The host has no template 113: a dialog object without a window, whose
    // operations do nothing; a computation polling it runs on.
    CReproach r;
    r.add(kError, CString(L"e"));
    r.createNoModal(&frame, 1);
    ASSERT_NE(r.progress(), nullptr);
    EXPECT_EQ(r.progress()->m_hWnd, nullptr);
    r.refreshNoModal();
    r.scrollToEnd();
    r.showControls(SW_HIDE, SW_HIDE, SW_HIDE);
    r.setProgText(L"p");
    r.setTitle(L"t");
    r.showNoModal();
    r.progress()->SetPos(3);
    EXPECT_FALSE(r.isBreak(true));
    r.destroyNoModal();

    // A host that carries template 113 itself gets its own dialog.
    static const winres::DialogItemResource items[] = {
        {WC_LISTBOX, ID_LIST, L"", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 0, 5, 5, 200, 80},
        {PROGRESS_CLASS, ID_BAR, L"", WS_CHILD | WS_VISIBLE, 0, 5, 90, 100, 8},
        {WC_BUTTON, IDOK, L"Close", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 160, 90, 40, 14},
    };
    static const winres::DialogResource dialogs[] = {
        {113, WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 210, 110, L"Host messages", L"MS Shell Dlg", 8, items}};
    static const winres::ResourceTable table{kHostStrings, {}, dialogs, {}};
    AfxSetResourceHandle(platform::RegisterApplicationModule(&table));
    CReproach own;
    own.add(kError, CString(L"e"));
    own.createNoModal(&frame, 1);
    own.refreshNoModal();
    EXPECT_EQ(testsupport::windowText(*dialogOf(own)), L"Host messages");
    EXPECT_EQ(linesOf(*dialogOf(own)), "!e\n");
    useLanguage(49); // back for the tests after this one
}
