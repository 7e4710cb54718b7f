#include <gtest/gtest.h>

#include "calc/loads/surcharge.h"

namespace nuvra::calc {
namespace {

TEST(Surcharge, InfluenceFactor) {
    const std::pair<double, double> cases[] = {{0, 1},     {0.5, 0.563},  {1, 0.363},
                                               {2, 0.203}, {0.88, 0.399}, {1.25, 0.305}};
    for (auto [x, i] : cases)
        EXPECT_DOUBLE_EQ(clsQqw::InfluenceFactor(x), i) << x;
}

TEST(Surcharge, LoadFromADistance) {
    struct Case {
        double h, x, q;
        double xhq, iq, qq;
    };
    const Case cases[] = {
        {2, 0, 10.04, 0, 1, 10.0},  // at the wall: the load itself, to 0.1
        {2, 1, 10, 0.5, 0.563, 5.6},
        {0, 1, 10, 0, 1, 10},  // no height: the relative distance stays 0
        {3, 1, 10, 0.33, 0.674, 6.7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        clsQqw s;
        s.H = c.h;
        s.Keijyo = 0;
        s.D1X = c.x;
        s.D1Q = c.q;
        s.Calc();
        ASSERT_EQ(s.Error(), 0);
        EXPECT_DOUBLE_EQ(s.Xq(), c.x);
        EXPECT_DOUBLE_EQ(s.XHq(), c.xhq);
        EXPECT_DOUBLE_EQ(s.Iq(), c.iq);
        EXPECT_DOUBLE_EQ(s.QQ(), c.qq);
        EXPECT_EQ(s.Qw(), 0);
        EXPECT_DOUBLE_EQ(s.Q(), c.qq);
    }
}

TEST(Surcharge, UniformLoad) {
    clsQqw s;
    s.Keijyo = 1;
    s.D2Q = 12.34;
    s.Calc();
    EXPECT_DOUBLE_EQ(s.Iq(), 1);
    EXPECT_DOUBLE_EQ(s.Q(), 12.34);
}

TEST(Surcharge, Embankment) {
    struct Case {
        double x1, x2, ho, q;
        double xw, xhw, iw, qw, xq, qq;
    };
    const Case cases[] = {
        // Slope centre 1.75 m away (0.875 → 0.88 of H); crest 2.5 m away, within H + Ho.
        {1, 1.5, 1, 10, 1.75, 0.88, 0.399, 7.2, 2.5, 3.1},
        // Crest exactly at H + Ho: out of reach, the embankment acts alone.
        {1, 2, 1, 10, 2, 1, 0.363, 6.5, 3, 0},
        // Within 0.001 of the reach counts as at the reach.
        {1, 1.9995, 1, 10, 2, 1, 0.363, 6.5, 2.9995, 0},
        // No embankment height: only the crest load, from 0.5 m.
        {0.5, 0, 0, 10, 0.5, 0.25, 0.738, 0, 0.5, 7.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x2);
        clsQqw s;
        s.H = 2;
        s.Keijyo = 2;
        s.D3X1 = c.x1;
        s.D3X2 = c.x2;
        s.D3Ho = c.ho;
        s.D3Gs = 18;
        s.D3Q = c.q;
        s.Calc();
        ASSERT_EQ(s.Error(), 0);
        EXPECT_DOUBLE_EQ(s.Xw(), c.xw);
        EXPECT_DOUBLE_EQ(s.XHw(), c.xhw);
        EXPECT_DOUBLE_EQ(s.Iw(), c.iw);
        EXPECT_DOUBLE_EQ(s.QQ(), c.qq);
        EXPECT_DOUBLE_EQ(s.Qw(), c.qw);
        EXPECT_DOUBLE_EQ(s.Xq(), c.xq);
        EXPECT_NEAR(s.Q(), s.Qw() + s.QQ(), 1e-12);
    }
}

TEST(Surcharge, AnyOtherShapeIsTheEmbankment) {
    clsQqw a, b;
    for (clsQqw* s : {&a, &b}) {
        s->H = 2;
        s->D3X1 = 1;
        s->D3X2 = 1;
        s->D3Ho = 2;
        s->D3Gs = 18;
        s->D3Q = 10;
    }
    a.Keijyo = 2;
    b.Keijyo = 7;
    a.Calc();
    b.Calc();
    EXPECT_DOUBLE_EQ(a.Q(), b.Q());
    EXPECT_GT(a.Q(), 0);
}

}  // namespace
}  // namespace nuvra::calc
