// TextOut of 10^4 short strings, as grids draw their cells' values over the
// cells' backgrounds, with smoothed glyphs next to the 1-bit path of
// NONANTIALIASED_QUALITY in the same run: smoothing may cost at most 1.5 times
// as much.
#include "win/Afx.h"

#include <benchmark/benchmark.h>

#include <cwchar>

namespace {

// A screen of 2000 cells of 64 x 16 pixels, 40 to a row, drawn five times
// over fresh backgrounds: 10^4 strings, each in a cell of its own.
constexpr int cellWidth = 64, cellHeight = 16, columns = 40, cells = 2000, strings = 10000;
constexpr int width = columns * cellWidth, height = cells / columns * cellHeight;

void BM_TextOut10kStrings(benchmark::State& state)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    CBitmap* oldBitmap = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    LOGFONTW lf{};
    lf.lfHeight = -12;
    lf.lfQuality = (BYTE)state.range(0);
    const int mode = (int)state.range(1);
    std::wcscpy(lf.lfFaceName, L"Arial");
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* oldFont = dc.SelectObject(&font);
    // Opaque text fills its cell first; transparent text lies over what is there.
    dc.SetBkMode(mode);
    const CString texts[] = {L"300", L"0.00", L"B12", L"internal", L"12.50", L"C30/37", L"314.16", L"edge"};
    for (const CString& t : texts) dc.TextOut(0, 0, t); // warm the glyph cache
    for (auto _ : state) {
        for (int screen = 0; screen < strings / cells; ++screen) {
            state.PauseTiming();
            dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255)); // fresh cell backgrounds
            state.ResumeTiming();
            for (int i = 0; i < cells; ++i)
                dc.TextOut(i % columns * cellWidth + 2, i / columns * cellHeight + 1, texts[(i + screen) & 7]);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * strings);
    dc.SelectObject(oldFont);
    dc.SelectObject(oldBitmap);
}
BENCHMARK(BM_TextOut10kStrings)
    ->ArgNames({"quality", "mode"})
    ->Args({NONANTIALIASED_QUALITY, OPAQUE})
    ->Args({DEFAULT_QUALITY, OPAQUE})
    ->Args({NONANTIALIASED_QUALITY, TRANSPARENT})
    ->Args({DEFAULT_QUALITY, TRANSPARENT})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
