// The terminal summary of a run: the face table lined up in display columns, the whole
// run, an empty store, and a failed run naming its faults.
#include "cli/run_summary.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calc/run/calc_run.h"
#include "calc/run/run_faults.h"
#include "calc/run/section_table.h"

namespace nuvra::cli {
namespace {

using calc::kSectionIds;
using calc::RecalculateSection;
using calc::ResultStore;
using calc::RunCalculation;
using calc::SectionId;
using calc::SectionRow;
using calc::SectionTable;

DesignData withFootings() {
    DesignData d;
    d.objInpJyoken.TB = 0.5;
    d.objInpJyoken.Kento = 3;
    return d;
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

// A failed run says so and lists its first fault, whichever step or class it was.
TEST(RunSummary, FailedRunListsItsFaults) {
    const std::function<void(DesignData&)> changes[] = {
        [](DesignData& d) { d.objInpZairyo.Gs = 1e308; },
        [](DesignData& d) { d.objInpZairyo.Gsc = 1e308; },
        [](DesignData& d) { d.objInpMorido.Q = 1e308; },
        [](DesignData& d) { d.objInpJyoken.H = 0; },
    };
    for (const auto& change : changes) {
        DesignData d;
        change(d);
        ResultStore s;
        EXPECT_FALSE(RunCalculation(d, s));
        ASSERT_FALSE(s.faults.empty());
        const std::string summary = RunSummary(s, false);
        EXPECT_NE(summary.find("計算の途中でエラーが発生しました。"), std::string::npos);
        EXPECT_NE(summary.find(calc::RunFaultText(s.faults.front())), std::string::npos);
        EXPECT_EQ(summary.find("すべての応力度が許容値以内です"), std::string::npos);
    }
}

}  // namespace
}  // namespace nuvra::cli
