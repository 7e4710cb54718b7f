// Time of one whole report generation on the bundled example design: every chapter
// file with its figures, the combined file of the offered chapters, and the deletion of
// all of them, as the print window does between opening and closing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/run/calc_run.h"
#include "common/file_util.h"
#include "design/input_file.h"
#include "report/report_generation.h"

namespace {

void BM_ReportGeneration(benchmark::State& state) {
    const std::string path = std::string(NUVRA_SOURCE_DIR) + "/examples/sample.nvr";
    nuvra::DesignData d;
    nuvra::calc::ResultStore store;
    if (!nuvra::LoadInputFile(d, path).ok || !nuvra::calc::RunCalculation(d, store)) {
        state.SkipWithError("cannot calculate the example design");
        return;
    }
    nuvra::ScratchFolder scratch("nuvra-bench-");
    if (scratch.path().empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    nuvra::report::GenerationOptions options;
    options.AppFolder = std::string(NUVRA_BINARY_DIR) + "/bin";  // template and style files
    options.OutputFolder = scratch.path();
    for (auto _ : state) {
        nuvra::report::ReportGeneration gen(options);
        nuvra::report::GenerationResult r = gen.Generate(d, store);
        if (!r.Ok) state.SkipWithError("a chapter failed");
        std::string combined = gen.Combine(gen.DefaultChoice());
        benchmark::DoNotOptimize(combined);
    }
}
BENCHMARK(BM_ReportGeneration)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
