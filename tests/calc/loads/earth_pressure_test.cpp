#include <gtest/gtest.h>

#include <cmath>

#include "calc/common/arith.h"
#include "calc/loads/earth_pressure.h"

namespace nuvra::calc {
namespace {

double rad(double deg) {
    return deg * kPi / 180;
}

TEST(EarthPressure, CoefficientForms) {
    struct Case {
        double fai, beta, theta, delta, theta0, expected;
    };
    const double c30 = std::cos(rad(30)), s50 = std::sin(rad(50)), s30 = std::sin(rad(30));
    const double c20 = std::cos(rad(20));
    const Case cases[] = {
        // Level ground, vertical wall: cos²φ / (cos δ (1 + √(sin(φ+δ) sin φ / cos δ))²).
        {30, 0, 0, 20, 0, c30 * c30 / (c20 * std::pow(1 + std::sqrt(s50 * s30 / c20), 2))},
        // No wall friction: Rankine's tan²(45° − φ/2).
        {30, 0, 0, 0, 0, std::pow(std::tan(rad(30)), 2)},
        // Slope steeper than the friction angle: the form without the root, cos²φ.
        {20, 30, 0, 0, 0, std::pow(std::cos(rad(20)), 2)},
        // A friction angle of 0 gives the full overburden.
        {0, 0, 0, 0, 0, 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.fai);
        EXPECT_NEAR(
            clsSpa::GetKa(rad(k.fai), rad(k.beta), rad(k.theta), rad(k.delta), rad(k.theta0)),
            k.expected, 1e-9);
    }
    // Failing arithmetic gives −1 instead of raising.
    EXPECT_EQ(clsSpa::GetKa(std::nan(""), 0, 0, 0, 0), -1);
}

TEST(EarthPressure, FailurePlaneAngle) {
    // Level ground, no friction: 45° + φ/2.
    EXPECT_NEAR(clsSpa::FailureAngle(rad(30), 0, 0, 0, 0) * 180 / kPi, 60, 1e-6);
    // φ = β = 0 divides 0 by 0, a NaN fails anywhere: the angle falls back to β.
    EXPECT_EQ(clsSpa::FailureAngle(0, 0, 0, 0, 0), 0);
    EXPECT_EQ(clsSpa::FailureAngle(std::nan(""), 0.1, 0, 0, 0), 0.1);
}

clsSpa oneLayer(double fai, double delta, double q) {
    clsSpa s;
    s.Delta = delta;
    s.Q = q;
    s.Jiban().Add({.No = 1, .EU = 2, .H = 2, .Gs = 18, .Fai = fai});
    return s;
}

TEST(EarthPressure, SandyLayerWithWallFriction) {
    clsSpa s = oneLayer(30, 20, 0);
    s.Calc();
    ASSERT_EQ(s.Error(), 0);
    const clsSpJiban& j = *s.Jiban().Item(1);
    EXPECT_DOUBLE_EQ(j.KaU, 0.2794);  // R4(cos 20° · Ka)
    EXPECT_DOUBLE_EQ(j.KaL, 0.2794);
    EXPECT_EQ(j.PU, 0);  // no surcharge: nothing at the surface
    EXPECT_DOUBLE_EQ(j.GH, 36);
    EXPECT_DOUBLE_EQ(j.PL, 10.06);  // R2(36 · 0.2794)
    EXPECT_DOUBLE_EQ(j.PaL, j.PL);
    EXPECT_DOUBLE_EQ(j.ZetaU, 56.0);
    EXPECT_EQ(j.TU, 0);
    EXPECT_DOUBLE_EQ(j.EL, 0);
}

TEST(EarthPressure, SurchargeAndSecondLayerCarryTheOverburden) {
    clsSpa s = oneLayer(30, 0, 10);
    s.Jiban().Add({.No = 2, .EU = 0, .H = 1, .Gs = 10, .Fai = 30, .KhU = 0.2, .KhL = 0.2});
    s.Calc();
    ASSERT_EQ(s.Error(), 0);
    EXPECT_DOUBLE_EQ(s.Q2(), 10);
    const clsSpJiban& a = *s.Jiban().Item(1);
    const clsSpJiban& b = *s.Jiban().Item(2);
    EXPECT_DOUBLE_EQ(a.GHU, 10);
    EXPECT_DOUBLE_EQ(a.GHL, 46);
    EXPECT_DOUBLE_EQ(b.GHU, a.GHL);
    EXPECT_DOUBLE_EQ(b.GHL, 56);
    EXPECT_DOUBLE_EQ(a.KaU, 0.3333);
    EXPECT_DOUBLE_EQ(a.PU, 3.33);
    EXPECT_DOUBLE_EQ(a.ZetaU, 60.0);
    // The seismic angle of the second layer: atan 0.2 = 11.31°.
    EXPECT_DOUBLE_EQ(b.TU, 11.31);
    EXPECT_GT(b.KaU, a.KaU);
}

TEST(EarthPressure, CohesiveLayerTakesTheLargerReducedPressure) {
    clsSpa s;
    s.Q = 10;
    s.Jiban().Add({.No = 1, .EU = 2, .H = 1, .Kind = 1, .Gs = 18, .Fai = 0, .CU = 4, .CL = 20});
    s.Calc();
    ASSERT_EQ(s.Error(), 0);
    const clsSpJiban& j = *s.Jiban().Item(1);
    EXPECT_DOUBLE_EQ(j.P1U, 2);  // 10 − 2·4
    EXPECT_DOUBLE_EQ(j.P2U, 5);  // 10 / 2
    EXPECT_DOUBLE_EQ(j.PaU, 5);
    EXPECT_DOUBLE_EQ(j.P1L, -12);  // 28 − 2·20
    EXPECT_DOUBLE_EQ(j.PaL, 14);
    EXPECT_EQ(j.ZetaU, 45);
    EXPECT_EQ(j.PU, 0);
    EXPECT_EQ(j.PL, 0);
}

TEST(EarthPressure, OverflowStopsAtTheLayerAndKeepsTheOnesBefore) {
    clsSpa s = oneLayer(30, 20, 0);
    s.Jiban().Add({.No = 2, .EU = 0, .H = 100, .Gs = 1e307, .Fai = 30});
    s.Jiban().Add({.No = 3, .EU = -100, .H = 1, .Gs = 18, .Fai = 30});
    s.Calc();
    EXPECT_EQ(s.Error(), kErrOverflow);
    EXPECT_DOUBLE_EQ(s.Jiban().Item(1)->PL, 10.06);
    EXPECT_EQ(s.Jiban().Item(2)->GHL, 0);
    EXPECT_EQ(s.Jiban().Item(3)->GHU, 0);
}

TEST(EarthPressure, LayersInsertAtPositions) {
    clsSpa s;
    s.Jiban().Add({.No = 1, .EU = 3, .H = 1, .Gs = 18, .Fai = 30});
    s.Jiban().Add({.No = 3, .EU = 1, .H = 1, .Gs = 18, .Fai = 30});
    s.Jiban().Add({.No = 2, .EU = 2, .H = 1, .Gs = 18, .Fai = 30}, 2, true);
    std::int32_t expect = 1;
    for (const clsSpJiban& j : s.Jiban())
        EXPECT_EQ(j.No, expect++);
    clsSpJiban fresh;
    EXPECT_EQ(fresh.EL, -100);
    EXPECT_EQ(fresh.H, 100);
    EXPECT_EQ(fresh.Gs, 18);
    EXPECT_EQ(fresh.Fai, 30);
    EXPECT_EQ(clsSpa().Delta, 15);
}

}  // namespace
}  // namespace nuvra::calc
