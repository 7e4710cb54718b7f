#include "calc/members/rc_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nuvra::calc {
namespace {

struct Section {
    double H, d1;
    std::int32_t Zai;
    double Dia, ctc, Md, Sd;
};

CRcKukei make(const Section& s, double Sca = 8, double Ssa = 180, double Tca = 0.39,
              double Toa = 1.6) {
    CRcKukei rc;
    rc.Md = s.Md;
    rc.Sd = s.Sd;
    rc.H = s.H;
    rc.d1 = s.d1;
    rc.Zai = s.Zai;
    rc.Dia = s.Dia;
    rc.ctc = s.ctc;
    rc.Sca = Sca;
    rc.Ssa = Ssa;
    rc.Tca = Tca;
    rc.Toa = Toa;
    rc.Calc();
    return rc;
}

void expectFailed(const CRcKukei& rc) {
    EXPECT_NE(rc.Error(), 0);
    EXPECT_EQ(rc.B(), 1000);
    for (double v :
         {rc.d(), rc.Asi(), rc.U(), rc.P(), rc.k(), rc.j(), rc.Sc(), rc.Ss(), rc.Tc(), rc.T0()})
        EXPECT_EQ(v, 0);
    for (const std::string* h : {&rc.HanteiSc(), &rc.HanteiSs(), &rc.HanteiTc(), &rc.HanteiTo()})
        EXPECT_EQ(*h, "OUT");
}

TEST(CRcKukei, WorkedSection) {
    for (std::int32_t zai : {2, 3}) {
        CRcKukei rc = make({400, 70, zai, 16, 200, 50, 60});
        EXPECT_EQ(rc.Error(), 0);
        EXPECT_EQ(rc.d(), 330);
        EXPECT_DOUBLE_EQ(rc.Asi(), 993);
        EXPECT_DOUBLE_EQ(rc.U(), 250);
        EXPECT_DOUBLE_EQ(rc.P(), 0.003009);
        EXPECT_DOUBLE_EQ(rc.k(), 0.2587);
        EXPECT_DOUBLE_EQ(rc.j(), 0.9138);
        EXPECT_DOUBLE_EQ(rc.Sc(), 3.88);
        EXPECT_DOUBLE_EQ(rc.Ss(), 166.98);
        EXPECT_DOUBLE_EQ(rc.Tc(), 0.2);
        EXPECT_DOUBLE_EQ(rc.T0(), 0.8);
        EXPECT_EQ(rc.N, 15);
        EXPECT_EQ(rc.B(), 1000);
        EXPECT_EQ(rc.HanteiSc(), "OK");
        EXPECT_EQ(rc.HanteiSs(), "OK");
        EXPECT_EQ(rc.HanteiTc(), "OK");
        EXPECT_EQ(rc.HanteiTo(), "OK");
    }
}

TEST(CRcKukei, NoForcesGiveZeroStressesAndOk) {
    CRcKukei rc = make({400, 70, 2, 16, 200, 0, 0});
    EXPECT_EQ(rc.Error(), 0);
    EXPECT_DOUBLE_EQ(rc.k(), 0.2587);
    for (double v : {rc.Sc(), rc.Ss(), rc.Tc(), rc.T0()})
        EXPECT_EQ(v, 0);
    for (const std::string* h : {&rc.HanteiSc(), &rc.HanteiSs(), &rc.HanteiTc(), &rc.HanteiTo()})
        EXPECT_EQ(*h, "OK");
}

TEST(CRcKukei, BarAreaAndPerimeterPerBar) {
    // At a spacing of 1000 mm one bar lies in the metre, so Asi and U are one bar's.
    struct {
        std::int32_t Zai;
        double Dia, area, perimeter;
    } cases[] = {
        {1, 13, 132.7, 41},  // 0.7854·169 = 132.7326, 3.142·13 = 40.846
        {1, 9, 63.62, 28},    {1, 19, 283.5, 60},
        {1, 22, 380.1, 69},   {1, 50, 1964, 157},  // 1963.5 to four digits, half away from zero
        {1, 12, 113.1, 38},                        // plain bars need no table
        {2, 16, 198.6, 50},   {3, 51, 2027, 160},
        {2, 6, 31.67, 20},    {2, 15.5, 198.6, 50},  // looked up as 16 (half to even)
        {2, 16.5, 198.6, 50},                        // looked up as 16 (half to even)
        {3, 12.6, 126.7, 40},                        // nearest whole number 13
    };
    for (const auto& c : cases) {
        CRcKukei rc = make({400, 70, c.Zai, c.Dia, 1000, 10, 10});
        EXPECT_EQ(rc.Error(), 0) << c.Dia;
        EXPECT_DOUBLE_EQ(rc.Asi(), c.area) << c.Zai << " " << c.Dia;
        EXPECT_DOUBLE_EQ(rc.U(), c.perimeter) << c.Zai << " " << c.Dia;
    }
}

TEST(CRcKukei, FaultsGiveTheFailureState) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Section bad[] = {
        {400, 70, 2, 12, 200, 50, 60},    // deformed 12 mm is not a standard size
        {400, 70, 2, 12.5, 200, 50, 60},  // looked up as 12
        {400, 70, 3, 13.5, 200, 0, 0},    // looked up as 14; fails even without forces
        {400, 70, 2, 0, 200, 50, 60},    {400, 70, 2, 1e12, 200, 50, 60},
        {400, 70, 1, 0, 200, 50, 60},    // plain bar without size
        {400, 70, 1, -16, 200, 50, 60},  // negative diameter
        {400, 70, 2, 16, 0, 50, 60},     // zero spacing
        {400, 70, 2, 16, -200, 50, 60},  // negative spacing
        {0, 70, 2, 16, 200, 50, 60},     // zero thickness
        {70, 70, 2, 16, 200, 50, 60},    // cover equal to the thickness: d = 0
        {300, 350, 2, 16, 200, 50, 60},  // cover beyond the thickness
        {300, 302, 2, 16, 200, 50, 60},  // 2 mm beyond: np < -2 would still give numbers
        {400, 70, 2, 16, 200, nan, 60},  {400, 70, 2, 16, 200, 50, inf},
        {nan, 70, 2, 16, 200, 50, 60},   {400, 70, 1, inf, 200, 50, 60},
        {400, 70, 2, 16, 200, 1e306, 0},  // moment overflows on conversion to N·mm
    };
    for (const Section& s : bad) {
        SCOPED_TRACE(testing::Message() << s.H << " " << s.d1 << " " << s.Zai << " " << s.Dia << " "
                                        << s.ctc << " " << s.Md << " " << s.Sd);
        CRcKukei rc = make({400, 70, 2, 16, 200, 50, 60});
        ASSERT_EQ(rc.Error(), 0);
        rc.Md = s.Md;
        rc.Sd = s.Sd;
        rc.H = s.H;
        rc.d1 = s.d1;
        rc.Zai = s.Zai;
        rc.Dia = s.Dia;
        rc.ctc = s.ctc;
        rc.Calc();
        expectFailed(rc);
        // The inputs stay as written.
        EXPECT_EQ(rc.Zai, s.Zai);
        EXPECT_EQ(rc.ctc, s.ctc);
        EXPECT_EQ(rc.N, 15);
    }
}

TEST(CRcKukei, DivisionByZeroIsReportedAsSuch) {
    CRcKukei rc = make({400, 70, 2, 16, 0, 50, 60});
    EXPECT_EQ(rc.Error(), 11);
}

TEST(CRcKukei, RecoversAfterAFault) {
    CRcKukei rc = make({400, 70, 2, 12, 200, 50, 60});
    expectFailed(rc);
    rc.Dia = 16;
    rc.Calc();
    EXPECT_EQ(rc.Error(), 0);
    EXPECT_DOUBLE_EQ(rc.Ss(), 166.98);
    EXPECT_EQ(rc.HanteiTo(), "OK");
}

TEST(CRcKukei, ReuseRecomputesEverythingFromTheCurrentInputs) {
    CRcKukei rc = make({400, 70, 2, 16, 200, 50, 60});
    rc.H = 500;
    rc.Dia = 19;
    rc.ctc = 150;
    rc.Md = 80;
    rc.Calc();
    CRcKukei fresh = make({500, 70, 2, 19, 150, 80, 60});
    EXPECT_EQ(rc.d(), fresh.d());
    EXPECT_EQ(rc.Asi(), fresh.Asi());
    EXPECT_EQ(rc.k(), fresh.k());
    EXPECT_EQ(rc.Sc(), fresh.Sc());
    EXPECT_EQ(rc.Ss(), fresh.Ss());
    EXPECT_EQ(rc.T0(), fresh.T0());
}

TEST(CRcKukei, FreshObject) {
    CRcKukei rc;
    EXPECT_EQ(rc.Error(), 0);
    EXPECT_EQ(rc.Zai, 1);
    EXPECT_EQ(rc.N, 15);
    EXPECT_EQ(rc.B(), 1000);
    EXPECT_EQ(rc.Sc(), 0);
    for (const std::string* h : {&rc.HanteiSc(), &rc.HanteiSs(), &rc.HanteiTc(), &rc.HanteiTo()})
        EXPECT_EQ(*h, "OUT");
}

TEST(CRcKukei, SetterRules) {
    CRcKukei rc;
    rc.Zai = 3;
    for (std::int32_t bad : {0, 4, -1, 99}) {
        rc.Zai = bad;
        EXPECT_EQ(rc.Zai, 3) << bad;
    }
    rc.Zai = 2;
    EXPECT_EQ(rc.Zai, 2);

    rc = make({400, 70, 2, 16, 200, 50, 60});
    rc.N = 10;
    EXPECT_EQ(rc.N, 10);
    rc.Calc();
    EXPECT_EQ(rc.N, 15);
    EXPECT_DOUBLE_EQ(rc.k(), 0.2587);  // computed with n = 15
}

TEST(Verdict, ToleranceOfOneHundredth) {
    struct {
        double value, allowable;
        const char* verdict;
    } cases[] = {
        {180.00, 180, "OK"}, {180.02, 180, "OUT"}, {180.01, 180, "OK"},  // 0.00999999...
        {0.40, 0.39, "OUT"},                                             // 0.01000000...
        {179.99, 180, "OK"}, {181, 180, "OUT"},    {0, 0, "OK"},
        {0, 8, "OK"},        {8.5, 8, "OUT"},      {-5, -6, "OUT"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(Verdict(c.value, c.allowable), c.verdict) << c.value << " vs " << c.allowable;
}

TEST(CRcKukei, VerdictsCompareEachStressWithItsAllowable) {
    // Worked section: σc 3.88, σs 166.98, τ 0.2, τo 0.8.
    struct {
        double Sca, Ssa, Tca, Toa;
        const char *sc, *ss, *tc, *to;
    } cases[] = {
        {3.88, 166.98, 0.2, 0.8, "OK", "OK", "OK", "OK"},
        {3.86, 166.96, 0.18, 0.78, "OUT", "OUT", "OUT", "OUT"},
        {3.87, 180, 0.21, 0.5, "OK", "OK", "OK", "OUT"},
        {8, 157, 0.39, 1.6, "OK", "OUT", "OK", "OK"},
    };
    for (const auto& c : cases) {
        CRcKukei rc = make({400, 70, 2, 16, 200, 50, 60}, c.Sca, c.Ssa, c.Tca, c.Toa);
        EXPECT_EQ(rc.HanteiSc(), c.sc) << c.Sca;
        EXPECT_EQ(rc.HanteiSs(), c.ss) << c.Ssa;
        EXPECT_EQ(rc.HanteiTc(), c.tc) << c.Tca;
        EXPECT_EQ(rc.HanteiTo(), c.to) << c.Toa;
    }
}

}  // namespace
}  // namespace nuvra::calc
