#include "ChartCanvas.h"
#include "chart/RwChart.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace NVorel;

namespace {
const COLORREF white = RGB(255, 255, 255), blue = 0x00FF0000, bandColour = RGB(220, 220, 255);
constexpr double none = -1; // what a refused query leaves in its result

// Charts are not copyable (their legend owns a font): built in place.
struct Chart : CRwChart {
    Chart(std::initializer_list<CChartZone> pieces)
    {
        assign(pieces);
        m_legend.m_crBack = bandColour;
    }
    double at(double pos) const
    {
        double v = none;
        return GetInterpolatedValue(pos, &v) == (v != none) ? v : NAN;
    }
    std::pair<double, double> extremes() const
    {
        double lo = none, hi = none;
        return GetExtremeValues(&lo, &hi) == (lo != none) ? std::pair(lo, hi) : std::pair<double, double>(NAN, NAN);
    }
};
} // namespace

TEST(ChartQueries, ExtremesAndInterpolation)
{
    EXPECT_EQ(Chart({}).extremes(), std::pair(none, none));
    EXPECT_EQ(Chart({}).at(0), none);
    const Chart one({{0, 3, -4}}), two({{0, 10, 20}, {2, 5, 0}});
    EXPECT_EQ(one.extremes(), std::pair(-4.0, 3.0));
    EXPECT_EQ(one.at(0), none);
    double hi = 0;
    EXPECT_FALSE(one.GetExtremeValues(nullptr, &hi));
    EXPECT_EQ(two.extremes(), std::pair(0.0, 20.0)); // the last piece's end value counts
    // Inside and at either end the first piece's values; the second's start never counts.
    for (auto [pos, value] : {std::pair{1.0, 15.0}, {0.0, 10.0}, {2.0, 20.0}, {3.0, none}, {NAN, none}})
        EXPECT_EQ(two.at(pos), value) << pos;
    EXPECT_EQ(Chart({{2, 10, 20}, {0, 0, 0}}).at(1), 15.0);                // descending positions
    EXPECT_EQ(Chart({{1, 7, 9}, {1 + 1e-8, 3, 3}, {2, 0, 0}}).at(1), 7.0); // a piece of no length: its start
}

TEST(ChartRange, WorkedRangesAndZeroSpans)
{
    // Rounded outward to whole steps after the factor 1.4; all values equal
    // are widened to reach zero from twice the value.
    const std::pair<double, double> cases[][2] = {{{10, 30}, {0, 50}}, {{100, 110}, {140, 154}}, {{-5, 10}, {-10, 20}},
                                                  {{10, 10}, {0, 30}}, {{-10, -10}, {-30, 0}},   {{0, 0}, {-1, 1}}};
    for (auto [values, range] : cases) {
        auto [lo, hi] = values;
        EXPECT_TRUE(chart::roundedRange(lo, hi, 1.4));
        EXPECT_NEAR(lo, range.first, 1e-9) << values.first;
        EXPECT_NEAR(hi, range.second, 1e-9) << values.first;
    }
    double lo = NAN, hi = 1;
    EXPECT_FALSE(chart::roundedRange(lo, hi, 1.4));
}

TEST(ChartDrawing, CurveStepsScaleBandAndFixedRanges)
{
    ChartCanvas c(101, 101, white);
    Pellix::CPainterBegin begin(&c.painter, &c.canvas.dc);
    Chart empty({}), one({{50, 10, 30}});
    empty.m_legend.m_dScale = 7;
    empty.draw(&c.painter); // nothing
    EXPECT_EQ(c.canvas.count(white), 101 * 101);
    EXPECT_EQ(empty.m_legend.m_dScale, 7);
    one.draw(&c.painter); // one piece has no curve, but sets the scale of 0..50
    EXPECT_EQ(c.canvas.count(blue), 0);
    EXPECT_EQ(one.m_legend.m_dScale, 2.0);

    // Values 10..30 give the range 0..50: two pixels per value unit. The first
    // piece runs from x(10) = 20 at y 90 to x(30) = 60 at y 40, the jump from 30
    // to 25 is a step from x 60 to x 50, equal values at y 30 draw none, and the
    // last piece spans nothing. The band fills the lowest 20 pixel units.
    Chart chart({{90, 10, 30}, {40, 25, 25}, {30, 25, 25}});
    chart.draw(&c.painter);
    for (CPoint p : {CPoint(28, 80), CPoint(36, 70), CPoint(51, 40), CPoint(55, 40), CPoint(59, 40)})
        EXPECT_EQ(c.at(p.x, p.y), blue) << p.x << ", " << p.y;
    for (CPoint p : {CPoint(55, 30), CPoint(50, 25), CPoint(70, 22)}) EXPECT_EQ(c.at(p.x, p.y), white) << p.x;
    EXPECT_EQ(c.at(70, 2), bandColour);
    EXPECT_EQ(chart.m_legend.m_dOffset, 0.0);

    Chart fixed({{90, 10, 30}, {40, 30, 30}});
    fixed.m_bFixedOrigin = fixed.m_bFixedRange = true;
    fixed.m_dOrigin = 30;
    fixed.m_dMin = 0;
    fixed.m_dMax = 100; // 0..140 after the factor
    fixed.draw(&c.painter);
    EXPECT_EQ(fixed.m_legend.m_dOffset, 30);
    EXPECT_NEAR(fixed.m_legend.m_dScale, 100.0 / 140.0, 1e-12);
}

TEST(ChartDrawing, NonFiniteValuesNeitherCrashNorSpill)
{
    ChartCanvas c(101, 101, white), fresh(21, 21, white);
    Chart chart({{90, NAN, 30}, {60, INFINITY, 20}, {40, 10, 20}, {20, 20, 20}}), bad({{90, 1, 2}, {40, 3, 4}});
    bad.m_bFixedRange = true;
    bad.m_dMin = NAN;
    {
        Pellix::CPainterBegin begin(&c.painter, &c.canvas.dc), begin2(&fresh.painter, &fresh.canvas.dc);
        chart.draw(&c.painter);
        bad.draw(&fresh.painter);
    }
    // The finite values 10..30 set the range; the line from 10 to 20 is there.
    EXPECT_EQ(chart.m_legend.m_dScale, 2.0);
    EXPECT_EQ(c.at(30, 30), blue); // halfway from x(10)=20 at y 40 to x(20)=40 at y 20
    EXPECT_EQ(fresh.canvas.count(white), 21 * 21);
}
