// Text measuring with a warm glyph cache, and filling and blitting a full-HD
// surface next to memset/memcpy of the same bytes.
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

} // namespace

BENCHMARK_MAIN();
