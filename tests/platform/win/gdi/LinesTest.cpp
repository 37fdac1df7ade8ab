// Pens and brushes are made before the canvas, so that they outlive the DC
// they are selected into and can be deleted.
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <vector>

using testsupport::PixelCanvas;

namespace {

using namespace testsupport::colours;
const std::map<COLORREF, char> legend{{black, '#'}, {red, 'r'}, {green, 'g'}, {blue, 'b'}};

// MoveTo the first point, then LineTo each further one.
void polyline(CDC& dc, std::initializer_list<CPoint> points)
{
    dc.MoveTo(points.begin()->x, points.begin()->y);
    for (auto p = points.begin() + 1; p != points.end(); ++p) dc.LineTo(p->x, p->y);
}

} // namespace

TEST(LineTo, LeavesOutTheEndPointInEveryDirectionAndMovesTheCurrentPosition)
{
    PixelCanvas c(13, 5, white);
    polyline(c.dc, {{1, 1}, {5, 1}});
    polyline(c.dc, {{6, 0}, {6, 3}});
    polyline(c.dc, {{4, 3}, {0, 3}});
    polyline(c.dc, {{0, 0}, {0, 0}}); // an empty line draws nothing
    EXPECT_EQ(c.dc.MoveTo(8, 0), CPoint(0, 0));
    c.dc.LineTo(12, 4);
    c.dc.LineTo(12, 0); // on from the end of the previous line
    // The null pen draws nothing but moves all the same.
    c.dc.SelectObject(CPen::FromHandle((HPEN)GetStockObject(NULL_PEN)));
    c.dc.LineTo(8, 4);
    EXPECT_EQ(c.dc.MoveTo(0, 0), CPoint(8, 4));
    EXPECT_EQ(c.dump(legend), "......#.#....\n"
                              ".####.#..#..#\n"
                              "......#...#.#\n"
                              ".####......##\n"
                              "............#\n");
}

// A dash pattern goes on across joined lines and starts again at MoveTo.
TEST(LineTo, DashesLeaveGapsTransparentOrOpaqueAndWidePensAreSolidSquaresAroundEveryPixel)
{
    CPen dash(PS_DASH, 1, black), dot(PS_DOT, 1, red), wide(PS_SOLID, 3, red), wideDash(PS_DASH, 2, blue),
        blackDot(PS_DOT, 1, black);
    PixelCanvas c(30, 9, white);
    c.dc.SelectObject(&dash);
    c.dc.SetBkMode(TRANSPARENT);
    polyline(c.dc, {{0, 0}, {30, 0}});
    c.dc.SelectObject(&dot);
    c.dc.SetBkMode(OPAQUE);
    c.dc.SetBkColor(green);
    polyline(c.dc, {{0, 1}, {12, 1}});
    c.dc.SelectObject(&wide);
    polyline(c.dc, {{2, 4}, {6, 4}});
    c.dc.SelectObject(&wideDash);
    polyline(c.dc, {{12, 4}, {20, 4}});
    c.dc.SelectObject(&blackDot);
    c.dc.SetBkMode(TRANSPARENT);
    polyline(c.dc, {{0, 7}, {4, 7}, {8, 7}});
    polyline(c.dc, {{4, 8}, {8, 8}});
    EXPECT_EQ(c.dump(legend), "##################......######\n"
                              "rrrgggrrrggg..................\n"
                              "..............................\n"
                              ".rrrrrrr...bbbbbbbbbb.........\n"
                              ".rrrrrrr...bbbbbbbbbb.........\n"
                              ".rrrrrrr......................\n"
                              "..............................\n"
                              "###...##......................\n"
                              "....###.......................\n");
}

// Polyline and PolyPolyline draw what MoveTo and LineTo through the same
// points draw, with any pen (a dash pattern runs on across the points and
// starts again with each polyline), and leave the current position alone.
TEST(Polyline, DrawsTheLineToPictureWithoutTheCurrentPositionAndRefusesTooFewPoints)
{
    CPen thin(PS_SOLID, 1, red), dash(PS_DASH, 1, black), wide(PS_SOLID, 3, blue);
    const std::vector<std::vector<CPoint>> polylines{
        {{1, 1}, {28, 1}, {28, 6}, {2, 9}}, {{30, 2}, {38, 8}, {30, 8}, {30, 2}}, {{3, 4}, {3, 4}, {9, 4}}};
    std::vector<CPoint> all;
    std::vector<DWORD> counts;
    for (const auto& points : polylines) {
        all.insert(all.end(), points.begin(), points.end());
        counts.push_back((DWORD)points.size());
    }
    for (CPen* pen : {&thin, &dash, &wide}) {
        PixelCanvas byLineTo(40, 11, white), byPolyline(40, 11, white), byPolyPolyline(40, 11, white);
        for (PixelCanvas* c : {&byLineTo, &byPolyline, &byPolyPolyline}) {
            c->dc.SelectObject(pen);
            c->dc.SetBkMode(TRANSPARENT);
            c->dc.MoveTo(7, 7);
        }
        for (const auto& points : polylines) {
            byLineTo.dc.MoveTo(points[0]);
            for (size_t i = 1; i < points.size(); ++i) byLineTo.dc.LineTo(points[i]);
            EXPECT_TRUE(byPolyline.dc.Polyline(points.data(), (int)points.size()));
        }
        EXPECT_TRUE(byPolyPolyline.dc.PolyPolyline(all.data(), counts.data(), (int)counts.size()));
        const std::string expected = byLineTo.dump(legend);
        EXPECT_EQ(byPolyline.dump(legend), expected);
        EXPECT_EQ(byPolyPolyline.dump(legend), expected);
        EXPECT_EQ(byPolyline.dc.MoveTo(0, 0), CPoint(7, 7));
        EXPECT_EQ(byPolyPolyline.dc.MoveTo(0, 0), CPoint(7, 7));
    }

    // Fewer than two points, in any polyline, fail and draw nothing.
    PixelCanvas c(40, 11, white);
    const DWORD oneShort[] = {3, 1}, none[] = {0};
    EXPECT_EQ((std::vector<BOOL>{c.dc.Polyline(all.data(), 1), c.dc.Polyline(all.data(), 0),
                                 c.dc.Polyline(all.data(), -1), c.dc.PolyPolyline(all.data(), oneShort, 2),
                                 c.dc.PolyPolyline(all.data(), none, 1), c.dc.PolyPolyline(all.data(), counts.data(), 0)}),
              (std::vector<BOOL>(6, FALSE)));
    EXPECT_EQ(c.inkBox(), CRect());
}

// A solid one-pixel line is clipped once, by arithmetic; it must plot the
// pixels that the pixel-by-pixel path plots, which a dashed pen takes whose
// gaps are painted in its own colour.
TEST(LineTo, AClippedSolidLinePlotsThePixelsThatThePixelByPixelPathPlots)
{
    CPen solid(PS_SOLID, 1, red), dashed(PS_DASH, 1, red);
    const CPoint lines[][2] = {{{0, 0}, {29, 19}},   {{29, 19}, {0, 0}},  {{0, 19}, {29, 0}},   {{29, 0}, {0, 19}},
                               {{2, 10}, {27, 13}},  {{27, 13}, {2, 10}}, {{14, 0}, {17, 19}},  {{17, 19}, {14, 0}},
                               {{4, 3}, {26, 17}},   {{26, 17}, {4, 3}},  {{5, 2}, {5, 18}},    {{24, 18}, {24, 2}},
                               {{1, 4}, {28, 4}},    {{28, 15}, {1, 15}}, {{-40000, -10}, {40000, 30}},
                               {{8, 40000}, {20, -40000}}, {{6, 5}, {23, 14}},
                               // Halfway ties, inside and across the clip.
                               {{6, 5}, {24, 14}},   {{24, 14}, {6, 5}},  {{2, 1}, {28, 14}},   {{28, 14}, {2, 1}},
                               {{10, 2}, {15, 18}},  {{15, 18}, {10, 2}}};
    for (const auto& [a, b] : lines) {
        PixelCanvas bySolid(30, 20, white), byPixels(30, 20, white);
        for (PixelCanvas* c : {&bySolid, &byPixels}) {
            c->dc.IntersectClipRect(5, 4, 25, 16);
            c->dc.SetBkColor(red);
            c->dc.MoveTo(a);
        }
        bySolid.dc.SelectObject(&solid);
        bySolid.dc.LineTo(b);
        byPixels.dc.SelectObject(&dashed);
        byPixels.dc.LineTo(b);
        EXPECT_GT(bySolid.count(red), 0);
        EXPECT_EQ(bySolid.dump(legend), byPixels.dump(legend)) << a.x << "," << a.y << " to " << b.x << "," << b.y;
    }
}

// Left and top edges are inside, right and bottom outside; corners may come in any order.
TEST(Rectangle, PenOutlineAndBrushFillWithNullPensBrushesAndEmptyRectangles)
{
    CPen pen(PS_SOLID, 1, red);
    CBrush brush(blue), frame(green);
    PixelCanvas c(20, 10, white);
    c.dc.SelectObject(&pen);
    c.dc.SelectObject(&brush);
    c.dc.Rectangle(6, 5, 1, 1);
    // Without a pen the fill is one pixel smaller; without a brush the inside stays.
    c.dc.SelectObject(CPen::FromHandle((HPEN)GetStockObject(NULL_PEN)));
    c.dc.Rectangle(8, 0, 13, 4);
    c.dc.SelectObject(CPen::FromHandle((HPEN)GetStockObject(BLACK_PEN)));
    c.dc.SelectObject(CBrush::FromHandle((HBRUSH)GetStockObject(NULL_BRUSH)));
    c.dc.Rectangle(14, 0, 19, 4);
    c.dc.Rectangle(1, 6, 2, 9);
    c.dc.Rectangle(3, 6, 3, 9); // no width: nothing
    // FrameRect paints the one-pixel border with a brush.
    c.dc.FrameRect(CRect(5, 6, 10, 9), &frame);
    c.dc.FrameRect(CRect(7, 8, 7, 10), &frame);
    EXPECT_EQ(c.dump(legend), "........bbbb..#####.\n"
                              ".rrrrr..bbbb..#...#.\n"
                              ".rbbbr..bbbb..#...#.\n"
                              ".rbbbr........#####.\n"
                              ".rrrrr..............\n"
                              "....................\n"
                              ".#...ggggg..........\n"
                              ".#...g...g..........\n"
                              ".#...ggggg..........\n"
                              "....................\n");
}

TEST(IntersectClipRect, NarrowsTheClipEachTime)
{
    PixelCanvas c(8, 2, white);
    CRect box;
    EXPECT_EQ((std::vector<int>{c.dc.IntersectClipRect(2, 0, 6, 2), c.dc.IntersectClipRect(0, 0, 5, 1),
                                c.dc.GetClipBox(&box)}),
              (std::vector<int>{SIMPLEREGION, SIMPLEREGION, SIMPLEREGION}));
    EXPECT_EQ(box, CRect(2, 0, 5, 1));
    c.dc.Rectangle(0, 0, 8, 2);
    c.dc.FillSolidRect(0, 1, 8, 1, red);
    EXPECT_EQ(c.dump(legend), "..###...\n"
                              "........\n");
    // Reading outside the clip answers CLR_INVALID, as drawing there does nothing.
    EXPECT_EQ((std::vector<COLORREF>{c.dc.GetPixel(1, 0), c.dc.GetPixel(2, 0)}),
              (std::vector<COLORREF>{CLR_INVALID, black}));
    EXPECT_EQ((std::vector<int>{c.dc.IntersectClipRect(6, 0, 8, 2), c.dc.GetClipBox(&box)}),
              (std::vector<int>{NULLREGION, NULLREGION}));
    c.dc.FillSolidRect(0, 0, 8, 2, red);
    EXPECT_EQ(c.count(red), 0);
}
