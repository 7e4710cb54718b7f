// The member-design steps inside whole calculation runs: what they leave in the store
// and in its JSON document, for sound, partial and degenerate designs.
#include "calc/members/member_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "calc/common/arith.h"
#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"
#include "calc/run/section_table.h"
#include "json_value.h"

namespace nuvra::calc {
namespace {

using test::JsonValue;

const char* const kFootingSlots[] = {"FootingHw",   "FootingHd",   "FootingWs",   "FootingWr",
                                     "FootingWp",   "FootingMS",   "FootingMmax", "FootingMmin",
                                     "FootingSpos", "FootingSneg", "FootingRc"};

JsonValue json(const ResultStore& s, bool ok) {
    return test::parseJson(ResultJson(s, ok));
}

// A null inside an object can only be a number that is not finite.
void collectNestedNulls(const JsonValue& v, const std::string& path, bool top,
                        std::vector<std::string>& out) {
    for (const auto& [k, m] : v.members) {
        if (m.isNull() && !top) out.push_back(path + "." + k);
        collectNestedNulls(m, path + "." + k, false, out);
    }
    for (std::size_t i = 0; i < v.items.size(); ++i)
        collectNestedNulls(v.items[i], path + "[" + std::to_string(i) + "]", false, out);
}

std::vector<std::string> nestedNulls(const JsonValue& doc) {
    std::vector<std::string> out;
    collectNestedNulls(doc, "", true, out);
    return out;
}

TEST(MemberSteps, RunWithoutFootingsClearsTheFootingsOfTheRunBefore) {
    DesignData withFootings;
    withFootings.objInpJyoken.TB = 0.5;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(withFootings, s));
    ASSERT_TRUE(s.footing.FootingRc(1) && s.footing.FootingRc(2) && s.footing.FootingMS(3));
    ASSERT_TRUE(s.footing.FootingMmax.has_value());
    EXPECT_FALSE(json(s, true)["FootingRc"].isNull());

    DesignData without;  // TB = 0
    ASSERT_TRUE(RunCalculation(without, s));
    EXPECT_FALSE(s.blnFooting);
    EXPECT_FALSE(s.footing.FootingRc(1) || s.footing.FootingRc(2) || s.footing.FootingMS(1));
    EXPECT_FALSE(s.footing.FootingHw || s.footing.FootingMmax || s.footing.FootingSneg);
    EXPECT_FALSE(s.footing.FootingWs.assigned());
    EXPECT_EQ(FindSection(s, SectionId::FootingSita), nullptr);
    const JsonValue doc = json(s, true);
    for (const char* slot : kFootingSlots)
        EXPECT_TRUE(doc[slot].isNull()) << slot;
    EXPECT_FALSE(doc["TeibanRc"].isNull());
}

// Cases a design leaves out carry nothing in the wall, the slab and the footings.
TEST(MemberSteps, KentoLeavesOneCaseOutOfEveryMember) {
    struct {
        std::int32_t Kento;
        int removed;  // 0: none
    } cases[] = {{1, 2}, {2, 3}, {3, 0}};
    for (const auto& t : cases) {
        DesignData d;
        d.objInpJyoken.TB = 0.5;
        d.objInpJyoken.HW = 1.0;
        d.objInpJyoken.Kento = t.Kento;
        ResultStore s;
        ASSERT_TRUE(RunCalculation(d, s)) << t.Kento;
        for (int c = 1; c <= 3; ++c) {
            SCOPED_TRACE(testing::Message() << "Kento " << t.Kento << " case " << c);
            const bool out = c == t.removed;
            // The distributions are built for every case all the same.
            ASSERT_TRUE(s.wall.TateEarthP(c) && s.wall.TateWaterInP(c));
            if (out) {
                for (int k = 0; k < 4; ++k) {
                    EXPECT_EQ(s.wall.TateM(c, k), 0);
                    EXPECT_EQ(s.wall.TateS(c, k), 0);
                }
                EXPECT_EQ(s.slab.TeibanMS(c)->Ms, 0);
                EXPECT_EQ(s.slab.TeibanMS(c)->WR, 0);
                for (const clsXSM& p : s.slab.TeibanMS(c)->XSM())
                    EXPECT_TRUE(p.S == 0 && p.M == 0);
                EXPECT_EQ(s.footing.FootingMS(c)->WR, 0);
                EXPECT_EQ(s.footing.FootingMS(c)->WP, 0);
            } else {
                EXPECT_NE(s.wall.TateM(c, 3), 0);
                EXPECT_NE(s.slab.TeibanMS(c)->WR, 0);
            }
        }
    }
}

TEST(MemberSteps, FacesTakeTheEnvelopeOfTheirSign) {
    DesignData d;
    d.objInpJyoken.Kento = 3;
    d.objInpJyoken.TB = 0.5;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    // Earth pressure bends the wall outward, the full channel inward.
    EXPECT_GT(s.wall.TateM(1, 3), 0);
    EXPECT_LT(s.wall.TateM(2, 3), 0);
    EXPECT_EQ(s.wall.TateRc(1)->Md, value(s.wall.TateMmax));
    EXPECT_EQ(s.wall.TateRc(2)->Md, -value(s.wall.TateMmin));
    EXPECT_EQ(s.wall.TateRc(2)->Sd, -value(s.wall.TateSmin));
    EXPECT_EQ(s.wall.TateRc(1)->H, 300);
    EXPECT_EQ(s.wall.TateRc(2)->d1, d.objInpKaburi.TateUchi);
    // The wall hands its total moment to the slab end.
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(s.slab.TeibanMS(c)->Ms, s.wall.TateM(c, 3));
    EXPECT_EQ(s.slab.TeibanRc(1)->Md, s.slab.TeibanMmax(1));
    EXPECT_EQ(s.slab.TeibanRc(1)->Sd, s.slab.TeibanSmax(2));
    EXPECT_EQ(s.slab.TeibanRc(2)->Md, -s.slab.TeibanMmin(3));
    EXPECT_EQ(s.slab.TeibanRc(1)->d1, d.objInpKaburi.SokoSita);
    // The footings share the slab's thickness and covers but have their own bars.
    EXPECT_EQ(s.footing.FootingRc(1)->H, 300);
    EXPECT_EQ(s.footing.FootingRc(2)->d1, d.objInpKaburi.SokoUe);
    EXPECT_EQ(s.footing.FootingRc(1)->Sd, value(s.footing.FootingSpos));
    // The curtailment ends at the search against half the allowable steel stress.
    ASSERT_TRUE(s.curtailment.DanRc && s.curtailment.DanHcut);
    EXPECT_EQ(s.curtailment.DanRc->ctc, 2 * d.objInpHaikin.TateSoto.ctc);
    EXPECT_EQ(s.curtailment.DanRc->Ssa, 0.5 * d.objInpZairyo.Ssa);
    EXPECT_EQ(s.curtailment.DanHeight(20), 0);
    EXPECT_DOUBLE_EQ(s.curtailment.DanHeight(0), (0.15 + 2.0) * 1000);
}

TEST(MemberSteps, LoadFailureLeavesThePartsTheStepsCouldReach) {
    DesignData d;
    d.objInpJyoken.H = 0;  // the load step stops before the wall-design earth pressures
    ResultStore s;
    EXPECT_FALSE(RunCalculation(d, s));
    // The wall step created its water objects and the first earth-pressure object, then
    // found no wall-design earth pressure to read.
    ASSERT_TRUE(s.wall.TateRwpOut && s.wall.TateRwpIn);
    ASSERT_TRUE(s.wall.TateEarthP(1));
    EXPECT_EQ(s.wall.TateEarthP(1)->Qdi().Count(), 0);
    EXPECT_FALSE(s.wall.TateEarthP(2) || s.wall.TateWaterOutP(1));
    EXPECT_FALSE(s.wall.TateM.assigned() || s.wall.TateMmax);
    // The checks run on forces that were never assigned: 0.
    ASSERT_TRUE(s.wall.TateRc(1) && s.wall.TateRc(2));
    EXPECT_EQ(s.wall.TateRc(1)->Md, 0);
    // The slab step could create its width and load objects, the curtailment its
    // pressure objects; their searches never started.
    EXPECT_TRUE(s.slab.TeibanL.has_value());
    EXPECT_TRUE(s.curtailment.DanEarthP != nullptr);
    EXPECT_FALSE(s.curtailment.DanHcut.has_value());

    const JsonValue doc = json(s, false);
    ASSERT_EQ(doc["TateEarthP"].items.size(), 3u);
    EXPECT_FALSE(doc["TateEarthP"].items[0].isNull());
    EXPECT_TRUE(doc["TateEarthP"].items[1].isNull());
    EXPECT_TRUE(doc["TateM"].isNull());
    EXPECT_TRUE(doc["DanHcut"].isNull());
    EXPECT_TRUE(nestedNulls(doc).empty());
}

TEST(MemberSteps, UnreadableBondStressFailsEveryCheckStep) {
    DesignData d;
    d.objInpZairyo.Toa = "1,5";
    ResultStore s;
    EXPECT_FALSE(RunCalculation(d, s));
    EXPECT_TRUE(basCalcTatekabe(d, s, s.wall, s.faults));  // the forces do not need it
    EXPECT_FALSE(basCalcScTate(d, s.wall, s.faults));
    // The outer face got its inputs up to the bond stress, then the step stopped.
    ASSERT_TRUE(s.wall.TateRc(1));
    EXPECT_EQ(s.wall.TateRc(1)->Tca, d.objInpZairyo.Ta);
    EXPECT_EQ(s.wall.TateRc(1)->HanteiSs(), "OUT");
    EXPECT_FALSE(s.wall.TateRc(2));
    EXPECT_FALSE(basCalcScTeiban(d, s.slab, s.faults));
    EXPECT_FALSE(basCalcDanotoshi(d, s, s.wall, s.curtailment, s.faults));
    EXPECT_FALSE(s.curtailment.DanHeight.assigned());
}

// Degenerate designs: the affected checks fail on their own ("OUT", zeros, Error), the
// run goes on, nothing is left non-finite and every search ends.
TEST(MemberSteps, DegenerateDesignsEndToEnd) {
    using S = SectionId;
    struct Case {
        const char* name;
        std::function<void(DesignData&)> change;
        bool runOk;
        std::vector<SectionId> failing;
        bool danFails;  // the remaining outer bars cannot be calculated
    };
    const Case cases[] = {
        {"zero spacing",
         [](DesignData& d) { d.objInpHaikin.TateSoto.ctc = 0; },
         true,
         {S::TateSoto},
         true},
        {"zero wall thickness",
         [](DesignData& d) { d.objInpJyoken.T1 = d.objInpJyoken.T2 = 0; },
         true,
         {S::TateSoto, S::TateUchi},
         true},
        {"zero slab thickness",
         [](DesignData& d) {
             d.objInpJyoken.T3 = 0;
             d.objInpJyoken.TB = 0.5;
         },
         true,
         {S::SokoSita, S::SokoUe, S::FootingSita, S::FootingUe},
         false},
        {"cover beyond the thickness",
         [](DesignData& d) { d.objInpKaburi.TateUchi = 500; },
         true,
         {S::TateUchi},
         false},
        {"bar size not in the table",
         [](DesignData& d) { d.objInpHaikin.SokoUe.Dia = 12; },
         true,
         {S::SokoUe},
         false},
        {"footing bar spacing zero",
         [](DesignData& d) {
             d.objInpJyoken.TB = 0.5;
             d.objInpHaikin.FootingUe.ctc = 0;
         },
         true,
         {S::FootingUe},
         false},
        {"wall of height 0", [](DesignData& d) { d.objInpJyoken.H = 0; }, false, {}, false},
        {"wall of height 0 with footings",
         [](DesignData& d) {
             d.objInpJyoken.H = 0;
             d.objInpJyoken.TB = 0.5;
         },
         false,
         {},
         false},
        {"tiny spacing overflows",
         [](DesignData& d) { d.objInpHaikin.TateSoto.ctc = 1e-300; },
         true,
         {S::TateSoto},
         true},
        {"enormous wall", [](DesignData& d) { d.objInpJyoken.H = 1e300; }, false, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignData d;
        c.change(d);
        ResultStore s;
        EXPECT_EQ(RunCalculation(d, s), c.runOk);
        for (SectionId id : kSectionIds) {
            const CRcKukei* rc = FindSection(s, id);
            if (!rc) continue;
            const bool fails = std::find(c.failing.begin(), c.failing.end(), id) != c.failing.end();
            SCOPED_TRACE(testing::Message() << MemberLabel(id) << FaceLabel(id));
            EXPECT_EQ(rc->Error() != 0, fails);
            if (fails) {
                EXPECT_TRUE(rc->Sc() == 0 && rc->Ss() == 0 && rc->Tc() == 0 && rc->T0() == 0);
                EXPECT_EQ(rc->HanteiSc(), "OUT");
                EXPECT_EQ(rc->HanteiTo(), "OUT");
            }
        }
        for (SectionId id : c.failing)
            EXPECT_NE(FindSection(s, id), nullptr);
        if (c.danFails) {
            // Every level fails, so both searches climb to the wall top.
            ASSERT_TRUE(s.curtailment.DanH1 && s.curtailment.DanH2);
            EXPECT_NEAR(*s.curtailment.DanH2, (d.objInpJyoken.T3 / 2 + d.objInpJyoken.H) * 1000, 1);
            EXPECT_EQ(value(s.curtailment.DanD), 0);
        }
        const JsonValue doc = json(s, c.runOk);
        EXPECT_EQ(nestedNulls(doc), std::vector<std::string>{});
    }
}

TEST(MemberSteps, StepsOnAnEmptyStoreFailWithoutRaising) {
    DesignData d;
    ResultStore s;
    EXPECT_FALSE(basCalcTatekabe(d, s, s.wall, s.faults));
    EXPECT_TRUE(basCalcScTate(d, s.wall, s.faults));  // zero forces on valid bars
    EXPECT_EQ(s.wall.TateRc(1)->HanteiSs(), "OK");
    EXPECT_FALSE(basCalcTeiban(d, s, s.wall, s.slab, s.faults));
    EXPECT_FALSE(basCalcFooting(d, s, s.slab, s.footing, s.faults));
    EXPECT_FALSE(basCalcDanotoshi(d, s, s.wall, s.curtailment, s.faults));
    EXPECT_NO_THROW(json(s, false));
}

// A step run on its own slot families lists its fault in the list it is given, with
// the step's name and the fault's number; a step that succeeds adds nothing.
TEST(MemberSteps, AFailedStepListsItselfInTheListItIsGiven) {
    DesignData d;
    const LoadSlots loads;  // the load step never ran
    TatekabeSlots wall;
    TeibanSlots slab;
    FootingSlots footing;
    DanotoshiSlots curtailment;
    std::vector<RunFault> faults;
    EXPECT_FALSE(basCalcTatekabe(d, loads, wall, faults));
    EXPECT_TRUE(basCalcScTate(d, wall, faults));
    EXPECT_FALSE(basCalcTeiban(d, loads, wall, slab, faults));
    EXPECT_FALSE(basCalcFooting(d, loads, slab, footing, faults));
    EXPECT_FALSE(basCalcDanotoshi(d, loads, wall, curtailment, faults));
    const struct {
        const char* slot;
        const char* what;
    } want[] = {{"basCalcTatekabe", "たて壁の断面力の計算"},
                {"basCalcTeiban", "底版の断面力の計算"},
                {"basCalcFooting", "フーチングの断面力の計算"},
                {"basCalcDanotoshi", "段落とし位置の計算"}};
    ASSERT_EQ(faults.size(), std::size(want));
    for (std::size_t i = 0; i < faults.size(); ++i) {
        EXPECT_EQ(faults[i].slot, want[i].slot);
        EXPECT_EQ(faults[i].what, want[i].what);
        EXPECT_NE(faults[i].error, 0) << want[i].slot;
    }
    // The wall and the curtailment stop at the missing wall-design earth pressure.
    EXPECT_EQ(faults.front().error, kErrInvalidArgument);
    EXPECT_EQ(faults.back().error, kErrInvalidArgument);
}

}  // namespace
}  // namespace nuvra::calc
