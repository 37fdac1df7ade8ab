#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

using testsupport::PixelCanvas;

namespace {

using namespace testsupport::colours;
const std::map<COLORREF, char> legend{{black, '#'}, {white, 'w'}, {red, 'r'}, {green, 'g'}, {blue, 'b'}};

// A row of distinct colours a, b, c, ... for following where pixels go.
COLORREF shade(int i)
{
    return RGB(10 * (i + 1), 0, 0);
}

} // namespace

TEST(PatBlt, PatternWhitenessBlacknessAndInversion)
{
    PixelCanvas c(6, 4, green);
    CBrush brush(blue);
    CBrush* old = c.dc.SelectObject(&brush);
    EXPECT_TRUE(c.dc.PatBlt(0, 0, 2, 2, PATCOPY));
    EXPECT_TRUE(c.dc.PatBlt(4, 2, -2, 2, WHITENESS)); // a negative width reaches left
    EXPECT_TRUE(c.dc.PatBlt(4, 0, 2, 1, BLACKNESS));
    c.dc.SelectObject(old);
    EXPECT_EQ(c.dump(legend), "bb..##\n"
                              "bb....\n"
                              "..ww..\n"
                              "..ww..\n");
    c.dc.FillSolidRect(0, 0, 1, 1, RGB(0x10, 0x20, 0x30));
    EXPECT_TRUE(c.dc.PatBlt(0, 0, 1, 1, DSTINVERT));
    EXPECT_EQ(c.at(0, 0), RGB(0xEF, 0xDF, 0xCF));
    // An operation that needs a source is refused.
    EXPECT_FALSE(c.dc.PatBlt(0, 0, 6, 4, SRCCOPY));
    EXPECT_EQ(c.at(5, 3), green);
}

TEST(BitBlt, CopiesTheRectangleFromTheSourcePosition)
{
    PixelCanvas src(4, 4, white);
    for (int i = 0; i < 16; ++i) src.dc.FillSolidRect(i % 4, i / 4, 1, 1, shade(i));
    PixelCanvas dst(5, 4, green);
    EXPECT_TRUE(dst.dc.BitBlt(2, 1, 2, 2, &src.dc, 1, 1, SRCCOPY));
    EXPECT_EQ(dst.at(2, 1), shade(5));
    EXPECT_EQ(dst.at(3, 1), shade(6));
    EXPECT_EQ(dst.at(2, 2), shade(9));
    EXPECT_EQ(dst.at(3, 2), shade(10));
    EXPECT_EQ(dst.count(green), 20 - 4);
}

TEST(BitBlt, OnlyWhereTheSourceExistsAndInsideTheClip)
{
    PixelCanvas src(4, 4, red);
    PixelCanvas dst(6, 3, green);
    // Source columns 3..5 of a 4-wide bitmap: only column 3 exists.
    dst.dc.BitBlt(0, 0, 3, 3, &src.dc, 3, 1, SRCCOPY);
    dst.dc.IntersectClipRect(4, 0, 6, 1);
    dst.dc.BitBlt(3, 0, 3, 3, &src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.dump(legend), "r...rr\n"
                                "r.....\n"
                                "r.....\n");
}

TEST(BitBlt, RasterOperationsCombineSourceAndDestination)
{
    PixelCanvas src(1, 1, RGB(0xF0, 0x0F, 0xFF));
    PixelCanvas dst(4, 1, RGB(0x3C, 0x3C, 0x00));
    dst.dc.BitBlt(0, 0, 1, 1, &src.dc, 0, 0, SRCAND);
    dst.dc.BitBlt(1, 0, 1, 1, &src.dc, 0, 0, SRCPAINT);
    dst.dc.BitBlt(2, 0, 1, 1, &src.dc, 0, 0, SRCINVERT);
    dst.dc.BitBlt(3, 0, 1, 1, &src.dc, 0, 0, NOTSRCCOPY);
    EXPECT_EQ(dst.at(0, 0), RGB(0x30, 0x0C, 0x00));
    EXPECT_EQ(dst.at(1, 0), RGB(0xFC, 0x3F, 0xFF));
    EXPECT_EQ(dst.at(2, 0), RGB(0xCC, 0x33, 0xFF));
    EXPECT_EQ(dst.at(3, 0), RGB(0x0F, 0xF0, 0x00));
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsBeforeWriting)
{
    PixelCanvas c(6, 1, white);
    for (int i = 0; i < 6; ++i) c.dc.FillSolidRect(i, 0, 1, 1, shade(i));
    c.dc.BitBlt(1, 0, 4, 1, &c.dc, 0, 0, SRCCOPY);
    const COLORREF expected[] = {shade(0), shade(0), shade(1), shade(2), shade(3), shade(5)};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(c.at(i, 0), expected[i]) << i;
}

TEST(BitBlt, FailsWithoutASourceWhenTheOperationNeedsOne)
{
    PixelCanvas c(2, 1, white);
    EXPECT_FALSE(c.dc.BitBlt(0, 0, 2, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(c.dc.BitBlt(0, 0, 2, 1, nullptr, 0, 0, BLACKNESS));
    EXPECT_EQ(c.count(black), 2);
}

TEST(TransparentBlt, SkipsTheKeyColourAndStretches)
{
    PixelCanvas src(3, 3, white);
    src.dc.FillSolidRect(1, 1, 1, 1, red);
    PixelCanvas same(3, 3, green), stretched(6, 6, green);
    EXPECT_TRUE(same.dc.TransparentBlt(0, 0, 3, 3, &src.dc, 0, 0, 3, 3, white));
    EXPECT_EQ(same.dump(legend), "...\n"
                                 ".r.\n"
                                 "...\n");
    EXPECT_TRUE(stretched.dc.TransparentBlt(0, 0, 6, 6, &src.dc, 0, 0, 3, 3, white));
    EXPECT_EQ(stretched.inkBox(), CRect(2, 2, 4, 4));
    EXPECT_EQ(stretched.count(red), 4);
}

TEST(FillSolidRect, FillsAndBecomesTheBackgroundColour)
{
    PixelCanvas c(4, 3, white);
    c.dc.FillSolidRect(CRect(1, 1, 3, 3), blue);
    EXPECT_EQ(c.dump(legend), "....\n"
                              ".bb.\n"
                              ".bb.\n");
    EXPECT_EQ(c.dc.GetBkColor(), blue);
}
