#include "calc/members/curtailment.h"

#include <cmath>

#include "calc/common/arith.h"
#include "calc/common/rounding.h"

namespace nuvra::calc {

double WallThicknessAt(const WallShape& w, double EL) {
    const double depth = fin(w.T3 + w.H - EL);  // below the wall top
    double t;
    if (depth > w.H)
        t = w.T2;
    else
        t = fin(w.T1 + fin(cdiv(fin(w.T2 - w.T1), w.H) * depth));
    return fin(RoundDecimal(t, 3) * 1000);
}

void EvaluateAt(CRcKukei& rc, const WallShape& w, double EL, const MomentAt& momentAt,
                const double* Ssa) {
    const double m = momentAt(EL);
    rc.H = WallThicknessAt(w, EL);
    rc.Md = m;
    if (Ssa) rc.Ssa = *Ssa;
    rc.Calc();
}

double FindCutLevel(CRcKukei& rc, const WallShape& w, double Ssa, const MomentAt& momentAt) {
    const double design = fin(w.T3 / 2);
    EvaluateAt(rc, w, design, momentAt, &Ssa);
    if (rc.HanteiSs() == "OK") return design;

    double top = fin(w.H + w.T3);
    double bottom = design;
    for (int n = 0; n < kMaxBisections; ++n) {
        const double mid = fin((top + bottom) / 2);
        EvaluateAt(rc, w, mid, momentAt);
        if (std::fabs(top - bottom) < 0.001) return mid;
        // A section that fails (or cannot be calculated) pushes the level upward.
        if (rc.HanteiSs() == "OK")
            top = mid;
        else
            bottom = mid;
    }
    raiseFault(kErrInvalidArgument);
}

void TraceSteelStress(CRcKukei& rc, const WallShape& w, const MomentAt& momentAt,
                      DanotoshiSlots& s) {
    const double Ht = fin(w.T3 * 0.5 + w.H);
    for (int i = 0; i <= 20; ++i) {
        const double dist = fin(Ht * i / 20);
        EvaluateAt(rc, w, fin(w.T3 + w.H - dist), momentAt);
        s.DanHeight.set(i, fin((Ht - dist) * 1000));
        s.DanSs.set(i, rc.Ss());
    }
}

void CalcDanotoshi(CRcKukei& rc, const WallShape& w, double Ssa, const MomentAt& momentAt,
                   DanotoshiSlots& s) {
    TraceSteelStress(rc, w, momentAt, s);

    const double level1 = FindCutLevel(rc, w, Ssa, momentAt);
    const double La = fin(30 * rc.Dia);
    s.DanLa = La;
    const double D = rc.d();
    s.DanD = D;
    const double DLa = fin(D + La);
    s.DanDLa = DLa;
    const double H1 = RoundDecimal(fin((level1 - w.T3 * 0.5) * 1000), 0);
    s.DanH1 = H1;
    const double L1 = fin(H1 + DLa);
    s.DanL1 = L1;

    const double level2 = FindCutLevel(rc, w, fin(0.5 * Ssa), momentAt);
    const double H2 = RoundDecimal(fin((level2 - w.T3 * 0.5) * 1000), 0);
    s.DanH2 = H2;

    s.DanHcut = L1 > H2 ? L1 : H2;
}

}  // namespace nuvra::calc
