// The wall chapter: earth pressure per case with its figure and part table, the section
// forces of the listed cases and the section check of one or both faces.
#include <gtest/gtest.h>

#include "calc/members/rc_section.h"
#include "chapter_rig.h"
#include "member_chapter_designs.h"
#include "report/chapters/chapters.h"
#include "report/chapters/member_tables.h"

namespace nuvra::report::test {
namespace {

constexpr const char* kEarth = "たて壁の設計_1";
constexpr const char* kForces = "たて壁の設計_4";

// The earth-pressure part of one case: label, figure, table head, the rows (line 9, 10 or
// 11 by the part's shape, parted by line 12), the closing and the totals.
Seq earthCase(const std::vector<int>& rowLines, bool figure = true) {
    Seq s(kEarth);
    s.F(3).B(2);
    if (figure) s.FG(true);
    s.B(2).F(4, 8);
    for (std::size_t i = 0; i < rowLines.size(); ++i) {
        s.F(rowLines[i]);
        if (i + 1 < rowLines.size()) s.F(12);
    }
    if (!rowLines.empty()) s.F(13, 15);
    return s.B();
}

TEST(WallChapter, CasesOneAndThreeOnOnePageWithTheirFigures) {
    // vec-01: Kento 1; case Ⅰ has a triangle wide at the top and one wide at the bottom,
    // case Ⅲ one wide at the bottom.
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteWallChapter, x)) << rig.Writer().LastChapterError();
    Seq want(kEarth);
    want.F(1).B().F(2).B().Add(earthCase({10, 11})).Add(earthCase({11}));
    EXPECT_EQ(Tags(rig.Trace()), want.Tags());

    std::vector<TraceLine> labels = LinesTagged(rig.Trace(), std::string(kEarth) + ":3");
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].values, V({"(ケースⅠ)"}));
    EXPECT_EQ(labels[1].values, V({"(ケースⅢ)"}));
    // Row ① of case Ⅰ: H, p, Pi, Y, H, Yi, Mi of its first part.
    std::vector<TraceLine> rows = LinesTagged(rig.Trace(), std::string(kEarth) + ":10");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].values, V({"①", "1.385", "0.69", "0.48", "0.000", "1.385", "0.923", "0.44"}));
    std::vector<TraceLine> totals = LinesTagged(rig.Trace(), std::string(kEarth) + ":14");
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_EQ(totals[0].values, V({"1", "5.86", "1", "2.93"}));
    EXPECT_EQ(totals[1].values.front(), "3");
}

TEST(WallChapter, KentoTwoShowsCaseOneOnly) {
    Design x = LoadDesign("tests/vectors/vec-02.nvr");
    ASSERT_EQ(x.d.objInpJyoken.Kento, 2);
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteWallChapter, x));
    Seq want(kEarth);
    want.F(1).B().F(2).B().Add(earthCase({10, 11}));
    EXPECT_EQ(Tags(rig.Trace()), want.Tags());
}

TEST(WallChapter, ATableOfMoreThanThreeRowsSendsTheNextCaseToANewPage) {
    // vec-04: Kento 1, case Ⅰ in four parts.
    Design x = LoadDesign("tests/vectors/vec-04.nvr");
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteWallChapter, x));
    Seq want(kEarth);
    want.F(1).B().F(2).B().Add(earthCase({10, 11, 10, 11})).FF().Add(earthCase({11}));
    EXPECT_EQ(Tags(rig.Trace()), want.Tags());
}

TEST(WallChapter, AFailedFigureOnlyLeavesOutItsReference) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    ChapterRig rig({}, /*styles=*/false);
    ASSERT_TRUE(rig.Run(WriteWallChapter, x));
    Seq want(kEarth);
    want.F(1).B().F(2).B().Add(earthCase({10, 11}, false)).Add(earthCase({11}, false));
    EXPECT_EQ(Tags(rig.Trace()), want.Tags());
}

// A distribution of `parts` rectangles, one per 0.1 m.
void fillRectangles(calc::clsPressure& p, int parts) {
    p.Qdi().Clear();
    p.WU = 0.1 * parts;
    p.WL = 0;
    for (int i = 0; i < parts; ++i)
        p.Qdi().Add(0.1 * (parts - i), 0.1, 10 + i, 10 + i);
    p.Calc();
    ASSERT_EQ(p.Detail().Count(), parts);
}

TEST(WallChapter, MoreThanTwentyPartsFailBeforeAnythingIsWritten) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    fillRectangles(*x.r.wall.TateEarthP(3), 21);
    ChapterRig rig;
    EXPECT_FALSE(rig.Run(WriteWallChapter, x));
    EXPECT_TRUE(rig.Trace().empty());
}

TEST(WallChapter, MissingEarthPressureOrBlockFails) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    {
        ChapterRig rig(MarkerTemplate({kEarth}));
        EXPECT_FALSE(rig.Run(WriteWallChapter, x));
        EXPECT_TRUE(rig.Trace().empty());
    }
    x.r.wall.TateEarthP(3).reset();
    ChapterRig rig;
    EXPECT_FALSE(rig.Run(WriteWallChapter, x));
    EXPECT_TRUE(rig.Trace().empty());
}

TEST(WallPartTable, RowsPerPage) {
    struct Case {
        int rows, left;
        std::vector<int> chunks;
    } cases[] = {
        {0, 12, {}},                          // no rows: the head alone
        {14, 12, {14}},                       // two rows more than the lines left still fit
        {15, 12, {12, 3}},                    // otherwise the lines left, the rest on the next page
        {20, 12, {12, 8}},   {3, 0, {0, 3}},  // a full page takes no rows
        {3, -4, {0, 3}},                      // nor does an overfull one
        {20, 70, {20}},      {70, 5, {5, 65}},  // a following page takes up to 67 rows in one go
        {75, 1, {1, 65, 9}},                    // beyond that 65 per page
    };
    for (const Case& c : cases)
        EXPECT_EQ(WallTableChunks(c.rows, c.left, 72), c.chunks)
            << c.rows << " rows, left " << c.left;
}

TEST(WallPartTable, SplitsOverPagesWithSixtyLinesUsed) {
    calc::clsPressure p;
    fillRectangles(p, 20);
    ChapterRig rig;
    ReportWriter& w = rig.Writer();
    const std::string file = w.NewPrintFile();
    w.SetCurrentPrintFile(file);
    // 55 lines before the table and its head of five: 12 lines are left.
    ASSERT_TRUE(w.RunChapter([&](ReportWriter& w) {
        FormatBlock b = w.ReadFormatBlock(kEarth);
        FieldValues v;
        w.PrintBlankLines(55);
        PrintWallPartTable(w, b, v, 1, p);
    })) << w.LastChapterError();
    Seq want(kEarth);
    want.B(55).F(4, 8);
    for (int i = 1; i <= 12; ++i) {
        want.F(9);
        if (i < 12) want.F(12);
    }
    want.F(13).FF().F(4, 8);
    for (int i = 13; i <= 20; ++i) {
        want.F(9);
        if (i < 20) want.F(12);
    }
    want.F(13, 15);
    EXPECT_EQ(Tags(ReadTrace(file)), want.Tags());
    std::vector<TraceLine> rows = LinesTagged(ReadTrace(file), std::string(kEarth) + ":9");
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[12].values.front(), "⑬");  // the second page goes on counting
    EXPECT_EQ(rows[19].values.front(), "⑳");
}

Seq forcesPart(const std::vector<int>& cases) {
    Seq s(kForces);
    s.FF().F(1).B().F(2, 7);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        s.F(7 + cases[i]);
        if (i + 1 < cases.size()) s.F(11);
    }
    s.F(12, 13).B().F(14, 19);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        s.F(19 + cases[i]);
        if (i + 1 < cases.size()) s.F(23);
    }
    return s.F(24, 25).B().F(26, 33);
}

Seq checkPart(const char* block) {
    Seq s(block);
    return s.FF().F(1).B().F(2, 50);
}

TEST(WallSectionChapter, ListedCasesFollowKento) {
    struct Case {
        const char* file;
        std::vector<int> cases;
    } cases[] = {
        {"tests/vectors/vec-01.nvr", {1, 3}},
        {"tests/vectors/vec-02.nvr", {1, 2}},
        {"tests/vectors/vec-03.nvr", {1, 2, 3}},
    };
    for (const Case& c : cases) {
        Design x = LoadDesign(c.file);
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteWallSectionChapter, x)) << c.file;
        Seq want = forcesPart(c.cases);
        want.Add(checkPart("たて壁の設計_52"));
        EXPECT_EQ(Tags(rig.Trace()), want.Tags()) << c.file;
    }
}

TEST(WallSectionChapter, SectionForcesAndBothFaces) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteWallSectionChapter, x));
    auto line = [&](const std::string& tag) {
        std::vector<TraceLine> l = LinesTagged(rig.Trace(), tag);
        return l.empty() ? std::vector<std::string>{} : l.front().values;
    };
    // Case Ⅰ: earth, outer water, total; case Ⅲ: earth, inner water, total.
    EXPECT_EQ(line("たて壁の設計_4:8"), V({"+2.93", "+0.00", "+2.93"}));
    EXPECT_EQ(line("たて壁の設計_4:10"), V({"+2.26", "-0.56", "+1.70"}));
    EXPECT_EQ(line("たて壁の設計_4:20"), V({"+5.86", "+0.00", "+5.86"}));
    EXPECT_EQ(line("たて壁の設計_4:22"), V({"+4.90", "-1.35", "+3.55"}));
    EXPECT_EQ(line("たて壁の設計_4:30"), V({"+2.93", "+0.00"}));
    EXPECT_EQ(line("たて壁の設計_4:32"), V({"+5.86", "+0.00"}));
    const char* b = "たて壁の設計_52:";
    auto at = [&](int k) { return line(std::string(b) + std::to_string(k)); };
    EXPECT_EQ(at(3), V({"外側筋", "内側筋"}));
    EXPECT_EQ(at(5), V({"2.93", "0.00"}));
    EXPECT_EQ(at(7), V({"5.86", "0.00"}));
    EXPECT_EQ(at(9), V({"1000", "1000"}));
    EXPECT_EQ(at(11), V({"240", "240"}));
    EXPECT_EQ(at(13), V({"160", "160"}));
    EXPECT_EQ(at(15), V({"80", "80"}));
    EXPECT_EQ(at(17), V({"φ13", "φ13"}));  // plain bars
    EXPECT_EQ(at(19), V({"204", "300"}));
    EXPECT_EQ(at(21), V({"650.5", "442.3"}));
    EXPECT_EQ(at(23), V({"201.0", "136.7"}));
    EXPECT_EQ(at(25), V({"0.004066", "0.002765"}));
    EXPECT_EQ(at(27), V({"0.2936", "0.2495"}));
    EXPECT_EQ(at(29), V({"0.2936", "0.2495"}));
    EXPECT_EQ(at(31), V({"0.9021", "0.9168"}));
    EXPECT_EQ(at(33), V({"0.9021", "0.9168"}));
    EXPECT_EQ(at(35), V({"0.86", "OK", "0.00", "OK"}));
    EXPECT_EQ(at(37), V({"31.20", "OK", "0.00", "OK"}));
    EXPECT_EQ(at(39), V({"0.04", "OK", "0.00", "OK"}));
    EXPECT_EQ(at(41), V({"0.20", "OK", "0.00", "OK"}));
    EXPECT_EQ(at(43), V({"9.00", "9.00"}));
    EXPECT_EQ(at(45), V({"137.00", "137.00"}));
    EXPECT_EQ(at(47), V({"0.45", "0.45"}));
    EXPECT_EQ(at(49), V({"0.80", "0.80"}));
}

TEST(WallSectionChapter, AFaceWithoutBarsLeavesTheOtherAlone) {
    struct Case {
        bool outerBars, innerBars;
        const char* block;
        const char* label;
        double ctc;  // of the face shown
    } cases[] = {
        {true, true, "たて壁の設計_52", "外側筋", 204},
        {true, false, "たて壁の設計_51", "外側筋", 204},
        {false, true, "たて壁の設計_51", "内側筋", 300},
        {false, false, "たて壁の設計_51", "内側筋", 300},
    };
    for (const Case& c : cases) {
        Design x = LoadDesign("tests/vectors/vec-01.nvr");
        // A bar of no diameter gives no steel: the face's section fails and has As = 0.
        for (auto [face, bars] : {std::pair{1, c.outerBars}, std::pair{2, c.innerBars}}) {
            if (bars) continue;
            calc::CRcKukei& rc = *x.r.wall.TateRc(face);
            rc.Dia = 0;
            rc.Calc();
            ASSERT_LE(rc.Asi(), 0.01);
        }
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteWallSectionChapter, x)) << c.block;
        Seq want = forcesPart({1, 3});
        want.Add(checkPart(c.block));
        EXPECT_EQ(Tags(rig.Trace()), want.Tags()) << c.label;
        std::vector<TraceLine> head = LinesTagged(rig.Trace(), std::string(c.block) + ":3");
        ASSERT_EQ(head.size(), 1u);
        // _52 heads its columns with both faces; _51 has the one column of its face.
        if (c.outerBars && c.innerBars)
            EXPECT_EQ(head[0].values, V({"外側筋", "内側筋"}));
        else
            EXPECT_EQ(head[0].values, V({c.label}));
        // Both columns hold the one face's values; _51 prints the first.
        std::vector<TraceLine> ctc = LinesTagged(rig.Trace(), std::string(c.block) + ":19");
        ASSERT_EQ(ctc.size(), 1u);
        EXPECT_EQ(ctc[0].values.front(), std::to_string(static_cast<int>(c.ctc)));
    }
}

TEST(WallSectionChapter, AMissingCheckBlockLeavesTheSectionForces) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    ChapterRig rig(MarkerTemplate({"たて壁の設計_52"}));
    EXPECT_FALSE(rig.Run(WriteWallSectionChapter, x));
    EXPECT_EQ(Tags(rig.Trace()), forcesPart({1, 3}).Tags());
}

}  // namespace
}  // namespace nuvra::report::test
