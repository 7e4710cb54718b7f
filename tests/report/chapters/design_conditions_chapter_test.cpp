#include <gtest/gtest.h>

#include "chapter_rig.h"
#include "report/chapters/chapters.h"

namespace nuvra::report::test {
namespace {

const char* const D1 = "設計条件_1";
const char* const D2 = "設計条件_2";
const char* const DK = "設計条件_かぶり";
const char* const D3 = "設計条件_3";
const char* const D4 = "設計条件_4";

// The chapter's lines for one surcharge shape and case selection, from the shape page
// to the method page.
Seq expected(int Morido, int Kento, bool figure) {
    Seq s(D1);
    s.F(1).B(2).F(2).B(2).F(3).B(1).F(4).B(1);
    for (int k = 5; k <= 13; ++k)
        s.F(k).B(1);
    s.F(14).B(1);
    if (Morido == 1) s.F(15).B(1).F(16);
    if (Morido == 2) s.F(19).B(1).F(20).B(1).F(21).B(1).F(22);
    s.B(2);
    if (figure) s.FG();
    s.FF().In(D2).F(1, 4).F(5, 16).B(1).F(17).B(1).F(18, 29).F(30).B(1).F(31, 38);
    s.In(DK).B(1).F(1, 13);
    s.FF().In(D3).F(1).B(1);
    if (Kento >= 1 && Kento <= 3) s.F(1 + Kento);
    s.B(1).F(5, 23);
    for (int k = 24; k <= 28; ++k)
        s.B(1).F(k);
    s.B(2).F(29).B(2).F(30).B(2).F(31);
    s.FF().In(D4).F(1).B(1).F(2).B(1).F(3).B(1);
    for (int k = 4; k <= 13; k += 3)
        s.F(k, k + 2).B(1);
    for (int k = 16; k <= 28; ++k)
        s.F(k).B(1);
    s.F(29, 31).B(1).F(32).B(1).F(33, 35).B(1).F(36).B(1).F(37);
    return s;
}

struct Branch {
    int Morido, Kento;
};

TEST(DesignConditionsChapter, PrintsTheLinesOfEachSurchargeShapeAndCaseSelection) {
    for (Branch b : {Branch{1, 1}, Branch{2, 2}, Branch{1, 3}, Branch{2, 4}}) {
        SCOPED_TRACE(testing::Message() << "Morido " << b.Morido << " Kento " << b.Kento);
        Design d;
        d.d.objInpMorido.Morido = b.Morido;
        d.d.objInpJyoken.Kento = b.Kento;
        d.Run();
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteDesignConditionsChapter, d));
        EXPECT_EQ(Tags(rig.Trace()), expected(b.Morido, b.Kento, true).Tags());
    }
}

TEST(DesignConditionsChapter, PrintsTheInputValues) {
    Design d;
    d.d.objInpJyoken.Title = "第２号幹線水路";
    d.d.objInpJyoken.H = 1.85;
    d.d.objInpJyoken.HWi = 1.2;
    d.d.objInpMorido.Morido = 2;
    d.d.objInpMorido.Ho = 1.5;
    d.d.objInpMorido.Qd = 10;
    d.d.objInpZairyo.Toa = "1.5";
    d.d.objInpZairyo.Es = 200000;
    d.d.objInpKaburi.TateSoto = 75;
    d.d.objInpKaburi.SokoSita = 110;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteDesignConditionsChapter, d));
    auto trace = rig.Trace();
    auto value = [&](const std::string& tag) {
        auto lines = LinesTagged(trace, tag);
        return lines.size() == 1 ? lines[0].values : std::vector<std::string>{"missing"};
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(value("設計条件_1:2"), V{"第２号幹線水路"});
    EXPECT_EQ(value("設計条件_1:5"), V{"1.850"});
    EXPECT_EQ(value("設計条件_1:13"), V{"1.200"});
    EXPECT_EQ(value("設計条件_1:21"), V{"1.500"});
    EXPECT_EQ(value("設計条件_1:22"), V{"10.0"});
    EXPECT_EQ(value("設計条件_2:26"), V{"1.50"});  // the bond stress text as a number
    EXPECT_EQ(value("設計条件_2:33"), V{"SD295"});
    EXPECT_EQ(value("設計条件_2:37"), V{"200,000"});
    EXPECT_EQ(value("設計条件_かぶり:6"), (V{"75", "70"}));
    EXPECT_EQ(value("設計条件_かぶり:11"), (V{"70", "110"}));
}

TEST(DesignConditionsChapter, BarGradeFollowsTheMaterialCode) {
    for (auto [Zai, grade] : std::vector<std::pair<int, std::string>>{
             {1, "SR235"}, {2, "SD295"}, {3, "SD345"}, {7, "SD345"}}) {
        Design d;
        d.d.objInpZairyo.Zai = Zai;
        d.Run();
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteDesignConditionsChapter, d));
        auto lines = LinesTagged(rig.Trace(), "設計条件_2:33");
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].values, std::vector<std::string>{grade}) << "Zai " << Zai;
    }
}

TEST(DesignConditionsChapter, AFailedShapeFigureLeavesNoReference) {
    Design d;
    d.Run();
    ChapterRig rig({}, /*styles=*/false);  // no style files: every figure fails
    ASSERT_TRUE(rig.Run(WriteDesignConditionsChapter, d));
    EXPECT_EQ(Tags(rig.Trace()), expected(1, 1, false).Tags());
}

TEST(DesignConditionsChapter, ABondStressThatIsNoNumberFailsBeforeAnyLine) {
    Design d;
    d.d.objInpZairyo.Toa = "1.5a";
    ChapterRig rig;
    EXPECT_FALSE(rig.Run(WriteDesignConditionsChapter, d));
    EXPECT_TRUE(rig.Trace().empty());
}

TEST(DesignConditionsChapter, AMissingBlockFailsAndKeepsWhatWasWritten) {
    Design d;
    d.Run();
    ChapterRig rig(MarkerTemplate({D3}));
    EXPECT_FALSE(rig.Run(WriteDesignConditionsChapter, d));
    std::vector<std::string> tags = Tags(rig.Trace());
    // Everything up to the covers is there; the design-case page never starts.
    std::vector<std::string> full = expected(1, 1, true).Tags();
    auto cut = std::find(full.begin(), full.end(), std::string(D3) + ":1");
    ASSERT_NE(cut, full.end());
    full.erase(cut - 1, full.end());  // the page break before the block goes too
    EXPECT_EQ(tags, full);
}

}  // namespace
}  // namespace nuvra::report::test
