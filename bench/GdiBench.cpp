// Text measuring with a warm glyph cache, filling and blitting a full-HD
// surface next to memset/memcpy of the same bytes, and a curve of 10^5
// one-pixel segments drawn with Polyline next to MoveTo and LineTo.
#include "win/Afx.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

constexpr int width = 1920, height = 1080;
constexpr size_t bytes = (size_t)width * height * sizeof(COLORREF);

// A memory DC holding a full-HD bitmap.
struct Canvas {
    Canvas()
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        old = dc.SelectObject(&bitmap);
    }
    ~Canvas() { dc.SelectObject(old); }
    CDC dc;
    CBitmap bitmap;
    CBitmap* old;
};

void BM_MeasureText20Chars(benchmark::State& state)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -12;
    std::wcscpy(lf.lfFaceName, L"Arial");
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* old = dc.SelectObject(&font);
    const CString texts[] = {L"Reinforcement area 1", L"Bar spacing 15.0 cm ", L"Diameter 12 mm / 16 ",
                             L"As,min = 3.93 cm2/m "};
    for (const CString& t : texts) dc.GetTextExtent(t); // warm the glyph cache
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(dc.GetTextExtent(texts[i++ & 3]));
    state.SetItemsProcessed(state.iterations());
    dc.SelectObject(old);
}
BENCHMARK(BM_MeasureText20Chars);

void BM_FillSolidRectFullHD(benchmark::State& state)
{
    Canvas c;
    COLORREF color = 0;
    for (auto _ : state) {
        c.dc.FillSolidRect(0, 0, width, height, color++);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)bytes);
}
BENCHMARK(BM_FillSolidRectFullHD);

void BM_MemsetFullHD(benchmark::State& state)
{
    std::vector<COLORREF> pixels((size_t)width * height);
    int value = 0;
    for (auto _ : state) {
        std::memset(pixels.data(), value++ & 0xFF, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)bytes);
}
BENCHMARK(BM_MemsetFullHD);

void BM_BitBltFullHD(benchmark::State& state)
{
    Canvas from, to;
    for (auto _ : state) {
        to.dc.BitBlt(0, 0, width, height, &from.dc, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)bytes);
}
BENCHMARK(BM_BitBltFullHD);

void BM_MemcpyFullHD(benchmark::State& state)
{
    std::vector<COLORREF> from((size_t)width * height, 1), to((size_t)width * height);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)bytes);
}
BENCHMARK(BM_MemcpyFullHD);

// A curve of one-pixel segments on the full-HD canvas, as a chart of many
// points draws: each to one of the eight neighbouring pixels, turned back at
// the edges; the same points every run.
std::vector<CPoint> curvePoints()
{
    std::vector<CPoint> points{CPoint(width / 2, height / 2)};
    unsigned seed = 12345;
    const auto step = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (int)((seed >> 16) % 3) - 1;
    };
    while (points.size() <= 100000) {
        const int dx = step(), dy = step();
        if (dx == 0 && dy == 0) continue;
        CPoint p = points.back() + CSize(dx, dy);
        p.x = p.x < 0 ? -p.x : p.x >= width ? 2 * (width - 1) - p.x : p.x;
        p.y = p.y < 0 ? -p.y : p.y >= height ? 2 * (height - 1) - p.y : p.y;
        points.push_back(p);
    }
    return points;
}

void BM_CurveMoveToLineTo(benchmark::State& state)
{
    Canvas c;
    const std::vector<CPoint> points = curvePoints();
    for (auto _ : state) {
        c.dc.MoveTo(points[0]);
        for (size_t i = 1; i < points.size(); ++i) c.dc.LineTo(points[i]);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed((int64_t)state.iterations() * (int64_t)(points.size() - 1));
}
BENCHMARK(BM_CurveMoveToLineTo)->Unit(benchmark::kMillisecond);

void BM_CurvePolyline(benchmark::State& state)
{
    Canvas c;
    const std::vector<CPoint> points = curvePoints();
    for (auto _ : state) {
        c.dc.Polyline(points.data(), (int)points.size());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed((int64_t)state.iterations() * (int64_t)(points.size() - 1));
}
BENCHMARK(BM_CurvePolyline)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
