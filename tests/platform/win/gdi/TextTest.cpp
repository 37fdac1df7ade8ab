#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

using testsupport::PixelCanvas;

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF green = RGB(0, 255, 0);

// A canvas with an Arial font selected.
class TextCanvas : public PixelCanvas {
public:
    TextCanvas(int width, int height, LONG fontHeight = -16) : PixelCanvas(width, height, white)
    {
        LOGFONTW lf{};
        lf.lfHeight = fontHeight;
        lf.lfWeight = FW_NORMAL;
        std::wcscpy(lf.lfFaceName, L"Arial");
        font.CreateFontIndirect(&lf);
        m_old = dc.SelectObject(&font);
    }
    ~TextCanvas() { dc.SelectObject(m_old); }

    CFont font;

private:
    CFont* m_old;
};

bool inside(const CRect& inner, const CRect& outer)
{
    CRect u;
    u.UnionRect(inner, outer);
    return u == outer;
}

} // namespace

TEST(TextOut, InkLiesInTheMeasuredCellAndOpaqueModeFillsExactlyThatCell)
{
    TextCanvas c(140, 40);
    const CString text = L"Hello, world g";
    const CSize size = c.dc.GetTextExtent(text);
    const CRect cell(CPoint(5, 7), size);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(5, 7, text);
    const CRect ink = c.inkBox();
    EXPECT_FALSE(ink.IsRectEmpty());
    EXPECT_TRUE(inside(ink, cell)) << ink.left << "," << ink.top << "," << ink.right << "," << ink.bottom;
    // Real text, not a box: much of the cell stays empty, and the ink spans most of it.
    EXPECT_LT(c.count(black), size.cx * size.cy / 2);
    EXPECT_GT(ink.Width(), size.cx * 8 / 10);
    // Monochrome glyphs: every touched pixel is exactly the text colour.
    EXPECT_EQ(c.count(black) + c.count(white), 140 * 40);

    TextCanvas o(140, 40);
    o.dc.SetBkColor(green);
    o.dc.SetTextColor(RGB(200, 0, 0));
    o.dc.TextOut(5, 7, text);
    EXPECT_EQ(o.inkBox(), cell);
    EXPECT_EQ(o.count(green) + o.count(RGB(200, 0, 0)), size.cx * size.cy);
}

TEST(TextOut, DescendersGoBelowCapitalsAndWidthsAddUp)
{
    TextCanvas h(40, 30), g(40, 30);
    h.dc.SetBkMode(TRANSPARENT);
    g.dc.SetBkMode(TRANSPARENT);
    h.dc.TextOut(2, 2, CString(L"H"));
    g.dc.TextOut(2, 2, CString(L"g"));
    EXPECT_GT(g.inkBox().bottom, h.inkBox().bottom);
    EXPECT_LE(h.inkBox().top, g.inkBox().top);

    const int a = h.dc.GetTextExtent(L"Ab", 2).cx;
    const int b = h.dc.GetTextExtent(L"c1", 2).cx;
    EXPECT_EQ(h.dc.GetTextExtent(L"Abc1", 4).cx, a + b); // no kerning, as with GDI
    EXPECT_GT(h.dc.GetTextExtent(CString(L"Abc1Abc1")).cx, h.dc.GetTextExtent(CString(L"Abc1")).cx);
    EXPECT_EQ(h.dc.GetTextExtent(CString(L"")).cx, 0);
    EXPECT_EQ(h.dc.GetTextExtent(CString(L"")).cy, h.dc.GetTextExtent(CString(L"x")).cy);
}

TEST(DrawText, CalcRectMeasuresLikeGetTextExtentAndStacksLines)
{
    TextCanvas c(10, 10);
    const CSize one = c.dc.GetTextExtent(CString(L"Spacing"));
    CRect r(3, 4, 5, 5);
    EXPECT_EQ(c.dc.DrawText(CString(L"Spacing"), &r, DT_CALCRECT | DT_VCENTER), one.cy);
    EXPECT_EQ(r, CRect(CPoint(3, 4), one));

    const CSize longest = c.dc.GetTextExtent(CString(L"a longer line"));
    CRect m(0, 0, 0, 0);
    EXPECT_EQ(c.dc.DrawText(CString(L"ab\na longer line\r\nc"), &m, DT_CALCRECT), 3 * one.cy);
    EXPECT_EQ(m, CRect(0, 0, longest.cx, 3 * one.cy));
    // On a single line the breaks are just characters.
    CRect s(0, 0, 0, 0);
    EXPECT_EQ(c.dc.DrawText(CString(L"ab\nc"), &s, DT_CALCRECT | DT_SINGLELINE), one.cy);

    CRect e(2, 2, 9, 9);
    EXPECT_EQ(c.dc.DrawText(CString(L""), &e, DT_CALCRECT), one.cy);
    EXPECT_EQ(e, CRect(2, 2, 2, 2 + one.cy));
    EXPECT_EQ(c.count(white), 100); // measuring draws nothing
}

TEST(DrawText, CentresEachLineHorizontally)
{
    TextCanvas c(200, 60);
    c.dc.SetBkColor(green); // opaque cells show where each line went
    CRect r(10, 5, 190, 55);
    const CString first = L"Centred", second = L"a much longer second line";
    c.dc.DrawText(first + L"\n" + second, &r, DT_CENTER);
    const int h = c.dc.GetTextExtent(first).cy;
    const CRect line1 = c.inkBox(CRect(0, 5, 200, 5 + h)), line2 = c.inkBox(CRect(0, 5 + h, 200, 5 + 2 * h));
    EXPECT_EQ(line1.Width(), c.dc.GetTextExtent(first).cx);
    EXPECT_EQ(line2.Width(), c.dc.GetTextExtent(second).cx);
    for (const CRect& line : {line1, line2}) EXPECT_LE(std::abs((line.left - 10) - (190 - line.right)), 1);
    EXPECT_EQ(line1.top, 5); // DT_VCENTER absent: from the top
}

TEST(DrawText, VerticalCentringNeedsASingleLine)
{
    TextCanvas c(120, 60), m(120, 60);
    c.dc.SetBkColor(green);
    m.dc.SetBkColor(green);
    CRect r(0, 10, 120, 50);
    const int h = c.dc.GetTextExtent(CString(L"Label")).cy;
    const int offset = c.dc.DrawText(CString(L"Label"), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const CRect box = c.inkBox();
    EXPECT_LE(std::abs((box.top - 10) - (50 - box.bottom)), 1);
    EXPECT_EQ(offset, box.bottom - 10);
    // Without DT_SINGLELINE the text starts at the top and the height is returned.
    EXPECT_EQ(m.dc.DrawText(CString(L"Label"), &r, DT_CENTER | DT_VCENTER), h);
    EXPECT_EQ(m.inkBox().top, 10);
}

TEST(DrawText, RightAlignmentAndClippingToTheRectangle)
{
    TextCanvas c(120, 30);
    c.dc.SetBkColor(green);
    CRect r(10, 0, 100, 30);
    c.dc.DrawText(CString(L"right"), &r, DT_RIGHT);
    EXPECT_EQ(c.inkBox().right, 100);

    TextCanvas clipped(300, 30), unclipped(300, 30);
    clipped.dc.SetBkColor(green);
    unclipped.dc.SetBkColor(green);
    CRect narrow(10, 2, 40, 30);
    const CString wide = L"much wider than the rectangle";
    clipped.dc.DrawText(wide, &narrow, DT_LEFT);
    unclipped.dc.DrawText(wide, &narrow, DT_LEFT | DT_NOCLIP);
    EXPECT_EQ(clipped.inkBox(), CRect(10, 2, 40, 2 + clipped.dc.GetTextExtent(wide).cy));
    EXPECT_EQ(unclipped.inkBox().right, 10 + unclipped.dc.GetTextExtent(wide).cx);
}

TEST(DrawText, WordBreakFillsEachLineWithWholeWords)
{
    TextCanvas c(200, 120);
    c.dc.SetBkColor(green);
    const CString first = L"area of", second = L"the bars";
    const int h = c.dc.GetTextExtent(first).cy;
    // Wide enough for "area of" but not for "area of the".
    const int width = c.dc.GetTextExtent(first).cx + c.dc.GetTextExtent(CString(L" th")).cx;
    CRect r(10, 0, 10 + width, 120);
    EXPECT_EQ(c.dc.DrawText(first + L" " + second, &r, DT_WORDBREAK), 2 * h);
    EXPECT_EQ(c.inkBox(CRect(0, 0, 200, h)).Width(), c.dc.GetTextExtent(first).cx);
    EXPECT_EQ(c.inkBox(CRect(0, h, 200, 2 * h)).Width(), c.dc.GetTextExtent(second).cx);
    EXPECT_EQ(c.inkBox().bottom, 2 * h);

    // Measuring wraps the same way; a line feed still breaks.
    CRect m(0, 0, width, 0);
    EXPECT_EQ(c.dc.DrawText(first + L" " + second + L"\nx", &m, DT_CALCRECT | DT_WORDBREAK), 3 * h);
    EXPECT_EQ(m.Width(), c.dc.GetTextExtent(second).cx);
    // On a single line the format does not break.
    CRect s(0, 0, width, 0);
    EXPECT_EQ(c.dc.DrawText(first + L" " + second, &s, DT_CALCRECT | DT_WORDBREAK | DT_SINGLELINE), h);
}

TEST(DrawText, WordBreakKeepsTextExactlyAsWideAsItsRectangleOnOneLine)
{
    TextCanvas c(200, 80);
    const CString text = L"area of the bars";
    const CSize size = c.dc.GetTextExtent(text);
    CRect exact(0, 0, size.cx, 0);
    EXPECT_EQ(c.dc.DrawText(text, &exact, DT_CALCRECT | DT_WORDBREAK), size.cy);
    EXPECT_EQ(exact.Width(), size.cx);
    // One pixel less and the last word goes to a second line.
    CRect narrower(0, 0, size.cx - 1, 0);
    EXPECT_EQ(c.dc.DrawText(text, &narrower, DT_CALCRECT | DT_WORDBREAK), 2 * size.cy);
}

TEST(DrawText, WordBreakLeavesAnOverlongWordWholeOnItsOwnLine)
{
    TextCanvas c(300, 80);
    c.dc.SetBkColor(green);
    const CString word = L"Reinforcement";
    const CSize wordSize = c.dc.GetTextExtent(word);
    CRect m(0, 0, wordSize.cx / 2, 0);
    EXPECT_EQ(c.dc.DrawText(CString(L"a ") + word + L" b", &m, DT_CALCRECT | DT_WORDBREAK), 3 * wordSize.cy);
    EXPECT_EQ(m.Width(), wordSize.cx); // the rectangle grows to the word

    // Drawn, the word is cut at the rectangle unless DT_NOCLIP.
    CRect r(10, 0, 10 + wordSize.cx / 2, 80);
    c.dc.DrawText(word, &r, DT_WORDBREAK);
    EXPECT_EQ(c.inkBox(), CRect(10, 0, 10 + wordSize.cx / 2, wordSize.cy));
}

namespace {

// Pixels where two canvases differ.
std::vector<CPoint> differences(const PixelCanvas& a, const PixelCanvas& b)
{
    std::vector<CPoint> d;
    for (int y = 0; y < a.surface().height(); ++y)
        for (int x = 0; x < a.surface().width(); ++x)
            if (a.at(x, y) != b.at(x, y)) d.emplace_back(x, y);
    return d;
}

} // namespace

TEST(DrawText, AnAmpersandUnderlinesTheNextCharacterUnlessNoPrefix)
{
    TextCanvas marked(120, 30), plain(120, 30), letterB(120, 30);
    for (TextCanvas* c : {&marked, &plain, &letterB}) c->dc.SetBkMode(TRANSPARENT);
    CRect r(2, 2, 118, 28);
    marked.dc.DrawText(CString(L"&Break"), &r, DT_LEFT);
    plain.dc.DrawText(CString(L"Break"), &r, DT_LEFT | DT_NOPREFIX);
    letterB.dc.DrawText(CString(L"B"), &r, DT_NOPREFIX);

    // The same letters, no '&', and one more row: the underline of the B, a
    // pixel below the baseline (the B stands on the row above it).
    const int underline = letterB.inkBox().bottom + 1;
    const int widthB = marked.dc.GetTextExtent(CString(L"B")).cx;
    const std::vector<CPoint> extra = differences(marked, plain);
    ASSERT_EQ(extra.size(), (size_t)widthB);
    for (int i = 0; i < widthB; ++i) {
        EXPECT_EQ(extra[(size_t)i], CPoint(2 + i, underline));
        EXPECT_EQ(marked.at(2 + i, underline), black);
    }

    // Measuring leaves the mark out; DT_NOPREFIX shows it.
    CRect m(0, 0, 0, 0), n(0, 0, 0, 0);
    marked.dc.DrawText(CString(L"&Break"), &m, DT_CALCRECT);
    marked.dc.DrawText(CString(L"&Break"), &n, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(m.Width(), marked.dc.GetTextExtent(CString(L"Break")).cx);
    EXPECT_EQ(n.Width(), marked.dc.GetTextExtent(CString(L"&Break")).cx);
}

TEST(DrawText, DoubledAmpersandShowsOneAndALoneLastOneNone)
{
    TextCanvas doubled(160, 30), single(160, 30), trailing(160, 30), bare(160, 30);
    CRect r(2, 2, 158, 28);
    doubled.dc.SetBkColor(green);
    single.dc.SetBkColor(green);
    doubled.dc.DrawText(CString(L"Steel && concrete"), &r, DT_SINGLELINE);
    single.dc.DrawText(CString(L"Steel & concrete"), &r, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_TRUE(differences(doubled, single).empty());

    trailing.dc.DrawText(CString(L"Steel&"), &r, 0);
    bare.dc.DrawText(CString(L"Steel"), &r, DT_NOPREFIX);
    EXPECT_TRUE(differences(trailing, bare).empty());
    EXPECT_FALSE(bare.inkBox().IsRectEmpty());

    // TextOut has no mnemonics: every character is drawn.
    TextCanvas out(160, 30);
    out.dc.SetBkColor(green);
    out.dc.TextOut(2, 2, CString(L"a&b"));
    EXPECT_EQ(out.inkBox().Width(), out.dc.GetTextExtent(CString(L"a&b")).cx);
}
