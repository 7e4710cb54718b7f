// The curtailment chapter: the fixed explanation, the steel-stress figure and the
// heights and lengths of the cut-off.
#include <gtest/gtest.h>

#include "chapter_rig.h"
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

TEST(CurtailmentChapter, LinesAndFigure) {
    Design x = LoadDesign("tests/vectors/vec-04.nvr");
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
        // Cut-off above the design level: L1 = h1 + (d + la), here above h2.
        {"tests/vectors/vec-04.nvr", V({"1357", "442", "1799"}), V({"1605"}), V({"1799"}),
         V({"270", "172", "442"}), V({"9", "270"}), V({"172"})},
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

TEST(CurtailmentChapter, AMissingBlockFailsWithNothingWritten) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    ChapterRig rig(MarkerTemplate({kBlock}));
    EXPECT_FALSE(rig.Run(WriteCurtailmentChapter, x));
    EXPECT_TRUE(rig.Trace().empty());
}

}  // namespace
}  // namespace nuvra::report::test
