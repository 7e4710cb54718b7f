#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calc/common/arith.h"
#include "calc/loads/load_cases.h"
#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"
#include "calc/run/run_faults.h"
#include "json_value.h"

namespace nuvra::calc {
namespace {

TEST(FootingDecision, HalfTheSlabThicknessPlusAMillimetre) {
    struct Case {
        double tb, t3;
        bool footing;
    };
    const Case cases[] = {
        {0, 0.5, false},    {0, 0, false},        {-0.5, 0.5, false},
        {0.25, 0.5, false},  // equal to half
        {0.252, 0.5, true}, {0.2505, 0.5, false}, {0.2495, 0.5, false},
        {0.1, 0.5, false},  {0.3, 0.5, true},     {0.002, 0, true},
        {0.0005, 0, false}, {0.2, 0.3995, false},  // half rounds to 0.2 (0.19975 → 0.2)
    };
    for (const Case& c : cases)
        EXPECT_EQ(HasFootings(c.tb, c.t3), c.footing) << c.tb << " " << c.t3;
}

DesignData defaults() {
    return DesignData{};
}

TEST(CalculationRun, DefaultDesignFillsEveryLoadSlot) {
    ResultStore s;
    ASSERT_TRUE(RunCalculation(defaults(), s));
    for (std::int32_t i = 1; i <= 3; ++i) {
        ASSERT_TRUE(s.objWeight(i) && s.objKh(i) && s.objSpa(i) && s.objKhWall(i) &&
                    s.objSpaWall(i) && s.objPressure(i));
        EXPECT_EQ(s.objWeight(i)->CaseNo, i);
        EXPECT_EQ(s.objWeight(i)->Error(), 0);
        EXPECT_EQ(s.objSpa(i)->Error(), 0);
    }
    ASSERT_TRUE(s.objYouatsuryoku && s.objQqw && s.objUkiagari && s.objNcNrNq && s.objQa &&
                s.objQmax);
    EXPECT_FALSE(s.blnFooting);
    // One wall 0.3 × 2 × 2 pieces × 24.5 = 29.4 kN/m at the centreline 1.3 m.
    const clsWeightItem& wall = *s.objWeight(1)->Weight().Item(1);
    EXPECT_DOUBLE_EQ(wall.Weight, 29.4);
    EXPECT_DOUBLE_EQ(wall.X, 1.3);
    // No groundwater: no uplift, flotation passes with the cap.
    EXPECT_EQ(s.objYouatsuryoku->Up(), 0);
    EXPECT_DOUBLE_EQ(s.objUkiagari->Fs(), 999.99);
    EXPECT_EQ(s.objUkiagari->Hantei(), "OK");
    // Case 2 loads the walls horizontally.
    EXPECT_EQ(s.objPressure(2)->THT, 0);
    EXPECT_EQ(s.objPressure(2)->Pv(), 0);
    EXPECT_GT(s.objPressure(3)->Pv(), 0);
    // Bearing entered directly (Siji 2): the formula is still evaluated.
    EXPECT_DOUBLE_EQ(s.objQmax->Qa, 50);
    EXPECT_GT(s.objQa->Qa(), 0);
    // The two earth-pressure sets reach down to the slab underside and to mid-slab.
    EXPECT_EQ(s.objPressure(1)->WL, 0);
    EXPECT_DOUBLE_EQ(s.objSpaWall(1)->ELDL, 0.15);
    EXPECT_NEAR(s.objSpaWall(1)->Jiban().Item(1)->EL, 0.15, 1e-12);
}

double stabilityDelta(double tb, double t1, double t2) {
    DesignData d;
    d.objInpJyoken.TB = tb;
    d.objInpJyoken.T1 = t1;
    d.objInpJyoken.T2 = t2;
    ResultStore s;
    RunCalculation(d, s);
    EXPECT_DOUBLE_EQ(s.objSpaWall(1)->Delta, 20);  // the wall set always takes 2/3 φ
    EXPECT_DOUBLE_EQ(s.objSpaWall(3)->Delta, 20);
    return s.objSpa(1)->Delta;
}

TEST(CalculationRun, WallFrictionOfTheStabilitySet) {
    EXPECT_DOUBLE_EQ(stabilityDelta(0.05, 0.3, 0.3), 20);
    EXPECT_DOUBLE_EQ(stabilityDelta(0.1, 0.3, 0.3), 30);
    EXPECT_DOUBLE_EQ(stabilityDelta(0.0995, 0.3, 0.3), 30);  // within 0.001 of 0.1
    // (0.5 − 0.3) / 2 is 0.09999999999999998 in binary: still a 1:10 taper.
    EXPECT_DOUBLE_EQ(stabilityDelta(0, 0.3, 0.5), 30);
    EXPECT_DOUBLE_EQ(stabilityDelta(0, 0.3, 0.49), 20);
}

TEST(CalculationRun, GroundwaterSplitsOnlyCase1) {
    DesignData d;
    d.objInpJyoken.HW = 1.3;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    EXPECT_EQ(s.objKh(1)->Jiban().Count(), 2);
    EXPECT_DOUBLE_EQ(s.objKh(1)->Jiban().Item(2)->Gs3, 10);  // Gt 20 − 10
    EXPECT_EQ(s.objKh(3)->Jiban().Count(), 1);
    EXPECT_DOUBLE_EQ(s.objYouatsuryoku->Up(), 33.12);  // 1.3 · 9.8 · 2.6 = 33.124
}

TEST(CalculationRun, EmbankmentOfZeroHeightLeavesTheCrestLoad) {
    DesignData d;
    d.objInpMorido.Morido = 2;
    d.objInpMorido.X1 = 0.5;
    d.objInpMorido.Qd = 10;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    EXPECT_EQ(s.objQqw->Keijyo, 2);
    EXPECT_EQ(s.objQqw->Qw(), 0);
    EXPECT_GT(s.objQqw->QQ(), 0);
    EXPECT_DOUBLE_EQ(s.objKh(1)->Q, s.objQqw->Q());
    EXPECT_DOUBLE_EQ(s.objSpa(1)->Q, s.objQqw->Q());
    EXPECT_EQ(s.objSpa(3)->Q, 0);
}

TEST(CalculationRun, BearingByFormula) {
    DesignData d;
    d.objInpKiso.Siji = 1;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    EXPECT_DOUBLE_EQ(s.objQmax->Qa, s.objQa->Qa());
    EXPECT_DOUBLE_EQ(s.objQa->B, 2.6);
}

TEST(CalculationRun, ZeroHeightFailsTheLoadStepButTheRunGoesOn) {
    DesignData d;
    d.objInpJyoken.H = 0;
    d.objInpJyoken.TB = 0.5;
    ResultStore s;
    EXPECT_FALSE(RunCalculation(d, s));
    // Self weights exist; case 1 stopped at the taper width.
    ASSERT_TRUE(s.objWeight(1) && s.objWeight(3));
    EXPECT_NE(s.objWeight(1)->Error(), 0);
    EXPECT_EQ(s.objWeight(3)->Error(), 0);
    EXPECT_TRUE(s.objYouatsuryoku && s.objQqw);
    // The wall slope divides by H outside the classes: the load step ends there.
    EXPECT_FALSE(s.objKh(1) || s.objSpa(1) || s.objPressure(1) || s.objUkiagari || s.objQmax);
    // Later steps still ran: the footing decision was made.
    EXPECT_TRUE(s.blnFooting);
}

TEST(CalculationRun, EveryRunStartsFromAnEmptyStore) {
    DesignData good;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(good, s));
    DesignData bad;
    bad.objInpJyoken.H = 0;
    EXPECT_FALSE(RunCalculation(bad, s));
    EXPECT_FALSE(s.objSpa(1));
    EXPECT_FALSE(s.objQmax);
}

TEST(CalculationRun, MissingSumRowEndsTheLoadStepAtFlotation) {
    // A self weight that overflows has no sum row to read.
    DesignData d;
    d.objInpZairyo.Gsc = 1e308;
    ResultStore s;
    EXPECT_FALSE(basCalcGairyoku::CalcLoads(d, s, s.faults));
    EXPECT_NE(s.objWeight(1)->Error(), 0);
    EXPECT_TRUE(s.objPressure(3));
    ASSERT_TRUE(s.objUkiagari);  // created, then the sum row was missing
    EXPECT_EQ(s.objUkiagari->Hantei(), "OUT");
    EXPECT_FALSE(s.objNcNrNq);
}

// Designs at and beyond the edges: the run never crashes, never leaves NaN or infinity
// in a result, and reports false only where a step fails.
TEST(CalculationRun, DegenerateDesigns) {
    struct Case {
        const char* what;
        std::function<void(DesignData&)> edit;
        bool ok;
    };
    const Case cases[] = {
        {"H = 0", [](DesignData& d) { d.objInpJyoken.H = 0; }, false},
        {"B = 0", [](DesignData& d) { d.objInpJyoken.B = 0; }, true},
        {"all thicknesses 0",
         [](DesignData& d) {
             auto& j = d.objInpJyoken;
             j.T1 = j.T2 = j.T3 = j.T4 = j.TB = 0;
         },
         true},
        {"no base at all",
         [](DesignData& d) {
             auto& j = d.objInpJyoken;
             j.B = j.T1 = j.T2 = j.T3 = j.T4 = j.TB = 0;
         },
         false},  // a zero base width: division by zero in the ground reaction
        {"backfill φ = 0", [](DesignData& d) { d.objInpZairyo.Fai = 0; }, true},
        {"backfill φ = 90", [](DesignData& d) { d.objInpZairyo.Fai = 90; }, true},
        {"backfill φ = 90 with footings",
         [](DesignData& d) {
             d.objInpZairyo.Fai = 90;
             d.objInpJyoken.TB = 0.5;
         },
         true},
        {"ground φ = 90 by formula",
         [](DesignData& d) {
             d.objInpKiso.Fai = 90;
             d.objInpKiso.Siji = 1;
         },
         true},
        {"negative sizes",
         [](DesignData& d) {
             auto& j = d.objInpJyoken;
             j.H = -2;
             j.B = -1;
             j.T1 = -0.3;
             j.T3 = -0.3;
             j.HW = -1;
             j.HWi = -1;
         },
         true},
        {"water above the walls", [](DesignData& d) { d.objInpJyoken.HW = 5; }, true},
        {"saturated weight 10 under water",
         [](DesignData& d) {
             d.objInpZairyo.Gt = 10;
             d.objInpJyoken.HW = 1;
         },
         false},  // no submerged weight: the layers divide by it
        {"huge unit weight", [](DesignData& d) { d.objInpZairyo.Gs = 1e308; }, false},
        {"huge height", [](DesignData& d) { d.objInpJyoken.H = 1e308; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DesignData d;
        c.edit(d);
        ResultStore s;
        bool ok = RunCalculation(d, s);
        std::string faults;
        for (const RunFault& f : s.faults)
            faults += RunFaultText(f) + "\n";
        EXPECT_EQ(ok, c.ok) << faults;
        std::string json = ResultJson(s, ok);
        // The strict reader refuses NaN and Infinity tokens.
        EXPECT_NO_THROW(test::parseJson(json));
        EXPECT_EQ(json.find("nan"), std::string::npos);
        EXPECT_EQ(json.find("inf"), std::string::npos);
    }
}

TEST(CalculationRun, AZeroBaseWidthFailsTheRunInTheGroundReaction) {
    DesignData d;
    auto& j = d.objInpJyoken;
    j.B = j.T1 = j.T2 = j.T3 = j.T4 = j.TB = 0;
    ResultStore s;
    EXPECT_FALSE(RunCalculation(d, s));
    EXPECT_EQ(s.objQmax->Error(), 11);
    EXPECT_EQ(s.objQmax->Hantei(), "OUT");
    ASSERT_FALSE(s.faults.empty());
    EXPECT_EQ(s.faults.front(), (RunFault{"objQmax", "地盤反力度の計算", 11}));
}

// A class that ends with an error leaves its load at 0; the run must not pass for a
// success then, though every step goes on and keeps what it computed.
TEST(CalculationRun, AClassErrorFailsTheRunAndIsNamed) {
    struct Case {
        const char* what;
        std::function<void(DesignData&)> change;
        const char* slot;  // a fault the run must list
        std::int32_t error;
    } cases[] = {
        {"unit weight of soil near the largest double",
         [](DesignData& d) { d.objInpZairyo.Gs = 1e308; }, "objKh(1)", kErrOverflow},
        {"unit weight of concrete near the largest double",
         [](DesignData& d) { d.objInpZairyo.Gsc = 1e308; }, "objWeight(1)", kErrOverflow},
        {"surcharge near the largest double", [](DesignData& d) { d.objInpMorido.Q = 1e308; },
         "objQqw", kErrOverflow},
        {"no inner height", [](DesignData& d) { d.objInpJyoken.H = 0; }, "basCalcGairyoku",
         kErrDivisionByZero},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DesignData d;
        c.change(d);
        ResultStore s;
        EXPECT_FALSE(RunCalculation(d, s));
        ASSERT_FALSE(s.faults.empty());
        bool found = false;
        for (const RunFault& f : s.faults)
            found = found || (f.slot == c.slot && f.error == c.error);
        std::string faults;
        for (const RunFault& f : s.faults)
            faults += RunFaultText(f) + "\n";
        EXPECT_TRUE(found) << c.slot << "\n" << faults;
        // The later steps still ran.
        EXPECT_TRUE(s.wall.TateRc(1) && s.slab.TeibanRc(1));
        // Every listed class really holds its error; the section checks are never listed.
        for (const RunFault& f : ClassFaults(s)) {
            EXPECT_NE(f.error, 0);
            EXPECT_EQ(f.slot.find("Rc"), std::string::npos);
        }
        EXPECT_FALSE(ResultJson(s, false).empty());
    }
}

TEST(CalculationRun, ASectionErrorAloneLeavesTheRunASuccess) {
    DesignData d;
    d.objInpHaikin.TateSoto.Dia = 7;  // no such bar: the face shows zeros and "OUT"
    ResultStore s;
    EXPECT_TRUE(RunCalculation(d, s));
    EXPECT_TRUE(s.faults.empty());
    ASSERT_TRUE(s.wall.TateRc(1));
    EXPECT_NE(s.wall.TateRc(1)->Error(), 0);
    EXPECT_EQ(s.wall.TateRc(1)->HanteiSs(), "OUT");
}

TEST(CalculationRun, FaultTexts) {
    EXPECT_EQ(
        RunFaultText({"objWeight(2)", "自重の計算（ケースⅡ）", kErrOverflow}),
        "自重の計算（ケースⅡ）でエラーが発生しました（objWeight(2)、エラー 6：オーバーフロー）");
    EXPECT_EQ(RunFaultText({"basCalcTeiban", "底版の断面力の計算", 0}),
              "底版の断面力の計算でエラーが発生しました（basCalcTeiban）");
    EXPECT_EQ(CalcErrorText(kErrDivisionByZero), "0 による除算");
}

}  // namespace
}  // namespace nuvra::calc
