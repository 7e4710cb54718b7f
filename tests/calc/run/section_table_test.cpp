// The six face checks as the results grid shows them, and the recalculation of one face
// after its bars change.
#include "calc/run/section_table.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"

namespace nuvra::calc {
namespace {

DesignData withFootings() {
    DesignData d;
    d.objInpJyoken.TB = 0.5;
    d.objInpJyoken.Kento = 3;
    return d;
}

TEST(SectionTable, FacesMapToTheirSlots) {
    ResultStore s;
    ASSERT_TRUE(RunCalculation(withFootings(), s));
    EXPECT_EQ(FindSection(s, SectionId::TateSoto), s.wall.TateRc(1).get());
    EXPECT_EQ(FindSection(s, SectionId::TateUchi), s.wall.TateRc(2).get());
    EXPECT_EQ(FindSection(s, SectionId::SokoSita), s.slab.TeibanRc(1).get());
    EXPECT_EQ(FindSection(s, SectionId::SokoUe), s.slab.TeibanRc(2).get());
    EXPECT_EQ(FindSection(s, SectionId::FootingSita), s.footing.FootingRc(1).get());
    EXPECT_EQ(FindSection(s, SectionId::FootingUe), s.footing.FootingRc(2).get());
    EXPECT_STREQ(MemberLabel(SectionId::SokoUe), "底　版");
    EXPECT_STREQ(FaceLabel(SectionId::SokoUe), "上側筋");
    EXPECT_STREQ(MemberLabel(SectionId::FootingSita), "フーチング");
    EXPECT_STREQ(FaceLabel(SectionId::TateSoto), "外側筋");
}

TEST(RecalculateSection, OnlyTheChangedFaceMoves) {
    const DesignData d = withFootings();
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    const std::string before = ResultJson(s, true);
    const CRcKukei old = *s.slab.TeibanRc(1);

    const CRcKukei& rc = RecalculateSection(s, SectionId::SokoSita, 19, 150);
    EXPECT_EQ(&rc, s.slab.TeibanRc(1).get());
    EXPECT_EQ(rc.Dia, 19);
    EXPECT_EQ(rc.ctc, 150);
    EXPECT_EQ(rc.Md, old.Md);  // the forces stay as the run left them
    EXPECT_EQ(rc.Sd, old.Sd);
    EXPECT_EQ(rc.H, old.H);
    EXPECT_LT(rc.Ss(), old.Ss());  // more steel, less stress
    EXPECT_LT(rc.T0(), old.T0());

    // The same section built from scratch with those bars gives the same results.
    DesignData changed = d;
    changed.objInpHaikin.SokoSita = {19, 150};
    ResultStore fresh;
    ASSERT_TRUE(RunCalculation(changed, fresh));
    EXPECT_EQ(ResultJson(s, true), ResultJson(fresh, true));

    // Back to the old bars: the whole document is as before.
    RecalculateSection(s, SectionId::SokoSita, old.Dia, old.ctc);
    EXPECT_EQ(ResultJson(s, true), before);
}

TEST(RecalculateSection, BarsThatCannotBeCalculatedShowTheFailure) {
    ResultStore s;
    ASSERT_TRUE(RunCalculation(withFootings(), s));
    struct {
        SectionId id;
        double Dia, ctc;
    } cases[] = {{SectionId::TateSoto, 20, 200},  // no deformed bar of 20 mm
                 {SectionId::TateUchi, 16, 0},
                 {SectionId::FootingUe, 16, -100},
                 {SectionId::SokoUe, 0, 200}};
    for (const auto& c : cases) {
        const CRcKukei& rc = RecalculateSection(s, c.id, c.Dia, c.ctc);
        SCOPED_TRACE(FaceLabel(c.id));
        EXPECT_NE(rc.Error(), 0);
        EXPECT_EQ(rc.Ss(), 0);
        EXPECT_EQ(rc.HanteiSs(), "OUT");
        EXPECT_EQ(rc.HanteiTc(), "OUT");
        // A good arrangement recovers the face.
        EXPECT_EQ(RecalculateSection(s, c.id, 16, 200).Error(), 0);
    }
}

TEST(RecalculateSection, AFaceWithoutCheckGetsAnEmptyOne) {
    ResultStore s;
    ASSERT_TRUE(RunCalculation(DesignData{}, s));  // no footings
    EXPECT_EQ(FindSection(s, SectionId::FootingSita), nullptr);
    const CRcKukei& rc = RecalculateSection(s, SectionId::FootingSita, 16, 250);
    EXPECT_EQ(FindSection(s, SectionId::FootingSita), &rc);
    EXPECT_EQ(rc.ctc, 250);
    EXPECT_EQ(rc.H, 0);
    EXPECT_NE(rc.Error(), 0);  // no section to check
    EXPECT_EQ(rc.HanteiSc(), "OUT");
    EXPECT_EQ(FindSection(s, SectionId::FootingUe), nullptr);  // the other face untouched
}

TEST(SectionTable, RowsAndAllowables) {
    ResultStore s;
    ASSERT_TRUE(RunCalculation(DesignData{}, s));
    RecalculateSection(s, SectionId::TateSoto, 13, 1000);  // too little steel
    const SectionTable t = BuildSectionTable(s);
    const SectionRow& outer = t.rows[0];
    EXPECT_TRUE(outer.present);
    EXPECT_EQ(outer.id, SectionId::TateSoto);
    EXPECT_EQ(outer.Dia, 13);
    EXPECT_EQ(outer.ctc, 1000);
    EXPECT_EQ(outer.Ss, s.wall.TateRc(1)->Ss());
    EXPECT_TRUE(outer.outSs);
    EXPECT_EQ(outer.outSc, s.wall.TateRc(1)->HanteiSc() == "OUT");
    EXPECT_FALSE(t.footings);
    EXPECT_FALSE(t.rows[4].present);
    EXPECT_FALSE(t.rows[5].present);
    EXPECT_TRUE(t.allowablesPresent);
    EXPECT_EQ(t.Ssa, 157);
    EXPECT_EQ(t.Toa, 1.5);
}

}  // namespace
}  // namespace nuvra::calc
