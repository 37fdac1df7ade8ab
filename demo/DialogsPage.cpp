// Dialogs and menus from the language module's templates: the message dialog
// (template 113) run modally with plain list entries and its progress bar at
// 40 %, and the record grids' context menu (480) opened over a window, both
// answered by the scripted user, who takes the screenshots.
#include "Pages.h"
#include "Screenshot.h"

#include "win/Afx.h"

namespace {

// The template's list is owner-drawn: this one draws each entry's text.
class PlainList : public CListBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        CString text;
        GetText((int)dis->itemID, text);
        CRect r(dis->rcItem);
        r.left += 3;
        ::DrawTextW(dis->hDC, text, text.GetLength(), &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
};

class MessageDialog : public CDialog {
public:
    MessageDialog() : CDialog(113) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetDlgItemText(1011, L"Checking the reinforcement of 12 sections");
        m_progress.SetPos(40);
        for (const wchar_t* line : {L"Section 1: bars 5 x 16 mm", L"Section 2: bars 4 x 20 mm",
                                    L"Section 3: spacing below the minimum, taken as 25 mm",
                                    L"Section 4: bars 6 x 12 mm"})
            m_list.AddString(line);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 114, m_list);
        DDX_Control(pDX, 1010, m_progress);
    }

private:
    PlainList m_list;
    CProgressCtrl m_progress;
};

// A window that shows the context menu where it is right-clicked.
class MenuHost : public CWnd {
public:
    std::string m_chosen;
    Gallery* m_gallery = nullptr;

protected:
    afx_msg void OnRButtonUp(UINT, CPoint point)
    {
        CMenu menu;
        if (!menu.LoadMenu(480)) return;
        ClientToScreen(&point);
        menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect r;
        GetClientRect(&r);
        dc.FillSolidRect(&r, RGB(255, 255, 255));
        dc.TextOut(8, 8, CString(L"Right-click for the grid's menu"));
    }
    afx_msg void OnExport() { m_chosen = "Export as CSV (command 39950)"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuHost, CWnd)
    ON_WM_RBUTTONUP()
    ON_WM_PAINT()
    ON_COMMAND(39950, OnExport)
END_MESSAGE_MAP()

} // namespace

void dialogsPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    g.beginPage("Dialogs and menus",
                "Dialog templates and menus come from the English language module. The scripted user "
                "looks at each modal dialog and menu, takes a screenshot and answers it.");
    const HMODULE lang = LoadLibraryW((demo.languageFolder + L"vorel_048.dll").c_str());
    const HINSTANCE saved = AfxGetResourceHandle();
    if (lang) AfxSetResourceHandle(lang);
    platform::desktop().setScreenSize(900, 500);

    INT_PTR result = 0;
    platform::user().onModal([&](CDialog& dlg) {
        screenshot(g, "dialog-113.png", "Template 113 shown modally: list entries, progress at 40 %", dlg);
        platform::pressButton(dlg, IDOK);
    });
    MessageDialog dlg;
    result = dlg.DoModal();
    g.paragraph("The user pressed OK; DoModal returned " + std::to_string(result) + ".");

    MenuHost host;
    host.m_gallery = &g;
    host.CreateEx(0, nullptr, L"Grid", WS_POPUP | WS_VISIBLE | WS_BORDER, CRect(40, 40, 440, 300), nullptr, 0);
    platform::desktop().processMessages();
    platform::user().chooseMenuCommand(39950, [&](HWND) {
        screenshot(g, "menu-480.png", "Menu 480 opened over a window by a right click");
    });
    platform::desktop().click(CPoint(140, 120), platform::MouseButton::Right);
    g.paragraph("Command chosen: " + (host.m_chosen.empty() ? std::string("none") : host.m_chosen) + ".");
    host.DestroyWindow();
    AfxSetResourceHandle(saved);
    if (lang) FreeLibrary(lang);
}
