// Result charts and value scales as a host's result views draw them: through the
// painter into bitmaps, saved as pictures.
#include "Pages.h"

#include "chart/RwChart.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <cmath>
#include <functional>

namespace {

using Pellix::CPainter;
using Pellix::CPoint2d;

// A white bitmap with a painter whose global rectangle spans yLow..yHigh upward
// and, at the same units per pixel, from 0 to the right; draw() paints into it,
// the result is saved.
void picture(Gallery& g, const std::string& file, const std::string& caption, int width, int height, double yLow,
             double yHigh, const std::function<void(CPainter&)>& draw)
{
    CWindowDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    CPainter painter;
    painter.setLocalOrigin(CPoint2d(0, 0));
    painter.setLocalSize(width - 1, height - 1);
    painter.setGlobalOrigin(CPoint2d(0, yLow));
    painter.setGlobalSize((width - 1) * (yHigh - yLow) / (height - 1), yHigh - yLow);
    painter.solveTransformation();
    {
        Pellix::CPainterBegin begin(&painter, &dc);
        draw(painter);
    }
    dc.SelectObject(old);
    platform::SavePng(bitmap, g.file(file));
    g.picture(file, caption);
}

// A chart of f sampled at n + 1 positions from 0 to length.
void sample(NVorel::CRwChart& chart, double length, int n, const std::function<double(double)>& f)
{
    for (int i = 0; i <= n; ++i) {
        const double a = length * i / n, b = length * (i + 1) / n;
        chart.push_back(NVorel::CChartZone(a, f(a), f(std::min(b, length))));
    }
}

// Required reinforcement of a two-span slab strip (5 m spans), top negative.
double reinforcement(double x)
{
    const double span = 5.0, t = std::fmod(x, span) / span;
    const double field = 0.0011 * std::sin(M_PI * t);
    const double support = -0.0016 * std::exp(-std::pow((x - span) / 0.9, 2));
    return field + support;
}

void chartWithUnits(NVorel::CRwChart& chart)
{
    chart.m_legend.m_nUnitType = qemet::QT_REINF_AREA;
    chart.m_legend.m_font.SetSize(11).CreateDeviceFont();
}

} // namespace

void chartPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    g.beginPage("Result charts and value scales",
                "Charts hold a curve as pieces along a position axis (vertical here) and draw it with a value "
                "scale along the bottom; the scale picks round ticks, labels the major ones in the current "
                "display unit and skips labels that would overlap.");

    picture(g, "chart-reinforcement.png", "Required reinforcement of a two-span slab strip (mixed signs, cm²/m)", 360,
            260, -1.2, 10.2, [](CPainter& p) {
                NVorel::CRwChart chart;
                chartWithUnits(chart);
                sample(chart, 10.0, 40, reinforcement);
                chart.draw(&p);
            });

    picture(g, "chart-deflection.png", "Deflection of a beam (positive only, mm)", 360, 260, -1.2, 8.2,
            [](CPainter& p) {
                NVorel::CRwChart chart;
                chart.m_crLine = RGB(0, 128, 0);
                chart.m_legend.m_nUnitType = qemet::QT_DISPLACEMENT;
                chart.m_legend.m_font.SetSize(11).CreateDeviceFont();
                sample(chart, 8.0, 32, [](double x) { return 0.012 * std::sin(M_PI * x / 8.0); });
                chart.draw(&p);
            });

    picture(g, "chart-fixed.png", "Fixed range ±20 cm²/m with the origin fixed at x = 120", 360, 260, -1.2, 10.2,
            [](CPainter& p) {
                NVorel::CRwChart chart;
                chartWithUnits(chart);
                chart.m_bFixedRange = true;
                chart.m_dMin = -0.002 / 1.4;
                chart.m_dMax = 0.002 / 1.4;
                chart.m_bFixedOrigin = true;
                chart.m_dOrigin = 120;
                sample(chart, 10.0, 40, reinforcement);
                chart.draw(&p);
            });

    qemet::Qemet::SetUnitSystem(qemet::US_IMPERIAL);
    picture(g, "chart-imperial-marks.png", "Imperial units (in²/ft) with the host's marks for provided bars", 360, 260,
            -1.2, 10.2, [](CPainter& p) {
                NVorel::CRwChart chart;
                chartWithUnits(chart);
                chart.m_legend.m_vMarks = {0.000785, -0.00113};
                chart.m_legend.m_vMarkTexts = {L"#4@10 ", L"#5@7 "};
                chart.m_legend.m_vMarkColors = {RGB(0, 150, 0), RGB(200, 0, 0)};
                chart.m_legend.m_bMarkLines = true;
                chart.m_legend.m_bMarkTexts = true;
                sample(chart, 10.0, 40, reinforcement);
                chart.draw(&p);
            });
    qemet::Qemet::SetUnitSystem(qemet::US_METRIC);

    const char* sideNames[] = {"", "left", "right", "top", "bottom"};
    for (int side = 1; side <= 4; ++side) {
        const std::string file = "legend-side-" + std::to_string(side) + ".png";
        picture(g, file, std::string("Free-standing legend, band on the ") + sideNames[side] + " (lengths in m)", 260,
                200, 0.0, 199.0, [side](CPainter& p) {
                    NVorel::CRwLegend legend;
                    legend.m_nSide = side;
                    legend.m_nUnitType = qemet::QT_LEGEND_LENGTH;
                    legend.m_font.SetSize(11).CreateDeviceFont();
                    legend.m_bUnitAtStart = true;
                    legend.m_bMinorTicks = true;
                    // 12 m over the scaled axis: 259 units across, 199 up.
                    legend.m_dScale = (side <= 2 ? 199.0 : 259.0) / 12.0;
                    legend.draw(&p, nullptr);
                });
    }
}
