#include "calc/loads/calc_run.h"

#include "calc/common/arith.h"
#include "calc/common/rounding.h"
#include "calc/loads/load_cases.h"
#include "calc/members/member_steps.h"

namespace nuvra::calc {

bool HasFootings(double TB, double T3) {
    if (TB <= 0) return false;
    double half = RoundDecimal(T3 * 0.5, 3);
    return !(TB < half || nearEq(half, TB));
}

bool RunCalculation(const DesignData& d, ResultStore& store) {
    store = ResultStore{};
    bool result = true;
    if (!basCalcGairyoku::CalcLoads(d, store)) result = false;

    if (!basCalcTatekabe(d, store)) result = false;
    if (!basCalcScTate(d, store)) result = false;
    if (!basCalcTeiban(d, store)) result = false;
    if (!basCalcScTeiban(d, store)) result = false;

    bool footing = false;
    if (guarded([&] { footing = HasFootings(d.objInpJyoken.TB, d.objInpJyoken.T3); }) != kNoError)
        result = false;
    store.blnFooting = footing;
    if (store.blnFooting) {
        if (!basCalcFooting(d, store)) result = false;
        if (!basCalcScFooting(d, store)) result = false;
    }

    if (!basCalcDanotoshi(d, store)) result = false;
    return result;
}

}  // namespace nuvra::calc
