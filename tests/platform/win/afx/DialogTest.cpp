#include "platform/win/LoggingWnd.h"
#include "support/TempDir.h"
#include "support/WindowQueries.h"

#include <gtest/gtest.h>

#include <cwchar>

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

// Dialog units of the 8-point "MS Shell Dlg" template font, worked out as
// Win32 does: the average width of the 52 letters, rounded, and the cell height.
CSize templateBaseUnits()
{
    LOGFONTW lf{};
    lf.lfHeight = -11; // 8 points at 96 DPI
    std::wcscpy(lf.lfFaceName, L"MS Shell Dlg");
    CFont font;
    font.CreateFontIndirect(&lf);
    CWindowDC dc(nullptr);
    CFont* old = dc.SelectObject(&font);
    const CSize letters = dc.GetTextExtent(L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52);
    dc.SelectObject(old);
    return CSize((letters.cx / 26 + 1) / 2, letters.cy);
}

CRect dluToPixels(int x, int y, int cx, int cy)
{
    const CSize b = templateBaseUnits();
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
        EXPECT_TRUE(dlg.IsWindowVisible());
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

        // The screen shows the controls: the empty list's window colour, the button face.
        CRect list, ok;
        dlg.GetDlgItem(114)->GetWindowRect(&list);
        dlg.GetDlgItem(IDOK)->GetWindowRect(&ok);
        EXPECT_EQ(desktop().screen().pixel(list.left + 5, list.top + 5), GetSysColor(COLOR_WINDOW));
        EXPECT_EQ(desktop().screen().pixel(ok.left + 4, ok.top + 4), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(desktop().screen().pixel(ok.left, ok.top), GetSysColor(COLOR_WINDOWFRAME));
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
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // The close box: a click on it ends the dialog there and then, as IDCANCEL.
    bool endedByTheBox = false;
    user().onModal([&](CDialog& d) {
        platform::closeDialog(d);
        endedByTheBox = !d.IsWindowVisible();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(endedByTheBox);
    // Break has no handler in a plain dialog: the dialog stays, then the user walks away.
    user().onModal([](CDialog& d) { platform::pressButton(d, 1012); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // Nobody scripted: the default user cancels.
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    user().onModal([](CDialog& d) { d.EndDialog(42); });
    EXPECT_EQ(dlg.DoModal(), 42);
    user().onModal([](CDialog&) { desktop().pressKey(VK_RETURN); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(user().prompts().size(), 6u);
    EXPECT_EQ(user().prompts()[0].text, L"Messages");
}

TEST(Dialog, TheInstalledPromptsAnswerAndWithoutAnyModalUICancels)
{
    useEnglishResources();
    struct Answers : platform::DialogPrompts {
        void answerModal(CDialog& dialog) override { dialog.EndDialog(42); }
        bool answerColour(const CString&, COLORREF& colour) override
        {
            colour = RGB(1, 2, 3);
            return true;
        }
    } answers;
    CDialog dlg(113);
    CColorDialog colour;
    const size_t asked = user().prompts().size();
    platform::setDialogPrompts(&answers);
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_EQ(colour.DoModal(), IDOK);
    EXPECT_EQ(colour.GetColor(), RGB(1, 2, 3));
    platform::setDialogPrompts(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(colour.DoModal(), IDCANCEL);
    EXPECT_EQ(colour.GetColor(), RGB(1, 2, 3));
    platform::setDialogPrompts(&user());
    EXPECT_EQ(user().prompts().size(), asked);
}

TEST(Dialog, AModelessDialogLivesOnAfterOkHidesItAndAChildTemplateSitsInItsParent)
{
    useEnglishResources();
    testsupport::LoggingWnd frame("F");
    ASSERT_TRUE(frame.create(nullptr, CRect(100, 80, 900, 700), WS_VISIBLE | WS_BORDER));
    CDialog dlg, label;
    ASSERT_TRUE(dlg.Create(113, &frame));
    EXPECT_FALSE(dlg.IsModal());
    // Without WS_VISIBLE in the template it waits to be shown; its client
    // area starts at the owner's client origin.
    EXPECT_FALSE(dlg.IsWindowVisible());
    CPoint origin(0, 0), frameOrigin(0, 0);
    dlg.ClientToScreen(&origin);
    frame.ClientToScreen(&frameOrigin);
    EXPECT_EQ(origin, frameOrigin);
    // OK, Enter and Esc each hide it.
    dlg.ShowWindow(SW_SHOW);
    desktop().processMessages();
    platform::pressButton(dlg, IDOK);
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.ShowWindow(SW_SHOW);
    dlg.GetDlgItem(114)->SetFocus();
    desktop().pressKey(VK_RETURN);
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.ShowWindow(SW_SHOW);
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
    ASSERT_TRUE(label.Create(115, &frame));
    EXPECT_EQ(label.GetParent(), &frame);
    EXPECT_EQ(rectInParent(&label), dluToPixels(0, 0, 60, 12));
    CRect r(0, 0, 4, 8);
    label.MapDialogRect(&r);
    EXPECT_EQ(r, CRect(CPoint(0, 0), templateBaseUnits()));
}

namespace {

class ExchangingDialog : public CDialog {
public:
    explicit ExchangingDialog(int listId) : CDialog(113), m_listId(listId) {}

    BOOL OnInitDialog() override
    {
        m_initialised = CDialog::OnInitDialog();
        m_progress.SetPos(40);
        m_list.AddString(L"first");
        return TRUE;
    }

    CListBox m_list;
    CProgressCtrl m_progress;
    int m_listId;
    BOOL m_initialised = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 1010, m_progress);
        DDX_Control(pDX, m_listId, m_list);
    }
};

} // namespace

TEST(Dialog, DataExchangeAttachesControlsToTheirObjects)
{
    useEnglishResources();
    ExchangingDialog dlg(114);
    ASSERT_TRUE(dlg.Create(113));
    EXPECT_TRUE(dlg.m_initialised);
    EXPECT_EQ(dlg.m_list.m_hWnd, ::GetDlgItem(dlg, 114));
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg, 1010)), &dlg.m_progress);
    EXPECT_EQ(dlg.m_progress.GetPos(), 40);
    EXPECT_EQ(dlg.m_list.GetCount(), 1);
    // Exchanging again keeps them.
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg, 114)), &dlg.m_list);

    // A control the template does not have fails the exchange.
    ExchangingDialog wrong(999);
    ASSERT_TRUE(wrong.Create(113));
    EXPECT_FALSE(wrong.UpdateData(FALSE));
    EXPECT_EQ(wrong.m_list.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(wrong, 1010)), &wrong.m_progress);
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
