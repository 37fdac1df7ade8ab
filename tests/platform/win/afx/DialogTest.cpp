#include "platform/win/LoggingWnd.h"
#include "support/OnScreen.h"
#include "support/Prompts.h"
#include "support/TempDir.h"
#include "support/TextCanvas.h"
#include "support/WindowQueries.h"

#include <gtest/gtest.h>

using platform::desktop;
using platform::user;

namespace {

// Makes the English language module the resource handle, as a host does.
void useEnglishResources()
{
    const HMODULE lang = LoadLibraryW(testsupport::languageModule("048").wstring().c_str());
    ASSERT_NE(lang, nullptr);
    AfxSetResourceHandle(lang);
}

// Dialog units in pixels, as Win32 works them out for the 8-point "MS Shell Dlg"
// template font: a quarter of the letters' average width (rounded), an eighth of the cell height.
CRect dluToPixels(int x, int y, int cx, int cy)
{
    const CSize letters = testsupport::TextCanvas(1, 1, testsupport::logFont(L"MS Shell Dlg", -11))
                              .extent(L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const CSize b((letters.cx / 26 + 1) / 2, letters.cy);
    const auto h = [&](int v) { return (v * b.cx + 2) / 4; };
    const auto v = [&](int u) { return (u * b.cy + 4) / 8; };
    return CRect(h(x), v(y), h(x) + h(cx), v(y) + v(cy));
}

// The dialog's controls from the top, one "id class text" a line, with anything unusual after it.
std::wstring controlsOf(HWND dialog)
{
    std::wstring s;
    for (HWND h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        wchar_t cls[64] = {};
        GetClassNameW(h, cls, 64);
        s += std::to_wstring(GetDlgCtrlID(h)) + L" " + cls + L" " + testsupport::windowText(h);
        if (!IsWindowVisible(h)) s += L" hidden";
        if (SendMessageW(h, WM_GETFONT, 0, 0) != SendMessageW(dialog, WM_GETFONT, 0, 0)) s += L" in another font";
        s += L"\n";
    }
    return s;
}

CRect rectInParent(CWnd* w)
{
    CRect r;
    w->GetWindowRect(&r);
    w->GetParent()->ScreenToClient(&r);
    return r;
}

} // namespace

TEST(Dialog, ModalDialogShowsItsTemplateControlsOverItsDisabledOwnerAndReturnsThePressedButton)
{
    useEnglishResources();
    testsupport::LoggingWnd frame("F"), child("C");
    ASSERT_TRUE(frame.create(nullptr, CRect(50, 50, 250, 250), WS_VISIBLE | WS_BORDER));
    ASSERT_TRUE(child.create(&frame, CRect(0, 0, 50, 50)));
    HWND shown = nullptr;
    user().onModal([&](CDialog& dlg) {
        shown = dlg.m_hWnd;
        // Owned by the child's top-level window, which is disabled while the dialog runs.
        EXPECT_EQ(GetWindow(dlg, GW_OWNER), frame.m_hWnd);
        EXPECT_FALSE(frame.IsWindowEnabled());
        EXPECT_TRUE(dlg.IsModal());
        EXPECT_EQ(testsupport::windowText(dlg), L"Messages");
        EXPECT_EQ(controlsOf(dlg), L"114 ListBox \n"
                                   L"1011 Static \n"
                                   L"1010 msctls_progress32 \n"
                                   L"1012 Button &Break\n"
                                   L"1 Button OK\n");
        const std::pair<int, CRect> places[] = {
            {114, dluToPixels(7, 7, 306, 150)},    {1011, dluToPixels(7, 162, 150, 9)},
            {1010, dluToPixels(7, 174, 150, 10)},  {1012, dluToPixels(199, 172, 55, 14)},
            {IDOK, dluToPixels(258, 172, 55, 14)},
        };
        for (const auto& [id, place] : places) EXPECT_EQ(rectInParent(dlg.GetDlgItem(id)), place) << id;
        EXPECT_TRUE(dlg.GetDlgItem(114)->GetStyle() & LBS_OWNERDRAWVARIABLE);
        CRect client;
        dlg.GetClientRect(&client);
        EXPECT_EQ(client.Size(), dluToPixels(0, 0, 320, 193).Size());

        // The screen shows the controls: the OK button's frame and face.
        const CRect ok = testsupport::screenRectOf(::GetDlgItem(dlg, IDOK));
        EXPECT_EQ(testsupport::screenAt(ok.TopLeft()), GetSysColor(COLOR_WINDOWFRAME));
        EXPECT_EQ(testsupport::screenAt(ok.TopLeft() + CSize(4, 4)), GetSysColor(COLOR_BTNFACE));
        platform::pressButton(dlg, IDOK);
    });
    CDialog dlg(113, &child);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_TRUE(frame.IsWindowEnabled());
}

TEST(Dialog, EscTheCloseBoxAndAnUnansweredDialogCancel)
{
    useEnglishResources();
    CDialog dlg(113);
    // Esc goes to the focused list box; the dialog keys turn it into IDCANCEL.
    user().onModal([](CDialog& d) {
        EXPECT_EQ(GetFocus(), ::GetDlgItem(d, 114));
        desktop().pressKey(VK_ESCAPE);
    });
    // The close box: a click on it ends the dialog there and then, as IDCANCEL.
    bool endedByTheBox = false;
    user().onModal([&](CDialog& d) {
        platform::closeDialog(d);
        endedByTheBox = !d.IsWindowVisible();
    });
    // Break has no handler in a plain dialog: the dialog stays, then the user walks away.
    user().onModal([](CDialog& d) { platform::pressButton(d, 1012); });
    user().onModal([](CDialog& d) { d.EndDialog(42); });
    user().onModal([](CDialog&) { desktop().pressKey(VK_RETURN); });
    std::vector<INT_PTR> results;
    for (int i = 0; i < 5; ++i) results.push_back(dlg.DoModal());
    EXPECT_EQ(results, (std::vector<INT_PTR>{IDCANCEL, IDCANCEL, IDCANCEL, 42, IDOK}));
    EXPECT_TRUE(endedByTheBox);
    const std::wstring modal = L"modal: Messages\n";
    EXPECT_EQ(testsupport::asked(), modal + modal + modal + modal + modal);
}

// The colour dialog shows the prompt its initial colour and takes the answer; cancelled, its colour stays.
TEST(Dialog, TheInstalledPromptsAnswerAndWithoutAnyModalUICancels)
{
    useEnglishResources();
    struct Answers : platform::DialogPrompts {
        void answerModal(CDialog& dialog) override { dialog.EndDialog(42); }
        bool answerColour(const CString& initial, COLORREF& colour) override
        {
            shown = initial;
            colour = RGB(1, 2, 3);
            return true;
        }
        CString shown;
    } answers;
    CDialog dlg(113);
    CColorDialog colour(RGB(255, 128, 0));
    platform::setDialogPrompts(&answers);
    EXPECT_EQ((std::vector<INT_PTR>{dlg.DoModal(), colour.DoModal(), (INT_PTR)colour.GetColor()}),
              (std::vector<INT_PTR>{42, IDOK, RGB(1, 2, 3)}));
    EXPECT_EQ(answers.shown, L"#FF8000");
    platform::setDialogPrompts(nullptr);
    EXPECT_EQ((std::vector<INT_PTR>{dlg.DoModal(), colour.DoModal(), (INT_PTR)colour.GetColor()}),
              (std::vector<INT_PTR>{IDCANCEL, IDCANCEL, RGB(1, 2, 3)}));
    platform::setDialogPrompts(&user());
    EXPECT_EQ(testsupport::asked(), L""); // the scripted user was never asked
}

namespace {

class ExchangingDialog : public CDialog {
public:
    explicit ExchangingDialog(int listId) : CDialog(113), m_listId(listId) {}

    CListBox m_list;
    CProgressCtrl m_progress;
    int m_listId;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 1010, m_progress);
        DDX_Control(pDX, m_listId, m_list);
    }
};

} // namespace

TEST(Dialog, ModelessDialogsExchangeTheirControlsLiveOnAfterOkAndAChildTemplateSitsInItsParent)
{
    useEnglishResources();
    testsupport::LoggingWnd frame("F");
    ASSERT_TRUE(frame.create(nullptr, CRect(100, 80, 900, 700), WS_VISIBLE | WS_BORDER));
    ExchangingDialog dlg(114), wrong(999);
    ASSERT_TRUE(dlg.Create(113, &frame));
    EXPECT_FALSE(dlg.IsModal());
    // Without WS_VISIBLE in the template it waits to be shown; its client
    // area starts at the owner's client origin.
    EXPECT_FALSE(dlg.IsWindowVisible());
    CPoint origin(0, 0), frameOrigin(0, 0);
    dlg.ClientToScreen(&origin);
    frame.ClientToScreen(&frameOrigin);
    EXPECT_EQ(origin, frameOrigin);

    // Data exchange attaches the controls to their objects, and exchanging again keeps them.
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg, 114)), &dlg.m_list);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg, 1010)), &dlg.m_progress);
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg, 114)), &dlg.m_list);
    // A control the template does not have fails the exchange; the ones before it are attached.
    ASSERT_TRUE(wrong.Create(113));
    EXPECT_FALSE(wrong.UpdateData(FALSE));
    EXPECT_EQ(wrong.m_list.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(wrong, 1010)), &wrong.m_progress);

    // OK and Esc each hide it.
    dlg.ShowWindow(SW_SHOW);
    desktop().processMessages();
    platform::pressButton(dlg, IDOK);
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.ShowWindow(SW_SHOW);
    dlg.m_list.SetFocus();
    desktop().pressKey(VK_ESCAPE);
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_TRUE(IsWindow(dlg));

    dlg.SetDlgItemText(1011, L"Step 3 of 7");
    CString text;
    EXPECT_EQ(dlg.GetDlgItemText(1011, text), 11);
    EXPECT_EQ(text, L"Step 3 of 7");
    EXPECT_EQ(dlg.GetDlgItemText(4711, text), 0);
    EXPECT_EQ(text, L"");

    // Template 115 is a bare child: it sits in its parent's client area.
    CDialog label;
    ASSERT_TRUE(label.Create(115, &frame));
    EXPECT_EQ(label.GetParent(), &frame);
    EXPECT_EQ(rectInParent(&label), dluToPixels(0, 0, 60, 12));
    CRect r(0, 0, 4, 8);
    label.MapDialogRect(&r);
    EXPECT_EQ(r, dluToPixels(0, 0, 4, 8)); // the base units themselves
}

TEST(Dialog, MissingTemplateCreatesNothing)
{
    useEnglishResources();
    CDialog modeless;
    EXPECT_FALSE(modeless.Create(4711));
    EXPECT_EQ(modeless.m_hWnd, nullptr);
    CDialog modal(4711);
    EXPECT_EQ(modal.DoModal(), -1);
    // The user was never asked.
    EXPECT_TRUE(user().prompts().empty());
}
