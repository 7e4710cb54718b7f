#include "calc/loads/soil_layers.h"

#include <algorithm>

#include "calc/common/rounding.h"

namespace nuvra::calc {
namespace {

double R2(double x) {
    return RoundDecimal(x, 2);
}

// Submerged unit weight is taken with 10 kN/m³ for water, whatever Gw is.
constexpr double kWaterForSubmerged = 10;

}  // namespace

clsKhJiban& colKhJiban::Add(std::int32_t No, double EU, double H, double Gs1, double Gs2,
                            std::int32_t Index, bool Before) {
    clsKhJiban j;
    j.No = No;
    j.EU = EU;
    j.EL = fin(EU - H);
    j.H = H;
    j.Gs1 = Gs1;
    j.Gs2 = Gs2;
    return AddItem(std::move(j), Index, Before);
}

// Splits the layer that elevation e cuts clearly inside (the last one, if several do).
void clsKh::splitAt(double e) {
    std::int32_t candidate = 0;
    double keep = 0, rest = 0;
    for (std::int32_t i = 1; i <= Jiban_.Count(); ++i) {
        const clsKhJiban& j = *Jiban_.Item(i);
        double d = R2(std::min(std::max(fin(j.EU - e), 0.0), j.H));
        double r = fin(j.H - d);
        if (d > 0.001 && r > 0.001) {
            candidate = i;
            keep = d;
            rest = r;
        }
    }
    if (candidate == 0) return;
    clsKhJiban& j = *Jiban_.Item(candidate);
    j.EL = e;
    j.H = keep;
    Jiban_.Add(j.No, e, rest, j.Gs1, j.Gs2, candidate, false);
}

void clsKh::Calc() {
    Error_ = guarded([&] {
        splitAt(RWL);
        for (const clsKhAddEL& a : AddEL_)
            splitAt(a.EL);
        for (clsKhJiban& j : Jiban_) {
            j.HwU = std::max(fin(RWL - j.EU), 0.0);
            j.HwL = std::max(fin(RWL - j.EL), 0.0);
            j.GwHU = R2(j.HwU * Gw);
            j.GwHL = R2(j.HwL * Gw);
        }
        for (clsKhJiban& j : Jiban_)
            j.Gs3 = j.HwL < 0.001 ? j.Gs1 : fin(j.Gs2 - kWaterForSubmerged);
        for (clsKhJiban& j : Jiban_) {
            j.Gs1Hi = R2(j.H * j.Gs1);
            j.Gs2Hi = R2(j.H * j.Gs2);
            j.Gs22Hi = R2(j.H * (j.Gs2 - kWaterForSubmerged));
            j.Gs3Hi = R2(j.H * j.Gs3);
        }
        for (clsKhJiban& j : Jiban_)
            j.KhU = j.KhL = Kh;
        if (Siki_ == 1) {
            for (clsKhJiban& j : Jiban_)
                if (j.HwL > 0.001) j.KhU = j.KhL = R2(cdiv(j.Gs2, j.Gs2 - kWaterForSubmerged) * Kh);
        } else if (Siki_ == 0) {
            seismicFormula0();
        } else {
            seismicFormula2();
        }
        if (RWLKh == 1)
            for (clsKhJiban& j : Jiban_)
                if (nearEq(j.EU, RWL)) j.KhU = Kh;
    });
}

// Ratio of saturated to submerged overburden, the dry layers above counted in both.
void clsKh::seismicFormula0() {
    double gtHi = 0;
    for (const clsKhJiban& j : Jiban_)
        if (geTol(j.EL, RWL)) gtHi = fin(gtHi + j.Gs1Hi);
    GtHi_ = gtHi;
    double s1 = 0, s2 = 0;
    for (clsKhJiban& j : Jiban_) {
        j.GHj = s1;
        j.GHj2 = s2;
        if (j.HwL > 0.001) {
            double num = 2 * (s1 + GtHi_ + Q) + j.Gs2Hi;
            double den = 2 * (s2 + GtHi_ + Q) + j.Gs22Hi;
            j.KhU = j.KhL = R2(cdiv(num, den) * Kh);
            s1 = fin(s1 + j.Gs2Hi);
            s2 = fin(s2 + j.Gs22Hi);
        }
    }
}

// Ratio of total (water plus effective) to effective stress at each end of a layer.
void clsKh::seismicFormula2() {
    double sigma = Q;
    for (clsKhJiban& j : Jiban_) {
        j.Gs3HU = sigma;
        j.Gs3HL = R2(sigma + j.Gs3Hi);
        if (j.HwL > 0.001) {
            if (sigma > 0.001) j.KhU = R2(cdiv(j.GwHU + sigma, sigma) * Kh);
            if (j.Gs3HL > 0.001) j.KhL = R2(cdiv(j.GwHL + j.Gs3HL, j.Gs3HL) * Kh);
        }
        sigma = j.Gs3HL;
    }
}

}  // namespace nuvra::calc
