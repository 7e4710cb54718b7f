// Time of the table over many designs (nuvra-cli calc FILE... --summary): 10,000 design
// files opened, calculated and summed up, on one and on two threads. The files are
// variations of the two example designs (inner height and surcharge), written once.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "calc/run/design_summary.h"
#include "design/input_file.h"

namespace {

constexpr int kDesigns = 10000;

struct Files {
    std::string folder;
    std::vector<std::string> paths;

    Files() {
        char tmpl[] = "/tmp/nuvra-batch-bench-XXXXXX";
        if (!mkdtemp(tmpl)) std::exit(2);
        folder = tmpl;
        std::vector<nuvra::DesignData> bases;
        for (const char* name : {"sample", "embankment"}) {
            nuvra::DesignData d;
            const std::string path = std::string(NUVRA_SOURCE_DIR) + "/examples/" + name + ".nvr";
            if (!nuvra::LoadInputFile(d, path).ok) {
                std::fprintf(stderr, "batch_bench: cannot read %s\n", path.c_str());
                std::exit(2);
            }
            bases.push_back(d);
        }
        for (int i = 0; i < kDesigns; ++i) {
            nuvra::DesignData d = bases[static_cast<std::size_t>(i % 2)];
            d.objInpJyoken.H += 0.01 * (i % 50);
            d.objInpJyoken.HWi = d.objInpJyoken.H;
            d.objInpMorido.Q = (i / 50) % 20;
            std::string bytes;
            nuvra::encodeInputFile(d, bytes);
            paths.push_back(folder + "/d" + std::to_string(i) + ".nvr");
            std::ofstream(paths.back(), std::ios::binary) << bytes;
        }
    }
    ~Files() {
        for (const std::string& p : paths)
            std::remove(p.c_str());
        std::remove(folder.c_str());
    }
};

// Arg: threads.
void BM_SummarizeFiles10000(benchmark::State& state) {
    static const Files files;
    for (auto _ : state) {
        auto rows =
            nuvra::calc::SummarizeFiles(files.paths, static_cast<int>(state.range(0)), false);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_SummarizeFiles10000)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
