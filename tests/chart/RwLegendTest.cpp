#include "ChartCanvas.h"
#include "chart/RwLegend.h"
#include "units/Qemet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace NVorel;

namespace {

const COLORREF white = RGB(255, 255, 255), grey = 0x00787878, black = 0, back = RGB(200, 200, 255),
               red = RGB(255, 0, 0);

// A right-side legend over a 61 x 101 canvas, 5 pixels of band, no labels:
// value v sits at global y = v * scale + offset.
struct Scale : ChartCanvas {
    explicit Scale(double scale = 10, double offset = 0) : ChartCanvas(61, 101, white)
    {
        legend.m_crBack = back;
        legend.m_bShowValues = legend.m_bUnitAtEnd = false;
        legend.m_dScale = scale;
        legend.m_dOffset = offset;
    }
    void draw(const Pellix::CRectDouble* rect = nullptr)
    {
        Pellix::CPainterBegin begin(&painter, &canvas.dc);
        legend.draw(&painter, rect);
    }
    // Rows from the bottom: 'M' a tick mark (from the band edge, x 55, into the
    // band) with its black dotted grid line, 'm' a grey dotted grid line alone,
    // 't' a major tick mark alone, '.' nothing, '?' anything else.
    std::string rows() const
    {
        std::string s;
        for (int y = 0; y < h; ++y) {
            const COLORREF line = at(0, y), tick = at(56, y);
            const bool dotted = at(1, y) == white;
            s += line == white                              ? (tick == back    ? '.'
                                                               : tick == black ? 't'
                                                                               : '?')
                 : dotted && line == black && tick == black ? 'M'
                 : dotted && line == grey && tick == back   ? 'm'
                                                            : '?';
        }
        return s;
    }
    int ink() const { return canvas.count(grey) + canvas.count(black); }

    CRwLegend legend;
};

} // namespace

// Ticks j = 0 .. count - 1 at value j * step, every `every`-th a major one.
TEST(LegendTicks, RoundStepsAndTheirMajorTicks)
{
    const double ft = 0.3048, in = ft / 12;
    const struct {
        const char* what;
        bool imperial;
        double scale, offset, step;
        int count, every;
    } cases[] = {
        {"0..10: step 1, every fifth major", false, 10, 0, 1, 11, 5},
        {"0..1.67: step 0.1", false, 60, 0, 0.1, 17, 5},
        {"0..5: few steps, all major", false, 20, 0, 1, 6, 1},
        {"0..2: exactly two steps keep the step", false, 50, 0, 1, 3, 1},
        {"values counting down the axis", false, -10, 100, 1, 11, 5},
        {"3 m: whole feet, majors every six", true, 100 / 3.0, 0, ft, 10, 6},
        {"17.5 in: every inch, majors every half foot", true, 100 / (17.5 * in), 0, in, 18, 6},
    };
    for (const auto& c : cases) {
        qemet::Qemet::SetUnitSystem(c.imperial ? qemet::US_IMPERIAL : qemet::US_METRIC);
        Scale s(c.scale, c.offset);
        s.draw();
        std::string expected(101, '.');
        for (int j = 0; j < c.count; ++j)
            expected[std::lround(j * c.step * c.scale + c.offset)] = j % c.every == 0 ? 'M' : 'm';
        EXPECT_EQ(s.rows(), expected) << c.what;
    }
    qemet::Qemet::SetUnitSystem(qemet::US_METRIC);
}

TEST(LegendLabels, FreeRegionRule)
{
    ChartCanvas c(200, 100, white);
    Pellix::CPainterBegin begin(&c.painter, &c.canvas.dc);
    struct : CRwLegend {
        using CRwLegend::drawLabel;
    } legend; // 12 pixels high, 8 per character
    legend.m_dPixel = 1;
    legend.m_rcFree = Pellix::CRectDouble(0, 0, 200, 100);
    // 32 x 12 at (10, 50): 10 free on the left, 158 on the right, so the part
    // right of it stays; 50 above, 38 below, so the part above it stays.
    EXPECT_TRUE(legend.drawLabel(&c.painter, {10, 50}, L"abcd"));
    EXPECT_EQ(legend.m_rcFree, Pellix::CRectDouble(42, 50, 200, 100));
    EXPECT_FALSE(legend.drawLabel(&c.painter, {30, 50}, L"ab")); // overlaps: skipped
    EXPECT_TRUE(legend.drawLabel(&c.painter, {42, 50}, L"ab"));  // just beyond it
    EXPECT_EQ(legend.m_rcFree.x0, 58);
    EXPECT_FALSE(c.canvas.inkBox().IsRectEmpty());
}

TEST(LegendMarks, LinesInTheirOwnOrTheLineColourWithoutTicks)
{
    Scale s;
    s.legend.m_bGridLines = false;
    s.legend.m_vMarks = {3.0, 7.0};
    s.legend.m_vMarkColors = {red};
    s.legend.m_bMarkLines = true;
    s.draw();
    // The first mark in its colour, the second in the line colour, neither
    // with a tick mark; the major ticks without their grid lines.
    std::string expected(101, '.');
    expected[0] = expected[50] = expected[100] = 't';
    expected[30] = '?';
    expected[70] = 'm';
    EXPECT_EQ(s.rows(), expected);
    EXPECT_EQ(s.at(0, 30), red);
    EXPECT_EQ(s.at(56, 30), back);
}

TEST(LegendOpenCases, OddSidesScalesAndRectangles)
{
    Scale side;
    side.legend.m_nSide = 7;
    side.draw();
    EXPECT_EQ(side.canvas.count(white), 61 * 101);
    for (double scale : {0.0, (double)NAN, (double)INFINITY}) {
        Scale s(scale);
        s.draw();
        EXPECT_EQ(s.at(58, 50), back) << scale; // the band is there, no ticks
        EXPECT_EQ(s.ink(), 0) << scale;
    }
    Scale inverted;
    const Pellix::CRectDouble empty;
    inverted.draw(&empty);
    EXPECT_EQ(inverted.ink(), 0);
}
