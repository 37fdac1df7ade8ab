// Loading and switching language modules, as a host does when the user changes
// the language.
#include "frame/Lang.h"

#include <benchmark/benchmark.h>

namespace {

const std::wstring folder = std::wstring(L"" VOREL_LANG_DIR) + L"/";

void BM_LoadAndFreeModule(benchmark::State& state)
{
    const std::wstring path = folder + L"vorel_049.dll";
    for (auto _ : state) {
        HMODULE h = LoadLibraryW(path.c_str());
        benchmark::DoNotOptimize(h);
        FreeLibrary(h);
    }
}
BENCHMARK(BM_LoadAndFreeModule);

void BM_SwitchLanguage(benchmark::State& state)
{
    int next = 48;
    for (auto _ : state) {
        NVorel::setLangWork(next, folder.c_str());
        next = next == 48 ? 49 : 48;
    }
    NVorel::freeLang();
}
BENCHMARK(BM_SwitchLanguage);

void BM_LoadStringFromLanguageModule(benchmark::State& state)
{
    NVorel::setLangWork(49, folder.c_str());
    CString s;
    for (auto _ : state) {
        s.LoadString(NVorel::getLangModule(), 39958);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_LoadStringFromLanguageModule);

} // namespace

BENCHMARK_MAIN();
