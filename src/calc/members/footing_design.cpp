#include "calc/members/footing_design.h"

#include <cmath>

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

double FootingShearOffset(double T3, double TB) {
    double e = RoundDecimal(fin(T3 * 0.5), 3);
    if (nearEq(e, TB) || e > TB) e = 0;
    return e;
}

void CalcFootingForces(const FootingInputs& in, FootingSlots& s) {
    double Hw = fin(in.HW - in.T3);
    if (Hw < 0) Hw = 0;
    s.FootingHw = Hw;
    const double Hd = fin(in.H - Hw);
    s.FootingHd = Hd;

    // Soil on the footing: saturated below the groundwater in case 1, none in case 2.
    s.FootingWs.set(1, RoundDecimal(fin(Hd * in.Gs + Hw * in.Gt), 2));
    s.FootingWs.set(2, 0);
    s.FootingWs.set(3, RoundDecimal(fin(in.H * in.Gs), 2));

    s.FootingWr.set(1, fin(-s.FootingWs(1) - in.TeibanWs + need(in.WR[0]) + in.TeibanU));
    for (int c = 2; c <= 3; ++c)
        s.FootingWr.set(c, fin(-s.FootingWs(c) - in.TeibanWs + need(in.WR[c - 1])));

    s.FootingWp.set(1, RoundDecimal(cdiv(fin(2 * need(in.Pv1)), in.TB), 2));
    s.FootingWp.set(2, 0);
    s.FootingWp.set(3, RoundDecimal(cdiv(fin(2 * need(in.Pv3)), in.TB), 2));

    const double x1 = in.TB;
    const double x2 = fin(in.TB - FootingShearOffset(in.T3, in.TB));
    for (int c = 1; c <= 3; ++c) {
        CFootingMS& ms = *(s.FootingMS(c) = std::make_unique<CFootingMS>());
        ms.WR = s.FootingWr(c);
        ms.WP = s.FootingWp(c);
        ms.bl = in.TB;
        ms.XSM().Clear();
        ms.XSM().Add(x1);
        ms.XSM().Add(x2);
        if (!CaseChecked(in.Kento, c)) {
            ms.WR = 0;
            ms.WP = 0;
        }
        ms.Calc();
    }

    Envelope root;
    for (int c = 1; c <= 3; ++c)
        root.take(s.FootingMS(c)->XSM().Item(1)->M);
    s.FootingMmax = root.max;
    s.FootingMmin = root.min;

    // Each face takes the largest shear among the cases that bend the footing its way.
    double pos = 0, neg = 0;
    for (int c = 1; c <= 3; ++c) {
        const clsXSM& p = *s.FootingMS(c)->XSM().Item(2);
        double& face = p.M > 0 ? pos : neg;
        face = std::fmax(face, std::fabs(p.S));
    }
    s.FootingSpos = pos;
    s.FootingSneg = neg;
}

}  // namespace nuvra::calc
