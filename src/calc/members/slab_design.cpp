#include "calc/members/slab_design.h"

#include "calc/common/arith.h"
#include "calc/common/rounding.h"
#include "calc/members/design_cases.h"

namespace nuvra::calc {
namespace {

double need(const std::optional<double>& v) {
    if (!v) raiseFault(kErrInvalidArgument);
    return *v;
}

}  // namespace

double TeibanReactionWidth(double B, double T2, double TB) {
    if (geTol(TB, 0.01)) return fin(fin((T2 + TB) * 2) + B);
    return fin(B + T2);
}

void CalcTeibanForces(const TeibanInputs& in, TeibanSlots& s) {
    const double L = fin(in.B + in.T2);
    s.TeibanL = L;
    const double Bw = TeibanReactionWidth(in.B, in.T2, in.TB);
    s.TeibanBw = Bw;
    // The water of the design case (to HWi), the same water the ground reaction of
    // cases 2 and 3 was computed with, so the slab stays in vertical equilibrium.
    const double Ww = RoundDecimal(fin(in.HWi * in.Gw), 2);
    s.TeibanWw = Ww;
    const double Ws = RoundDecimal(fin(in.T3 * in.Gsc), 2);
    s.TeibanWs = Ws;

    // No vertical force spreads triangularly under the slab: the peaks stay 0.
    for (int c = 1; c <= 3; ++c) {
        CWp& wp = *(s.TeibanWp(c) = std::make_unique<CWp>());
        wp.Pv = 0;
        wp.B = Bw;
        wp.Calc();
    }
    for (int c = 1; c <= 3; ++c) {
        CWr& wr = *(s.TeibanWr(c) = std::make_unique<CWr>());
        wr.W = need(in.W[c - 1]);
        wr.Pv = need(in.Pv[c - 1]);
        wr.B = Bw;
        wr.U = c == 1 ? need(in.Up) : 0.0;
        wr.Calc();
    }
    const double U = need(in.U);
    s.TeibanU = U;

    // Case 1 has the uplift and an empty channel; cases 2 and 3 carry the inner water.
    const double net1 = s.TeibanWr(1)->WR() - s.TeibanWp(1)->WP() - Ws;
    s.TeibanW.set(1, fin(net1 + U));
    for (int c = 2; c <= 3; ++c)
        s.TeibanW.set(c, fin(s.TeibanWr(c)->WR() - s.TeibanWp(c)->WP() - Ws - Ww));

    const double x[3] = {0, RoundDecimal(fin(in.T2 * 0.5), 3), RoundDecimal(fin(L * 0.5), 3)};
    for (int c = 1; c <= 3; ++c) {
        CTeibanMS& ms = *(s.TeibanMS(c) = std::make_unique<CTeibanMS>());
        ms.Ms = in.TateM[c - 1];
        ms.WR = s.TeibanW(c);
        ms.bl = L;
        ms.XSM().Clear();
        for (double xi : x)
            ms.XSM().Add(xi);
        if (!CaseChecked(in.Kento, c)) {
            ms.Ms = 0;
            ms.WR = 0;
        }
        ms.Calc();
    }

    for (int k = 1; k <= 3; ++k) {
        Envelope m;
        for (int c = 1; c <= 3; ++c)
            m.take(s.TeibanMS(c)->XSM().Item(k)->M);
        s.TeibanMmax.set(k, m.max);
        s.TeibanMmin.set(k, m.min);
    }
    for (int k = 1; k <= 3; ++k) {
        Envelope sh;
        for (int c = 1; c <= 3; ++c)
            sh.take(s.TeibanMS(c)->XSM().Item(k)->S);
        s.TeibanSmax.set(k, sh.max);
        s.TeibanSmin.set(k, sh.min);
    }
}

}  // namespace nuvra::calc
