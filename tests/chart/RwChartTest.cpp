#include "ChartCanvas.h"
#include "chart/RwChart.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace NVorel;

namespace {
const COLORREF white = RGB(255, 255, 255), blue = 0x00FF0000, bandColour = RGB(220, 220, 255);

// Charts are not copyable (their legend owns a font): built in place.
struct Chart : CRwChart {
    Chart(std::initializer_list<CChartZone> pieces)
    {
        assign(pieces);
        m_legend.m_crBack = bandColour;
    }
};
} // namespace

TEST(ChartQueries, ExtremesAndInterpolation)
{
    CRwChart empty;
    double lo = -1, hi = -1, v = -1;
    EXPECT_FALSE(empty.GetExtremeValues(&lo, &hi));
    EXPECT_FALSE(empty.GetInterpolatedValue(0, &v));
    EXPECT_EQ(lo, -1);
    EXPECT_EQ(v, -1);

    const Chart one({{0, 3, -4}});
    ASSERT_TRUE(one.GetExtremeValues(&lo, &hi));
    EXPECT_EQ(lo, -4);
    EXPECT_EQ(hi, 3);
    EXPECT_FALSE(one.GetInterpolatedValue(0, &v));
    EXPECT_FALSE(one.GetExtremeValues(nullptr, &hi));

    const Chart two({{0, 10, 20}, {2, 5, 0}});
    EXPECT_TRUE(two.GetInterpolatedValue(1, &v));
    EXPECT_EQ(v, 15);
    EXPECT_TRUE(two.GetInterpolatedValue(0, &v));
    EXPECT_EQ(v, 10);
    EXPECT_TRUE(two.GetInterpolatedValue(2, &v));
    EXPECT_EQ(v, 20); // the first piece's end, not the second's start
    v = -1;
    EXPECT_FALSE(two.GetInterpolatedValue(3, &v));
    EXPECT_FALSE(two.GetInterpolatedValue(NAN, &v));
    EXPECT_EQ(v, -1);
    ASSERT_TRUE(two.GetExtremeValues(&lo, &hi));
    EXPECT_EQ(lo, 0); // the last piece's end value counts
    EXPECT_EQ(hi, 20);

    const Chart descending({{2, 10, 20}, {0, 0, 0}});
    EXPECT_TRUE(descending.GetInterpolatedValue(1, &v));
    EXPECT_EQ(v, 15);
    const Chart same({{1, 7, 9}, {1 + 1e-8, 3, 3}, {2, 0, 0}});
    EXPECT_TRUE(same.GetInterpolatedValue(1, &v));
    EXPECT_EQ(v, 7);
}

TEST(ChartRange, WorkedRangesAndZeroSpans)
{
    const auto range = [](double lo, double hi) {
        chart::roundedRange(lo, hi, 1.4);
        return std::make_pair(lo, hi);
    };
    EXPECT_EQ(range(10, 30), std::make_pair(0.0, 50.0));
    const auto r = range(100, 110);
    EXPECT_NEAR(r.first, 140, 1e-9);
    EXPECT_NEAR(r.second, 154, 1e-9);
    EXPECT_EQ(range(-5, 10), std::make_pair(-10.0, 20.0));
    // All values equal: widened to reach zero from twice the value.
    EXPECT_EQ(range(10, 10), std::make_pair(0.0, 30.0));
    EXPECT_EQ(range(-10, -10), std::make_pair(-30.0, 0.0));
    EXPECT_EQ(range(0, 0), std::make_pair(-1.0, 1.0));
    double lo = NAN, hi = 1;
    EXPECT_FALSE(chart::roundedRange(lo, hi, 1.4));
}

TEST(ChartDrawing, CurveStepsAndScaleBand)
{
    ChartCanvas c(101, 101, white);
    // Values 10..30 give the range 0..50: two pixels per value unit.
    Chart chart({{90, 10, 30}, {40, 25, 25}, {30, 25, 25}});
    {
        Pellix::CPainterBegin begin(&c.painter, &c.canvas.dc);
        chart.draw(&c.painter);
    }
    // The first piece runs from x(10) = 20 at y 90 to x(30) = 60 at y 40.
    EXPECT_EQ(c.at(28, 80), blue);
    EXPECT_EQ(c.at(36, 70), blue);
    // The jump from 30 to 25 at y 40 is a horizontal step from x 60 to x 50.
    for (int x = 51; x < 60; ++x) EXPECT_EQ(c.at(x, 40), blue) << x;
    // Equal boundary values at y 30 draw no step.
    EXPECT_EQ(c.at(55, 30), white);
    // The last piece spans nothing: no line below y 30 from its values.
    EXPECT_EQ(c.at(50, 25), white);
    // The band fills the lowest 20 pixel units (below its labels here).
    EXPECT_EQ(c.at(70, 2), bandColour);
    EXPECT_EQ(c.at(70, 22), white);
    EXPECT_EQ(chart.m_legend.m_dScale, 2.0);
    EXPECT_EQ(chart.m_legend.m_dOffset, 0.0);
    EXPECT_EQ(chart.m_legend.m_nBandWidth, 20);
}

TEST(ChartDrawing, EmptyOneAndFixedCharts)
{
    ChartCanvas c(101, 101, white);
    Pellix::CPainterBegin begin(&c.painter, &c.canvas.dc);
    Chart empty({});
    empty.m_legend.m_dScale = 7;
    empty.draw(&c.painter);
    EXPECT_EQ(c.canvas.count(white), 101 * 101);
    EXPECT_EQ(empty.m_legend.m_dScale, 7);

    Chart one({{50, 10, 30}});
    one.draw(&c.painter);
    EXPECT_EQ(c.canvas.count(blue), 0); // no curve
    EXPECT_EQ(one.m_legend.m_dScale, 2.0); // the scale of 0..50

    Chart fixed({{90, 10, 30}, {40, 30, 30}});
    fixed.m_bFixedOrigin = true;
    fixed.m_dOrigin = 30;
    fixed.m_bFixedRange = true;
    fixed.m_dMin = 0;
    fixed.m_dMax = 100; // 0..140 after the factor: step 10, 0..140
    fixed.draw(&c.painter);
    EXPECT_EQ(fixed.m_legend.m_dOffset, 30);
    EXPECT_NEAR(fixed.m_legend.m_dScale, 100.0 / 140.0, 1e-12);
}

TEST(ChartDrawing, NonFiniteValuesNeitherCrashNorSpill)
{
    ChartCanvas c(101, 101, white);
    Pellix::CPainterBegin begin(&c.painter, &c.canvas.dc);
    Chart chart({{90, NAN, 30}, {60, INFINITY, 20}, {40, 10, 20}, {20, 20, 20}});
    chart.draw(&c.painter);
    // The finite values 10..30 set the range; the line from 10 to 20 is there.
    EXPECT_EQ(chart.m_legend.m_dScale, 2.0);
    EXPECT_EQ(c.at(30, 30), blue); // halfway from x(10)=20 at y 40 to x(20)=40 at y 20

    Chart bad({{90, 1, 2}, {40, 3, 4}});
    bad.m_bFixedRange = true;
    bad.m_dMin = NAN;
    ChartCanvas fresh(21, 21, white);
    Pellix::CPainterBegin begin2(&fresh.painter, &fresh.canvas.dc);
    bad.draw(&fresh.painter);
    EXPECT_EQ(fresh.canvas.count(white), 21 * 21);
}
