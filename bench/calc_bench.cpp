// Time of one whole calculation run on the bundled example design, and of the JSON of
// its result store.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"
#include "design/input_file.h"

namespace {

nuvra::DesignData loadDesign() {
    std::string root = NUVRA_SOURCE_DIR;
    std::string path = root + "/examples/sample.nvr";
    if (!std::filesystem::exists(path)) path = root + "/tests/vectors/vec-05.nvr";
    nuvra::DesignData d;
    if (!nuvra::LoadInputFile(d, path).ok) {
        std::fprintf(stderr, "calc_bench: cannot read %s\n", path.c_str());
        std::exit(2);
    }
    return d;
}

void BM_RunCalculation(benchmark::State& state) {
    const nuvra::DesignData d = loadDesign();
    nuvra::calc::ResultStore store;
    for (auto _ : state) {
        bool ok = nuvra::calc::RunCalculation(d, store);
        benchmark::DoNotOptimize(ok);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RunCalculation);

void BM_ResultJson(benchmark::State& state) {
    const nuvra::DesignData d = loadDesign();
    nuvra::calc::ResultStore store;
    bool ok = nuvra::calc::RunCalculation(d, store);
    for (auto _ : state) {
        std::string json = nuvra::calc::ResultJson(store, ok);
        benchmark::DoNotOptimize(json.data());
    }
}
BENCHMARK(BM_ResultJson);

}  // namespace

BENCHMARK_MAIN();
