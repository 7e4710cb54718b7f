// Time of reading and writing a design input file: the version 1.00 reader (as opening
// a file runs it, with the version probe), the legacy 1.00β reader, encoding a design to
// its bytes and saving it (temporary file, sync, rename).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/file_util.h"
#include "design/input_file.h"

namespace {

std::string example(const char* name) {
    return std::string(NUVRA_SOURCE_DIR) + "/examples/" + name;
}

nuvra::DesignData loadDesign() {
    nuvra::DesignData d;
    if (!nuvra::LoadInputFile(d, example("sample.nvr")).ok) {
        std::fprintf(stderr, "input_file_bench: cannot read the example design\n");
        std::exit(2);
    }
    return d;
}

void BM_OpenInputFile(benchmark::State& state) {
    const std::string path = example("sample.nvr");
    nuvra::DesignData d;
    for (auto _ : state) {
        nuvra::OpenResult r = nuvra::OpenInputFile(d, path);
        if (!r.file.ok) state.SkipWithError("cannot open the example design");
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_OpenInputFile);

void BM_LoadInputFileBeta(benchmark::State& state) {
    const std::string path = example("legacy-beta.nvr");
    nuvra::DesignData d;
    for (auto _ : state) {
        if (!nuvra::LoadInputFileBeta(d, path).ok)
            state.SkipWithError("cannot read the 1.00β design");
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_LoadInputFileBeta);

void BM_EncodeInputFile(benchmark::State& state) {
    const nuvra::DesignData d = loadDesign();
    std::string bytes;
    for (auto _ : state) {
        nuvra::encodeInputFile(d, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_EncodeInputFile);

// Saving replaces the file atomically and waits for the disk (fsync): the time is mostly
// the file system's.
void BM_SaveInputFile(benchmark::State& state) {
    const nuvra::DesignData d = loadDesign();
    nuvra::ScratchFolder scratch("nuvra-bench-");
    if (scratch.path().empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = scratch.path() + "/design.nvr";
    for (auto _ : state) {
        if (!nuvra::SaveInputFile(d, path).ok) state.SkipWithError("cannot save");
    }
}
BENCHMARK(BM_SaveInputFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
