// Painting a full 1280 x 800 record grid over a hundred and over ten million
// records (painting costs what is visible, not what exists), and the CSV
// export of a million cells next to fwrite of the same bytes.
#include "grid/RGrid.h"
#include "win/Afx.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// Every cell computed on request from its record and field; nothing is kept
// per record.
class ComputedGrid : public NVorel::CRGrid {
public:
    ComputedGrid(int nRecords, int nFields) : m_nRecords(nRecords)
    {
        for (int f = 0; f <= nFields; ++f)
            GetCols().push_back({f, -1, false});
        ApplyCol2Var();
    }

protected:
    int _GetRowCount() override { return m_nRecords; }
public:
    long m_nAsked = 0; // cells the grid asked for

protected:
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        ++m_nAsked;
        wchar_t text[32];
        std::swprintf(text, 32, L"%d.%02d", nRec % 10000, (nRec + nField) % 100);
        style.SetValue(text);
        return 1;
    }
    int _GetStyleHeader(int, int nId, bool, CGXStyle& style) override
    {
        style.SetValue((L"F" + std::to_wstring(nId)).c_str());
        return 1;
    }

private:
    int m_nRecords;
};

struct GridWindow {
    GridWindow(int nRecords, int nFields) : grid(nRecords, nFields)
    {
        platform::desktop().setScreenSize(1300, 820);
        frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1300, 820), nullptr, 0);
        grid.Create(WS_VISIBLE, CRect(0, 0, 1280, 800), &frame, 1);
        platform::desktop().processMessages();
    }
    CWnd frame;
    ComputedGrid grid;
};

void BM_PaintFullGrid(benchmark::State& state)
{
    GridWindow w((int)state.range(0), 20);
    w.grid.m_nAsked = 0;
    for (auto _ : state) {
        w.grid.Invalidate(FALSE);
        w.grid.UpdateWindow();
    }
    state.counters["records"] = (double)state.range(0);
    state.counters["cells/paint"] = (double)w.grid.m_nAsked / (double)state.iterations();
}
BENCHMARK(BM_PaintFullGrid)->Arg(100)->Arg(10000000)->Unit(benchmark::kMillisecond);

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
        platform::user().saveFileAs(CString(path.wstring().c_str()));
        platform::user().confirm(true); // replacing the last run's file
        w.grid.SendMessage(WM_COMMAND, 39950);
    }
    platform::user().reset();
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)std::filesystem::file_size(path));
}
BENCHMARK(BM_ExportCsvMillionCells)->Unit(benchmark::kMillisecond);

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
