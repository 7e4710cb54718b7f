// Automatic bar selection against a plainly written exhaustive search, on the example
// designs and on generated ones; a face for which nothing passes; plain round bars.
#include "calc/run/bar_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"
#include "design/input_file.h"
#include "design_generator.h"
#include "test_util.h"

namespace nuvra::calc {
namespace {

struct Expected {
    bool found = false;
    double Dia = 0, ctc = 0;
};

// Every candidate, checked on its own copy of the face; among those passing all four
// checks: the least area, then among equal areas the largest spacing, then the smallest
// diameter.
Expected exhaustive(const CRcKukei& face, const std::vector<double>& dias,
                    const std::vector<double>& ctcs) {
    struct Passing {
        double dia, ctc, area;
    };
    std::vector<Passing> passing;
    for (double dia : dias) {
        for (double ctc : ctcs) {
            CRcKukei rc = face;
            rc.Dia = dia;
            rc.ctc = ctc;
            rc.Calc();
            if (rc.Error() == 0 && rc.HanteiSc() == "OK" && rc.HanteiSs() == "OK" &&
                rc.HanteiTc() == "OK" && rc.HanteiTo() == "OK")
                passing.push_back({dia, ctc, rc.Asi()});
        }
    }
    Expected e;
    if (passing.empty()) return e;
    double least = passing[0].area;
    for (const Passing& p : passing)
        least = std::min(least, p.area);
    double widest = 0;
    for (const Passing& p : passing)
        if (p.area <= least + 1e-6) widest = std::max(widest, p.ctc);
    double smallest = 1e9;
    for (const Passing& p : passing)
        if (p.area <= least + 1e-6 && p.ctc == widest) smallest = std::min(smallest, p.dia);
    e.found = true;
    e.Dia = smallest;
    e.ctc = widest;
    return e;
}

std::vector<double> plainList(std::int32_t Zai) {
    if (Zai == 1) return {9, 13, 16, 19, 22, 25, 28, 32};
    return {10, 13, 16, 19, 22, 25, 29, 32};
}

const std::vector<double> kSpacings = {100, 125, 150, 175, 200, 225, 250, 275, 300};

// Compares the selection of every face of a run with the exhaustive search; returns the
// number of faces compared.
int compareRun(const ResultStore& store, const BarCandidates& cand, const std::string& what) {
    const auto choices = SelectAllBars(store, cand);
    int compared = 0;
    for (const BarChoice& c : choices) {
        const CRcKukei* rc = FindSection(store, c.id);
        const bool footing = c.id == SectionId::FootingSita || c.id == SectionId::FootingUe;
        if (!rc || (footing && !store.blnFooting)) {
            EXPECT_FALSE(c.checked) << what;
            continue;
        }
        const Expected e =
            exhaustive(*rc, cand.diameters.empty() ? plainList(rc->Zai) : cand.diameters,
                       cand.spacings.empty() ? kSpacings : cand.spacings);
        ++compared;
        EXPECT_TRUE(c.checked) << what;
        EXPECT_EQ(c.found, e.found) << what << " face " << static_cast<int>(c.id);
        EXPECT_EQ(c.currentDia, rc->Dia);
        EXPECT_EQ(c.currentCtc, rc->ctc);
        if (e.found) {
            EXPECT_EQ(c.Dia, e.Dia) << what << " face " << static_cast<int>(c.id);
            EXPECT_EQ(c.ctc, e.ctc) << what << " face " << static_cast<int>(c.id);
        } else {
            EXPECT_EQ(c.Dia, rc->Dia);
            EXPECT_EQ(c.ctc, rc->ctc);
        }
    }
    return compared;
}

TEST(BarSelection, ExamplesMatchExhaustiveSearch) {
    for (const char* name : {"sample", "embankment", "legacy-beta"}) {
        DesignData d;
        ASSERT_TRUE(
            OpenInputFile(d, test::sourcePath(std::string("examples/") + name + ".nvr")).file.ok)
            << name;
        for (std::int32_t Zai : {1, 2, 3}) {
            d.objInpZairyo.Zai = Zai;
            ResultStore s;
            RunCalculation(d, s);
            EXPECT_GE(compareRun(s, {}, name), 4) << name;
            // A narrowed list: the engineer's own diameters and spacings.
            compareRun(s, {{13, 19, 25}, {150, 250}}, name);
        }
    }
}

TEST(BarSelection, GeneratedDesignsMatchExhaustiveSearch) {
    test::DesignGenerator gen(test::propertySeed());
    int faces = 0;
    for (int i = 0; i < 300; ++i) {
        const DesignData d = gen.next();
        ResultStore s;
        RunCalculation(d, s);
        faces += compareRun(s, {}, "design " + std::to_string(i));
        if (i % 10 == 0) compareRun(s, {{16, 22, 29}, {125, 200, 275}}, std::to_string(i));
    }
    EXPECT_GT(faces, 1000);
}

TEST(BarSelection, ApplyingGivesPassingFacesAndKeepsForces) {
    DesignData d;
    ASSERT_TRUE(OpenInputFile(d, test::sourcePath("examples/sample.nvr")).file.ok);
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    std::vector<CRcKukei> before;
    for (SectionId id : kSectionIds)
        before.push_back(FindSection(s, id) ? *FindSection(s, id) : CRcKukei{});
    const auto choices = SelectAllBars(s, {});
    ApplyBarChoices(s, choices);
    for (const BarChoice& c : choices) {
        if (!c.checked || !c.found) continue;
        const CRcKukei& rc = *FindSection(s, c.id);
        const CRcKukei& old = before[static_cast<std::size_t>(c.id)];
        EXPECT_TRUE(PassesAll(rc));
        EXPECT_EQ(rc.Dia, c.Dia);
        EXPECT_EQ(rc.ctc, c.ctc);
        EXPECT_EQ(rc.Md, old.Md);
        EXPECT_EQ(rc.Sd, old.Sd);
        EXPECT_DOUBLE_EQ(GoverningRatio(rc), c.ratio);
    }

    // The record takes the same bars, and a fresh run on it passes every chosen face.
    ApplyBarChoices(d.objInpHaikin, choices);
    ResultStore fresh;
    ASSERT_TRUE(RunCalculation(d, fresh));
    for (const BarChoice& c : choices) {
        if (c.checked && c.found) {
            EXPECT_TRUE(PassesAll(*FindSection(fresh, c.id)));
        }
    }
}

TEST(BarSelection, FaceWhereNothingPassesKeepsItsBars) {
    DesignData d;
    d.objInpJyoken.TB = 0.5;
    d.objInpHaikin.TateSoto = {22, 125};
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    // A thin wall under a moment no bar of the list can carry.
    CRcKukei& wall = SectionCheck(s, SectionId::TateSoto);
    wall.Md = 500;
    wall.Calc();
    const auto choices = SelectAllBars(s, {});
    const BarChoice& c = choices[0];
    EXPECT_TRUE(c.checked);
    EXPECT_FALSE(c.found);
    EXPECT_FALSE(c.currentPasses);
    EXPECT_EQ(c.Dia, 22);
    EXPECT_EQ(c.ctc, 125);
    EXPECT_GT(c.currentRatio, 1.0);

    ApplyBarChoices(s, choices);
    EXPECT_EQ(FindSection(s, SectionId::TateSoto)->Dia, 22);
    EXPECT_EQ(FindSection(s, SectionId::TateSoto)->ctc, 125);
    ApplyBarChoices(d.objInpHaikin, choices);
    EXPECT_EQ(d.objInpHaikin.TateSoto, (CInpHaikinS{22, 125}));
    EXPECT_TRUE(choices[2].found);  // the other faces still get theirs
}

TEST(BarSelection, PlainRoundBarsUseTheirOwnDiameters) {
    DesignData d;
    d.objInpZairyo.Zai = 1;
    d.objInpZairyo.Ssa = 137;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    // A moment that needs more than the smallest bars, so the computed plain-bar areas
    // decide; 9 and 28 mm exist only as round bars.
    CRcKukei& slab = SectionCheck(s, SectionId::SokoUe);
    slab.Md = 40;
    slab.Calc();
    const BarChoice c = SelectBars(slab, {});
    ASSERT_TRUE(c.found);
    const Expected e = exhaustive(slab, plainList(1), kSpacings);
    EXPECT_EQ(c.Dia, e.Dia);
    EXPECT_EQ(c.ctc, e.ctc);
    EXPECT_EQ(BarName(1, c.Dia), "φ" + std::to_string(static_cast<int>(c.Dia)));

    // Round bars of 9 mm are not in the deformed-bar table: for a deformed grade they
    // never pass, for the plain grade they are computed.
    CRcKukei light = slab;
    light.Md = 1;
    light.Sd = 1;
    light.Calc();
    EXPECT_EQ(SelectBars(light, {}).Dia, 9);
    light.Zai = 2;
    EXPECT_FALSE(SelectBars(light, {{9}, {}}).found);
    EXPECT_EQ(SelectBars(light, {}).Dia, 10);
}

TEST(BarSelection, NoFootingFacesWithoutFootingsAndRatios) {
    ResultStore s;
    ASSERT_TRUE(RunCalculation(DesignData{}, s));
    SectionCheck(s, SectionId::FootingSita);  // as the results dialog creates them
    const auto choices = SelectAllBars(s, {});
    EXPECT_FALSE(choices[4].checked);
    EXPECT_FALSE(choices[5].checked);
    EXPECT_TRUE(choices[0].checked);

    CRcKukei rc;
    rc.Sca = 8;
    rc.Ssa = 160;
    rc.Tca = 0.4;
    rc.Toa = 0;
    rc.H = 300;
    rc.d1 = 70;
    rc.Zai = 2;
    rc.Dia = 16;
    rc.ctc = 200;
    rc.Md = 20;
    rc.Calc();
    EXPECT_DOUBLE_EQ(GoverningRatio(rc), rc.Ss() / 160);  // no shear: τo/0 counts as 0
    rc.Sd = 10;
    rc.Calc();
    EXPECT_TRUE(std::isinf(GoverningRatio(rc)));
    EXPECT_FALSE(PassesAll(rc));
}

}  // namespace
}  // namespace nuvra::calc
