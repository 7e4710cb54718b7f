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
    s.FootingHw = fin(in.HW - in.T3);
    if (s.FootingHw < 0) s.FootingHw = 0;
    s.FootingHd = fin(in.H - s.FootingHw);

    // Soil on the footing: saturated below the groundwater in case 1, none in case 2.
    s.FootingWs[0] = RoundDecimal(fin(s.FootingHd * in.Gs + s.FootingHw * in.Gt), 2);
    s.FootingWs[1] = 0;
    s.FootingWs[2] = RoundDecimal(fin(in.H * in.Gs), 2);

    s.FootingWr[0] = fin(-s.FootingWs[0] - in.TeibanWs + need(in.WR[0]) + in.TeibanU);
    for (int c = 1; c < 3; ++c)
        s.FootingWr[c] = fin(-s.FootingWs[c] - in.TeibanWs + need(in.WR[c]));

    s.FootingWp[0] = RoundDecimal(cdiv(fin(2 * need(in.Pv1)), in.TB), 2);
    s.FootingWp[1] = 0;
    s.FootingWp[2] = RoundDecimal(cdiv(fin(2 * need(in.Pv3)), in.TB), 2);

    const double x1 = in.TB;
    const double x2 = fin(in.TB - FootingShearOffset(in.T3, in.TB));
    for (int c = 0; c < 3; ++c) {
        CFootingMS& ms = *(s.FootingMS[c] = std::make_unique<CFootingMS>());
        ms.WR = s.FootingWr[c];
        ms.WP = s.FootingWp[c];
        ms.bl = in.TB;
        ms.XSM().Clear();
        ms.XSM().Add(x1);
        ms.XSM().Add(x2);
        if (!CaseChecked(in.Kento, c + 1)) {
            ms.WR = 0;
            ms.WP = 0;
        }
        ms.Calc();
    }

    Envelope root;
    for (int c = 0; c < 3; ++c)
        root.take(s.FootingMS[c]->XSM().Item(1)->M);
    s.FootingMmax = root.max;
    s.FootingMmin = root.min;

    // Each face takes the largest shear among the cases that bend the footing its way.
    s.FootingSpos = s.FootingSneg = 0;
    for (int c = 0; c < 3; ++c) {
        const clsXSM& p = *s.FootingMS[c]->XSM().Item(2);
        double& face = p.M > 0 ? s.FootingSpos : s.FootingSneg;
        face = std::fmax(face, std::fabs(p.S));
    }
}

}  // namespace nuvra::calc
