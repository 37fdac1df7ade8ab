// Building and colouring an automatic area scale; the cost should grow linearly
// with the number of sections.
#include "areascale/AutoScale.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AutoScaleAndColours(benchmark::State& state)
{
    const auto sections = (unsigned int)state.range(0);
    AreaScaleItems items;
    for (auto _ : state) {
        AutoScale(0.02, 0.01, 0.0, 0.004, sections, items, 0, CGridAreaScale::SCALE_ARITHMETIC);
        FillItemsColor(items);
        benchmark::DoNotOptimize(items.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AutoScaleAndColours)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
