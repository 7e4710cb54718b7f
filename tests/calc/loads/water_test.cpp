#include <gtest/gtest.h>

#include "calc/common/arith.h"
#include "calc/loads/water.h"

namespace nuvra::calc {
namespace {

TEST(Uplift, PressureAndForce) {
    struct Case {
        double hw, ub, u, up;
    };
    const Case cases[] = {{1.2, 3.6, 11.76, 42.34}, {0, 3.6, 0, 0}};
    for (const Case& c : cases) {
        clsYouatsuryoku y;
        y.B = 2;
        y.T2 = 0.3;
        y.TB = 0.5;
        y.HW = c.hw;
        y.Calc();
        EXPECT_EQ(y.Error(), 0);
        EXPECT_DOUBLE_EQ(y.UB(), c.ub);
        EXPECT_NEAR(y.U(), c.u, 1e-12);
        EXPECT_DOUBLE_EQ(y.Up(), c.up);
    }
    EXPECT_DOUBLE_EQ(clsYouatsuryoku().Gw, 9.8);
}

TEST(Flotation, SafetyFactorAndVerdict) {
    struct Case {
        double w, pvo, u, fa;
        double fs;
        const char* hantei;
    };
    const Case cases[] = {
        {100, 10, 50, 1.1, 2.2, "OK"},
        {100, 10, 50, 2.2, 2.2, "OK"},     // equal
        {100, 10, 50, 2.2009, 2.2, "OK"},  // within 0.001
        {100, 10, 50, 2.21, 2.2, "OUT"},   // 0.01 short
        {100, 10, 0, 1.1, 999.99, "OK"},   // no uplift
        {100, 10, 0.0005, 1.1, 999.99, "OK"},
        {1000, 0, 0.01, 1.1, 999.99, "OK"},  // quotient capped
        {100, 0, -50, 1.1, -2, "OUT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fa);
        CUkiagari k;
        k.W = c.w;
        k.Pvo = c.pvo;
        k.U = c.u;
        k.Fa = c.fa;
        k.Calc();
        EXPECT_EQ(k.Error(), 0);
        EXPECT_DOUBLE_EQ(k.Pv(), c.pvo);
        EXPECT_DOUBLE_EQ(k.Fs(), c.fs);
        EXPECT_EQ(k.Hantei(), c.hantei);
    }
}

TEST(Flotation, FaultKeepsTheVerdictOfAFreshObject) {
    CUkiagari k;
    EXPECT_EQ(k.Hantei(), "OUT");
    EXPECT_DOUBLE_EQ(k.Fa, 1.0);
    k.W = 1.5e308;
    k.Pvo = 1.5e308;
    k.U = 1;
    k.Calc();
    EXPECT_EQ(k.Error(), kErrOverflow);
    EXPECT_DOUBLE_EQ(k.Pv(), 1.5e308);  // computed before the fault
    EXPECT_EQ(k.Fs(), 0);
    EXPECT_EQ(k.Hantei(), "OUT");
}

TEST(ResidualWater, DifferenceOfLevels) {
    struct Case {
        double low, res, dh, pw;
    };
    const Case cases[] = {{1, 2.5, 1.5, 15.15}, {2, 1, -1, 10.1}, {1, 1, 0, 0}};
    for (const Case& c : cases) {
        CRwp r;
        r.ELLWL = c.low;
        r.ELRWL = c.res;
        r.Calc();
        EXPECT_EQ(r.Error(), 0);
        EXPECT_DOUBLE_EQ(r.DH(), c.dh);
        EXPECT_DOUBLE_EQ(r.Pw(), c.pw);
    }
}

}  // namespace
}  // namespace nuvra::calc
