#include "calc/members/footing_forces.h"

#include <cmath>

#include "calc/common/arith.h"
#include "calc/common/rounding.h"

namespace nuvra::calc {

void CFootingMS::Calc() {
    XSMr_.Clear();
    XSMp_.Clear();
    Error_ = guarded([this] {
        const double L = bl;
        for (clsXSM& p : XSM_) {
            const double x = p.x;
            clsXSM& pr = XSMr_.Add(x);
            clsXSM& pp = XSMp_.Add(x);
            const double Sr = RoundDecimal(fin(x * WR), 2);
            const double Mr = RoundDecimal(fin(0.5 * WR * fin(x * x)), 2);
            const double r = cdiv(x, L);  // position relative to the length
            const double Sp =
                RoundDecimal(fin(-0.5 * WP * L * fin(cdiv(fin(2 * x), L) - r * r)), 2);
            const double Mp =
                RoundDecimal(fin(-WP / 6 * fin(L * L) * fin(3 * (r * r) - std::pow(r, 3))), 2);
            pr.S = Sr;
            pr.M = Mr;
            pp.S = Sp;
            pp.M = Mp;
            p.S = fin(Sr + Sp);
            p.M = fin(Mr + Mp);
        }
    });
}

}  // namespace nuvra::calc
