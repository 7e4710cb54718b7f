// Time of one whole report generation on the bundled example design: every chapter
// file with its figures, the combined file of the offered chapters, and the deletion of
// all of them, as the print window does between opening and closing.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "calc/loads/calc_run.h"
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
    std::string tmpl = (std::filesystem::temp_directory_path() / "nuvra-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    nuvra::report::GenerationOptions options;
    options.AppFolder = std::string(NUVRA_BINARY_DIR) + "/bin";  // template and style files
    options.OutputFolder = tmpl;
    for (auto _ : state) {
        nuvra::report::ReportGeneration gen(options);
        nuvra::report::GenerationResult r = gen.Generate(d, store);
        if (!r.Ok) state.SkipWithError("a chapter failed");
        std::string combined = gen.Combine(gen.DefaultChoice());
        benchmark::DoNotOptimize(combined);
    }
    std::filesystem::remove_all(tmpl);
}
BENCHMARK(BM_ReportGeneration)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
