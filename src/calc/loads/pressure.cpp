#include "calc/loads/pressure.h"

#include <cmath>

#include "calc/common/rounding.h"

namespace nuvra::calc {
namespace {

double R2(double x) {
    return RoundDecimal(x, 2);
}
double R3(double x) {
    return RoundDecimal(x, 3);
}

}  // namespace

clsPressureLoad& colPressureLoad::Add(double EU, double H, double PU, double PL, std::int32_t Index,
                                      bool Before) {
    return AddItem(clsPressureLoad{EU, fin(EU - H), H, PU, PL}, Index, Before);
}

clsPressureDetail& colPressureDetail::Add(std::int32_t Section, double P, double Y, double H,
                                          double Pi, double Yi, double Mi, std::int32_t Index,
                                          bool Before) {
    return AddItem(clsPressureDetail{Section, P, Y, H, Pi, Yi, Mi}, Index, Before);
}

// The segments inside WU..WL, cut at both ends, with zero pressure where none is given.
void clsPressure::buildQdo() {
    Qdo_.Clear();
    for (const clsPressureLoad& s : Qdi_)
        if (s.EL < WU && s.EU > WL && s.H > 0.001) Qdo_.Add(s.EU, s.H, s.PU, s.PL);
    if (Qdo_.Count() > 0) {
        clsPressureLoad& top = *Qdo_.First();
        if (top.EU > WU) {
            double d = R3(WU - top.EL);
            double p = R2(top.PL + cdiv(d * (top.PU - top.PL), top.H));
            if (d > 0.001) {
                top.EU = WU;
                top.H = d;
                top.PU = p;
            } else {
                Qdo_.Remove(1);
            }
        }
    }
    if (Qdo_.Count() > 0) {
        clsPressureLoad& bottom = *Qdo_.Last();
        if (bottom.EL < WL) {
            double d = R3(bottom.EU - WL);
            double p = R2(bottom.PU + cdiv(d * (bottom.PL - bottom.PU), bottom.H));
            if (d > 0.001) {
                bottom.EL = WL;
                bottom.H = d;
                bottom.PL = p;
            } else {
                Qdo_.Remove(Qdo_.Count());
            }
        }
    }
    if (Qdo_.Count() > 0) {
        double firstEU = Qdo_.First()->EU;
        if (WU - firstEU > 0.001) Qdo_.Add(WU, fin(WU - firstEU), 0, 0, 1, true);
        double lastEL = Qdo_.Last()->EL;
        if (lastEL - WL > 0.001) Qdo_.Add(lastEL, fin(lastEL - WL), 0, 0);
    }
    if (Qdo_.Count() == 0) Qdo_.Add(WU, fin(WU - WL), 0, 0);
}

// A rectangle for a constant pressure, otherwise one triangle per non-zero end.
void clsPressure::split(const clsPressureLoad& s) {
    double pu = s.PU, pl = s.PL, h = s.H;
    double y0 = R3(s.EL - WL);
    auto add = [&](std::int32_t section, double p, double pi, double yi) {
        Detail_.Add(section, p, y0, h, pi, yi, R2(yi * pi));
    };
    bool zeroU = nearEq(pu, 0), zeroL = nearEq(pl, 0);
    if (zeroU && zeroL) return;
    if (nearEq(pu, pl)) {
        add(0, pu, R2(h * pu), R3(y0 + h / 2));
        return;
    }
    if (!zeroU) add(1, pu, R2(h * 0.5 * pu), R3(2 * h / 3 + y0));
    if (!zeroL) add(2, pl, R2(h * 0.5 * pl), R3(h / 3 + y0));
}

void clsPressure::Calc() {
    Error_ = guarded([&] {
        buildQdo();
        Detail_.Clear();
        for (const clsPressureLoad& s : Qdo_)
            split(s);
        double p = 0, m = 0;
        for (const clsPressureDetail& d : Detail_) {
            p = fin(p + d.Pi);
            m = fin(m + d.Mi);
        }
        P_ = p;
        M_ = m;
        Y_ = std::fabs(P_) > 0.001 ? R3(cdiv(M_, P_)) : 0;
        ELY_ = R3(WL + Y_);
        Pv_ = R2(ctan(degToRad(THT)) * P_);
    });
}

}  // namespace nuvra::calc
