#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/members/footing_forces.h"
#include "calc/members/slab_forces.h"
#include "calc/members/xsm.h"

namespace nuvra::calc {
namespace {

TEST(colXSM, OneBasedOrderedPoints) {
    colXSM c;
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.Item(1), nullptr);
    clsXSM& first = c.Add(1.0, 2.0, 3.0);
    EXPECT_EQ(first.x, 1.0);
    c.Add(3.0);
    c.Add(2.0, 0, 0, 2, true);   // before the point at 2
    c.Add(0.5, 0, 0, 1, true);   // before the first
    c.Add(4.0, 0, 0, 4, false);  // after the last
    ASSERT_EQ(c.Count(), 5);
    double expected[] = {0.5, 1.0, 2.0, 3.0, 4.0};
    int i = 0;
    for (const clsXSM& p : c)
        EXPECT_EQ(p.x, expected[i++]);
    EXPECT_EQ(c.Item(2)->S, 2.0);
    EXPECT_EQ(c.Item(0), nullptr);
    EXPECT_EQ(c.Item(6), nullptr);

    EXPECT_FALSE(c.Remove(0));
    EXPECT_FALSE(c.Remove(6));
    EXPECT_TRUE(c.Remove(1));
    EXPECT_EQ(c.Item(1)->x, 1.0);
    EXPECT_EQ(c.Count(), 4);
    EXPECT_THROW(c.Add(9.0, 0, 0, 5), ArithmeticFault);
    EXPECT_THROW(c.Add(9.0, 0, 0, -1), ArithmeticFault);
    EXPECT_EQ(c.Count(), 4);
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
}

TEST(CWpCWr, PeakAndReaction) {
    struct {
        double Pv, B, WP;
    } wp[] = {{0, 3.34, 0}, {10, 4, 5}, {1, 3, 0.67}, {-1, 3, -0.67}, {5, 0, 0}, {0, 0, 0}};
    for (const auto& c : wp) {
        CWp o;
        o.Pv = c.Pv;
        o.B = c.B;
        o.Calc();
        EXPECT_DOUBLE_EQ(o.WP(), c.WP) << c.Pv << "/" << c.B;
        EXPECT_EQ(o.Error() != 0, c.B == 0);
    }
    struct {
        double W, Pv, U, B, WR;
    } wr[] = {{56.6, 2.71, 0, 3.34, 18.57},
              {72.3, 0, 0, 3.34, 21.65},
              {100, 10, 30, 4, 22.5},
              {10, 0, 0, 3, 3.33},
              {10, 5, 0, 0, 0},
              {std::numeric_limits<double>::infinity(), 0, 0, 2, 0}};
    for (const auto& c : wr) {
        CWr o;
        o.W = c.W;
        o.Pv = c.Pv;
        o.U = c.U;
        o.B = c.B;
        o.Calc();
        EXPECT_DOUBLE_EQ(o.WR(), c.WR) << c.W << " " << c.B;
        EXPECT_EQ(o.Error() != 0, c.B == 0 || std::isinf(c.W));
    }
    // A good calculation after a failed one clears the error.
    CWp o;
    o.Pv = 3;
    o.Calc();
    EXPECT_NE(o.Error(), 0);
    o.B = 2;
    o.Calc();
    EXPECT_EQ(o.Error(), 0);
    EXPECT_EQ(o.WP(), 3);
}

TEST(CTeibanMS, SpanForces) {
    struct {
        double Ms, WR, bl, x, S, M;
    } cases[] = {
        {10, 20, 2.0, 0, 20, 10},
        {10, 20, 2.0, 1.0, 0, 0},
        {10, 20, 2.0, 0.5, 10, 2.5},
        {2.93, 6.56, 3.34, 0.12, 10.17, 1.66},  // 3.28·3.1 = 10.168; 2.93 − 1.267392
        {2.93, 6.56, 3.34, 1.67, 0, -6.22},
        {0, -4, 3, 1.5, 0, 4.5},
    };
    for (const auto& c : cases) {
        CTeibanMS ms;
        ms.Ms = c.Ms;
        ms.WR = c.WR;
        ms.bl = c.bl;
        ms.XSM().Add(c.x);
        ms.Calc();
        EXPECT_EQ(ms.Error(), 0);
        EXPECT_DOUBLE_EQ(ms.XSM().Item(1)->S, c.S) << c.x;
        EXPECT_DOUBLE_EQ(ms.XSM().Item(1)->M, c.M) << c.x;
    }
}

TEST(CTeibanMS, FaultStopsAtThePoint) {
    CTeibanMS ms;
    ms.Ms = 10;
    ms.WR = 20;
    ms.bl = 2;
    ms.XSM().Add(0);
    ms.XSM().Add(std::numeric_limits<double>::quiet_NaN());
    ms.XSM().Add(1.0, 7, 7);
    ms.Calc();
    EXPECT_NE(ms.Error(), 0);
    EXPECT_EQ(ms.XSM().Item(1)->S, 20);
    EXPECT_EQ(ms.XSM().Item(1)->M, 10);
    EXPECT_EQ(ms.XSM().Item(3)->S, 7);  // not reached
    EXPECT_EQ(ms.XSM().Item(3)->M, 7);
}

TEST(CFootingMS, CantileverForces) {
    struct {
        double WR, WP, bl, x;
        double Sr, Mr, Sp, Mp;
    } cases[] = {
        {10, 0, 1.0, 1.0, 10, 5, 0, 0},
        {10, 0, 1.0, 0.75, 7.5, 2.81, 0, 0},  // 2.8125
        {0, 12, 1.0, 1.0, 0, 0, -6, -4},
        {0, 12, 1.0, 0.5, 0, 0, -4.5, -1.25},  // 6·(1 − .25), 2·(.75 − .125)
        {0, 12, 2.0, 0, 0, 0, 0, 0},
        {-8.458, 3.64, 0.77, 0.66, -5.58, -1.84, -1.37, -0.57},
    };
    for (const auto& c : cases) {
        CFootingMS f;
        f.WR = c.WR;
        f.WP = c.WP;
        f.bl = c.bl;
        f.XSM().Add(c.x);
        f.Calc();
        SCOPED_TRACE(testing::Message() << c.WR << " " << c.WP << " " << c.bl << " " << c.x);
        EXPECT_EQ(f.Error(), 0);
        ASSERT_EQ(f.XSMr().Count(), 1);
        ASSERT_EQ(f.XSMp().Count(), 1);
        EXPECT_EQ(f.XSMr().Item(1)->x, c.x);
        EXPECT_DOUBLE_EQ(f.XSMr().Item(1)->S, c.Sr);
        EXPECT_DOUBLE_EQ(f.XSMr().Item(1)->M, c.Mr);
        EXPECT_DOUBLE_EQ(f.XSMp().Item(1)->S, c.Sp);
        EXPECT_DOUBLE_EQ(f.XSMp().Item(1)->M, c.Mp);
        EXPECT_EQ(f.XSM().Item(1)->S, c.Sr + c.Sp);
        EXPECT_EQ(f.XSM().Item(1)->M, c.Mr + c.Mp);
    }
}

TEST(CFootingMS, RecalculationRebuildsThePartLists) {
    CFootingMS f;
    f.WR = 10;
    f.bl = 1;
    f.XSM().Add(1.0);
    f.XSM().Add(0.75);
    f.Calc();
    f.Calc();
    EXPECT_EQ(f.XSMr().Count(), 2);
    EXPECT_EQ(f.XSMp().Count(), 2);
    EXPECT_DOUBLE_EQ(f.XSM().Item(2)->M, 2.81);
}

TEST(CFootingMS, ZeroLengthIsAFault) {
    CFootingMS f;
    f.WR = 10;
    f.WP = 5;
    f.bl = 0;
    f.XSM().Add(0.5, 1, 2);
    f.Calc();
    EXPECT_NE(f.Error(), 0);
    // The point was started in the part lists but got no forces; XSM keeps its values.
    ASSERT_EQ(f.XSMr().Count(), 1);
    EXPECT_EQ(f.XSMr().Item(1)->S, 0);
    EXPECT_EQ(f.XSM().Item(1)->S, 1);
    EXPECT_EQ(f.XSM().Item(1)->M, 2);
}

}  // namespace
}  // namespace nuvra::calc
