// Time of the automatic bar selection for all six faces of the example design (which has
// footings): every standard diameter at every standard spacing, per face.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/run/bar_selection.h"
#include "calc/run/calc_run.h"
#include "design/input_file.h"

namespace {

nuvra::calc::ResultStore exampleRun(std::int32_t Zai) {
    const std::string path = std::string(NUVRA_SOURCE_DIR) + "/examples/sample.nvr";
    nuvra::DesignData d;
    if (!nuvra::LoadInputFile(d, path).ok) {
        std::fprintf(stderr, "bar_selection_bench: cannot read %s\n", path.c_str());
        std::exit(2);
    }
    d.objInpZairyo.Zai = Zai;
    nuvra::calc::ResultStore store;
    nuvra::calc::RunCalculation(d, store);
    return store;
}

// Arg 1: plain round bars; 2: deformed bars.
void BM_SelectAllBars(benchmark::State& state) {
    const nuvra::calc::ResultStore store = exampleRun(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        auto choices = nuvra::calc::SelectAllBars(store, {});
        benchmark::DoNotOptimize(choices);
    }
}
BENCHMARK(BM_SelectAllBars)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
