// Collecting, rendering and showing many messages: each must grow linearly;
// and the peak memory of a collector of 10^5 messages shown in the dialog.
#include "PeakRss.h"
#include "frame/Lang.h"
#include "reproach/Reproach.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using NVorel::CReproach;

const winres::StringResource kStrings[] = {{500, L"Member %s: area %s"}};
const winres::ResourceTable kTable{kStrings, {}, {}, {}};

void useHostStrings()
{
    AfxSetResourceHandle(platform::RegisterApplicationModule(&kTable));
}

void fill(CReproach& r, int64_t n)
{
    for (int64_t i = 0; i < n; ++i)
        r.add(i % 3 ? CReproach::ER_WARNING : CReproach::ER_ERROR, 500)
            .arg((int)i)
            .arg(1e-4 * (double)(i % 100), qemet::QT_REINF_AREA);
}

void BM_AddMessages(benchmark::State& state)
{
    for (auto _ : state) {
        CReproach r;
        fill(r, state.range(0));
        benchmark::DoNotOptimize(r.size());
    }
    state.SetComplexityN(state.range(0));
}

void BM_RenderMessages(benchmark::State& state)
{
    useHostStrings();
    CReproach r;
    fill(r, state.range(0));
    CStringArray lines;
    std::vector<CReproach::ERType> kinds;
    for (auto _ : state) {
        r.add2dlg(&lines, &kinds, true);
        benchmark::DoNotOptimize(lines.GetSize());
    }
    state.SetComplexityN(state.range(0));
}

// One refresh of the non-modal dialog: every message rendered again and the
// list refilled and repainted. Rendering alone (above) is its baseline.
void BM_RefreshNoModal(benchmark::State& state)
{
    NVorel::setLangWork(48, (std::filesystem::path(VOREL_LANG_DIR).wstring() + L"/").c_str());
    useHostStrings();
    CWnd frame;
    frame.CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600), nullptr, 0);
    CReproach r;
    fill(r, state.range(0));
    peak_rss::restart();
    const double peakBefore = peak_rss::mebibytes();
    r.createNoModal(&frame, 1);
    for (auto _ : state) {
        r.refreshNoModal();
        benchmark::DoNotOptimize(r.progress());
    }
    state.SetComplexityN(state.range(0));
    state.counters["messages"] = (double)state.range(0);
    state.counters["dialog peak growth MiB"] = peak_rss::mebibytes() - peakBefore;
}

} // namespace

BENCHMARK(BM_AddMessages)->RangeMultiplier(10)->Range(10000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderMessages)->RangeMultiplier(10)->Range(10000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshNoModal)->RangeMultiplier(10)->Range(10000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
