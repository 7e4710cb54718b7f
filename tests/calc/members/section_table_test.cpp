// The six face checks as the results grid and the terminal summary show them, and the
// recalculation of one face after its bars change.
#include "calc/members/section_table.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/loads/calc_run.h"
#include "calc/loads/result_json.h"
#include "calc/members/run_summary.h"

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
    EXPECT_EQ(FindSection(s, SectionId::TateSoto), s.TateRc(1).get());
    EXPECT_EQ(FindSection(s, SectionId::TateUchi), s.TateRc(2).get());
    EXPECT_EQ(FindSection(s, SectionId::SokoSita), s.TeibanRc(1).get());
    EXPECT_EQ(FindSection(s, SectionId::SokoUe), s.TeibanRc(2).get());
    EXPECT_EQ(FindSection(s, SectionId::FootingSita), s.FootingRc(1).get());
    EXPECT_EQ(FindSection(s, SectionId::FootingUe), s.FootingRc(2).get());
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
    const CRcKukei old = *s.TeibanRc(1);

    const CRcKukei& rc = RecalculateSection(s, SectionId::SokoSita, 19, 150);
    EXPECT_EQ(&rc, s.TeibanRc(1).get());
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
    EXPECT_EQ(outer.Ss, s.TateRc(1)->Ss());
    EXPECT_TRUE(outer.outSs);
    EXPECT_EQ(outer.outSc, s.TateRc(1)->HanteiSc() == "OUT");
    EXPECT_FALSE(t.footings);
    EXPECT_FALSE(t.rows[4].present);
    EXPECT_FALSE(t.rows[5].present);
    EXPECT_TRUE(t.allowablesPresent);
    EXPECT_EQ(t.Ssa, 157);
    EXPECT_EQ(t.Toa, 1.5);
}

TEST(RunSummary, DisplayWidth) {
    struct {
        const char* text;
        int width;
    } cases[] = {{"", 0},    {"Md", 2}, {"たて壁", 6},     {"底　版", 6},
                 {"σc", 2},  {"τo", 2}, {"径(mm)", 6},     {"（なし）", 8},
                 {"ｴﾗｰ", 3}, {"≧", 1},  {"フーチング", 10}};
    for (const auto& c : cases)
        EXPECT_EQ(DisplayWidth(c.text), c.width) << c.text;
}

TEST(RunSummary, TableLinesLineUp) {
    SectionTable t;
    for (SectionId id : kSectionIds) {
        SectionRow& r = t.rows[static_cast<std::size_t>(id)];
        r.id = id;
        r.present = id != SectionId::FootingSita && id != SectionId::FootingUe;
        r.Md = 26.444;
        r.Sd = 1234.5;
        r.Dia = 19;
        r.ctc = 200;
        r.Sc = 1.785;
        r.Ss = 180.02;
        r.outSs = id == SectionId::TateSoto;
        r.T0 = 0.5;
    }
    t.allowablesPresent = true;
    t.Sca = 8;
    t.Ssa = 180;
    t.Tca = 0.42;
    t.Toa = 1.5;
    const std::vector<std::string> lines = SectionTableLines(t);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1],
              "たて壁      外側筋       26.44   1234.50     19     200    1.79   180.02*    0.00 "
              "    0.50 ");
    EXPECT_EQ(lines[2].find('*'), std::string::npos);
    EXPECT_EQ(lines[5], "フーチング  下側筋    （フーチングなし）");
    // Footings that exist but were not reached are not "no footing".
    t.footings = true;
    EXPECT_EQ(SectionTableLines(t)[6], "フーチング  上側筋    （計算されていません）");
    EXPECT_EQ(lines[7],
              "許容値      許容値       -----     -----  -----   -----    8.00   180.00     0.42 "
              "    1.50 ");
    // Every numeric line and the header end in the same column.
    for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 7u})
        EXPECT_EQ(DisplayWidth(lines[i]), DisplayWidth(lines[1])) << lines[i];
}

TEST(RunSummary, WholeRun) {
    ResultStore s;
    const bool ok = RunCalculation(withFootings(), s);
    ASSERT_TRUE(ok);
    const std::string text = RunSummary(s, ok);
    EXPECT_NE(text.find("■ 浮上に対して\nＦs = "), std::string::npos) << text;
    EXPECT_NE(text.find("フーチング：あり\n■ 応力度照査結果\n"), std::string::npos);
    EXPECT_NE(text.find("\nフーチング  上側筋  "), std::string::npos);
    EXPECT_EQ(text.find("フーチングなし"), std::string::npos);
    EXPECT_NE(text.find("■ たて壁鉄筋の段落とし\n段落とし位置 = "), std::string::npos);
    EXPECT_EQ(text.find("エラー"), std::string::npos);
    // No line ends in a blank.
    EXPECT_EQ(text.find(" \n"), std::string::npos);

    RecalculateSection(s, SectionId::SokoUe, 13, 1000);
    const std::string failing = RunSummary(s, false);
    EXPECT_NE(failing.find("*"), std::string::npos);
    EXPECT_NE(failing.find("＊：許容値を超える応力度（OUT）\n"), std::string::npos);
    EXPECT_NE(failing.find("計算の途中でエラーが発生しました。\n"), std::string::npos);
}

TEST(RunSummary, EmptyStore) {
    const std::string text = RunSummary(ResultStore{}, false);
    EXPECT_NE(text.find("■ 浮上に対して\n（計算されていません）\n"), std::string::npos) << text;
    EXPECT_NE(text.find("たて壁      外側筋    （計算されていません）\n"), std::string::npos);
    EXPECT_NE(text.find("■ たて壁鉄筋の段落とし\n（計算されていません）\n"), std::string::npos);
    EXPECT_EQ(text.find("すべての応力度"), std::string::npos);
}

}  // namespace
}  // namespace nuvra::calc
