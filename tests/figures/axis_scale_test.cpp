#include "figures/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/common/arith.h"

namespace nuvra::figures {
namespace {

struct AxisCase {
    double min, max;
    int n;
    double start, step;
};

TEST(AxisScale, WorkedRanges) {
    const AxisCase cases[] = {
        {0, 150, 8, 0, 20},      // 0 ... 160
        {0, 2500, 13, 0, 200},   // 0 ... 2600: a second refinement is never made
        {0, 3450, 7, 0, 500},    // 0 ... 3500
        {0, 100, 10, 0, 10},     // an exact power of ten
        {0, 0.7, 8, -0.1, 0.1},  // binary noise: repeated subtraction ends just below 0
        {-50, 0, 10, -50, 5},    // the lower end governs
        {-3, 12, 8, -4, 2},      // both signs
        {0, 0, 3, -0.2, 0.1},    // nothing to show still gives an axis
        {0, 176, 9, 0, 20},      // a steel stress axis up to σsa
    };
    for (const AxisCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "AxisScale(" << c.min << ", " << c.max << ")");
        AxisDivision a = AxisScale(c.min, c.max);
        EXPECT_EQ(a.n, c.n);
        EXPECT_DOUBLE_EQ(a.start, c.start);
        EXPECT_DOUBLE_EQ(a.step, c.step);
    }
}

// Whatever the range, the axis covers it in 3 to 20 round steps.
TEST(AxisScale, CoversEveryRangeWithRoundSteps) {
    const double ends[] = {-2750, -480, -37, -3.2, 0, 1.5, 9.99, 10, 64, 157, 999, 2725, 12000};
    for (double lo : ends)
        for (double hi : ends) {
            if (hi < lo) continue;
            SCOPED_TRACE(testing::Message() << lo << " .. " << hi);
            AxisDivision a = AxisScale(lo, hi);
            EXPECT_LE(a.start, lo + 1e-9);
            EXPECT_GE(a.start + a.n * a.step, hi - 1e-9);
            EXPECT_GE(a.n, 3);
            EXPECT_LE(a.n, 20);
            double mant = a.step / std::pow(10.0, std::floor(std::log10(a.step) + 1e-12));
            EXPECT_TRUE(std::fabs(mant - 1) < 1e-9 || std::fabs(mant - 2) < 1e-9 ||
                        std::fabs(mant - 5) < 1e-9)
                << "step " << a.step;
        }
}

TEST(AxisScale, NonFiniteEndsFault) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(AxisScale(0, nan), calc::ArithmeticFault);
    EXPECT_THROW(AxisScale(-inf, 0), calc::ArithmeticFault);
    EXPECT_THROW(AxisScale(0, 1.7e308), calc::ArithmeticFault);  // its round end overflows
}

}  // namespace
}  // namespace nuvra::figures
