#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

using testsupport::PixelCanvas;

namespace {

using namespace testsupport::colours;
const std::map<COLORREF, char> legend{{black, '#'}, {red, 'r'}, {green, 'g'}, {blue, 'b'}};

} // namespace

TEST(LineTo, LeavesOutTheEndPointInEveryDirection)
{
    PixelCanvas c(8, 5, white);
    c.dc.MoveTo(1, 1);
    c.dc.LineTo(5, 1);
    c.dc.MoveTo(6, 0);
    c.dc.LineTo(6, 3);
    c.dc.MoveTo(4, 3);
    c.dc.LineTo(0, 3);
    c.dc.MoveTo(0, 0);
    c.dc.LineTo(0, 0); // an empty line draws nothing
    EXPECT_EQ(c.dump(legend), "......#.\n"
                              ".####.#.\n"
                              "......#.\n"
                              ".####...\n"
                              "........\n");
}

TEST(LineTo, DiagonalAndCurrentPosition)
{
    PixelCanvas c(5, 5, white);
    EXPECT_EQ(c.dc.MoveTo(0, 0), CPoint(0, 0));
    c.dc.LineTo(4, 4);
    c.dc.LineTo(4, 0); // continues from the end of the previous line
    EXPECT_EQ(c.dc.MoveTo(0, 4), CPoint(4, 0));
    EXPECT_EQ(c.dump(legend), "#....\n"
                              ".#..#\n"
                              "..#.#\n"
                              "...##\n"
                              "....#\n");
}

TEST(LineTo, WidePenCoversASquareAroundEveryPixelIncludingTheEnds)
{
    PixelCanvas c(10, 8, white);
    CPen pen(PS_SOLID, 3, red);
    CPen* old = c.dc.SelectObject(&pen);
    c.dc.MoveTo(2, 4);
    c.dc.LineTo(6, 4);
    c.dc.SelectObject(old);
    EXPECT_EQ(c.dump(legend), "..........\n"
                              "..........\n"
                              "..........\n"
                              ".rrrrrrr..\n"
                              ".rrrrrrr..\n"
                              ".rrrrrrr..\n"
                              "..........\n"
                              "..........\n");
}

TEST(LineTo, DashesAndDotsWithTransparentAndOpaqueGaps)
{
    PixelCanvas c(30, 3, white);
    CPen dash(PS_DASH, 1, black), dot(PS_DOT, 1, red), wideDash(PS_DASH, 2, blue);
    CPen* old = c.dc.SelectObject(&dash);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.MoveTo(0, 0);
    c.dc.LineTo(30, 0);
    c.dc.SelectObject(&dot);
    c.dc.SetBkMode(OPAQUE);
    c.dc.SetBkColor(green);
    c.dc.MoveTo(0, 1);
    c.dc.LineTo(12, 1);
    c.dc.SelectObject(old);
    EXPECT_EQ(c.dump(legend), "##################......######\n"
                              "rrrgggrrrggg..................\n"
                              "..............................\n");
    // A dashed pen wider than one pixel is solid.
    c.dc.SelectObject(&wideDash);
    c.dc.MoveTo(0, 2);
    c.dc.LineTo(29, 2);
    c.dc.SelectObject(old);
    EXPECT_EQ(c.count(blue), 30 * 2); // x -1..29 clipped to 0..29, rows 1 and 2
}

TEST(LineTo, DashPatternContinuesAcrossJoinedLinesAndRestartsAtMoveTo)
{
    PixelCanvas c(8, 2, white);
    CPen dot(PS_DOT, 1, black);
    CPen* old = c.dc.SelectObject(&dot);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.MoveTo(0, 0);
    c.dc.LineTo(4, 0);
    c.dc.LineTo(8, 0);
    c.dc.MoveTo(4, 1);
    c.dc.LineTo(8, 1);
    c.dc.SelectObject(old);
    EXPECT_EQ(c.dump(legend), "###...##\n"
                              "....###.\n");
}

TEST(LineTo, NullPenDrawsNothingButMoves)
{
    PixelCanvas c(4, 1, white);
    c.dc.SelectObject(CPen::FromHandle((HPEN)GetStockObject(NULL_PEN)));
    c.dc.MoveTo(0, 0);
    c.dc.LineTo(4, 0);
    EXPECT_EQ(c.count(white), 4);
    EXPECT_EQ(c.dc.MoveTo(0, 0), CPoint(4, 0));
}

TEST(Rectangle, PenOutlineAndBrushFillCoverLeftTopInclusiveRightBottomExclusive)
{
    PixelCanvas c(8, 6, white);
    CPen pen(PS_SOLID, 1, red);
    CBrush brush(blue);
    CPen* oldPen = c.dc.SelectObject(&pen);
    CBrush* oldBrush = c.dc.SelectObject(&brush);
    c.dc.Rectangle(6, 5, 1, 1); // corners in any order
    c.dc.SelectObject(oldPen);
    c.dc.SelectObject(oldBrush);
    EXPECT_EQ(c.dump(legend), "........\n"
                              ".rrrrr..\n"
                              ".rbbbr..\n"
                              ".rbbbr..\n"
                              ".rrrrr..\n"
                              "........\n");
}

TEST(Rectangle, NullPenFillsOnePixelLessAndNullBrushLeavesTheInside)
{
    PixelCanvas c(12, 5, white);
    CBrush brush(blue);
    CBrush* oldBrush = c.dc.SelectObject(&brush);
    HGDIOBJ oldPen = SelectObject(c.dc, GetStockObject(NULL_PEN));
    c.dc.Rectangle(0, 0, 5, 4);
    SelectObject(c.dc, oldPen);
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    c.dc.Rectangle(6, 0, 11, 4);
    c.dc.SelectObject(oldBrush);
    EXPECT_EQ(c.dump(legend), "bbbb..#####.\n"
                              "bbbb..#...#.\n"
                              "bbbb..#...#.\n"
                              "......#####.\n"
                              "............\n");
}

TEST(Rectangle, OnePixelWideAndEmptyRectangles)
{
    PixelCanvas c(4, 3, white);
    c.dc.Rectangle(1, 0, 2, 3);
    c.dc.Rectangle(3, 0, 3, 3); // no width: nothing
    EXPECT_EQ(c.dump(legend), ".#..\n"
                              ".#..\n"
                              ".#..\n");
}

TEST(FrameRect, PaintsTheOnePixelBorderWithTheBrush)
{
    PixelCanvas c(7, 5, white);
    CBrush brush(green);
    c.dc.FrameRect(CRect(1, 1, 6, 4), &brush);
    c.dc.FrameRect(CRect(3, 3, 3, 5), &brush); // empty: nothing
    EXPECT_EQ(c.dump(legend), ".......\n"
                              ".ggggg.\n"
                              ".g...g.\n"
                              ".ggggg.\n"
                              ".......\n");
}

TEST(IntersectClipRect, NarrowsTheClipEachTime)
{
    PixelCanvas c(8, 2, white);
    EXPECT_EQ(c.dc.IntersectClipRect(2, 0, 6, 2), SIMPLEREGION);
    EXPECT_EQ(c.dc.IntersectClipRect(0, 0, 5, 1), SIMPLEREGION);
    CRect box;
    EXPECT_EQ(c.dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(2, 0, 5, 1));
    c.dc.Rectangle(0, 0, 8, 2);
    c.dc.FillSolidRect(0, 1, 8, 1, red);
    EXPECT_EQ(c.dump(legend), "..###...\n"
                              "........\n");
    // Reading outside the clip answers CLR_INVALID, as drawing there does nothing.
    EXPECT_EQ(c.dc.GetPixel(1, 0), CLR_INVALID);
    EXPECT_EQ(c.dc.GetPixel(2, 0), black);
    EXPECT_EQ(c.dc.IntersectClipRect(6, 0, 8, 2), NULLREGION);
    EXPECT_EQ(c.dc.GetClipBox(&box), NULLREGION);
    c.dc.FillSolidRect(0, 0, 8, 2, red);
    EXPECT_EQ(c.count(red), 0);
}
