#include "calc/run/calc_run.h"

#include "calc/common/arith.h"
#include "calc/common/rounding.h"
#include "calc/loads/load_cases.h"
#include "calc/members/member_steps.h"
#include "calc/run/run_faults.h"

namespace nuvra::calc {

bool HasFootings(double TB, double T3) {
    if (TB <= 0) return false;
    double half = RoundDecimal(T3 * 0.5, 3);
    return !(TB < half || nearEq(half, TB));
}

bool RunCalculation(const DesignData& d, ResultStore& store) {
    store = ResultStore{};
    // Each step lists its own fault in store.faults; a step that returns false must
    // have done so.
    bool stepsOk = true;
    auto run = [&](bool ok, const char* slot, const char* what) {
        if (ok) return;
        stepsOk = false;
        if (store.faults.empty() || store.faults.back().slot != slot)
            store.faults.push_back({slot, what, kErrInvalidArgument});
    };
    std::vector<RunFault>& faults = store.faults;
    run(basCalcGairyoku::CalcLoads(d, store, faults), "basCalcGairyoku", "外力の計算");
    run(basCalcTatekabe(d, store, store.wall, faults), "basCalcTatekabe", "たて壁の断面力の計算");
    run(basCalcScTate(d, store.wall, faults), "basCalcScTate", "たて壁の応力度照査");
    run(basCalcTeiban(d, store, store.wall, store.slab, faults), "basCalcTeiban",
        "底版の断面力の計算");
    run(basCalcScTeiban(d, store.slab, faults), "basCalcScTeiban", "底版の応力度照査");

    bool footing = false;
    const std::int32_t decision =
        guarded([&] { footing = HasFootings(d.objInpJyoken.TB, d.objInpJyoken.T3); });
    if (decision != kNoError) {
        stepsOk = false;
        store.faults.push_back({"blnFooting", "フーチングの有無の判定", decision});
    }
    store.blnFooting = footing;
    if (store.blnFooting) {
        run(basCalcFooting(d, store, store.slab, store.footing, faults), "basCalcFooting",
            "フーチングの断面力の計算");
        run(basCalcScFooting(d, store.footing, faults), "basCalcScFooting",
            "フーチングの応力度照査");
    }

    run(basCalcDanotoshi(d, store, store.wall, store.curtailment, faults), "basCalcDanotoshi",
        "段落とし位置の計算");

    // A class that ended with an error has left its load at 0: the run has not succeeded,
    // though every step went on and kept what it computed.
    std::vector<RunFault> classes = ClassFaults(store);
    store.faults.insert(store.faults.end(), classes.begin(), classes.end());
    return stepsOk && store.faults.empty();
}

}  // namespace nuvra::calc
