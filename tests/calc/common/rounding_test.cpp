#include "calc/common/rounding.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string_view>

#include "calc/common/arith.h"

namespace nuvra::calc {
namespace {

TEST(RoundDecimal, HalvesGoAwayFromZero) {
    struct {
        double x;
        int n;
        double expected;
    } cases[] = {
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {0.125, 2, 0.13},
        {-0.125, 2, -0.13},
        {1.005, 2, 1.01},
        {2.675, 2, 2.68},
        {12, 2, 12},
        {12.344, 2, 12.34},
        {12.345, 2, 12.35},
        {-12.345, 2, -12.35},
        {0.0004, 3, 0},
        {0.00049, 3, 0},
        {0.0005, 3, 0.001},
        {-0.0005, 3, -0.001},
        {0.00001, 4, 0},
        {1.004999, 2, 1},
        // Within 0.00001 of the scaled half below it: rounded up by the nudge.
        {1.004999995, 2, 1.01},
        {0.1 + 0.2, 1, 0.3},
        {123456.789, 0, 123457},
        {0.28867513459481287, 4, 0.2887},
        {1e-9, 3, 0},
        {0.0, 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(RoundDecimal(c.x, c.n), c.expected) << c.x << " to " << c.n;
    }
    EXPECT_FALSE(std::signbit(RoundDecimal(-0.00001, 2)) && RoundDecimal(-0.00001, 2) != 0);
}

TEST(RoundDecimal, ExactResultsAreTheNearestDouble) {
    // The result must be the same double a decimal literal gives, so that equality
    // with the reference values holds to the last bit.
    EXPECT_EQ(RoundDecimal(0.3 * 3, 2), 0.9);
    EXPECT_EQ(RoundDecimal(24.5 * 0.3 * 2, 3), 14.7);
    EXPECT_EQ(RoundDecimal(1.3 * 29.4, 2), 38.22);
}

// The rule as written: the digit after the point in the 15-significant-digit text of
// |x|·10^n + 0.00001 decides.
double roundByText(double x, int n) {
    double a = std::fabs(x);
    if (a < 1.0 / std::pow(10.0, n + 1)) return 0.0;
    double p = std::pow(10.0, n);
    double v = a * p + 0.00001;
    char buf[40];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
    std::size_t dot = text.find('.');
    double mag = v / p;
    if (dot != std::string_view::npos && dot + 1 < text.size())
        mag = (text[dot + 1] >= '5') ? std::trunc(v + 1) / p : std::trunc(v) / p;
    return x < 0 ? -mag : mag;
}

TEST(RoundDecimal, SameAsTheTextRuleEverywhere) {
    std::mt19937_64 gen(12345);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> decimals(0, 6), exponent(-6, 13);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        const int n = decimals(gen);
        const double p = std::pow(10.0, n);
        double x = unit(gen) * std::pow(10.0, exponent(gen));
        switch (i % 4) {
            case 1:  // just around a half of the last kept digit
                x = (std::round(x * p) + 0.5) / p + (unit(gen) - 0.5) * 1e-9;
                break;
            case 2:  // on a kept value, give or take a few units in the last place
                x = std::nextafter(std::round(x * p) / p, (i & 8) ? 0.0 : 1e300);
                break;
            case 3:  // decimal literals of few digits
                x = std::round(x * 1000) / 1000 - 0.00001 / p;
                break;
            default:
                break;
        }
        if (i & 1) x = -x;
        if (!std::isfinite(x) || std::fabs(x) * p > 1e15) continue;
        ++checked;
        ASSERT_EQ(RoundDecimal(x, n), roundByText(x, n)) << x << " to " << n;
    }
    EXPECT_GT(checked, 150000);
}

TEST(RoundDecimal, NonFiniteIsAFault) {
    EXPECT_THROW(RoundDecimal(std::numeric_limits<double>::infinity(), 2), ArithmeticFault);
    EXPECT_THROW(RoundDecimal(std::nan(""), 2), ArithmeticFault);
    EXPECT_THROW(RoundDecimal(1e306, 3), ArithmeticFault);
}

TEST(RoundSignificant, KeepsDigitsOnBothSidesOfOne) {
    EXPECT_DOUBLE_EQ(RoundSignificant(1963.495, 4), 1963);
    EXPECT_DOUBLE_EQ(RoundSignificant(1963.5, 4), 1964);
    EXPECT_DOUBLE_EQ(RoundSignificant(0.0012345, 3), 0.00123);
    EXPECT_DOUBLE_EQ(RoundSignificant(0.0012355, 3), 0.00124);
    EXPECT_DOUBLE_EQ(RoundSignificant(9.96, 2), 10);
    EXPECT_DOUBLE_EQ(RoundSignificant(5, 1), 5);
    EXPECT_DOUBLE_EQ(RoundSignificant(0.3, 1), 0.3);
    EXPECT_EQ(RoundSignificant(-2.5, 2), -2.5);
    EXPECT_EQ(RoundSignificant(0, 3), 0);
    // Plain bars of 50 mm: pi/4 * 50^2 = 1963.495..., four digits.
    EXPECT_DOUBLE_EQ(RoundSignificant(3.141592654 / 4 * 50 * 50, 4), 1963);
}

TEST(Log10, NaturalLogRatio) {
    EXPECT_NEAR(Log10(1000), 3, 1e-15);
    EXPECT_EQ(Log10(1), 0);
    EXPECT_THROW(Log10(0), ArithmeticFault);
    EXPECT_THROW(Log10(-1), ArithmeticFault);
}

TEST(Arith, CheckedOperations) {
    EXPECT_EQ(guarded([] { cdiv(1, 0); }), kErrDivisionByZero);
    EXPECT_EQ(guarded([] { cdiv(0, 0); }), kErrDivisionByZero);
    EXPECT_EQ(guarded([] { csqrt(-1); }), kErrInvalidArgument);
    EXPECT_EQ(guarded([] { cln(0); }), kErrInvalidArgument);
    EXPECT_EQ(guarded([] { fin(1e308 * 10); }), kErrOverflow);
    EXPECT_EQ(guarded([] { cacos(1.5); }), kErrInvalidArgument);
    EXPECT_EQ(guarded([] { clng(3e9); }), kErrOverflow);
    EXPECT_EQ(guarded([] { cdiv(1, 4); }), kNoError);
    EXPECT_EQ(clng(2.5), 2);
    EXPECT_EQ(clng(3.5), 4);
}

TEST(Tolerance, GeneralComparisons) {
    double taper = (0.7 - 0.5) / 2.0;  // 0.09999999999999998
    EXPECT_TRUE(geTol(taper, 0.1));
    EXPECT_FALSE(ltTol(taper, 0.1));
    EXPECT_TRUE(ltTol(0.098, 0.1));
    EXPECT_FALSE(geTol(0.0989, 0.1));
    EXPECT_TRUE(nearEq(0.2505, 0.25));
}

}  // namespace
}  // namespace nuvra::calc
