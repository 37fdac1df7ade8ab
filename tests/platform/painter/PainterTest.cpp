#include "painter/Painter.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Pellix;
using testsupport::PixelCanvas;

namespace {

const COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
const std::map<COLORREF, char> legend{{red, 'r'}, {blue, 'b'}, {RGB(0, 0, 0), 'k'}};

// Pixels 0..(w-1) x 0..(h-1) onto the global rectangle [x0, x0+gw] x [y0,
// y0+gh].
CPainter painterFor(int w, int h, double x0, double y0, double gw, double gh)
{
    CPainter p;
    p.setLocalOrigin(CPoint2d(0, 0));
    p.setLocalSize(w - 1, h - 1);
    p.setGlobalOrigin(CPoint2d(x0, y0));
    p.setGlobalSize(gw, gh);
    p.solveTransformation();
    return p;
}

void expectPoint(const CPoint2d& actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, 1e-12);
    EXPECT_NEAR(actual.y, y, 1e-12);
}

} // namespace

TEST(PainterTransformation, CornersMapExactlyWithYUp)
{
    const CPainter p = painterFor(101, 51, -2.0, 10.0, 8.0, 4.0);
    expectPoint(p.local2Global(CPoint2d(0, 0)), -2.0,
                14.0); // top-left: low x, high y
    expectPoint(p.local2Global(CPoint2d(100, 50)), 6.0,
                10.0); // bottom-right: high x, low y
    const CVector2d v = p.local2Global(CVector2d(1.0, 1.0));
    EXPECT_NEAR(v.dx, 0.08, 1e-15);
    EXPECT_NEAR(v.dy, -0.08, 1e-15);
    expectPoint(p.global2Local(p.local2Global(CPoint2d(37.25, 11.5))), 37.25, 11.5);
    EXPECT_EQ(p.getLocalRect(), CRectDouble(0, 0, 100, 50));
    expectPoint(CPainter(p).local2Global(CPoint2d(0, 0)), -2.0, 14.0); // a copy maps alike
}

TEST(PainterTransformation, ZeroSizesMapWithFactorOne)
{
    CPainter p = painterFor(1, 1, 5.0, 5.0, 3.0, 3.0); // local size 0 x 0
    expectPoint(p.local2Global(CPoint2d(2, 0)), 7.0, 5.0);
    EXPECT_TRUE(std::isfinite(p.global2Local(CPoint2d(100, 100)).x));
}

TEST(PainterDrawing, LinesRectanglesAndTextLandWhereTheyMap)
{
    PixelCanvas c(11, 6, white);
    CPainter p = painterFor(11, 6, 0.0, 0.0, 10.0, 5.0); // one global unit per pixel
    {
        CPainterBegin begin(&p, &c.dc);
        EXPECT_EQ(begin.dc(), &c.dc);
        const unsigned redPen = p.addPenColor(CRGB(red), 0, 0), bluePen = p.addPenColor(CRGB(blue), 1, 0);
        p.setPenColor(redPen);
        p.drawLine(CPoint2d(0, 5), CPoint2d(4, 5)); // top row, end left out
        p.setPenColor(bluePen);
        p.setBrushColor(CRGB(red));
        p.drawRectangle(CPoint2d(6, 0), CPoint2d(10, 3)); // both corners inside
        p.setPenColor(7);                                 // unknown: the blue pen stays
        p.drawLine(CPoint2d(0, 0), CPoint2d(3, 0));
    }
    EXPECT_EQ(c.dump(legend), "rrrr.......\n"
                              "...........\n"
                              "......bbbbb\n"
                              "......brrrb\n"
                              "......brrrb\n"
                              "bbb...bbbbb\n");
}

TEST(PainterDrawing, DashPatternsAndPhase)
{
    PixelCanvas c(20, 5, white);
    CPainter p = painterFor(20, 5, 0.0, 0.0, 19.0, 4.0);
    {
        CPainterBegin begin(&p, &c.dc);
        p.setPenColor(p.addPenColor(CRGB(red), 0, 0));
        p.drawDashedLine(CPoint2d(0, 4), CPoint2d(19, 4), 1, 0, 0); // 6 on, 3 off
        p.drawDashedLine(CPoint2d(0, 3), CPoint2d(19, 3), 2, 0, 0); // 2 on, 2 off
        p.drawDashedLine(CPoint2d(0, 2), CPoint2d(19, 2), 4, 0, 0); // 1 on, 2 off
        p.drawDashedLine(CPoint2d(0, 1), CPoint2d(19, 1), 2, 2,
                         1);                                        // doubled, one step in
        p.drawDashedLine(CPoint2d(0, 0), CPoint2d(19, 0), 0, 0, 0); // solid
    }
    EXPECT_EQ(c.dump(legend), "rrrrrr...rrrrrr...r.\n"
                              "rr..rr..rr..rr..rr..\n"
                              "r..r..r..r..r..r..r.\n"
                              "rrr....rrrr....rrrr.\n"
                              "rrrrrrrrrrrrrrrrrrr.\n");
}

TEST(PainterDrawing, FarAwayAndNonFiniteCoordinatesAreClippedNotWalked)
{
    PixelCanvas c(10, 3, white);
    CPainter p = painterFor(10, 3, 0.0, 0.0, 9.0, 2.0);
    {
        CPainterBegin begin(&p, &c.dc);
        p.setPenColor(p.addPenColor(CRGB(red), 0, 0));
        p.setBrushColor(CRGB(blue));
        // A horizontal line from far left to far right covers the row, and
        // returns at once instead of walking 2e12 pixels.
        p.drawLine(CPoint2d(-1e12, 1), CPoint2d(1e12, 1));
        p.drawDashedLine(CPoint2d(-1e12, 2), CPoint2d(1e12, 2), 4, 0, 0);
        p.drawLine(CPoint2d(NAN, 0), CPoint2d(5, 0));
        p.drawRectangle(CPoint2d(INFINITY, 0), CPoint2d(5, 0));
        p.textOut(CPoint2d(1e300, 0), L"far");
    }
    EXPECT_EQ(c.dump(legend).substr(11, 10), "rrrrrrrrrr");
    EXPECT_EQ(c.count(blue), 0);
    // Row 0 keeps the fine-dot rhythm after clipping: one dot every third pixel.
    const std::string top = c.dump(legend).substr(0, 10);
    const size_t first = top.find('r');
    ASSERT_LT(first, 3u) << top;
    for (size_t x = 0; x < 10; ++x) EXPECT_EQ(top[x] == 'r', x >= first && (x - first) % 3 == 0) << top;
}

// A polyline draws what drawLine draws for each pair of neighbours: a pair
// with a point that is not finite leaves a gap, and one far off is clipped.
TEST(PainterDrawing, APolylineDrawsWhatItsLinesDraw)
{
    const std::vector<std::vector<CPoint2d>> polylines{
        {{1, 1}, {3, 6}, {NAN, 0}, {10, 6}, {10, 1}, {6, 3}},
        {{0, 0}, {5, 1e9}, {11, 0}, {INFINITY, 3}, {2, 7}, {9, 7}},
        {{4, 4}}};
    for (const auto& points : polylines)
        for (int nWidth : {0, 2}) {
            PixelCanvas byLines(12, 8, white), byPolyline(12, 8, white);
            CPainter p = painterFor(12, 8, 0.0, 0.0, 11.0, 7.0);
            for (PixelCanvas* c : {&byLines, &byPolyline}) {
                CPainterBegin begin(&p, &c->dc);
                p.setPenColor(p.addPenColor(CRGB(red), nWidth, 0));
                if (c == &byPolyline)
                    p.drawPolyline(points);
                else
                    for (size_t i = 1; i < points.size(); ++i) p.drawLine(points[i - 1], points[i]);
            }
            EXPECT_EQ(byPolyline.dump(legend), byLines.dump(legend));
            EXPECT_EQ(byPolyline.count(red) > 0, points.size() > 1);
        }
}

TEST(PainterDrawing, TextTopLeftAtThePoint)
{
    PixelCanvas c(60, 30, white);
    CPainter p = painterFor(60, 30, 0.0, 0.0, 59.0, 29.0);
    {
        CPainterBegin begin(&p, &c.dc);
        c.dc.SetBkMode(TRANSPARENT);
        c.dc.SetTextColor(red);
        p.textOut(CPoint2d(10, 19), L"Wg"); // pixel (10, 10)
    }
    const CRect ink = c.inkBox();
    const CSize extent = c.dc.GetTextExtent(CString(L"Wg"));
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_TRUE(ink.left >= 10 && ink.left <= 12) << ink.left; // starts at the point
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.right, 10 + extent.cx);
    EXPECT_LE(ink.bottom, 10 + extent.cy);
}

TEST(PainterDrawing, TheBrushColourIsTheDcsBrushWhileBound)
{
    PixelCanvas c(6, 2, white);
    CPainter p = painterFor(6, 2, 0.0, 0.0, 5.0, 1.0);
    p.setBrushColor(CRGB(red)); // before the binding: taken up by it
    {
        CPainterBegin begin(&p, &c.dc);
        c.dc.PatBlt(0, 0, 2, 2, PATCOPY);
        p.setBrushColor(CRGB(blue));
        c.dc.PatBlt(2, 0, 2, 2, PATCOPY);
    }
    c.dc.PatBlt(4, 0, 2, 1, BLACKNESS);
    c.dc.PatBlt(4, 0, 2, 1, PATCOPY); // the DC's own brush again
    EXPECT_EQ(c.dump(legend), "rrbb..\n"
                              "rrbb..\n");
}
