#include "frame/Lang.h"
#include "reproach/Reproach.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

using namespace NVorel;
using platform::desktop;
using platform::user;

namespace {

const CReproach::ERType kError = CReproach::ER_ERROR;
const CReproach::ERType kWarning = CReproach::ER_WARNING;
const CReproach::ERType kInfo = CReproach::ER_INFO;
constexpr COLORREF kRed = 0x000000FF;
enum { ID_LIST = 114, ID_BAR = 1010, ID_TEXT = 1011, ID_BREAK = 1012 };

// 39952 is also a string of the language module ("Colour"): messages must
// take the host's.
const winres::StringResource kHostStrings[] = {
    {39952, L"Strip %s: spacing too wide"},
};
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

// The English language module loaded, the host's strings as the resource handle.
class ReproachDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop().setScreenSize(800, 600);
        setLangWork(48, (std::filesystem::path(VOREL_LANG_DIR).wstring() + L"/").c_str());
        m_host = platform::RegisterApplicationModule(&kHostTable);
        AfxSetResourceHandle(m_host);
        user().reset();
    }
    void TearDown() override { desktop().holdMessages(false); }

    HINSTANCE m_host = nullptr;
};

CWnd* dialogOf(CReproach& r)
{
    return r.progress() ? r.progress()->GetParent() : nullptr;
}

struct Line {
    std::wstring text;
    COLORREF colour;
    bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& l)
{
    return out << toUtf8(l.text) << " #" << std::hex << l.colour;
}

// The list's entries with their colours.
std::vector<Line> linesOf(CWnd& dialog)
{
    const HWND list = ::GetDlgItem(dialog, ID_LIST);
    std::vector<Line> lines;
    for (int i = 0; i < (int)SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        std::wstring text((size_t)SendMessageW(list, LB_GETTEXTLEN, (WPARAM)i, 0) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, (WPARAM)i, (LPARAM)text.data());
        text.resize(text.size() - 1);
        lines.push_back({text, (COLORREF)SendMessageW(list, LB_GETITEMDATA, (WPARAM)i, 0)});
    }
    return lines;
}

// The colours drawn in an entry's row of the list on the screen, besides the
// window colour.
std::set<COLORREF> inkOfRow(CWnd& dialog, int index)
{
    const HWND list = ::GetDlgItem(dialog, ID_LIST);
    CRect row;
    SendMessageW(list, LB_GETITEMRECT, (WPARAM)index, (LPARAM)&row);
    CRect client;
    GetClientRect(list, &client);
    row.IntersectRect(row, client);
    ::ClientToScreen(list, (LPPOINT)&row.left);
    ::ClientToScreen(list, (LPPOINT)&row.right);
    std::set<COLORREF> ink;
    for (int y = row.top; y < row.bottom; ++y)
        for (int x = row.left; x < row.right; ++x)
            if (desktop().screen().pixel(x, y) != GetSysColor(COLOR_WINDOW)) ink.insert(desktop().screen().pixel(x, y));
    return ink;
}

bool controlVisible(CWnd& dialog, int id)
{
    return ::IsWindowVisible(::GetDlgItem(dialog, id));
}

void withKey(UINT modifier, UINT vk)
{
    desktop().keyDown(modifier);
    desktop().pressKey(vk);
    desktop().keyUp(modifier);
}

} // namespace

TEST_F(ReproachDialog, TheModalDialogListsEveryLineWithErrorsInRedAndNoProgressArea)
{
    CReproach r;
    r.add(kError, CString(L"Wall W1 fails\nbending: 120%\nshear: 104%"));
    r.add(kWarning, 39952).arg(L"S3");
    r.add(kInfo, CString(L"4 strips checked"));
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    bool looked = false;
    user().onModal([&](CDialog& dlg) {
        looked = true;
        CString caption;
        dlg.GetWindowText(caption);
        EXPECT_EQ(caption, L"Messages"); // the template of the language module
        // The host's own strings, rendered before the switch to the language module.
        EXPECT_EQ(linesOf(dlg), (std::vector<Line>{{L"Wall W1 fails", kRed},
                                                   {L"bending: 120%", kRed},
                                                   {L"shear: 104%", kRed},
                                                   {L"Strip S3: spacing too wide", text},
                                                   {L"4 strips checked", text}}));
        for (int i = 0; i < 5; ++i) EXPECT_EQ(inkOfRow(dlg, i), std::set<COLORREF>{i < 3 ? kRed : text}) << i;
        for (int id : {ID_TEXT, ID_BAR, ID_BREAK}) EXPECT_FALSE(controlVisible(dlg, id)) << id;
        EXPECT_TRUE(controlVisible(dlg, IDOK));
        platform::pressButton(dlg, IDOK);
    });
    r.doModal();
    EXPECT_TRUE(looked);
    EXPECT_EQ(AfxGetResourceHandle(), m_host);

    // The second name, on an empty collector; Enter closes it.
    CReproach empty;
    user().onModal([&](CDialog& dlg) {
        EXPECT_TRUE(linesOf(dlg).empty());
        EXPECT_FALSE(controlVisible(dlg, ID_BREAK));
        desktop().pressKey(VK_RETURN);
        EXPECT_FALSE(IsWindowVisible(dlg));
    });
    empty.doMogal();
    EXPECT_EQ(user().waitingAnswers(), 0u);
    EXPECT_EQ(user().prompts().size(), 2u);
}

TEST_F(ReproachDialog, WithoutADialogEveryOperationIsHarmlessAndBreakIsTrue)
{
    HostFrame frame;
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
    EXPECT_EQ(r.size(), 1);
}

TEST_F(ReproachDialog, TheNonModalDialogIsMadeOnceAndShowsItsLinesWhenRefreshed)
{
    HostFrame frame;
    CReproach r;
    r.createNoModal(&frame, 0);
    CProgressCtrl* bar = r.progress();
    ASSERT_NE(bar, nullptr);
    CWnd* dlg = dialogOf(r);
    EXPECT_FALSE(dlg->IsWindowVisible());
    EXPECT_EQ(GetWindow(*dlg, GW_OWNER), frame.m_hWnd);
    EXPECT_EQ(AfxGetResourceHandle(), m_host);
    r.createNoModal(&frame, 1); // the first one stays, hidden
    EXPECT_EQ(r.progress(), bar);
    EXPECT_FALSE(dlg->IsWindowVisible());
    // Never refreshed: nothing to show again.
    r.showNoModal();
    EXPECT_FALSE(dlg->IsWindowVisible());

    r.add(kError, CString(L"Strip S1 fails"));
    r.add(kInfo, CString(L"Strip S2 holds"));
    r.refreshNoModal();
    EXPECT_TRUE(dlg->IsWindowVisible());
    EXPECT_EQ(linesOf(*dlg), (std::vector<Line>{{L"Strip S1 fails", kRed},
                                                {L"Strip S2 holds", GetSysColor(COLOR_WINDOWTEXT)}}));
    EXPECT_EQ(inkOfRow(*dlg, 0), std::set<COLORREF>{kRed});
    for (int id : {ID_TEXT, ID_BAR, ID_BREAK}) EXPECT_TRUE(controlVisible(*dlg, id)) << id;

    r.setTitle(L"Slab check");
    r.setProgText(L"Strip 2 of 4");
    CString title, progressText;
    dlg->GetWindowText(title);
    dlg->GetDlgItemText(ID_TEXT, progressText);
    EXPECT_EQ(title, L"Slab check");
    EXPECT_EQ(progressText, L"Strip 2 of 4");

    // The host moves the bar half-way.
    bar->SetRange(0, 4);
    bar->SetPos(2);
    desktop().processMessages();
    CRect inside;
    bar->GetClientRect(&inside);
    bar->ClientToScreen(&inside);
    const auto at = [&](int percent) {
        return desktop().screen().pixel(inside.left + inside.Width() * percent / 100, inside.CenterPoint().y);
    };
    EXPECT_EQ(at(10), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(at(45), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(at(55), GetSysColor(COLOR_3DFACE));

    // Asked to show at once, a dialog is visible before any refresh.
    CReproach shown;
    shown.createNoModal(&frame, 1);
    EXPECT_TRUE(dialogOf(shown)->IsWindowVisible());
}

TEST_F(ReproachDialog, OkHidesTheDialogUntilTheNextRefreshWhileCancelAndHideDoNot)
{
    HostFrame frame;
    CReproach r;
    r.add(kWarning, CString(L"w"));
    r.createNoModal(&frame, 0);
    r.refreshNoModal();
    CWnd* dlg = dialogOf(r);
    platform::pressButton(*dlg, IDOK);
    EXPECT_TRUE(IsWindow(*dlg));
    EXPECT_FALSE(dlg->IsWindowVisible());
    r.showNoModal();
    EXPECT_FALSE(dlg->IsWindowVisible());
    r.refreshNoModal();
    EXPECT_TRUE(dlg->IsWindowVisible());

    r.hideNoModal();
    EXPECT_FALSE(dlg->IsWindowVisible());
    r.showNoModal();
    EXPECT_TRUE(dlg->IsWindowVisible());
    platform::closeDialog(*dlg);
    desktop().processMessages();
    EXPECT_FALSE(dlg->IsWindowVisible());
    r.showNoModal();
    EXPECT_TRUE(dlg->IsWindowVisible());

    // clear() empties the lines but leaves the list until the next refresh;
    // without lines there is nothing to show again.
    r.clear();
    EXPECT_EQ(linesOf(*dlg).size(), 1u);
    r.hideNoModal();
    r.showNoModal();
    EXPECT_FALSE(dlg->IsWindowVisible());
    r.refreshNoModal();
    EXPECT_TRUE(dlg->IsWindowVisible());
    EXPECT_TRUE(linesOf(*dlg).empty());
}

TEST_F(ReproachDialog, ABreakClickedWhileTheHostComputesIsSeenWhenItPolls)
{
    HostFrame frame;
    CReproach r;
    r.createNoModal(&frame, 1);
    r.progress()->SetRange(0, 100);
    CWnd* dlg = dialogOf(r);

    // A computation that reports each step and polls between steps; the user
    // clicks Break during step 30, while the computation holds the messages.
    int step = 0;
    for (; step < 100; ++step) {
        r.add(kInfo, CString(L"step ")).arg(step);
        r.progress()->SetPos(step);
        if (step % 10 == 0) r.refreshNoModal();
        if (step == 30) {
            desktop().holdMessages(true);
            platform::pressButton(*dlg, ID_BREAK);
            EXPECT_FALSE(r.isBreak(false)); // not pumped: the click still waits
        }
        if (r.isBreak(true)) break;
    }
    EXPECT_EQ(step, 30);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    // Only setBreak clears the flag.
    r.refreshNoModal();
    EXPECT_TRUE(r.isBreak(true));
    r.setBreak(false);
    EXPECT_FALSE(r.isBreak(true));
    r.setBreak(true);
    EXPECT_TRUE(r.isBreak(false));

    // Pumping leaves WM_QUIT for the host's own loop.
    r.setBreak(false);
    PostQuitMessage(3);
    EXPECT_FALSE(r.isBreak(true));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, (WPARAM)3);
}

TEST_F(ReproachDialog, BreakAndOkAreReachedByKeyboard)
{
    HostFrame frame;
    CReproach r;
    r.add(kInfo, CString(L"running"));
    r.createNoModal(&frame, 1);
    r.refreshNoModal();
    CWnd* dlg = dialogOf(r);
    EXPECT_EQ(GetFocus(), ::GetDlgItem(*dlg, ID_LIST));
    withKey(VK_MENU, 'B'); // "&Break"
    EXPECT_TRUE(r.isBreak(false));
    r.setBreak(false);
    desktop().pressKey(VK_SPACE); // the focus went to Break with its mnemonic
    EXPECT_TRUE(r.isBreak(false));
    r.setBreak(false);

    desktop().pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), ::GetDlgItem(*dlg, IDOK));
    withKey(VK_SHIFT, VK_TAB);
    desktop().pressKey(VK_RETURN);
    EXPECT_TRUE(r.isBreak(false));
    EXPECT_TRUE(dlg->IsWindowVisible());
    desktop().pressKey(VK_TAB);
    desktop().pressKey(VK_RETURN);
    EXPECT_FALSE(dlg->IsWindowVisible());
}

TEST_F(ReproachDialog, ShowControlsActsAtOnceAndSetControlsVisibilityOnlyAtTheNextInitialisation)
{
    HostFrame frame;
    CReproach r;
    r.createNoModal(&frame, 1);
    CWnd* dlg = dialogOf(r);
    r.setControlsVisibility(SW_HIDE, SW_HIDE, SW_HIDE);
    for (int id : {ID_TEXT, ID_BAR, ID_BREAK}) EXPECT_TRUE(controlVisible(*dlg, id)) << id;
    r.showControls(SW_HIDE, SW_SHOW, SW_HIDE);
    EXPECT_FALSE(controlVisible(*dlg, ID_TEXT));
    EXPECT_TRUE(controlVisible(*dlg, ID_BAR));
    EXPECT_FALSE(controlVisible(*dlg, ID_BREAK));
}

TEST_F(ReproachDialog, ScrollToEndMakesTheLastLineVisible)
{
    HostFrame frame;
    CReproach r;
    r.createNoModal(&frame, 1);
    r.scrollToEnd(); // an empty list stays as it is
    for (int i = 0; i < 60; ++i) r.add(kInfo, CString(L"line ")).arg(i);
    r.refreshNoModal();
    const HWND list = ::GetDlgItem(*dialogOf(r), ID_LIST);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
    r.scrollToEnd();
    EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
    CRect last, client;
    SendMessageW(list, LB_GETITEMRECT, 59, (LPARAM)&last);
    GetClientRect(list, &client);
    EXPECT_GE(last.top, client.top);
    EXPECT_LE(last.bottom, client.bottom);
}

TEST_F(ReproachDialog, TheDialogLivesAsLongAsItsCollector)
{
    auto frame = std::make_unique<HostFrame>();
    HWND first = nullptr;
    {
        CReproach r;
        r.createNoModal(frame.get(), 1);
        first = *dialogOf(r);
        // A copy starts without a dialog, so the dialog is destroyed once.
        CReproach copy(r);
        EXPECT_EQ(copy.progress(), nullptr);
        CReproach assigned;
        assigned = r;
        EXPECT_EQ(assigned.progress(), nullptr);
    }
    EXPECT_FALSE(IsWindow(first));

    CReproach r;
    r.createNoModal(frame.get(), 1);
    const HWND second = *dialogOf(r);
    r.destroyNoModal();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(r.progress(), nullptr);
    EXPECT_TRUE(r.isBreak(false));
    r.createNoModal(frame.get(), 1);
    EXPECT_TRUE(IsWindow(*dialogOf(r)));

    // The owner goes first, taking the dialog's window with it: the collector
    // still works without a window and ends cleanly.
    const HWND third = *dialogOf(r);
    frame.reset();
    EXPECT_FALSE(IsWindow(third));
    r.add(kError, CString(L"late"));
    r.refreshNoModal();
    r.showControls(SW_HIDE, SW_HIDE, SW_HIDE);
    r.setProgText(L"p");
    EXPECT_FALSE(r.isBreak(true));
}

TEST_F(ReproachDialog, WithoutTheLanguageModuleTheHostsOwnTemplateServesOrNone)
{
    HostFrame frame;
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
        {WC_LISTBOX, ID_LIST, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 0, 5,
         5, 200, 80},
        {PROGRESS_CLASS, ID_BAR, L"", WS_CHILD | WS_VISIBLE, 0, 5, 90, 100, 8},
        {WC_STATIC, ID_TEXT, L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 5, 100, 100, 8},
        {WC_BUTTON, ID_BREAK, L"Stop", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 110, 90, 40, 14},
        {WC_BUTTON, IDOK, L"Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 160, 90, 40, 14},
    };
    static const winres::DialogResource dialogs[] = {
        {113, WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 210, 110, L"Host messages", L"MS Shell Dlg", 8, items}};
    static const winres::ResourceTable table{kHostStrings, {}, dialogs, {}};
    AfxSetResourceHandle(platform::RegisterApplicationModule(&table));
    CReproach own;
    own.add(kError, CString(L"e"));
    own.createNoModal(&frame, 1);
    own.refreshNoModal();
    CString caption;
    dialogOf(own)->GetWindowText(caption);
    EXPECT_EQ(caption, L"Host messages");
    EXPECT_EQ(linesOf(*dialogOf(own)), (std::vector<Line>{{L"e", kRed}}));

    // The language module back for the tests after this one.
    setLangWork(49, (std::filesystem::path(VOREL_LANG_DIR).wstring() + L"/").c_str());
}
