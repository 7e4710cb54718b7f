#include "calc/members/slab_forces.h"

#include "calc/common/arith.h"
#include "calc/common/rounding.h"

namespace nuvra::calc {

void CWp::Calc() {
    Error_ = guarded([this] { WP_ = RoundDecimal(cdiv(fin(2 * Pv), B), 2); });
    if (Error_ != kNoError) WP_ = 0;
}

void CWr::Calc() {
    Error_ = guarded([this] { WR_ = RoundDecimal(cdiv(fin(2 * Pv + W - U), B), 2); });
    if (Error_ != kNoError) WR_ = 0;
}

void CTeibanMS::Calc() {
    Error_ = guarded([this] {
        for (clsXSM& p : XSM_) {
            const double half = fin(0.5 * WR);
            p.S = RoundDecimal(fin(half * fin(bl - 2 * p.x)), 2);
            p.M = RoundDecimal(fin(Ms - fin(half * p.x * fin(bl - p.x))), 2);
        }
    });
}

}  // namespace nuvra::calc
