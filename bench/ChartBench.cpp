// Drawing a chart against the same polyline drawn with plain MoveTo/LineTo on
// the same DC: the difference is the chart's own overhead (range, painter,
// scale).
#include "chart/RwChart.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kWidth = 800, kHeight = 600;

struct Surface {
    Surface()
    {
        CWindowDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, kWidth, kHeight);
        old = dc.SelectObject(&bitmap);
        painter.setLocalSize(kWidth - 1, kHeight - 1);
        painter.setGlobalSize(kWidth - 1, kHeight - 1);
        painter.solveTransformation();
    }
    ~Surface() { dc.SelectObject(old); }
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    Pellix::CPainter painter;
};

double value(int i, int n) { return std::sin(12.0 * i / n) * (1 + i % 7); }

void fill(NVorel::CRwChart& chart, int n)
{
    for (int i = 0; i < n; ++i) chart.push_back(NVorel::CChartZone(kHeight * (double)i / n, value(i, n), value(i + 1, n)));
}

void BM_ChartDraw(benchmark::State& state)
{
    Surface s;
    NVorel::CRwChart chart;
    fill(chart, (int)state.range(0));
    for (auto _ : state) {
        Pellix::CPainterBegin begin(&s.painter, &s.dc);
        chart.draw(&s.painter);
    }
}
BENCHMARK(BM_ChartDraw)->Arg(10)->Arg(1000)->Arg(100000);

// The same lines the chart draws, already in pixels: the floor any chart drawing has.
void BM_PolylineBaseline(benchmark::State& state)
{
    Surface s;
    const int n = (int)state.range(0);
    std::vector<CPoint> points;
    double lo = 0, hi = 0;
    for (int i = 0; i <= n; ++i) {
        lo = std::min(lo, value(i, n));
        hi = std::max(hi, value(i, n));
    }
    for (int i = 0; i < n; ++i) {
        const int x = (int)((value(i, n) - lo) / (hi - lo) * (kWidth - 1));
        points.emplace_back(x, kHeight - 1 - (int)(kHeight * (double)i / n));
    }
    CPen pen(PS_SOLID, 2, RGB(0, 0, 255));
    CPen* old = s.dc.SelectObject(&pen);
    for (auto _ : state) {
        s.dc.MoveTo(points[0]);
        for (size_t i = 1; i < points.size(); ++i) s.dc.LineTo(points[i]);
    }
    s.dc.SelectObject(old);
}
BENCHMARK(BM_PolylineBaseline)->Arg(10)->Arg(1000)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
