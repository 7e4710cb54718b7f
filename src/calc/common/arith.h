// Checked arithmetic for the calculation classes.
//
// Doubles do not trap, so every operation that can fail (division, square root,
// logarithm, inverse trigonometry, overflow) is guarded where it happens. A failure
// throws ArithmeticFault; each calculation class catches it once in its Calc and turns
// it into its Error number. No fault ever leaves a class.
#pragma once

#include <cmath>
#include <cstdint>

namespace nuvra::calc {

/// Error numbers reported through the Error property of the calculation classes.
enum ErrorNumber : std::int32_t {
    kNoError = 0,
    kErrInvalidArgument = 5,  ///< square root or logarithm of an invalid argument, NaN
    kErrOverflow = 6,         ///< a result too large for a double
    kErrDivisionByZero = 11,  ///< division by zero, 0/0 included
};

struct ArithmeticFault {
    std::int32_t code;
};

[[noreturn]] inline void raiseFault(std::int32_t code) {
    throw ArithmeticFault{code};
}

/// Returns x, or raises overflow (infinite) / invalid argument (NaN).
inline double fin(double x) {
    if (std::isnan(x)) raiseFault(kErrInvalidArgument);
    if (std::isinf(x)) raiseFault(kErrOverflow);
    return x;
}

inline double cdiv(double a, double b) {
    if (b == 0) raiseFault(kErrDivisionByZero);
    return fin(fin(a) / b);
}

inline double csqrt(double x) {
    if (!(x >= 0)) raiseFault(kErrInvalidArgument);
    return fin(std::sqrt(x));
}

/// Natural logarithm.
inline double cln(double x) {
    if (!(x > 0)) raiseFault(kErrInvalidArgument);
    return fin(std::log(x));
}

inline double cexp(double x) {
    return fin(std::exp(fin(x)));
}

inline double cpow(double b, double e) {
    return fin(std::pow(fin(b), fin(e)));
}

inline double catan(double x) {
    return fin(std::atan(fin(x)));
}

inline double casin(double x) {
    if (!(x >= -1 && x <= 1)) raiseFault(kErrInvalidArgument);
    return std::asin(x);
}

inline double cacos(double x) {
    if (!(x >= -1 && x <= 1)) raiseFault(kErrInvalidArgument);
    return std::acos(x);
}

inline double ctan(double x) {
    return fin(std::tan(fin(x)));
}
inline double csin(double x) {
    return fin(std::sin(fin(x)));
}
inline double ccos(double x) {
    return fin(std::cos(fin(x)));
}

/// Double -> 32-bit Long, ties to even; overflow raises.
inline std::int32_t clng(double x) {
    double r = std::nearbyint(fin(x));
    if (r < -2147483648.0 || r > 2147483647.0) raiseFault(kErrOverflow);
    return static_cast<std::int32_t>(r);
}

/// Truncation toward zero (Fix), checked.
inline double cfix(double x) {
    return std::trunc(fin(x));
}

/// pi as the calculation converts degrees and radians.
inline constexpr double kPi = 3.141592654;

inline double degToRad(double deg) {
    return fin(deg * kPi / 180.0);
}
inline double radToDeg(double rad) {
    return fin(rad * 180.0 / kPi);
}

/// Comparisons with the general tolerance of 0.001 (two values closer count as equal).
inline constexpr double kTol = 0.001;
inline bool nearEq(double a, double b, double tol = kTol) {
    return std::fabs(a - b) < tol;
}
inline bool geTol(double a, double b, double tol = kTol) {
    return a > b || nearEq(a, b, tol);
}
inline bool ltTol(double a, double b, double tol = kTol) {
    return a < b && !nearEq(a, b, tol);
}
inline bool gtTol(double a, double b, double tol = kTol) {
    return a > b && !nearEq(a, b, tol);
}
inline bool leTol(double a, double b, double tol = kTol) {
    return a < b || nearEq(a, b, tol);
}

/// Runs body and turns an arithmetic fault into its error number (0 when none).
template <class F>
std::int32_t guarded(F&& body) {
    try {
        body();
        return kNoError;
    } catch (const ArithmeticFault& f) {
        return f.code;
    }
}

}  // namespace nuvra::calc
