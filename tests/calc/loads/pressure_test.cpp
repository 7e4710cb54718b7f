#include <gtest/gtest.h>

#include <vector>

#include "calc/loads/pressure.h"

namespace nuvra::calc {
namespace {

struct Seg {
    double eu, el, h, pu, pl;
};

void expectQdo(const clsPressure& p, const std::vector<Seg>& segs) {
    ASSERT_EQ(p.Qdo().Count(), static_cast<std::int32_t>(segs.size()));
    std::size_t i = 0;
    for (const clsPressureLoad& s : p.Qdo()) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(s.EU, segs[i].eu, 1e-12);
        EXPECT_NEAR(s.EL, segs[i].el, 1e-12);
        EXPECT_NEAR(s.H, segs[i].h, 1e-12);
        EXPECT_DOUBLE_EQ(s.PU, segs[i].pu);
        EXPECT_DOUBLE_EQ(s.PL, segs[i].pl);
        ++i;
    }
}

clsPressure range(double wu, double wl) {
    clsPressure p;
    p.WU = wu;
    p.WL = wl;
    return p;
}

TEST(Pressure, NoSegmentsGiveOneZeroSegment) {
    clsPressure p = range(3, 0.5);
    p.THT = 20;
    p.Calc();
    ASSERT_EQ(p.Error(), 0);
    expectQdo(p, {{3, 0.5, 2.5, 0, 0}});
    EXPECT_EQ(p.Detail().Count(), 0);
    EXPECT_EQ(p.P(), 0);
    EXPECT_EQ(p.Y(), 0);
    EXPECT_DOUBLE_EQ(p.ELY(), 0.5);
    EXPECT_EQ(p.Pv(), 0);
}

TEST(Pressure, TriangleFromZeroAtTheTop) {
    clsPressure p = range(3, 0);
    p.Qdi().Add(3, 3, 0, 10);
    p.THT = 20;
    p.Calc();
    ASSERT_EQ(p.Detail().Count(), 1);
    const clsPressureDetail& d = *p.Detail().Item(1);
    EXPECT_EQ(d.Section, 2);
    EXPECT_DOUBLE_EQ(d.P, 10);
    EXPECT_DOUBLE_EQ(d.Pi, 15);
    EXPECT_DOUBLE_EQ(d.Yi, 1);
    EXPECT_DOUBLE_EQ(d.Mi, 15);
    EXPECT_DOUBLE_EQ(p.P(), 15);
    EXPECT_DOUBLE_EQ(p.Y(), 1);
    EXPECT_DOUBLE_EQ(p.ELY(), 1);
    EXPECT_DOUBLE_EQ(p.Pv(), 5.46);  // R2(tan 20° · 15)
}

TEST(Pressure, ClippingAndFilling) {
    struct Case {
        const char* what;
        double wu, wl;
        std::vector<Seg> in;  // eu, (el unused), h, pu, pl
        std::vector<Seg> out;
    };
    const Case cases[] = {
        {"crossing the top: cut at WU, pressure interpolated; zero fill below",
         4,
         0,
         {{5, 0, 4, 0, 8}},
         {{4, 1, 3, 2, 8}, {1, 0, 1, 0, 0}}},
        {"crossing the bottom: cut at WL", 3, 0, {{3, 0, 4, 4, 8}}, {{3, 0, 3, 4, 7}}},
        {"below the top: zero segment inserted first",
         4,
         0,
         {{3, 0, 3, 1, 1}},
         {{4, 3, 1, 0, 0}, {3, 0, 3, 1, 1}}},
        {"entirely above or below the range, or too thin: dropped",
         4,
         0,
         {{6, 0, 1, 5, 5}, {0, 0, 1, 5, 5}, {2, 0, 0.0005, 5, 5}},
         {{4, 0, 4, 0, 0}}},
        {"cut to less than a millimetre at the top: removed",
         4,
         0,
         {{5, 0, 1.0005, 3, 3}, {3.9995, 0, 3.9995, 2, 2}},
         {{3.9995, 0, 3.9995, 2, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clsPressure p = range(c.wu, c.wl);
        for (const Seg& s : c.in)
            p.Qdi().Add(s.eu, s.h, s.pu, s.pl);
        p.Calc();
        ASSERT_EQ(p.Error(), 0);
        expectQdo(p, c.out);
    }
}

TEST(Pressure, SplitIntoRectangleAndTriangles) {
    clsPressure p = range(4, 0);
    p.Qdi().Add(5, 4, 0, 8);
    p.Calc();
    // Trapezoid 2 → 8 over 3 m starting 1 m above WL.
    ASSERT_EQ(p.Detail().Count(), 2);
    const clsPressureDetail& a = *p.Detail().Item(1);
    const clsPressureDetail& b = *p.Detail().Item(2);
    EXPECT_EQ(a.Section, 1);
    EXPECT_DOUBLE_EQ(a.P, 2);
    EXPECT_DOUBLE_EQ(a.Y, 1);
    EXPECT_DOUBLE_EQ(a.Pi, 3);
    EXPECT_DOUBLE_EQ(a.Yi, 3);
    EXPECT_DOUBLE_EQ(a.Mi, 9);
    EXPECT_EQ(b.Section, 2);
    EXPECT_DOUBLE_EQ(b.Pi, 12);
    EXPECT_DOUBLE_EQ(b.Yi, 2);
    EXPECT_DOUBLE_EQ(b.Mi, 24);
    EXPECT_DOUBLE_EQ(p.P(), 15);
    EXPECT_DOUBLE_EQ(p.M(), 33);
    EXPECT_DOUBLE_EQ(p.Y(), 2.2);
    EXPECT_DOUBLE_EQ(p.ELY(), 2.2);

    clsPressure r = range(2, 0);
    r.Qdi().Add(2, 2, 5, 5.0005);  // equal within 0.001: one rectangle
    r.Qdi().Add(0, 0, 0, 0);
    r.Calc();
    ASSERT_EQ(r.Detail().Count(), 1);
    EXPECT_EQ(r.Detail().Item(1)->Section, 0);
    EXPECT_DOUBLE_EQ(r.Detail().Item(1)->Pi, 10);
    EXPECT_DOUBLE_EQ(r.Detail().Item(1)->Yi, 1);

    clsPressure t = range(2, 0);
    t.Qdi().Add(2, 2, 6, 0);  // zero at the bottom: one triangle wide at the top
    t.Calc();
    ASSERT_EQ(t.Detail().Count(), 1);
    EXPECT_EQ(t.Detail().Item(1)->Section, 1);
    EXPECT_DOUBLE_EQ(t.Detail().Item(1)->Yi, 1.333);
}

}  // namespace
}  // namespace nuvra::calc
