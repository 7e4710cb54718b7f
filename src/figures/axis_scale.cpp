#include "figures/axis_scale.h"

#include <cmath>

#include "calc/common/arith.h"
#include "calc/common/rounding.h"

namespace nuvra::figures {
namespace {

using calc::fin;

// Mantissa and exponent: |x| = |m| · 10^e with 1 ≤ |m| < 10 (up to binary noise).
void decompose(double x, double& m, double& e) {
    if (x == 0) {
        m = 0;
        e = 0;
        return;
    }
    e = std::floor(calc::Log10(std::fabs(x)));  // ln |x| ÷ ln 10
    m = calc::cdiv(std::fabs(x), calc::cpow(10.0, e));
    if (x < 0) m = -m;
}

// The loops walk the axis by whole steps; a range many steps long, or a step lost in
// the magnitude of the values, would never end.
constexpr int kMaxSteps = 100000;

double downTo(double from, double step, double min) {
    double v = from;
    int i = 0;
    do {
        v = fin(v - step);
        if (++i > kMaxSteps) calc::raiseFault(calc::kErrOverflow);
    } while (v > min);
    return v;
}

double upTo(double from, double step, double max) {
    double v = from;
    int i = 0;
    do {
        v = fin(v + step);
        if (++i > kMaxSteps) calc::raiseFault(calc::kErrOverflow);
    } while (v < max);
    return v;
}

// Intervals between start and top, halves to even; none counts as one.
std::int32_t intervals(double start, double top, double step) {
    std::int32_t n = calc::clng(calc::cdiv(top - start, step));
    if (n > 32767 || n < -32768) calc::raiseFault(calc::kErrOverflow);
    return n == 0 ? 1 : n;
}

}  // namespace

AxisDivision AxisScale(double min, double max) {
    fin(min);
    fin(max);
    double m = 0, e = 0, step = 0, start = 0, top = 0;
    if (std::fabs(min) < std::fabs(max)) {
        decompose(max, m, e);
        step = calc::cpow(10.0, e);
        top = fin(step * (m > 0 ? std::ceil(m) : std::trunc(m)));
        start = downTo(top, step, min);
    } else {
        decompose(min, m, e);
        step = calc::cpow(10.0, e);
        start = fin(step * (m > 0 ? std::trunc(m) : std::floor(m)));
        top = upTo(start, step, max);
    }
    std::int32_t n = intervals(start, top, step);
    if (n > 10) {
        step = fin(step * 10);
        n = intervals(start, top, step);
    }
    if (n >= 1 && n <= 5) {
        if (n == 1)
            step = step / 10;
        else if (n <= 3)
            step = step / 5;
        else
            step = step / 2;
        start = downTo(top, step, min);
        top = upTo(start, step, max);
        n = intervals(start, top, step);
    }
    if (n == 1) {
        n = 3;
        start = fin(start - step);
    } else if (n == 2) {
        n = 4;
        step = step / 2;
    }
    return {static_cast<std::int16_t>(n), calc::RoundDecimal(start, 2),
            calc::RoundDecimal(step, 2)};
}

}  // namespace nuvra::figures
