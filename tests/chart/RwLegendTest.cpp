#include "ChartCanvas.h"
#include "chart/RwLegend.h"
#include "units/Qemet.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace NVorel;
using Pellix::CPoint2d;

namespace {

const COLORREF white = RGB(255, 255, 255), grey = 0x00787878, black = 0, back = RGB(200, 200, 255),
               red = RGB(255, 0, 0);

// A right-side legend over a 61 x 101 canvas, 5 pixels of band, no labels:
// value v sits at global y = v * scale.
struct Scale : ChartCanvas {
    Scale() : ChartCanvas(61, 101, white)
    {
        legend.m_crBack = back;
        legend.m_bShowValues = false;
        legend.m_bUnitAtEnd = false;
    }
    void draw()
    {
        Pellix::CPainterBegin begin(&painter, &canvas.dc);
        legend.draw(&painter, nullptr);
    }
    // A tick mark runs from the band edge (x 55) 4 pixels into the band.
    bool tickMarkAt(int y) const { return at(56, y) == black || at(56, y) == grey; }

    CRwLegend legend;
};

// Exposes the label rule.
class LabelProbe : public CRwLegend {
public:
    bool place(Pellix::CPainter* p, double x, double y, const wchar_t* text) const
    {
        return drawLabel(p, CPoint2d(x, y), text);
    }
};

} // namespace

TEST(LegendTicks, DecimalStepsWithEveryFifthMajor)
{
    Scale s;
    s.legend.m_dScale = 10; // values 0..10 over the 100 pixel height: step 1
    s.draw();
    for (int v = 0; v <= 10; ++v) {
        const int y = v * 10;
        const bool major = v % 5 == 0;
        EXPECT_EQ(s.tickMarkAt(y), major) << v;
        // Grid lines start at the far edge, dotted, in the major or the line colour.
        EXPECT_EQ(s.at(0, y), major ? black : grey) << v;
        EXPECT_EQ(s.at(1, y), white) << v;
    }
    EXPECT_EQ(s.at(58, 25), back); // the band between ticks
    EXPECT_EQ(s.at(53, 25), white);
}

TEST(LegendTicks, SmallSpanAndFewTicks)
{
    Scale s;
    s.legend.m_dScale = 100 / 1.5; // 1.5 units: step 0.1, majors at 0, 0.5, 1.0
    s.draw();
    EXPECT_TRUE(s.tickMarkAt((int)std::lround(0.5 * 100 / 1.5)));
    EXPECT_TRUE(s.tickMarkAt((int)std::lround(1.0 * 100 / 1.5)));
    EXPECT_FALSE(s.tickMarkAt((int)std::lround(0.2 * 100 / 1.5)));
    EXPECT_EQ(s.at(0, (int)std::lround(0.2 * 100 / 1.5)), grey);

    Scale few;
    few.legend.m_dScale = 20; // 0..5: l - f = 5, every tick is major
    few.draw();
    for (int v = 0; v <= 5; ++v) EXPECT_TRUE(few.tickMarkAt(v * 20)) << v;
}

TEST(LegendTicks, FeetBasedStepsInImperialUnits)
{
    qemet::Qemet::SetUnitSystem(qemet::US_IMPERIAL);
    Scale s;
    s.legend.m_dScale = 100 / 3.0; // 3 m: step 1 ft, ticks 0..9, majors 0 and 6
    s.draw();
    const auto yOf = [](int feet) { return (int)std::lround(feet * 0.3048 * 100 / 3.0); };
    EXPECT_TRUE(s.tickMarkAt(yOf(0)));
    EXPECT_TRUE(s.tickMarkAt(yOf(6)));
    for (int j : {1, 2, 3, 4, 5, 7, 8, 9}) {
        EXPECT_FALSE(s.tickMarkAt(yOf(j))) << j;
        EXPECT_EQ(s.at(0, yOf(j)), grey) << j;
    }
    qemet::Qemet::SetUnitSystem(qemet::US_METRIC);
}

TEST(LegendTicks, ASpanOfExactlyTwoStepsKeepsTheStep)
{
    Scale s;
    s.legend.m_dScale = 50; // 0..2: two steps of 1, so ticks at 0, 1, 2 only
    s.draw();
    for (int v = 0; v <= 2; ++v) {
        EXPECT_TRUE(s.tickMarkAt(v * 50)) << v;
        EXPECT_EQ(s.at(0, v * 50), black) << v; // few ticks: each one major
    }
    for (int tenth : {1, 2, 4, 6, 9, 11, 15, 19})
        EXPECT_EQ(s.at(0, tenth * 5), white) << tenth; // no tenths
}

TEST(LegendTicks, AnImperialSpanUnderTwoFeetHasATickEveryInch)
{
    qemet::Qemet::SetUnitSystem(qemet::US_IMPERIAL);
    Scale s;
    const double inch = 0.0254, pixelsPerMetre = 100 / (18 * inch); // 18 in over the height
    s.legend.m_dScale = pixelsPerMetre;
    s.draw();
    const auto yOf = [&](int inches) { return (int)std::lround(inches * inch * pixelsPerMetre); };
    for (int j = 0; j < 18; ++j) {
        const bool major = j % 6 == 0; // every half foot
        EXPECT_EQ(s.tickMarkAt(yOf(j)), major) << j;
        EXPECT_EQ(s.at(0, yOf(j)), major ? black : grey) << j;
    }
    qemet::Qemet::SetUnitSystem(qemet::US_METRIC);
}

TEST(LegendLabels, FreeRegionRule)
{
    ChartCanvas c(200, 100, white);
    Pellix::CPainterBegin begin(&c.painter, &c.canvas.dc);
    LabelProbe legend; // 12 pixels high, 8 per character
    legend.m_dPixel = 1;
    legend.m_rcFree = Pellix::CRectDouble(0, 0, 200, 100);
    // 32 x 12 at (10, 50): 10 free on the left, 158 on the right, so the part
    // right of it stays; 50 above, 38 below, so the part above it stays.
    EXPECT_TRUE(legend.place(&c.painter, 10, 50, L"abcd"));
    EXPECT_EQ(legend.m_rcFree, Pellix::CRectDouble(42, 50, 200, 100));
    EXPECT_FALSE(legend.place(&c.painter, 30, 50, L"ab")); // overlaps: skipped
    EXPECT_TRUE(legend.place(&c.painter, 42, 50, L"ab"));  // just beyond it
    EXPECT_EQ(legend.m_rcFree.x0, 58);
    EXPECT_FALSE(c.canvas.inkBox().IsRectEmpty());
}

TEST(LegendMarks, LinesColoursAndTexts)
{
    Scale s;
    s.legend.m_dScale = 10;
    s.legend.m_bGridLines = false;
    s.legend.m_vMarks = {3.0, 7.0};
    s.legend.m_vMarkColors = {red};
    s.legend.m_bMarkLines = true;
    s.draw();
    EXPECT_EQ(s.at(0, 30), red);  // first mark in its colour
    EXPECT_EQ(s.at(0, 70), grey); // second has no colour: the line colour
    EXPECT_EQ(s.at(1, 30), white);
    EXPECT_FALSE(s.tickMarkAt(30)); // no minor ticks: marks have no tick mark
    EXPECT_EQ(s.at(0, 50), white);  // no grid lines
}

TEST(LegendOpenCases, OddSidesScalesAndRectangles)
{
    Scale side;
    side.legend.m_nSide = 7;
    side.draw();
    EXPECT_EQ(side.canvas.count(white), 61 * 101);

    for (double scale : {0.0, (double)NAN, (double)INFINITY}) {
        Scale s;
        s.legend.m_dScale = scale;
        s.draw();
        EXPECT_EQ(s.at(58, 50), back) << scale;           // the band is there
        EXPECT_EQ(s.canvas.count(grey), 0) << scale;       // no ticks
        EXPECT_EQ(s.canvas.count(black), 0) << scale;
    }

    Scale mirrored; // values count down the axis
    mirrored.legend.m_dScale = -10;
    mirrored.legend.m_dOffset = 100;
    mirrored.draw();
    EXPECT_TRUE(mirrored.tickMarkAt(100)); // value 0
    EXPECT_TRUE(mirrored.tickMarkAt(50));  // value 5
    EXPECT_FALSE(mirrored.tickMarkAt(90));

    Scale inverted;
    const Pellix::CRectDouble empty;
    {
        Pellix::CPainterBegin begin(&inverted.painter, &inverted.canvas.dc);
        inverted.legend.draw(&inverted.painter, &empty);
    }
    EXPECT_EQ(inverted.canvas.count(grey) + inverted.canvas.count(black), 0);
}
