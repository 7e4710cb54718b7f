#include "calc/common/rounding.h"

#include <charconv>
#include <cmath>
#include <string>

#include "calc/common/arith.h"
#include "common/number_format.h"

namespace nuvra::calc {
namespace {

// 10^n exactly for the decimals the calculation uses.
double pow10(std::int32_t n) {
    static constexpr double table[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (n >= 0 && n <= 22) return table[n];
    return fin(std::pow(10.0, n));
}

// How the first digit after the point in the 15-significant-digit text of v >= 0
// decides: 5 or more, less than 5, or no decimals in the text at all.
enum class Cut { Up, Down, Whole };

Cut cutDigitByText(double v) {
    char buf[40];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
    std::size_t dot = text.find('.');
    if (dot != std::string_view::npos && dot + 1 < text.size() && text[dot + 1] >= '0' &&
        text[dot + 1] <= '9')
        return text[dot + 1] >= '5' ? Cut::Up : Cut::Down;
    return Cut::Whole;
}

// The text is needed only where rounding v to 15 significant digits could carry its
// fraction across 0, 0.5 or 1; that moves v by at most 5e-15·v, well inside the guard.
// Elsewhere the fraction of v itself decides, without building the text.
Cut cutDigit(double v) {
    if (v < 1e12) {
        const double f = v - std::trunc(v);
        const double guard = 1e-13 * std::fmax(v, 1.0);
        if (f > guard && f < 0.5 - guard) return Cut::Down;
        if (f > 0.5 + guard && f < 1 - guard) return Cut::Up;
    }
    return cutDigitByText(v);
}

}  // namespace

double RoundDecimal(double x, std::int32_t n) {
    double a = std::fabs(fin(x));
    if (n < 0) raiseFault(kErrInvalidArgument);
    if (a < 1.0 / pow10(n + 1)) return 0.0;
    double p = pow10(n);
    double v = fin(a * p + 0.00001);
    double mag;
    switch (cutDigit(v)) {
        case Cut::Up:
            mag = std::trunc(v + 1) / p;
            break;
        case Cut::Down:
            mag = std::trunc(v) / p;
            break;
        default:
            mag = v / p;
            break;
    }
    mag = fin(mag);
    return x < 0 ? -mag : mag;
}

double RoundSignificant(double x, std::int32_t n) {
    if (!(x > 0) || !std::isfinite(x)) return x;
    try {
        std::string pat = "#0";
        if (n > 1) pat += "." + std::string(static_cast<std::size_t>(n - 1), '0');
        double e = std::floor(Log10(x));
        double c = fin(std::pow(10.0, e));
        double d = cdiv(x, c);
        std::string s = formatPicture(d, pat);
        double back = 0;
        auto res = std::from_chars(s.data(), s.data() + s.size(), back);
        if (res.ec != std::errc()) return x;
        return fin(c * back);
    } catch (const ArithmeticFault&) {
        return x;
    }
}

double Log10(double x) {
    return cdiv(cln(x), std::log(10.0));
}

}  // namespace nuvra::calc
