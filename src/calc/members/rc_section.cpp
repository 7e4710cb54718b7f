#include "calc/members/rc_section.h"

#include <cmath>

#include "calc/common/arith.h"
#include "calc/common/bars.h"
#include "calc/common/rounding.h"

namespace nuvra::calc {

const char* Verdict(double value, double allowable) {
    // Stresses are printed to 0.01, so an excess below that counts as equal.
    if (std::fabs(value - allowable) >= 0.01 && value >= allowable) return "OUT";
    return "OK";
}

void CRcKukei::Calc() {
    Error_ = kNoError;
    N = 15;
    B_ = 1000;
    std::int32_t code = guarded([this] { compute(); });
    if (code != kNoError) fail(code);
}

void CRcKukei::compute() {
    d_ = fin(H - d1);
    // A cover beyond the thickness leaves no section; the formulas below would
    // otherwise turn a negative depth into plausible-looking stresses.
    if (d_ < 0) raiseFault(kErrInvalidArgument);

    double a, u;
    if (Zai == 1) {
        // Plain round bars: computed with the customary rounded constants.
        a = fin(RoundSignificant(fin(0.7854 * fin(Dia * Dia)), 4));
        u = RoundDecimal(fin(3.142 * Dia), 0);
    } else {
        std::int32_t size = clng(Dia);
        a = BarArea(size);
        u = BarPerimeter(size);
    }
    if (u < 0 || ctc < 0) raiseFault(kErrInvalidArgument);

    Asi_ = cdiv(fin(a * B_), ctc);
    U_ = cdiv(fin(u * B_), ctc);
    P_ = RoundDecimal(cdiv(Asi_, fin(B_ * d_)), 6);

    const double np = fin(N * P_);
    k_ = RoundDecimal(fin(csqrt(fin(np * np + fin(2 * N * P_))) - np), 4);
    j_ = RoundDecimal(fin(1 - k_ / 3), 4);

    const double M = fin(Md * 1000000);  // N·mm
    const double S = fin(Sd * 1000);     // N
    const double dd = fin(d_ * d_);
    Sc_ = RoundDecimal(cdiv(fin(2 * M), fin(dd * k_ * j_ * B_)), 2);
    Ss_ = RoundDecimal(cdiv(M, fin(dd * P_ * j_ * B_)), 2);
    Tc_ = RoundDecimal(cdiv(S, fin(B_ * j_ * d_)), 2);
    T0_ = RoundDecimal(cdiv(S, fin(U_ * j_ * d_)), 2);

    HanteiSc_ = Verdict(Sc_, Sca);
    HanteiSs_ = Verdict(Ss_, Ssa);
    HanteiTc_ = Verdict(Tc_, Tca);
    HanteiTo_ = Verdict(T0_, Toa);
}

void CRcKukei::fail(std::int32_t code) {
    B_ = 1000;
    d_ = Asi_ = U_ = P_ = k_ = j_ = 0;
    Sc_ = Ss_ = Tc_ = T0_ = 0;
    HanteiSc_ = HanteiSs_ = HanteiTc_ = HanteiTo_ = "OUT";
    Error_ = code;
}

}  // namespace nuvra::calc
