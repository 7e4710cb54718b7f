// Time of one section recalculation, as the results grid does it after the bars of a
// face change: new diameter or spacing, then Calc; once on a bare section, once through
// the result store of a whole run on the example design.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/members/rc_section.h"
#include "calc/run/calc_run.h"
#include "calc/run/section_table.h"
#include "design/input_file.h"

namespace {

nuvra::calc::CRcKukei section(std::int32_t Zai) {
    nuvra::calc::CRcKukei rc;
    rc.Md = 50;
    rc.Sd = 60;
    rc.H = 400;
    rc.d1 = 70;
    rc.Zai = Zai;
    rc.Dia = 16;
    rc.ctc = 200;
    rc.Sca = 8;
    rc.Ssa = 180;
    rc.Tca = 0.39;
    rc.Toa = 1.6;
    return rc;
}

// Arg 1: plain round bars (area and perimeter computed); 2: deformed bars (table).
void BM_CRcKukeiRecalc(benchmark::State& state) {
    nuvra::calc::CRcKukei rc = section(static_cast<std::int32_t>(state.range(0)));
    const double diameters[] = {13, 16, 19, 22};
    const double spacings[] = {125, 150, 200, 250};
    std::size_t i = 0;
    for (auto _ : state) {
        rc.Dia = diameters[i & 3];
        rc.ctc = spacings[(i >> 2) & 3];
        ++i;
        rc.Calc();
        benchmark::DoNotOptimize(rc.Ss());
    }
}
BENCHMARK(BM_CRcKukeiRecalc)->Arg(1)->Arg(2);

// The slab's lower face of the example design, its spacing changed back and forth.
void BM_RecalculateSection(benchmark::State& state) {
    const std::string path = std::string(NUVRA_SOURCE_DIR) + "/examples/sample.nvr";
    nuvra::DesignData d;
    if (!nuvra::LoadInputFile(d, path).ok) {
        std::fprintf(stderr, "members_bench: cannot read %s\n", path.c_str());
        std::exit(2);
    }
    nuvra::calc::ResultStore store;
    nuvra::calc::RunCalculation(d, store);
    const double spacings[] = {125, 150, 200, 250};
    std::size_t i = 0;
    for (auto _ : state) {
        const nuvra::calc::CRcKukei& rc = nuvra::calc::RecalculateSection(
            store, nuvra::calc::SectionId::SokoSita, 16, spacings[i++ & 3]);
        benchmark::DoNotOptimize(rc.Ss());
    }
}
BENCHMARK(BM_RecalculateSection);

}  // namespace

BENCHMARK_MAIN();
