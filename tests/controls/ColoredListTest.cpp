#include "controls/ColoredList.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>

using NVorel::CColoredList;
using platform::desktop;
namespace colours = testsupport::colours;

namespace {

// A host window with a coloured list of id 114 in it, as a dialog holds one.
struct ListHost {
    explicit ListHost(DWORD extraStyle = 0)
    {
        const LPCWSTR cls = AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_3DFACE + 1));
        EXPECT_TRUE(frame.CreateEx(0, cls, L"host", WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 400), nullptr, 0));
        EXPECT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | extraStyle, CRect(10, 10, 310, 210),
                                &frame, 114));
        list.SetFocus();
    }
    CWnd frame;
    CColoredList list;
};

LOGFONTW menuFont()
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    return m.lfMenuFont;
}

// The extent of a text in a font, as GetTextExtent measures it.
CSize extentIn(const LOGFONTW& lf, const wchar_t* text)
{
    CFont font;
    font.CreateFontIndirect(&lf);
    CWindowDC dc(nullptr);
    CFont* old = dc.SelectObject(&font);
    const CSize size = dc.GetTextExtent(text, (int)std::wcslen(text));
    dc.SelectObject(old);
    return size;
}

LOGFONTW arial13()
{
    LOGFONTW lf{};
    lf.lfHeight = -13;
    std::wcscpy(lf.lfFaceName, L"Arial");
    return lf;
}

void putOnClipboard(CWnd& owner, const wchar_t* text)
{
    const SIZE_T bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), text, bytes);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

void withCtrl(UINT vk)
{
    desktop().keyDown(VK_CONTROL);
    desktop().pressKey(vk);
    desktop().keyUp(VK_CONTROL);
}

// The list's protected helpers, as a derived host list reaches them.
struct OpenList : CColoredList {
    using CColoredList::GetColor;
    using CColoredList::GetText;
};

} // namespace

TEST(ColoredList, EachEntryIsDrawnInItsColourAfterALeadingSpace)
{
    ListHost host;
    CFont font;
    const LOGFONTW lf = arial13();
    font.CreateFontIndirect(&lf);
    host.list.SendMessage(WM_SETFONT, (WPARAM)(HFONT)font, FALSE);
    EXPECT_EQ(host.list.AddColoredString(L"Wall W1", colours::red), 0);
    EXPECT_EQ(host.list.AddColoredString(L"Slab S2", colours::blue), 1);
    host.list.SetCurSel(1); // selection is not drawn
    desktop().processMessages();

    // Rows are as high as the menu font; text is drawn in the list's own font.
    const int rowHeight = extentIn(menuFont(), L"x").cy;
    ASSERT_EQ(host.list.GetItemHeight(0), rowHeight);
    const int space = extentIn(arial13(), L" ").cx;
    CRect client;
    host.list.GetClientRect(&client);
    host.list.ClientToScreen(&client);
    for (int row = 0; row < 2; ++row) {
        const COLORREF colour = row == 0 ? colours::red : colours::blue;
        const CRect band(client.left, client.top + row * rowHeight, client.right, client.top + (row + 1) * rowHeight);
        CRect ink(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        int stray = 0;
        for (int y = band.top; y < band.bottom; ++y)
            for (int x = band.left; x < band.right; ++x) {
                const COLORREF c = desktop().screen().pixel(x, y);
                if (c == colour) ink.UnionRect(ink, CRect(x, y, x + 1, y + 1));
                else stray += c != GetSysColor(COLOR_WINDOW);
            }
        EXPECT_EQ(stray, 0) << "row " << row;
        ASSERT_LT(ink.left, ink.right) << "row " << row;
        EXPECT_GE(ink.left - client.left, space) << "row " << row;
        EXPECT_LT(ink.left - client.left, space + 3) << "row " << row;
    }
    EXPECT_EQ(desktop().screen().pixel(client.left + 250, client.top + rowHeight + 2), GetSysColor(COLOR_WINDOW));
}

TEST(ColoredList, TheExtentFollowsTheWidestEntryInTheMenuFontAndNeverShrinks)
{
    ListHost host(WS_HSCROLL);
    const LOGFONTW menu = menuFont();
    host.list.AddColoredString(L"short", colours::black);
    EXPECT_EQ(host.list.GetHorizontalExtent(), extentIn(menu, L" short ").cx);
    const wchar_t* wide = L"Strip S3: bar spacing 300 mm exceeds the maximum 250 mm";
    host.list.AddColoredString(wide, colours::black);
    const int widest = extentIn(menu, (std::wstring(L" ") + wide + L" ").c_str()).cx;
    EXPECT_EQ(host.list.GetHorizontalExtent(), widest);
    EXPECT_EQ(host.list.GetItemHeight(1), extentIn(menu, L"x").cy);

    host.list.DeleteString(1);
    host.list.AddColoredString(L"narrow", colours::black);
    EXPECT_EQ(host.list.GetHorizontalExtent(), widest);
    host.list.ResetContent();
    EXPECT_EQ(host.list.GetHorizontalExtent(), widest);

    // An '&' is part of the message, measured as it stands.
    ListHost other(WS_HSCROLL);
    other.list.AddColoredString(L"Steel & concrete", colours::black);
    EXPECT_EQ(other.list.GetHorizontalExtent(), extentIn(menu, L" Steel & concrete ").cx);
}

TEST(ColoredList, CtrlCCopiesTheNonEmptyEntriesAsLines)
{
    ListHost host;
    putOnClipboard(host.frame, L"keep");
    for (const wchar_t* text : {L"a", L"", L"b"}) host.list.AddColoredString(text, colours::red);

    // C alone and other keys with Ctrl copy nothing.
    desktop().pressKey('C');
    withCtrl('X');
    EXPECT_EQ(platform::ClipboardText(), L"keep");

    withCtrl('C');
    EXPECT_EQ(platform::ClipboardText(), L"a\nb\n");
    // The list owns what it put there, a block of five wide characters.
    EXPECT_EQ(GetClipboardOwner(), host.list.m_hWnd);
    ASSERT_TRUE(OpenClipboard(host.frame));
    EXPECT_EQ(GlobalSize(GetClipboardData(CF_UNICODETEXT)), 5 * sizeof(wchar_t));
    CloseClipboard();
}

TEST(ColoredList, NothingToCopyOrABusyClipboardLeavesTheClipboardAlone)
{
    ListHost host;
    putOnClipboard(host.frame, L"keep");
    withCtrl('C');
    host.list.AddColoredString(L"", colours::red);
    withCtrl('C');
    EXPECT_EQ(platform::ClipboardText(), L"keep");
    EXPECT_EQ(GetClipboardOwner(), host.frame.m_hWnd);

    host.list.AddColoredString(L"a", colours::red);
    ASSERT_TRUE(OpenClipboard(host.frame));
    withCtrl('C');
    CloseClipboard();
    EXPECT_EQ(platform::ClipboardText(), L"keep");
}

TEST(ColoredList, IndexesWithoutAnEntryGiveTwoSpacesAndBlack)
{
    ListHost host;
    OpenList unattached;
    EXPECT_EQ(unattached.GetText(0), L"  ");
    EXPECT_EQ(unattached.GetColor(0), colours::black);

    OpenList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, CRect(0, 0, 100, 100), &host.frame, 115));
    list.AddColoredString(L"a", colours::red);
    EXPECT_EQ(list.GetText(0), L" a ");
    EXPECT_EQ(list.GetColor(0), colours::red);
    for (int i : {-1, 1}) {
        EXPECT_EQ(list.GetText(i), L"  ");
        EXPECT_EQ(list.GetColor(i), colours::black);
    }
}
