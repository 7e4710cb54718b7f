#include "calc/loads/water.h"

#include <cmath>

#include "calc/common/arith.h"
#include "calc/common/rounding.h"

namespace nuvra::calc {
namespace {

constexpr double kFsCap = 999.99;

}  // namespace

void clsYouatsuryoku::Calc() {
    Error_ = guarded([&] {
        UB_ = fin(2 * (T2 + TB) + B);
        U_ = fin(HW * Gw);
        Up_ = RoundDecimal(U_ * UB_, 2);
    });
}

void CUkiagari::Calc() {
    Error_ = guarded([&] {
        Pv_ = 0;
        Fs_ = 0;
        // Both walls, each carrying half of the vertical component.
        Pv_ = fin(2 * 0.5 * Pvo);
        Fs_ = std::fabs(U) > 0.001 ? RoundDecimal(cdiv(W + Pv_, U), 2) : kFsCap;
        if (Fs_ > kFsCap) Fs_ = kFsCap;
        Hantei_ = geTol(Fs_, Fa) ? "OK" : "OUT";
    });
}

void CRwp::Calc() {
    Error_ = guarded([&] {
        DH_ = RoundDecimal(ELRWL - ELLWL, 2);
        Pw_ = RoundDecimal(std::fabs(DH_) * Gw, 2);
    });
}

}  // namespace nuvra::calc
