#include "chart/PopupLabel.h"
#include "ViewHost.h"
#include "support/Ink.h"
#include "support/OnScreen.h"

#include <gtest/gtest.h>

#include <climits>

using namespace viewtest;
using NVorel::CPopupLabel;
using Item = CPopupLabel::TextItem;

namespace {

constexpr COLORREF back = RGB(250, 250, 200), frameLine = RGB(90, 90, 90), textColour = blue;

// The label's own members that these tests read.
class ProbeLabel : public CPopupLabel {
public:
    using CPopupLabel::CPopupLabel;
    using CPopupLabel::m_text;
};

Item run(const wchar_t* text, COLORREF colour = CPopupLabel::DEFAULT_COLOR)
{
    return Item{colour, text, CPopupLabel::TEXT};
}
const Item newLine{0, L"", CPopupLabel::NEW_LINE};

// The box of the text drawn in a colour inside r, less the frame's width: its
// ink over the label's background among the colours the runs use.
CRect textBox(CRect r, COLORREF colour)
{
    r.DeflateRect(1, 1);
    return testsupport::Ink{colour, back, {red, green, black, textColour}}.box(desk().screen(), r);
}
const Item nextColumn{0, L"", CPopupLabel::NEXT_COLUMN};

// A label in a frame at the screen's origin, and text measured in the label's
// font (Arial, 11 pixels at 96 DPI), made here on its own.
class PopupLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        freshDesktop();
        frame.create(CRect(0, 0, 400, 300));
        ASSERT_TRUE(label.Create(&frame));
        label.SetColors(back, frameLine, textColour);
        LOGFONTW lf{};
        wcscpy(lf.lfFaceName, L"Arial");
        lf.lfHeight = -11;
        font.CreateFontIndirect(&lf);
        CWindowDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        dc.SelectObject(&font);
    }
    int width(const wchar_t* text) { return (int)dc.GetTextExtent(CString(text)).cx; }
    int fontH() { return (int)dc.GetTextExtent(CString(L"ABC")).cy; }
    // Shows the label at (20, 30); its window rectangle.
    CRect show()
    {
        label.Move(CPoint(20, 30));
        label.ShowWindow(SW_SHOWNORMAL);
        desk().processMessages();
        return windowRect(label);
    }

    HostFrame frame;
    ProbeLabel label{INT_MAX};
    CFont font;
    CDC dc;
};

} // namespace

TEST_F(PopupLabelTest, PlainTextIsSizedByItsExtentAndCutToTheMaximumWidth)
{
    const wchar_t* longText = L"Bending moment at the support";
    label.SetText(longText); // the maximum width is INT_MAX: nothing is cut
    EXPECT_EQ(label.GetWidth(), width(longText) + 12);
    EXPECT_EQ(label.GetHeight(), fontH() + 8);
    EXPECT_EQ(show(), CRect(20, 30, 20 + width(longText) + 14, 30 + fontH() + 8));

    label.SetMaxWidth(60);
    label.SetText(longText);
    const int n = (int)wcslen(longText) * 60 / width(longText); // characters in proportion
    EXPECT_EQ(label.m_text, CString(longText).Left(n - 4) + L" ...");
    EXPECT_EQ(show().Width(), 60 + 2 * 6 + 2);

    label.SetMaxWidth(-10); // counts as 0: nothing of the text is left
    label.SetText(longText);
    EXPECT_EQ(label.m_text, CString(L" ..."));
    EXPECT_EQ(label.GetWidth(), 12);

    const CString huge(L'W', 40000); // a proportion over a very long text is taken without overflow
    label.SetMaxWidth(200000);
    label.SetText(huge);
    EXPECT_EQ(label.m_text.GetLength(), 40000LL * 200000 / width(huge));

    // Text with line feeds is never cut and is sized for all its lines, each centred.
    label.SetMaxWidth(20);
    const wchar_t* text = L"x = 2.50 m\nM = -123.4 kNm";
    label.SetText(text);
    EXPECT_EQ(label.m_text, CString(text));
    EXPECT_EQ(label.GetWidth(), width(L"M = -123.4 kNm") + 12);
    EXPECT_EQ(label.GetHeight(), 2 * fontH() + 8);
    const CRect r = show();
    const CRect first = textBox(CRect(r.left, r.top + 4, r.right, r.top + 4 + fontH()), textColour);
    const CRect second = textBox(CRect(r.left, r.top + 4 + fontH(), r.right, r.bottom), textColour);
    EXPECT_TRUE(!first.IsRectEmpty() && first.left > second.left && second.left >= r.left + 6 &&
                second.right <= r.right - 6);
}

TEST_F(PopupLabelTest, PaintsBackgroundFrameAndTextInItsColours)
{
    label.SetText(L"Hello");
    const CRect r = show(); // shown by the system: its own paint, not the dialog face
    for (CPoint p :
         {r.TopLeft(), CPoint(r.right - 1, r.top), CPoint(r.left, r.bottom - 1), CPoint(r.right - 1, r.bottom - 1)})
        EXPECT_EQ(screenAt(p.x, p.y), frameLine) << p.x << ", " << p.y;
    EXPECT_EQ(screenAt(r.left - 1, r.top - 1), frameColour); // nothing painted outside
    const CRect ink = textBox(r, textColour);
    ASSERT_FALSE(ink.IsRectEmpty());
    // Everything drawn inside the frame is the text, smoothed edges and all, inside the padding.
    const CRect touched = colourBox(CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1), back, true);
    EXPECT_TRUE(touched.left >= r.left + 6 && touched.top >= r.top + 4 && touched.right <= r.right - 6 &&
                touched.bottom <= r.bottom - 4);
    CRect both;
    both.UnionRect(ink, touched);
    EXPECT_EQ(both, touched);
    // Painted over by its parent, it paints itself again; the mouse goes through it.
    frame.Invalidate();
    desk().processMessages();
    EXPECT_EQ(screenAt(r.left + 1, r.top + 1), back);
    EXPECT_EQ(textBox(r, textColour), ink);
    EXPECT_EQ(::WindowFromPoint(r.CenterPoint()), frame.m_hWnd);
}

TEST_F(PopupLabelTest, RichTextColumnsAlignAndRunsKeepTheirColours)
{
    // a | dd
    // ccc | d
    label.SetRichText(
        {run(L"a", red), nextColumn, run(L"dd"), newLine, run(L"ccc", black), nextColumn, run(L"d", green)});
    const int lineH = fontH() * 5 / 4, gap = width(L"A");
    const int column1 = std::max(width(L"a"), width(L"ccc")) + gap;
    EXPECT_EQ(label.GetHeight(), fontH() + lineH + 8);
    // The first line, ended by a new line, counts its trailing gap.
    EXPECT_EQ(label.GetWidth(), column1 + std::max(width(L"dd") + gap, width(L"d")) + 12);

    const CRect r = show();
    const CRect line1(r.left, r.top + 4, r.right, r.top + 4 + lineH);
    const CRect line2(r.left, r.top + 4 + lineH, r.right, r.bottom);
    const CRect a = textBox(line1, red), dd = textBox(line1, textColour);
    const CRect ccc = textBox(line2, black), d = textBox(line2, green);
    for (const CRect* box : {&a, &dd, &ccc, &d}) ASSERT_FALSE(box->IsRectEmpty());
    // The second column starts at the same x on both lines: the same letter's first touched
    // pixel, looking from the middle of the gap.
    const int from = r.left + 6 + column1 - gap / 2;
    const int dd0 = colourBox(CRect(from, line1.top, r.right - 1, line1.bottom), back, true).left;
    const int d0 = colourBox(CRect(from, line2.top, r.right - 1, line2.bottom - 1), back, true).left;
    EXPECT_EQ(dd0, d0);
    EXPECT_TRUE(d.left >= r.left + 6 + column1 && d.left < r.left + 6 + column1 + 3) << d.left;
    EXPECT_TRUE(a.right < dd.left && ccc.right < d.left);
    EXPECT_EQ(textBox(line2, textColour), CRect()); // explicit black stays black

    // Runs stay over a plain text (which sets the size) until an empty list.
    label.SetText(L"plain text");
    EXPECT_EQ(label.GetWidth(), width(L"plain text") + 12);
    EXPECT_FALSE(textBox(show(), red).IsRectEmpty());
    label.SetRichText({});
    label.SetText(L"plain text");
    EXPECT_TRUE(textBox(show(), red).IsRectEmpty());
    EXPECT_FALSE(textBox(show(), textColour).IsRectEmpty());
}

// A column that a later line widens moves the earlier lines' next columns, and
// the label grows to hold them; so does a cell left empty.
TEST_F(PopupLabelTest, LaterWiderColumnsAndEmptyCellsKeepEveryRunInside)
{
    const int gap = width(L"A");
    const struct {
        std::vector<Item> items;
        const wchar_t *column1, *red;
    } cases[] = {
        {{run(L"a"), nextColumn, run(L"bbbbbb", red), newLine, run(L"cccccccc"), nextColumn, run(L"d")},
         L"cccccccc",
         L"bbbbbb"},
        // The first line reaches the end of the second column, which the second line sets.
        {{run(L"aaaaaa"), nextColumn, run(L"b"), newLine, nextColumn, run(L"dddddd", red)}, L"aaaaaa", L"dddddd"},
    };
    for (const auto& c : cases) {
        label.SetRichText(c.items);
        const int column1 = width(c.column1) + gap;
        EXPECT_EQ(label.GetWidth(), column1 + width(c.red) + gap + 12);
        const CRect r = show(), bs = textBox(r, red);
        EXPECT_TRUE(bs.left >= r.left + 6 + column1 && bs.right <= r.right - 6) << bs.left << ".." << bs.right;
        EXPECT_EQ(bs.Width(), textBox(CRect(0, 0, 400, 300), red).Width()); // nothing of it cut off
    }
}
