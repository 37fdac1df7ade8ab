#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

using testsupport::PixelCanvas;

namespace {

using namespace testsupport::colours;

// Distinct colours for following where pixels go: shade(0) shows as 'A' in a dump, shade(1) as 'B', ...
COLORREF shade(int i)
{
    return RGB(10 * (i + 1), 0, 0);
}

const std::map<COLORREF, char> legend = [] {
    std::map<COLORREF, char> l{{black, '#'}, {white, 'w'}, {red, 'r'}, {green, 'g'}, {blue, 'b'}};
    for (int i = 0; i < 16; ++i) l[shade(i)] = char('A' + i);
    return l;
}();

} // namespace

TEST(PatBlt, PatternWhitenessBlacknessAndInversion)
{
    PixelCanvas c(6, 4, green);
    CBrush brush(blue);
    CBrush* old = c.dc.SelectObject(&brush);
    EXPECT_TRUE(c.dc.PatBlt(0, 0, 2, 2, PATCOPY));
    EXPECT_TRUE(c.dc.PatBlt(4, 2, -2, 2, WHITENESS)); // a negative width reaches left
    EXPECT_TRUE(c.dc.PatBlt(4, 0, 2, 1, BLACKNESS));
    EXPECT_FALSE(c.dc.PatBlt(0, 0, 6, 4, SRCCOPY)); // needs a source
    c.dc.SelectObject(old);
    EXPECT_EQ(c.dump(legend), "bb..##\n"
                              "bb....\n"
                              "..ww..\n"
                              "..ww..\n");
    c.dc.FillSolidRect(0, 0, 1, 1, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(c.dc.GetBkColor(), RGB(0x10, 0x20, 0x30)); // the fill's colour stays the background
    EXPECT_TRUE(c.dc.PatBlt(0, 0, 1, 1, DSTINVERT));
    EXPECT_EQ(c.at(0, 0), RGB(0xEF, 0xDF, 0xCF));
}

TEST(BitBlt, CopiesWhatTheSourceHasInsideTheClipReadingBeforeWriting)
{
    PixelCanvas src(4, 4, white), dst(7, 4, green);
    for (int i = 0; i < 16; ++i) src.dc.FillSolidRect(i % 4, i / 4, 1, 1, shade(i));
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, 2, 2, &src.dc, 1, 1, SRCCOPY));
    dst.dc.BitBlt(2, 0, 3, 3, &src.dc, 3, 1, SRCCOPY); // of source columns 3..5 only 3 exists
    // Without a source only an operation that needs none works.
    EXPECT_FALSE(dst.dc.BitBlt(0, 2, 2, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(dst.dc.BitBlt(3, 2, 1, 1, nullptr, 0, 0, BLACKNESS));
    // Within one bitmap an overlapping copy reads every pixel before it writes one.
    for (int i = 0; i < 7; ++i) dst.dc.FillSolidRect(i, 3, 1, 1, shade(i));
    dst.dc.BitBlt(1, 3, 4, 1, &dst.dc, 0, 3, SRCCOPY);
    dst.dc.IntersectClipRect(5, 0, 7, 1);
    dst.dc.BitBlt(4, 0, 3, 3, &src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.dump(legend), "FGH..BC\n"
                                "JKL....\n"
                                "..P#...\n"
                                "AABCDFG\n");
}

TEST(BitBlt, RasterOperationsCombineSourceAndDestinationAndTransparentBltSkipsTheKeyColourAndStretches)
{
    PixelCanvas src(1, 1, RGB(0xF0, 0x0F, 0xFF)), dst(4, 1, RGB(0x3C, 0x3C, 0x00));
    const DWORD operations[] = {SRCAND, SRCPAINT, SRCINVERT, NOTSRCCOPY};
    for (int i = 0; i < 4; ++i) dst.dc.BitBlt(i, 0, 1, 1, &src.dc, 0, 0, operations[i]);
    const COLORREF expected[] = {RGB(0x30, 0x0C, 0x00), RGB(0xFC, 0x3F, 0xFF), RGB(0xCC, 0x33, 0xFF),
                                 RGB(0x0F, 0xF0, 0x00)};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dst.at(i, 0), expected[i]) << i;

    PixelCanvas keyed(3, 3, white), same(3, 3, green), stretched(6, 6, green);
    keyed.dc.FillSolidRect(1, 1, 1, 1, red);
    EXPECT_TRUE(same.dc.TransparentBlt(0, 0, 3, 3, &keyed.dc, 0, 0, 3, 3, white));
    EXPECT_EQ(same.dump(legend), "...\n"
                                 ".r.\n"
                                 "...\n");
    EXPECT_TRUE(stretched.dc.TransparentBlt(0, 0, 6, 6, &keyed.dc, 0, 0, 3, 3, white));
    EXPECT_EQ(stretched.inkBox(), CRect(2, 2, 4, 4));
    EXPECT_EQ(stretched.count(red), 4);
}
