// Time of one section recalculation, as the results grid does it after the bars of a
// face change: new diameter or spacing, then Calc.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "calc/members/rc_section.h"

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

}  // namespace

BENCHMARK_MAIN();
