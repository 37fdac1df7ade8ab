#include "controls/ColoredList.h"
#include "support/Ink.h"
#include "support/Input.h"
#include "support/OnScreen.h"
#include "support/TextCanvas.h"

#include <gtest/gtest.h>


namespace colours = testsupport::colours;

namespace {

// The list's protected helpers, as a derived host list reaches them.
struct OpenList : NVorel::CColoredList {
    using NVorel::CColoredList::GetColor;
    using NVorel::CColoredList::GetText;
};

// A host window with a coloured list of id 114 in it, as a dialog holds one.
struct ListHost {
    explicit ListHost(DWORD extraStyle = 0)
    {
        EXPECT_TRUE(frame.CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 400), nullptr, 0));
        EXPECT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | extraStyle,
                                CRect(10, 10, 310, 210), &frame, 114));
        list.SetFocus();
    }
    CWnd frame;
    OpenList list;
};

LOGFONTW menuFont()
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    return m.lfMenuFont;
}

CSize extentIn(const LOGFONTW& lf, const std::wstring& text)
{
    return testsupport::TextCanvas(1, 1, lf).extent(text.c_str());
}

} // namespace

TEST(ColoredList, EntriesAreDrawnInTheirColoursMeasuredInTheMenuFontAndCopiedAsLines)
{
    ListHost host(WS_HSCROLL);
    const LOGFONTW arial13 = testsupport::logFont(L"Arial", -13);
    CFont font;
    font.CreateFontIndirect(&arial13);
    host.list.SendMessage(WM_SETFONT, (WPARAM)(HFONT)font, FALSE);
    EXPECT_EQ(host.list.AddColoredString(L"Wall W1", colours::red), 0);
    EXPECT_EQ(host.list.AddColoredString(L"Slab S2", colours::blue), 1);
    host.list.SetCurSel(1); // selection is not drawn
    platform::desktop().processMessages();

    // Rows are as high as the menu font; text is drawn in the list's own
    // font after a space, in nothing but its colour on the window's.
    const LOGFONTW menu = menuFont();
    const int rowHeight = extentIn(menu, L"x").cy, space = extentIn(arial13, L" ").cx;
    ASSERT_EQ(host.list.GetItemHeight(0), rowHeight);
    CRect client;
    host.list.GetClientRect(&client);
    host.list.ClientToScreen(&client);
    for (int row = 0; row < 2; ++row) {
        const COLORREF colour = row == 0 ? colours::red : colours::blue;
        const CRect band(client.left, client.top + row * rowHeight, client.right, client.top + (row + 1) * rowHeight);
        // Smoothed edges are mixes of the two, off them by no more than rounding.
        const testsupport::Ink ink{colour, GetSysColor(COLOR_WINDOW)};
        const auto& screen = platform::desktop().screen();
        EXPECT_EQ(ink.countWhere(screen, band, [&](COLORREF p) { return ink.fromMixes(p, colour) > 3; }), 0)
            << "row " << row;
        const int inkLeft = ink.box(screen, band).left - client.left;
        EXPECT_TRUE(inkLeft >= space && inkLeft < space + 3) << "row " << row << " ink from " << inkLeft;
    }

    // The horizontal extent: the widest entry in the menu font, a space on
    // either side and an '&' as it stands; it never shrinks.
    const std::wstring wide = L"Strip S3: bar spacing 300 mm & more than the maximum 250 mm";
    host.list.AddColoredString(wide.c_str(), colours::black);
    const int widest = extentIn(menu, L" " + wide + L" ").cx;
    EXPECT_EQ(host.list.GetHorizontalExtent(), widest);
    host.list.AddColoredString(L"narrow", colours::black);
    host.list.DeleteString(2);
    host.list.ResetContent();
    EXPECT_EQ(host.list.GetHorizontalExtent(), widest);

    // Ctrl+C copies the non-empty entries as lines.
    ListHost other;
    other.list.AddColoredString(L"kept", colours::red);
    other.list.SetFocus();
    testsupport::pressWith(VK_CONTROL, 'C');
    host.list.SetFocus();
    // Nothing to copy, C alone, other keys with Ctrl, and a clipboard that
    // another window holds open leave the clipboard alone.
    host.list.AddColoredString(L"", colours::red);
    testsupport::pressWith(VK_CONTROL, 'C');
    for (const wchar_t* text : {L"a", L"", L"b"})
        host.list.AddColoredString(text, colours::red);
    platform::desktop().pressKey('C');
    testsupport::pressWith(VK_CONTROL, 'X');
    ASSERT_TRUE(OpenClipboard(host.frame));
    testsupport::pressWith(VK_CONTROL, 'C');
    CloseClipboard();
    EXPECT_EQ(platform::ClipboardText(), L"kept\n");

    testsupport::pressWith(VK_CONTROL, 'C');
    EXPECT_EQ(platform::ClipboardText(), L"a\nb\n");
    // A block of five wide characters.
    ASSERT_TRUE(OpenClipboard(host.frame));
    EXPECT_EQ(GlobalSize(GetClipboardData(CF_UNICODETEXT)), 5 * sizeof(wchar_t));
    CloseClipboard();
}

TEST(ColoredList, IndexesWithoutAnEntryGiveTwoSpacesAndBlack)
{
    ListHost host;
    OpenList unattached;
    host.list.AddColoredString(L"a", colours::red);
    EXPECT_EQ(host.list.GetText(0), L" a ");
    EXPECT_EQ(host.list.GetColor(0), colours::red);
    for (auto [l, i] : {std::pair{&unattached, 0}, {&host.list, -1}, {&host.list, 1}}) {
        EXPECT_EQ(l->GetText(i), L"  ");
        EXPECT_EQ(l->GetColor(i), colours::black);
    }
}
