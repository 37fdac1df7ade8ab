// Painting a full 1280 x 800 record grid of 20 fields over a hundred and over
// ten million records (painting costs what is visible, not what exists), and
// a 1000 x 680 table window of 10 fields over ten million; the CSV
// export of a million cells next to fwrite of the same bytes, next to what
// the host alone spends on those cells and next to pasting the same table
// (Ctrl+V of its own copy, every cell through the host's store); and the
// peak memory of a grid over 10^5 and 10^7 records scrolled from top to
// bottom.
#include "ComputedGrid.h"
#include "PeakRss.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// Records, fields, width and height.
void BM_PaintFullGrid(benchmark::State& state)
{
    GridWindow w((int)state.range(0), (int)state.range(1), (int)state.range(2), (int)state.range(3));
    w.grid.m_nAsked = 0;
    for (auto _ : state) {
        w.grid.Invalidate(FALSE);
        w.grid.UpdateWindow();
    }
    state.counters["records"] = (double)state.range(0);
    state.counters["fields"] = (double)state.range(1);
    state.counters["cells/paint"] = (double)w.grid.m_nAsked / (double)state.iterations();
}
BENCHMARK(BM_PaintFullGrid)
    ->Args({100, 20, 1280, 800})
    ->Args({10000000, 20, 1280, 800})
    ->Args({10000000, 10, 1000, 680})
    ->Unit(benchmark::kMillisecond);

// The grid is made, shown and scrolled from the top to the last page in 1000
// even jumps (as a thumb drag goes), each painted. The grid keeps nothing per
// record, so the peak must not grow with the record count.
void BM_ScrollTopToBottomPeakMemory(benchmark::State& state)
{
    const int records = (int)state.range(0);
    double peak = 0.0, before = 0.0;
    for (auto _ : state) {
        peak_rss::restart();
        before = peak_rss::mebibytes();
        GridWindow w(records, 20);
        for (int step = 0; step <= 1000; ++step) {
            w.grid.SetTopRow((ROWCOL)((long long)records * step / 1000));
            w.grid.UpdateWindow();
        }
        peak = peak_rss::mebibytes();
    }
    state.counters["records"] = (double)records;
    state.counters["peak RSS MiB"] = peak;
    state.counters["peak growth MiB"] = peak - before;
}
BENCHMARK(BM_ScrollTopToBottomPeakMemory)->Arg(100000)->Arg(10000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// 100 000 records of 10 fields: a million data cells.
constexpr int kRecords = 100000, kFields = 10;

std::filesystem::path exportFile()
{
    return std::filesystem::temp_directory_path() / "vorel-bench-export.csv";
}

void BM_ExportCsvMillionCells(benchmark::State& state)
{
    GridWindow w(kRecords, kFields);
    const std::filesystem::path path = exportFile();
    for (auto _ : state) {
        // Truncating the last run's file would wait for the file system to
        // write it back, which is no part of the export.
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
        platform::user().saveFileAs(CString(path.wstring().c_str()));
        w.grid.SendMessage(WM_COMMAND, 39950);
    }
    platform::user().reset();
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)std::filesystem::file_size(path));
}
BENCHMARK(BM_ExportCsvMillionCells)->Unit(benchmark::kMillisecond);

// What the host alone spends on the same cells: each asked once, as the
// export asks it, into one reused style.
void BM_HostCellsOnly(benchmark::State& state)
{
    GridWindow w(kRecords, kFields);
    CGXStyle style;
    for (auto _ : state)
        for (ROWCOL r = 0; r <= (ROWCOL)kRecords; ++r)
            for (ROWCOL c = 0; c <= (ROWCOL)kFields; ++c) {
                style.Free();
                w.grid.GetStyleRowCol(r, c, style, gxCopy, 0);
                benchmark::DoNotOptimize(style);
            }
}
BENCHMARK(BM_HostCellsOnly)->Unit(benchmark::kMillisecond);

// The table's data cells as the grid copies them (tab-separated text),
// pasted back over themselves from the first cell on.
void BM_PasteMillionCells(benchmark::State& state)
{
    GridWindow w(kRecords, kFields);
    w.grid.setPaste(true);
    w.grid.SetCurrentCell(w.grid.GetHeaderRows() + 1, 1);
    CGXRangeList data;
    data.AddTail(CGXRange(w.grid.GetHeaderRows() + 1, 1, w.grid.GetRowCount(), w.grid.GetColCount()));
    platform::PutClipboardText(w.frame.GetSafeHwnd(), w.grid.GetCopyTextRanges(data));
    for (auto _ : state) {
        w.grid.SetCurrentCell(w.grid.GetHeaderRows() + 1, 1);
        w.grid.SendMessage(WM_COMMAND, 57637);
    }
    state.counters["cells/paste"] = (double)w.grid.m_nStored / (double)state.iterations();
}
BENCHMARK(BM_PasteMillionCells)->Unit(benchmark::kMillisecond);

// The bytes the export wrote, written again with fwrite.
void BM_FwriteSameBytes(benchmark::State& state)
{
    const std::filesystem::path path = exportFile();
    if (!std::filesystem::exists(path)) {
        GridWindow w(kRecords, kFields);
        platform::user().saveFileAs(CString(path.wstring().c_str()));
        w.grid.SendMessage(WM_COMMAND, 39950);
    }
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::filesystem::path copy = std::filesystem::temp_directory_path() / "vorel-bench-fwrite.csv";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(copy);
        state.ResumeTiming();
        FILE* f = std::fopen(copy.string().c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)bytes.size());
    std::filesystem::remove(copy);
}
BENCHMARK(BM_FwriteSameBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
