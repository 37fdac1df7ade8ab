#include "support/Ink.h"
#include "support/TextCanvas.h"

#include <gtest/gtest.h>

#include <tuple>

using testsupport::Ink;
using testsupport::logFont;
using testsupport::TextCanvas;

namespace {

using namespace testsupport::colours;

// Draws each text on the cleared canvas in opaque cells, so that the ink box is the cells' box.
struct Cells : TextCanvas {
    using TextCanvas::TextCanvas;
    void clear()
    {
        dc.FillSolidRect(surface().bounds(), white);
        dc.SetBkColor(green);
    }
    CRect draw(const CString& text, CRect r, UINT format)
    {
        clear();
        answer = dc.DrawText(text, &r, format);
        return inkBox();
    }
    int answer = 0;
};

} // namespace

TEST(TextOut, InkLiesInTheMeasuredCellWithDescendersLowestAndOpaqueModeFillsExactlyThatCell)
{
    TextCanvas c(140, 40), o(140, 40);
    const CString text = L"Hello, world g";
    const CSize size = c.extent(text);
    const CRect cell(CPoint(5, 7), size);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(5, 7, text);
    const Ink ink{black, white};
    const CRect box = ink.box(c.surface());
    EXPECT_FALSE(box.IsRectEmpty());
    EXPECT_EQ(c.inkBox(cell), c.inkBox()) << "drawn outside the cell";
    // Real text, not a box: much of the cell stays empty, and the ink spans most of it.
    EXPECT_LT(ink.count(c.surface()), size.cx * size.cy / 2);
    EXPECT_GT(box.Width(), size.cx * 8 / 10);
    // The g reaches below the H, which reaches at least as high.
    const CRect capital = ink.box(c.surface(), CRect(5, 0, 5 + c.extent(L"H").cx, 40));
    const CRect descender = ink.box(c.surface(), CRect(5 + c.extent(L"Hello, world ").cx, 0, 140, 40));
    EXPECT_GT(descender.bottom, capital.bottom);
    EXPECT_LE(capital.top, descender.top);

    o.dc.SetBkColor(green);
    o.dc.SetTextColor(RGB(200, 0, 0));
    o.dc.TextOut(5, 7, text);
    EXPECT_EQ(o.inkBox(), cell);
    EXPECT_EQ(o.count(white), 140 * 40 - size.cx * size.cy);
}

// Every quality but NONANTIALIASED_QUALITY smooths; each keeps its own glyphs
// (the qualities alternate, so a shared glyph cache shows) and all measure
// alike. Smoothed pixels mix the text colour with what lies under them: the
// cell's background colour when opaque, the picture below when transparent.
TEST(TextOut, TheFontsQualityChoosesSmoothOrOneBitGlyphsBlendedOverWhatIsBelow)
{
    const CString text = L"300 0.00 Hang fff";
    const COLORREF textColour = RGB(0, 0, 160), left = RGB(255, 255, 0), right = RGB(0, 200, 200);
    const CSize size = TextCanvas(10, 10).extent(text);
    for (BYTE quality : {DEFAULT_QUALITY, NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY, CLEARTYPE_QUALITY,
                         PROOF_QUALITY}) {
        LOGFONTW lf = logFont(L"Arial", -16);
        lf.lfQuality = quality;
        TextCanvas t(120, 30, lf), o(120, 30, lf);
        EXPECT_EQ(t.extent(text), size) << (int)quality;
        // Transparent over two colours, split in the middle of the text.
        t.dc.FillSolidRect(0, 0, 60, 30, left);
        t.dc.FillSolidRect(60, 0, 60, 30, right);
        t.dc.SetBkMode(TRANSPARENT);
        t.dc.SetTextColor(textColour);
        t.dc.TextOut(2, 4, text);
        o.dc.SetBkColor(green);
        o.dc.SetTextColor(textColour);
        o.dc.TextOut(2, 4, text);
        // Opaque is a fill of the cell and then the text over it.
        TextCanvas filled(120, 30, lf);
        filled.dc.FillSolidRect(2, 4, size.cx, size.cy, green);
        filled.dc.SetBkMode(TRANSPARENT);
        filled.dc.SetTextColor(textColour);
        filled.dc.TextOut(2, 4, text);
        EXPECT_TRUE(filled.surface() == o.surface()) << (int)quality;
        int grey = 0, off = 0;
        for (const auto& [canvas, area, under] : {std::tuple{&t, CRect(0, 0, 60, 30), left},
                                                  std::tuple{&t, CRect(60, 0, 120, 30), right},
                                                  std::tuple{&o, CRect(2, 4, 2 + size.cx, 4 + size.cy), green}}) {
            const Ink ink{textColour, under};
            grey += Ink::countWhere(canvas->surface(), area, [&](COLORREF p) { return p != textColour && p != under; });
            off += Ink::countWhere(canvas->surface(), area, [&](COLORREF p) { return ink.fromMixes(p, textColour) > 3; });
            EXPECT_GT(ink.count(canvas->surface(), area), 20) << (int)quality;
        }
        EXPECT_EQ(off, 0) << (int)quality;
        if (quality == NONANTIALIASED_QUALITY) EXPECT_EQ(grey, 0);
        else EXPECT_GT(grey, 100) << (int)quality;
    }
}

TEST(DrawText, CalcRectMeasuresLikeGetTextExtentStackingLinesAndBreakingBetweenWords)
{
    TextCanvas c(10, 10);
    // Widths add up: no kerning, as with GDI.
    EXPECT_EQ(c.extent(L"Abc1").cx, c.extent(L"Ab").cx + c.extent(L"c1").cx);
    EXPECT_GT(c.extent(L"Abc1Abc1").cx, c.extent(L"Abc1").cx);
    const int h = c.extent(L"x").cy;
    EXPECT_EQ(c.extent(L""), CSize(0, h));
    // The text, the format and a text as wide as the rectangle; the lines and the widest of them measured.
    const std::tuple<CString, UINT, CString, int, CString> cases[] = {
        {L"Spacing", DT_VCENTER, L"Sp", 1, L"Spacing"},
        {L"ab\na longer line\r\nc", 0, L"", 3, L"a longer line"},
        {L"ab\nc", DT_SINGLELINE, L"", 1, L"ab\nc"}, // on a single line the breaks are just characters
        {L"", 0, L"Spacing", 1, L""},
        // "area of" fits, "area of the" does not; a line feed still breaks, a single line does not.
        {L"area of the bars\nx", DT_WORDBREAK, L"area of th", 3, L"the bars"},
        {L"area of the bars", DT_WORDBREAK | DT_SINGLELINE, L"area of th", 1, L"area of the bars"},
        // A word wider than the rectangle stands whole on its own line.
        {L"a Reinforcement b", DT_WORDBREAK, L"Reinf", 3, L"Reinforcement"},
        // A mnemonic's mark takes no room unless DT_NOPREFIX shows it.
        {L"&Break", 0, L"", 1, L"Break"},
        {L"&Break", DT_NOPREFIX, L"", 1, L"&Break"},
    };
    for (const auto& [text, format, wide, lines, widest] : cases) {
        CRect r(3, 4, 3 + c.extent(wide).cx, 9);
        EXPECT_EQ(c.dc.DrawText(text, &r, DT_CALCRECT | format), lines * h) << toUtf8((LPCWSTR)text);
        EXPECT_EQ(r, CRect(3, 4, 3 + c.extent(widest).cx, 4 + lines * h)) << toUtf8((LPCWSTR)text);
    }
    EXPECT_EQ(c.count(white), 100); // measuring draws nothing
}

TEST(DrawText, AlignsAndBreaksEachLineInTheRectangleAndClipsToIt)
{
    Cells c(300, 60);
    const CString first = L"Centred", second = L"a much longer second line", wide = L"much wider than the rectangle";
    const int h = c.extent(first).cy;
    // Each line centred on its own; without DT_VCENTER from the top.
    c.draw(first + L"\n" + second, CRect(10, 5, 190, 55), DT_CENTER);
    const CRect line1 = c.inkBox(CRect(0, 5, 300, 5 + h)), line2 = c.inkBox(CRect(0, 5 + h, 300, 5 + 2 * h));
    EXPECT_EQ(line1.Width(), c.extent(first).cx);
    EXPECT_EQ(line2.Width(), c.extent(second).cx);
    for (const CRect& line : {line1, line2}) EXPECT_LE(std::abs((line.left - 10) - (190 - line.right)), 1);
    EXPECT_EQ(line1.top, 5);

    // Vertical centring needs a single line; the answer is then the text's bottom below the top.
    const CRect label = c.draw(L"Label", CRect(0, 10, 120, 50), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_LE(std::abs((label.top - 10) - (50 - label.bottom)), 1);
    EXPECT_EQ(c.answer, label.bottom - 10);
    EXPECT_EQ(c.draw(L"Label", CRect(0, 10, 120, 50), DT_CENTER | DT_VCENTER).top, 10);
    EXPECT_EQ(c.answer, h);

    EXPECT_EQ(c.draw(L"right", CRect(10, 0, 100, 30), DT_RIGHT).right, 100);
    EXPECT_EQ(c.draw(wide, CRect(10, 2, 40, 30), DT_LEFT), CRect(10, 2, 40, 2 + h));
    EXPECT_EQ(c.draw(wide, CRect(10, 2, 40, 30), DT_LEFT | DT_NOCLIP).right, 10 + c.extent(wide).cx);

    // Word breaks put whole words on each line; an overlong word is cut at the rectangle.
    EXPECT_EQ(c.draw(L"area of the bars", CRect(10, 0, 10 + c.extent(L"area of th").cx, 60), DT_WORDBREAK).bottom,
              2 * h);
    EXPECT_EQ(c.answer, 2 * h);
    EXPECT_EQ(c.inkBox(CRect(0, 0, 300, h)).Width(), c.extent(L"area of").cx);
    EXPECT_EQ(c.inkBox(CRect(0, h, 300, 2 * h)).Width(), c.extent(L"the bars").cx);
    const int half = c.extent(L"Reinforcement").cx / 2;
    EXPECT_EQ(c.draw(L"Reinforcement", CRect(10, 0, 10 + half, 60), DT_WORDBREAK), CRect(10, 0, 10 + half, h));
}

TEST(DrawText, WordBreakKeepsTextExactlyAsWideAsItsRectangleOnOneLine)
{
    TextCanvas c(200, 80);
    const CString text = L"area of the bars";
    const CSize size = c.extent(text);
    CRect exact(0, 0, size.cx, 0);
    EXPECT_EQ(c.dc.DrawText(text, &exact, DT_CALCRECT | DT_WORDBREAK), size.cy);
    EXPECT_EQ(exact.Width(), size.cx);
    // One pixel less and the last word goes to a second line.
    CRect narrower(0, 0, size.cx - 1, 0);
    EXPECT_EQ(c.dc.DrawText(text, &narrower, DT_CALCRECT | DT_WORDBREAK), 2 * size.cy);
}

TEST(DrawText, AnAmpersandUnderlinesTheNextCharacterADoubledOneShowsOneUnlessNoPrefix)
{
    TextCanvas marked(160, 30), plain(160, 30), letterB(160, 30);
    Cells doubled(160, 30), single(160, 30), trailing(160, 30), bare(160, 30);
    for (TextCanvas* c : {&marked, &plain, &letterB}) c->dc.SetBkMode(TRANSPARENT);
    CRect r(2, 2, 158, 28);
    marked.dc.DrawText(CString(L"&Break"), &r, DT_LEFT);
    plain.dc.DrawText(CString(L"Break"), &r, DT_LEFT | DT_NOPREFIX);
    letterB.dc.DrawText(CString(L"B"), &r, DT_NOPREFIX);
    // The same letters, no '&', and one more row: the B's underline in the text colour, a pixel
    // below the baseline (the B stands on the row above it).
    const int underline = letterB.inkBox().bottom + 1, widthB = marked.extent(L"B").cx;
    EXPECT_EQ(marked.inkBox(CRect(0, underline, 160, underline + 1)), CRect(2, underline, 2 + widthB, underline + 1));
    const Ink ink{black, white};
    EXPECT_EQ(ink.count(marked.surface()) - ink.count(plain.surface()), widthB);
    marked.dc.FillSolidRect(0, underline, 160, 1, white);
    EXPECT_EQ(marked.surface(), plain.surface());

    doubled.draw(L"Steel && concrete", r, DT_SINGLELINE);
    single.draw(L"Steel & concrete", r, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(doubled.surface(), single.surface());
    // A lone last one shows nothing.
    trailing.draw(L"Steel&", r, 0);
    EXPECT_FALSE(bare.draw(L"Steel", r, DT_NOPREFIX).IsRectEmpty());
    EXPECT_EQ(trailing.surface(), bare.surface());
    // TextOut has no mnemonics: every character is drawn.
    bare.clear();
    bare.dc.TextOut(2, 2, CString(L"a&b"));
    EXPECT_EQ(bare.inkBox().Width(), bare.extent(L"a&b").cx);
}
