// The curtailment chapter: the fixed explanation, the steel-stress figure and the
// heights and lengths of the cut-off.
#include <gtest/gtest.h>

#include <algorithm>
#include "chapter_rig.h"
#include "common/number_format.h"
#include "member_chapter_designs.h"
#include "report/chapters/chapters.h"

namespace nuvra::report::test {
namespace {

constexpr const char* kBlock = "段落し";

Seq curtailment(bool figure) {
    Seq s(kBlock);
    s.F(1);
    for (int k = 2; k <= 6; ++k)
        s.B().F(k);
    s.B(2);
    if (figure) s.FG(false);
    s.B(2).F(8);
    for (int k = 9; k <= 16; ++k)
        s.B().F(k);
    return s;
}

// The sample with lighter outer bars (D13 at 250): the full bars pass, half of them fail
// at the design section, so the cut-off lies above it.
Design cutAboveTheDesignSection() {
    Design x = LoadDesign("examples/sample.nvr");
    x.d.objInpHaikin.TateSoto.Dia = 13;
    x.d.objInpHaikin.TateSoto.ctc = 250;
    x.Run();
    return x;
}

TEST(CurtailmentChapter, LinesAndFigure) {
    Design x = cutAboveTheDesignSection();
    {
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteCurtailmentChapter, x)) << rig.Writer().LastChapterError();
        EXPECT_EQ(Tags(rig.Trace()), curtailment(true).Tags());
    }
    ChapterRig noStyles({}, false);
    ASSERT_TRUE(noStyles.Run(WriteCurtailmentChapter, x));
    EXPECT_EQ(Tags(noStyles.Trace()), curtailment(false).Tags());
}

TEST(CurtailmentChapter, HeightsAndLengths) {
    struct Case {
        const char* file;
        std::vector<std::string> l9, l10, l12, l14, l15, l16;
    } cases[] = {
        // Remaining bars sufficient at the design level: h1 = 0, L1 = d + la.
        {"tests/vectors/vec-01.nvr", V({"0", "550", "550"}), V({"0"}), V({"550"}),
         V({"390", "160", "550"}), V({"13", "390"}), V({"160"})},
    };
    for (const Case& c : cases) {
        Design x = LoadDesign(c.file);
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteCurtailmentChapter, x)) << c.file;
        const auto t = rig.Trace();
        auto at = [&](int k) {
            std::vector<TraceLine> l =
                LinesTagged(t, std::string(kBlock) + ":" + std::to_string(k));
            return l.empty() ? std::vector<std::string>{} : l.front().values;
        };
        EXPECT_EQ(at(9), c.l9) << c.file;
        EXPECT_EQ(at(10), c.l10) << c.file;
        EXPECT_EQ(at(12), c.l12) << c.file;
        EXPECT_EQ(at(14), c.l14) << c.file;
        EXPECT_EQ(at(15), c.l15) << c.file;
        EXPECT_EQ(at(16), c.l16) << c.file;
    }
}

TEST(CurtailmentChapter, CutOffAboveTheDesignSection) {
    Design x = cutAboveTheDesignSection();
    ASSERT_TRUE(x.ok);
    ASSERT_EQ(x.r.wall.TateRc(1)->HanteiSs(), "OK");
    const double h1 = calc::value(x.r.curtailment.DanH1), dla = calc::value(x.r.curtailment.DanDLa);
    ASSERT_GT(h1, 0);
    // L1 = h1 + (d + la), and the cut-off is the larger of L1 and h2.
    EXPECT_EQ(calc::value(x.r.curtailment.DanL1), h1 + dla);
    EXPECT_EQ(calc::value(x.r.curtailment.DanHcut),
              std::max(h1 + dla, calc::value(x.r.curtailment.DanH2)));
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteCurtailmentChapter, x));
    const auto t = rig.Trace();
    auto at = [&](int k) {
        std::vector<TraceLine> l = LinesTagged(t, std::string(kBlock) + ":" + std::to_string(k));
        return l.empty() ? std::vector<std::string>{} : l.front().values;
    };
    auto mm = [](double v) { return formatPicture(v, "#####0"); };
    EXPECT_EQ(at(9), (std::vector<std::string>{mm(h1), mm(dla), mm(h1 + dla)}));
    EXPECT_EQ(at(12), std::vector<std::string>{mm(calc::value(x.r.curtailment.DanHcut))});
    EXPECT_TRUE(at(17).empty());
}

TEST(CurtailmentChapter, AMissingBlockFailsWithNothingWritten) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    ChapterRig rig(MarkerTemplate({kBlock}));
    EXPECT_FALSE(rig.Run(WriteCurtailmentChapter, x));
    EXPECT_TRUE(rig.Trace().empty());
}

}  // namespace
}  // namespace nuvra::report::test
