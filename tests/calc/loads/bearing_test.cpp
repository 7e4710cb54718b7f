#include <gtest/gtest.h>

#include "calc/common/arith.h"
#include "calc/loads/bearing.h"

namespace nuvra::calc {
namespace {

TEST(BearingFactors, TableLookup) {
    struct Case {
        double fai, nc, nr, nq;
    };
    const Case cases[] = {
        {-5, 5.3, 0, 3.0},       {0, 5.3, 0, 3.0},
        {5, 5.3, 0, 3.4},        {10, 5.3, 0, 3.9},
        {13.2, 6.0, 0, 4.4},     {14, 6.2, 1.1, 4.5},  // Nr jumps from 0 to 10^0 just above 13.2°
        {28, 11.4, 4.4, 9.1},    {27.9995, 11.4, 4.4, 9.1},
        {30, 15.4, 6.8, 12.1},  // logarithmic, not linear, between 28° and 32°
        {40, 95.7, 114.0, 83.2}, {45, 95.7, 114.0, 83.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fai);
        CNcNrNq n;
        n.Fai = c.fai;
        n.Calc();
        EXPECT_EQ(n.Error(), 0);
        EXPECT_DOUBLE_EQ(n.Nc(), c.nc);
        EXPECT_DOUBLE_EQ(n.Nr(), c.nr);
        EXPECT_DOUBLE_EQ(n.Nq(), c.nq);
    }
}

TEST(AllowableBearing, Formula) {
    struct Case {
        double c, g1, b, g2, df, qa;
    };
    const Case cases[] = {
        {0, 18, 3, 16, 0, 40},    // only the width term: 0.5·18·3·4.4 / 3 = 39.6
        {10, 18, 3, 16, 1, 126},  // (114 + 118.8 + 145.6) / 3 = 126.13
        {0, 0, 0, 0, 0, 0},
    };
    for (const Case& k : cases) {
        CQa q;
        q.C = k.c;
        q.G1 = k.g1;
        q.B = k.b;
        q.G2 = k.g2;
        q.Df = k.df;
        q.Nc = 11.4;
        q.Nr = 4.4;
        q.Nq = 9.1;
        q.Calc();
        EXPECT_EQ(q.Error(), 0);
        EXPECT_DOUBLE_EQ(q.Alpha(), 1.0);
        EXPECT_DOUBLE_EQ(q.Beta(), 0.5);
        EXPECT_DOUBLE_EQ(q.Qa(), k.qa);
    }
}

TEST(GroundReaction, MaximumAgainstAllowable) {
    struct Case {
        double qa;
        const char* hantei;
    };
    // (2·10 + 100) / (0.6 + 2 + 1) = 33.33
    const Case cases[] = {{50, "OK"},      {33.33, "OK"},  {33.3295, "OK"},
                          {33.3305, "OK"}, {33.32, "OUT"}, {0, "OUT"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qa);
        CQmax q;
        q.W = 100;
        q.Pv = 10;
        q.B = 2;
        q.T2 = 0.3;
        q.TB = 0.5;
        q.Qa = c.qa;
        q.Calc();
        EXPECT_EQ(q.Error(), 0);
        EXPECT_DOUBLE_EQ(q.Qmax(), 33.33);
        EXPECT_EQ(q.Hantei(), c.hantei);
    }
}

TEST(GroundReaction, ZeroBaseWidthFaults) {
    CQmax q;
    q.W = 100;
    q.Qa = 1000;
    q.Calc();
    EXPECT_EQ(q.Error(), kErrDivisionByZero);
    EXPECT_EQ(q.Qmax(), 0);
    EXPECT_EQ(q.Hantei(), "OUT");
}

}  // namespace
}  // namespace nuvra::calc
