// The common dialogs' windows that a person answers, driven with the
// desktop's mouse and keys: the colour dialog's swatches and the file
// dialog's name and folder list.
#include "support/OnScreen.h"
#include "support/TempDir.h"
#include "support/WindowQueries.h"
#include "win/afx/Wnd.h"
#include "win/gdi/SysColors.h"
#include "win/desktop/ColourWindow.h"
#include "win/desktop/Desktop.h"
#include "win/desktop/FileWindow.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

using platform::ColourWindow;
using platform::desktop;
using platform::FileWindow;
using testsupport::screenAt;
using testsupport::windowText;
using Names = std::vector<std::wstring>;

namespace {

struct Owner {
    Owner()
    {
        desktop().setScreenSize(800, 600);
        EXPECT_TRUE(wnd.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(100, 100, 700, 500), nullptr, 0));
        desktop().processMessages();
    }
    ~Owner() { wnd.DestroyWindow(); }
    CWnd wnd;
};

void clickControl(HWND dialog, int id) { desktop().click(testsupport::screenRectOf(GetDlgItem(dialog, id)).CenterPoint()); }

Names listed(HWND list)
{
    Names entries;
    for (int i = 0; i < (int)SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        wchar_t buffer[512] = {};
        SendMessageW(list, LB_GETTEXT, (WPARAM)i, (LPARAM)buffer);
        entries.push_back(buffer);
    }
    return entries;
}

void clickEntry(HWND dialog, int index)
{
    const HWND list = GetDlgItem(dialog, FileWindow::entryList);
    CRect r;
    SendMessageW(list, LB_GETITEMRECT, (WPARAM)index, (LPARAM)&r);
    CPoint p = r.CenterPoint();
    ClientToScreen(list, &p);
    desktop().click(p);
}

} // namespace

TEST(ColourWindow, ShowsTheBasicColoursWithTheInitialOneSelectedAndAnswersTheClickedOne)
{
    Owner o;
    auto w = std::make_unique<ColourWindow>(o.wnd.m_hWnd, RGB(255, 0, 0));
    desktop().processMessages();
    EXPECT_TRUE(IsWindowVisible(w->hwnd()));
    EXPECT_EQ(windowText(w->hwnd()), L"Color");
    EXPECT_FALSE(o.wnd.IsWindowEnabled());
    EXPECT_EQ(w->selected(), 8); // red begins the second row

    // Each swatch filled with its colour inside a three-pixel margin, the
    // selected cell framed in black, the others on the dialog face.
    const CRect red = w->swatchRect(8), yellow = w->swatchRect(9), blue = w->swatchRect(28);
    EXPECT_EQ(red.Size(), CSize(24, 20));
    EXPECT_EQ(yellow.left, red.right);
    EXPECT_EQ(w->swatchRect(16).top, red.bottom);
    EXPECT_EQ((std::vector{screenAt(red.CenterPoint()), screenAt(yellow.CenterPoint()), screenAt(blue.CenterPoint()),
                           screenAt(w->swatchRect(40).CenterPoint()), screenAt(w->swatchRect(47).CenterPoint())}),
              (std::vector{RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255)}));
    EXPECT_EQ(screenAt(red.TopLeft()), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(screenAt(CPoint(red.right - 2, red.bottom - 2)), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(screenAt(yellow.TopLeft()), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(screenAt(yellow.TopLeft() + CSize(2, 2)), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(screenAt(yellow.TopLeft() + CSize(3, 3)), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(screenAt(yellow.TopLeft() + CSize(4, 4)), RGB(255, 255, 0));

    // A click selects another swatch; OK answers it.
    desktop().click(blue.CenterPoint());
    EXPECT_EQ(w->selected(), 28);
    EXPECT_EQ(screenAt(red.TopLeft()), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(screenAt(blue.TopLeft()), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(w->result(), 0);
    clickControl(w->hwnd(), IDOK);
    EXPECT_EQ(w->result(), IDOK);
    EXPECT_EQ(w->colour(), RGB(0, 0, 255));
    const HWND h = w->hwnd();
    w.reset();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_TRUE(o.wnd.IsWindowEnabled());
}

// Esc cancels as in the file window, whose base class handles it for both.
TEST(ColourWindow, EnterKeepsAColourOfItsOwnAndCancelAndTheCloseBoxCancel)
{
    Owner o;
    {
        ColourWindow w(o.wnd.m_hWnd, RGB(1, 2, 3));
        EXPECT_EQ(w.selected(), -1);
        desktop().pressKey(VK_RETURN);
        EXPECT_EQ(w.result(), IDOK);
        EXPECT_EQ(w.colour(), RGB(1, 2, 3));
    }
    {
        ColourWindow w(o.wnd.m_hWnd, RGB(0, 0, 255));
        desktop().click(testsupport::closeBoxOf(w.hwnd()).CenterPoint());
        EXPECT_EQ(w.result(), IDCANCEL);
    }
    ColourWindow w(o.wnd.m_hWnd, RGB(0, 0, 255));
    desktop().click(w.swatchRect(0).CenterPoint());
    clickControl(w.hwnd(), IDCANCEL);
    EXPECT_EQ(w.result(), IDCANCEL);
    // Answered once is answered: a later OK changes nothing.
    clickControl(w.hwnd(), IDOK);
    EXPECT_EQ(w.result(), IDCANCEL);
}

TEST(FileWindow, ShowsTheFolderAndTheInitialNameAndAnswersTheEditedOneWhole)
{
    testsupport::TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    std::ofstream(dir.file("b.csv")) << "x";
    std::ofstream(dir.file("a.txt")) << "x";
    Owner o;
    FileWindow w(o.wnd.m_hWnd, false, CString((dir.wpath() + L"/beams.csv").c_str()));
    EXPECT_EQ(windowText(w.hwnd()), L"Save As");
    EXPECT_EQ(w.folder(), dir.path());
    const HWND edit = GetDlgItem(w.hwnd(), FileWindow::nameEdit);
    EXPECT_EQ(windowText(edit), L"beams.csv");
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(listed(GetDlgItem(w.hwnd(), FileWindow::entryList)), (Names{L"..", L"sub/", L"a.txt", L"b.csv"}));

    // A click on a file puts its name in the edit; typing changes it there,
    // to a name longer than the 1,023 characters a fixed buffer would keep.
    clickEntry(w.hwnd(), 2);
    EXPECT_EQ(windowText(edit), L"a.txt");
    const CRect r = testsupport::screenRectOf(edit);
    desktop().click(CPoint(r.right - 5, r.CenterPoint().y)); // after the text: the caret at the end
    for (int i = 0; i < 3; ++i) desktop().pressKey(VK_BACK);
    const std::wstring name = L"a." + std::wstring(1100, L'n') + L".csv";
    desktop().typeText(CString(name.substr(2).c_str()));
    EXPECT_EQ(windowText(edit), name);
    EXPECT_EQ(w.result(), 0);
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(w.result(), IDOK);
    EXPECT_EQ(std::wstring((LPCWSTR)w.path()), dir.wpath() + L"/" + name);
}

TEST(FileWindow, WithoutANameOkWaitsAndAFolderOrDotDotOpensThatFolder)
{
    testsupport::TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    std::ofstream(dir.file("sub") / "c.csv") << "x";
    Owner o;
    FileWindow w(o.wnd.m_hWnd, true, CString(dir.prefix().c_str()));
    EXPECT_EQ(windowText(w.hwnd()), L"Open");
    const HWND edit = GetDlgItem(w.hwnd(), FileWindow::nameEdit), list = GetDlgItem(w.hwnd(), FileWindow::entryList);
    EXPECT_EQ(windowText(edit), L"");
    clickControl(w.hwnd(), IDOK);
    EXPECT_EQ(w.result(), 0);
    EXPECT_TRUE(IsWindowVisible(w.hwnd()));

    clickEntry(w.hwnd(), 1); // "sub/"
    clickControl(w.hwnd(), IDOK);
    EXPECT_EQ(w.result(), 0);
    EXPECT_EQ(w.folder(), dir.path() / "sub");
    EXPECT_EQ(windowText(edit), L"");
    EXPECT_EQ(listed(list), (Names{L"..", L"c.csv"}));
    clickEntry(w.hwnd(), 0); // ".."
    clickControl(w.hwnd(), IDOK);
    EXPECT_EQ(w.folder(), dir.path());
    EXPECT_EQ(w.result(), 0);
    desktop().pressKey(VK_ESCAPE);
    EXPECT_EQ(w.result(), IDCANCEL);
}
