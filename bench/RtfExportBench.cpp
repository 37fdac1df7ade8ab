// The RTF table of 10^5 computed cells against the CSV export of the same
// table in the same run, and the fitting of a 1,000-character cell to its
// column by a search over the cut against removing one character at a time.
#include "ComputedGrid.h"
#include "grid/Grid2Rtf.h"
#include "grid/TextFit.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// 10 000 records of 10 fields: 10^5 data cells, two pages on 18 cm.
constexpr int kRecords = 10000, kFields = 10;
constexpr double kPageCm = 18.0;

std::filesystem::path benchFile(const char* name)
{
    return std::filesystem::temp_directory_path() / name;
}

void BM_RtfExport(benchmark::State& state)
{
    GridWindow w(kRecords, kFields);
    CGXRangeList table;
    table.AddTail(CGXRange().SetTable());
    const CString path(benchFile("vorel-bench-export.rtf").wstring().c_str());
    size_t size = 0;
    for (auto _ : state) {
        const CString rtf = NVorel::Grid2Rtf(w.grid, table, kPageCm);
        const std::string bytes(rtf.str().begin(), rtf.str().end()); // plain ASCII
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), (UINT)bytes.size());
        size = bytes.size();
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)size);
}
BENCHMARK(BM_RtfExport)->Unit(benchmark::kMillisecond);

void BM_CsvExportSameTable(benchmark::State& state)
{
    GridWindow w(kRecords, kFields);
    const CString path(benchFile("vorel-bench-export-small.csv").wstring().c_str());
    for (auto _ : state) {
        platform::user().saveFileAs(path);
        platform::user().confirm(true); // replacing the last run's file
        w.grid.SendMessage(WM_COMMAND, 39950);
    }
    platform::user().reset();
}
BENCHMARK(BM_CsvExportSameTable)->Unit(benchmark::kMillisecond);

// A 1,000-character cell in a column of about 40 characters.
const CString longText = [] {
    std::wstring text = L" ";
    while (text.size() < 1000)
        text += L"Reinforcement 4 x 16 mm, spacing 150 mm; ";
    return CString(text.substr(0, 1000));
}();
constexpr long long kColumnUnits = 5000;

void BM_FitLongTextBySearch(benchmark::State& state)
{
    CGXGridWnd grid;
    NVorel::CTextFit fit(grid);
    for (auto _ : state)
        benchmark::DoNotOptimize(fit.Fit(longText.str(), kColumnUnits, false));
}
BENCHMARK(BM_FitLongTextBySearch)->Unit(benchmark::kMicrosecond);

// The same cut found by measuring again after every removed character.
void BM_FitLongTextOneByOne(benchmark::State& state)
{
    CWindowDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    LOGFONTW lf{};
    wcscpy(lf.lfFaceName, L"Arial");
    lf.lfHeight = 236;
    lf.lfWeight = FW_NORMAL;
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* old = dc.SelectObject(&font);
    for (auto _ : state) {
        CString text = longText;
        while (!text.IsEmpty() && dc.GetTextExtent(text).cx > kColumnUnits)
            text = text[0] == L' ' ? text.Mid(1) : text.Left(text.GetLength() - 1);
        benchmark::DoNotOptimize(text);
    }
    dc.SelectObject(old);
}
BENCHMARK(BM_FitLongTextOneByOne)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
