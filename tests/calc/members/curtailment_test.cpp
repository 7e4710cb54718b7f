#include "calc/members/curtailment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "calc/common/arith.h"
#include "calc/members/section_fill.h"

namespace nuvra::calc {
namespace {

TEST(Curtailment, WallThickness) {
    const WallShape tapered{2.0, 0.2, 0.4, 0.3};
    const WallShape straight{2.0, 0.3, 0.3, 0.3};
    struct {
        const WallShape* w;
        double EL, t;
    } cases[] = {
        {&tapered, 2.3, 200},  // wall top: T1
        {&tapered, 1.3, 300},    {&tapered, 1.8, 250},
        {&tapered, 1.3004, 300},  // 299.96 rounds to whole mm
        {&tapered, 0.3, 400},     // slab top: T2
        {&tapered, 0.15, 400},    // below the slab top it stays T2
        {&straight, 2.3, 300},   {&straight, 1.0, 300},
        {&straight, 0.15, 300},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(WallThicknessAt(*c.w, c.EL), c.t) << c.EL;
    EXPECT_THROW(WallThicknessAt({0, 0.2, 0.4, 0.3}, 0.3), ArithmeticFault);
}

// A wall loaded by a triangular pressure of 10 kN/m² per metre of depth from its top.
struct TriangularLoad {
    double top;
    std::vector<double>* calls = nullptr;
    double operator()(double EL) const {
        if (calls) calls->push_back(EL);
        double h = std::max(0.0, top - EL);
        return 10 * h * h * h / 6;
    }
};

CRcKukei remainingBars(const WallShape& w, double Dia = 16, double ctc = 200) {
    CInpZairyo z;
    z.Ssa = 180;
    CRcKukei rc;
    FillSectionCheck(rc, 0, 0, w.T2 * 1000, 70, CInpHaikinS{Dia, 2 * ctc}, z);
    return rc;
}

TEST(Curtailment, StressDiagramRunsFromTheTopToTheDesignLevel) {
    const WallShape w{3.0, 0.25, 0.4, 0.4};
    std::vector<double> calls;
    CRcKukei rc = remainingBars(w);
    DanotoshiSlots s;
    TraceSteelStress(rc, w, TriangularLoad{w.T3 + w.H, &calls}, s);
    ASSERT_EQ(calls.size(), 21u);
    EXPECT_DOUBLE_EQ(calls.front(), w.T3 + w.H);
    EXPECT_NEAR(calls.back(), w.T3 / 2, 1e-12);
    EXPECT_DOUBLE_EQ(s.DanHeight(0), (w.T3 / 2 + w.H) * 1000);
    EXPECT_EQ(s.DanHeight(20), 0);
    EXPECT_EQ(s.DanSs(0), 0);  // no pressure above the wall top
    for (int i = 1; i <= 20; ++i) {
        EXPECT_LT(s.DanHeight(i), s.DanHeight(i - 1));
        EXPECT_GT(s.DanSs(i), s.DanSs(i - 1)) << i;
        // Each point is the section check of the thickness and moment at its level.
        CRcKukei ref = remainingBars(w);
        ref.H = WallThicknessAt(w, calls[i]);
        ref.Md = TriangularLoad{w.T3 + w.H}(calls[i]);
        ref.Calc();
        EXPECT_EQ(s.DanSs(i), ref.Ss()) << i;
    }
    EXPECT_EQ(rc.H, 400);  // left at the design level
}

TEST(Curtailment, BisectionBracketsTheCutLevel) {
    const WallShape w{3.0, 0.25, 0.4, 0.4};
    const TriangularLoad load{w.T3 + w.H};
    for (double ssa : {180.0, 90.0, 45.0}) {
        CRcKukei rc = remainingBars(w);
        std::vector<double> calls;
        const double level = FindCutLevel(rc, w, ssa, TriangularLoad{w.T3 + w.H, &calls});
        EXPECT_LT(calls.size(), 25u);  // about log2(3.2 / 0.001) halvings
        EXPECT_EQ(calls.back(), level);
        EXPECT_EQ(rc.Ssa, ssa);
        EXPECT_GT(level, w.T3 / 2);
        auto verdictAt = [&](double EL) -> std::string {
            CRcKukei probe = rc;
            EvaluateAt(probe, w, EL, load);
            return probe.HanteiSs();
        };
        EXPECT_EQ(verdictAt(level - 0.001), "OUT") << ssa;
        EXPECT_EQ(verdictAt(level + 0.001), "OK") << ssa;
    }
}

TEST(Curtailment, CutOffLengths) {
    const WallShape w{3.0, 0.25, 0.4, 0.4};
    CRcKukei rc = remainingBars(w);
    DanotoshiSlots s;
    CalcDanotoshi(rc, w, 180, TriangularLoad{w.T3 + w.H}, s);
    EXPECT_EQ(value(s.DanLa), 480);  // 30 × 16 mm
    EXPECT_GT(value(s.DanH1), 0);
    EXPECT_EQ(value(s.DanH1), std::round(value(s.DanH1)));  // whole millimetres
    EXPECT_EQ(value(s.DanH2), std::round(value(s.DanH2)));
    EXPECT_GT(value(s.DanH2), value(s.DanH1));  // half the allowable stress lies higher
    // The depth at the first cut level of the tapered wall, not at the root.
    EXPECT_GT(value(s.DanD), 250 - 70);
    EXPECT_LT(value(s.DanD), 400 - 70);
    EXPECT_DOUBLE_EQ(value(s.DanDLa), value(s.DanD) + 480);
    EXPECT_DOUBLE_EQ(value(s.DanL1), value(s.DanH1) + value(s.DanDLa));
    EXPECT_EQ(value(s.DanHcut), std::max(value(s.DanL1), value(s.DanH2)));
    EXPECT_EQ(rc.Ssa, 90);  // left at the second search
}

TEST(Curtailment, SufficientAtTheDesignLevel) {
    const WallShape w{1.0, 0.3, 0.3, 0.4};
    CRcKukei rc = remainingBars(w, 19, 125);
    DanotoshiSlots s;
    std::vector<double> calls;
    CalcDanotoshi(rc, w, 180, TriangularLoad{w.T3 + w.H, &calls}, s);
    EXPECT_EQ(calls.size(), 23u);  // the diagram, then one evaluation per search
    EXPECT_EQ(value(s.DanH1), 0);
    EXPECT_EQ(value(s.DanH2), 0);
    EXPECT_EQ(value(s.DanD), 230);
    EXPECT_EQ(value(s.DanL1), 230 + 30 * 19);
    EXPECT_EQ(value(s.DanHcut), value(s.DanL1));
}

TEST(Curtailment, HalfStressGoverningTheCut) {
    // A moment growing only linearly with depth puts the σsa/2 level far above the
    // σsa level, beyond the extended cut-off.
    const WallShape w{6.0, 0.4, 0.4, 0.4};
    CRcKukei rc = remainingBars(w);
    auto linear = [&](double EL) { return 7 * std::max(0.0, w.T3 + w.H - EL); };
    DanotoshiSlots s;
    CalcDanotoshi(rc, w, 180, linear, s);
    EXPECT_GT(value(s.DanH2), value(s.DanL1));
    EXPECT_EQ(value(s.DanHcut), value(s.DanH2));
}

TEST(Curtailment, BisectionEndsOnAnyFiniteWall) {
    // Moment only below EL 1: the search halves its way down from the top of an
    // absurdly tall wall, in about log2(1e300 / 0.001) steps.
    const WallShape w{1e300, 0.3, 0.3, 0.3};
    CRcKukei rc = remainingBars(w);
    int evaluations = 0;
    auto stepLoad = [&](double EL) {
        ++evaluations;
        return EL < 1 ? 1000.0 : 0.0;
    };
    EXPECT_NEAR(FindCutLevel(rc, w, 180, stepLoad), 1, 0.001);
    EXPECT_GT(evaluations, 900);
    EXPECT_LT(evaluations, kMaxBisections);
}

TEST(Curtailment, FailedSectionPushesTheSearchToTheTop) {
    // 12 mm is no deformed size: every evaluation fails, which counts as "OUT".
    const WallShape w{2.0, 0.3, 0.3, 0.3};
    CRcKukei rc = remainingBars(w, 12);
    const double level = FindCutLevel(rc, w, 180, TriangularLoad{w.T3 + w.H});
    EXPECT_NE(rc.Error(), 0);
    EXPECT_NEAR(level, w.T3 + w.H, 0.001);
}

TEST(Curtailment, FaultsStopTheCalculation) {
    // No wall height: the thickness at the top is a division by zero.
    WallShape w{0, 0.3, 0.3, 0.3};
    CRcKukei rc = remainingBars(w);
    DanotoshiSlots s;
    EXPECT_THROW(CalcDanotoshi(rc, w, 180, TriangularLoad{w.T3}, s), ArithmeticFault);
    EXPECT_FALSE(s.DanHeight.assigned());

    // Heights that are no numbers fault in the thickness instead of looping.
    w = {std::numeric_limits<double>::quiet_NaN(), 0.3, 0.3, 0.3};
    CRcKukei rc2 = remainingBars({2.0, 0.3, 0.3, 0.3});
    EXPECT_THROW(FindCutLevel(rc2, w, 180, TriangularLoad{2.3}), ArithmeticFault);
    w = {std::numeric_limits<double>::infinity(), 0.3, 0.3, 0.3};
    EXPECT_THROW(FindCutLevel(rc2, w, 180, TriangularLoad{2.3}), ArithmeticFault);

    // A moment that is not a number fails the section, not the search.
    w = {2.0, 0.3, 0.3, 0.3};
    CRcKukei rc3 = remainingBars(w);
    auto nan = [](double) { return std::numeric_limits<double>::quiet_NaN(); };
    EXPECT_NEAR(FindCutLevel(rc3, w, 180, nan), w.T3 + w.H, 0.001);
}

}  // namespace
}  // namespace nuvra::calc
