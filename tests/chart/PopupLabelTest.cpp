#include "chart/PopupLabel.h"
#include "ViewHost.h"

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
const Item nextColumn{0, L"", CPopupLabel::NEXT_COLUMN};

// Measures in the label's font (Arial, 11 pixels at 96 DPI), made here on their own.
class Measure {
public:
    Measure()
    {
        LOGFONTW lf{};
        wcscpy(lf.lfFaceName, L"Arial");
        lf.lfHeight = -11;
        font.CreateFontIndirect(&lf);
        CWindowDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        dc.SelectObject(&font);
    }
    int width(const wchar_t* text) { return (int)dc.GetTextExtent(CString(text)).cx; }
    int height() { return (int)dc.GetTextExtent(CString(L"ABC")).cy; }
    int gap() { return width(L"A"); }
    CFont font;
    CDC dc;
};

class PopupLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        freshDesktop();
        frame.create(CRect(0, 0, 400, 300));
        ASSERT_TRUE(label.Create(&frame));
        label.SetColors(back, frameLine, textColour);
    }
    // Shows the label at (20, 30) of the frame (which is the screen's origin).
    CRect show()
    {
        label.Move(CPoint(20, 30));
        label.ShowWindow(SW_SHOWNORMAL);
        desk().processMessages();
        CRect r;
        label.GetWindowRect(&r);
        return r;
    }

    HostFrame frame;
    ProbeLabel label{INT_MAX};
    Measure m;
};

} // namespace

TEST_F(PopupLabelTest, PlainTextIsSizedByItsExtentAndCutToTheMaximumWidth)
{
    label.SetText(L"Hello");
    EXPECT_EQ(label.GetWidth(), m.width(L"Hello") + 12);
    EXPECT_EQ(label.GetHeight(), m.height() + 8);
    EXPECT_EQ(show(), CRect(20, 30, 20 + m.width(L"Hello") + 14, 30 + m.height() + 8));

    const wchar_t* longText = L"Bending moment at the support";
    label.SetText(longText); // the maximum width is INT_MAX: nothing is cut
    EXPECT_EQ(label.GetWidth(), m.width(longText) + 12);
    EXPECT_EQ(label.m_text, CString(longText));

    label.SetMaxWidth(60);
    label.SetText(longText);
    const int n = (int)wcslen(longText) * 60 / m.width(longText); // characters in proportion
    EXPECT_EQ(label.m_text, CString(longText).Left(n - 4) + L" ...");
    EXPECT_EQ(show().Width(), 60 + 2 * 6 + 2);

    label.SetMaxWidth(-10); // counts as 0: nothing of the text is left
    label.SetText(longText);
    EXPECT_EQ(label.m_text, CString(L" ..."));
    EXPECT_EQ(label.GetWidth(), 12);

    // A proportion over a very long text is taken without overflow.
    const CString huge(L'W', 40000);
    label.SetMaxWidth(200000);
    label.SetText(huge);
    const long long kept = 40000LL * 200000 / m.width(huge);
    EXPECT_EQ(label.m_text.GetLength(), kept);
    EXPECT_EQ(label.GetWidth(), 200000 + 12);
}

TEST_F(PopupLabelTest, TextWithLineFeedsIsNeverCutAndSizedForAllLines)
{
    label.SetMaxWidth(20);
    const wchar_t* text = L"x = 2.50 m\nM = -123.4 kNm";
    label.SetText(text);
    EXPECT_EQ(label.m_text, CString(text));
    EXPECT_EQ(label.GetWidth(), m.width(L"M = -123.4 kNm") + 12);
    EXPECT_EQ(label.GetHeight(), 2 * m.height() + 8);
    const CRect r = show();
    // Both lines are painted, each centred.
    const CRect first = colourBox(CRect(r.left, r.top + 4, r.right, r.top + 4 + m.height()), textColour);
    const CRect second = colourBox(CRect(r.left, r.top + 4 + m.height(), r.right, r.bottom), textColour);
    EXPECT_FALSE(first.IsRectEmpty());
    EXPECT_FALSE(second.IsRectEmpty());
    EXPECT_GT(first.left, second.left); // the shorter line is centred further in
    EXPECT_GE(second.left, r.left + 6);
    EXPECT_LE(second.right, r.right - 6);
}

TEST_F(PopupLabelTest, PaintsBackgroundFrameAndTextInItsColours)
{
    label.SetText(L"Hello");
    const CRect r = show(); // shown by the system: its own paint, not the dialog face
    for (CPoint p : {r.TopLeft(), CPoint(r.right - 1, r.top), CPoint(r.left, r.bottom - 1), CPoint(r.right - 1, r.bottom - 1)})
        EXPECT_EQ(screenAt(p.x, p.y), frameLine) << p.x << ", " << p.y;
    EXPECT_EQ(screenAt(r.left + 1, r.top + 1), back);
    EXPECT_EQ(screenAt(r.left - 1, r.top - 1), frameColour); // nothing painted outside
    const CRect ink = colourBox(r, textColour);
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_GE(ink.left, r.left + 6);
    EXPECT_GE(ink.top, r.top + 4);
    EXPECT_LE(ink.right, r.right - 6);
    EXPECT_LE(ink.bottom, r.bottom - 4);
    EXPECT_EQ(colourBox(CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1), back, true), ink);

    // Painted over by its parent, it paints itself again.
    frame.Invalidate();
    desk().processMessages();
    EXPECT_EQ(screenAt(r.left + 1, r.top + 1), back);
    EXPECT_EQ(colourBox(r, textColour), ink);
}

TEST_F(PopupLabelTest, RichTextColumnsAlignAndRunsKeepTheirColours)
{
    // a | dd
    // ccc | d
    label.SetRichText({run(L"a", red), nextColumn, run(L"dd"), newLine, run(L"ccc", black), nextColumn,
                       run(L"d", green)});
    const int fontH = m.height(), lineH = fontH * 5 / 4, gap = m.gap();
    const int column1 = std::max(m.width(L"a"), m.width(L"ccc")) + gap;
    EXPECT_EQ(label.GetHeight(), fontH + lineH + 8);
    // The first line, ended by a new line, counts its trailing gap.
    EXPECT_EQ(label.GetWidth(), column1 + std::max(m.width(L"dd") + gap, m.width(L"d")) + 12);

    const CRect r = show();
    const CRect line1(r.left, r.top + 4, r.right, r.top + 4 + lineH);
    const CRect line2(r.left, r.top + 4 + lineH, r.right, r.bottom);
    const CRect a = colourBox(line1, red), dd = colourBox(line1, textColour);
    const CRect ccc = colourBox(line2, black), d = colourBox(line2, green);
    for (const CRect* box : {&a, &dd, &ccc, &d}) ASSERT_FALSE(box->IsRectEmpty());
    EXPECT_EQ(dd.left, d.left); // the second column starts at the same x on both lines
    EXPECT_GE(d.left, r.left + 6 + column1);
    EXPECT_LT(d.left, r.left + 6 + column1 + 3);
    EXPECT_LT(a.right, dd.left);
    EXPECT_LT(ccc.right, d.left);
    EXPECT_EQ(colourBox(line2, textColour), CRect()); // explicit black stays black
}

// A column that a later line widens moves the earlier lines' next columns, and
// the label grows to hold them; so does a cell left empty.
TEST_F(PopupLabelTest, LaterWiderColumnsAndEmptyCellsKeepEveryRunInside)
{
    const int gap = m.gap();
    label.SetRichText({run(L"a"), nextColumn, run(L"bbbbbb", red), newLine, run(L"cccccccc"), nextColumn, run(L"d")});
    const int column1 = m.width(L"cccccccc") + gap;
    EXPECT_EQ(label.GetWidth(), column1 + m.width(L"bbbbbb") + gap + 12);
    CRect r = show();
    CRect bs = colourBox(r, red);
    EXPECT_GE(bs.left, r.left + 6 + column1);
    EXPECT_EQ(bs.Width(), colourBox(CRect(0, 0, 400, 300), red).Width()); // nothing of it cut off
    EXPECT_LE(bs.right, r.right - 6);

    label.SetRichText({run(L"aaaaaa"), nextColumn, run(L"b"), newLine, nextColumn, run(L"dddddd", red)});
    // The first line reaches the end of the second column, which the second
    // line sets, and counts the gap there.
    const int column1b = m.width(L"aaaaaa") + gap;
    EXPECT_EQ(label.GetWidth(), column1b + m.width(L"dddddd") + gap + 12);
    r = show();
    bs = colourBox(r, red);
    EXPECT_GE(bs.left, r.left + 6 + column1b);
    EXPECT_LE(bs.right, r.right - 6);
}

TEST_F(PopupLabelTest, RunsStayUntilAnEmptyListReturnsToPlainText)
{
    label.SetRichText({run(L"rich", red)});
    label.SetText(L"plain text");
    EXPECT_EQ(label.GetWidth(), m.width(L"plain text") + 12); // the size follows the text
    CRect r = show();
    EXPECT_FALSE(colourBox(r, red).IsRectEmpty()); // but the runs are painted
    EXPECT_TRUE(colourBox(r, textColour).IsRectEmpty());

    label.SetRichText({});
    label.SetText(L"plain text");
    r = show();
    EXPECT_TRUE(colourBox(r, red).IsRectEmpty());
    EXPECT_FALSE(colourBox(r, textColour).IsRectEmpty());
}

TEST_F(PopupLabelTest, TheMouseGoesThroughToTheWindowUnderIt)
{
    label.SetText(L"Hello");
    const CRect r = show();
    EXPECT_EQ(::WindowFromPoint(r.CenterPoint()), frame.m_hWnd);
}
