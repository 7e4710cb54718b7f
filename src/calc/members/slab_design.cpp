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
    s.TeibanL = fin(in.B + in.T2);
    s.TeibanBw = TeibanReactionWidth(in.B, in.T2, in.TB);
    s.TeibanWw = RoundDecimal(fin(in.H * in.Gw), 2);
    s.TeibanWs = RoundDecimal(fin(in.T3 * in.Gsc), 2);

    // No vertical force spreads triangularly under the slab: the peaks stay 0.
    for (int c = 0; c < 3; ++c) {
        CWp& wp = *(s.TeibanWp[c] = std::make_unique<CWp>());
        wp.Pv = 0;
        wp.B = s.TeibanBw;
        wp.Calc();
    }
    for (int c = 0; c < 3; ++c) {
        CWr& wr = *(s.TeibanWr[c] = std::make_unique<CWr>());
        wr.W = need(in.W[c]);
        wr.Pv = need(in.Pv[c]);
        wr.B = s.TeibanBw;
        wr.U = c == 0 ? need(in.Up) : 0.0;
        wr.Calc();
    }
    s.TeibanU = need(in.U);

    // Case 1 has the uplift and an empty channel; cases 2 and 3 carry the full channel.
    const double net0 = s.TeibanWr[0]->WR() - s.TeibanWp[0]->WP() - s.TeibanWs;
    s.TeibanW[0] = fin(net0 + s.TeibanU);
    for (int c = 1; c < 3; ++c)
        s.TeibanW[c] = fin(s.TeibanWr[c]->WR() - s.TeibanWp[c]->WP() - s.TeibanWs - s.TeibanWw);

    const double x[3] = {0, RoundDecimal(fin(in.T2 * 0.5), 3),
                         RoundDecimal(fin(s.TeibanL * 0.5), 3)};
    for (int c = 0; c < 3; ++c) {
        CTeibanMS& ms = *(s.TeibanMS[c] = std::make_unique<CTeibanMS>());
        ms.Ms = in.TateM[c];
        ms.WR = s.TeibanW[c];
        ms.bl = s.TeibanL;
        ms.XSM().Clear();
        for (double xi : x)
            ms.XSM().Add(xi);
        if (!CaseChecked(in.Kento, c + 1)) {
            ms.Ms = 0;
            ms.WR = 0;
        }
        ms.Calc();
    }

    for (int k = 0; k < 3; ++k) {
        Envelope m, sh;
        for (int c = 0; c < 3; ++c) {
            const clsXSM& p = *s.TeibanMS[c]->XSM().Item(k + 1);
            m.take(p.M);
            sh.take(p.S);
        }
        s.TeibanMmax[k] = m.max;
        s.TeibanMmin[k] = m.min;
        s.TeibanSmax[k] = sh.max;
        s.TeibanSmin[k] = sh.min;
    }
}

}  // namespace nuvra::calc
