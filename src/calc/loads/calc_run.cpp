#include "calc/loads/calc_run.h"

#include "calc/common/arith.h"
#include "calc/common/rounding.h"
#include "calc/loads/load_cases.h"

namespace nuvra::calc {
namespace {

// Member-design steps. The member design adds its passes here (wall, its section checks,
// slab, its section checks, footing, its section checks, curtailment); until then each
// step has nothing to compute and reports success.
bool stepTatekabe(const DesignData&, ResultStore&) {
    return true;
}
bool stepScTate(const DesignData&, ResultStore&) {
    return true;
}
bool stepTeiban(const DesignData&, ResultStore&) {
    return true;
}
bool stepScTeiban(const DesignData&, ResultStore&) {
    return true;
}
bool stepFooting(const DesignData&, ResultStore&) {
    return true;
}
bool stepScFooting(const DesignData&, ResultStore&) {
    return true;
}
bool stepDanotoshi(const DesignData&, ResultStore&) {
    return true;
}

}  // namespace

bool HasFootings(double TB, double T3) {
    if (TB <= 0) return false;
    double half = RoundDecimal(T3 * 0.5, 3);
    return !(TB < half || nearEq(half, TB));
}

bool RunCalculation(const DesignData& d, ResultStore& store) {
    store = ResultStore{};
    bool result = true;
    if (!basCalcGairyoku::CalcLoads(d, store)) result = false;

    if (!stepTatekabe(d, store)) result = false;
    if (!stepScTate(d, store)) result = false;
    if (!stepTeiban(d, store)) result = false;
    if (!stepScTeiban(d, store)) result = false;

    bool footing = false;
    if (guarded([&] { footing = HasFootings(d.objInpJyoken.TB, d.objInpJyoken.T3); }) != kNoError)
        result = false;
    store.blnFooting = footing;
    if (store.blnFooting) {
        if (!stepFooting(d, store)) result = false;
        if (!stepScFooting(d, store)) result = false;
    }

    if (!stepDanotoshi(d, store)) result = false;
    return result;
}

}  // namespace nuvra::calc
