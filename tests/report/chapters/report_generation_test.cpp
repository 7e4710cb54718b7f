#include "report/report_generation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "chapter_rig.h"
#include "common/cp932.h"
#include "formats/temp_file_registry.h"
#include "report/chapters/chapters.h"
#include "report/report_error.h"

namespace nuvra::report::test {

std::vector<ChapterRow> StandardChapterRowsShape();

namespace {

namespace fs = std::filesystem;
using nuvra::test::readFile;
using nuvra::test::TempDir;

// A writer that appends one line "<text>" (a section heading, so numbering shows) and
// returns `result`.
ChapterWriter line(std::string text, bool result = true) {
    return [text, result](const ChapterContext& ctx) {
        bool ran = ctx.writer.RunChapter([&](ReportWriter& w) { w.PrintFixedLine(2, text); });
        return ran && result;
    };
}

class GenerationTest : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(dir.file("app"));
        fs::create_directory(dir.file("out"));
        nuvra::test::writeFile(dir.file("app/Nuvra.FMT"), "x\r\nEnd\r\n");
        for (const char* f : {"LINE_PRN.DEF", "STR_PRN.DEF"})
            fs::copy_file(std::string(NUVRA_BINARY_DIR) + "/bin/" + f, dir.file("app/") + f);
        design.Run();
    }
    GenerationOptions options(bool stable = false) {
        GenerationOptions o;
        o.AppFolder = dir.file("app");
        o.OutputFolder = dir.file("out");
        o.StableNames = stable;
        return o;
    }
    std::vector<std::string> outFiles() {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.file("out")))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    TempDir dir;
    Design design;
};

}  // namespace

/// The eight rows with their captions, names and conditions, writers replaced by lines
/// that name the row.
std::vector<ChapterRow> StandardChapterRowsShape() {
    const char* names[] = {"one", "two", "three", "four", "five", "six", "seven", "eight"};
    std::vector<ChapterRow> rows;
    const RowCondition conditions[] = {
        RowCondition::Always, RowCondition::Always, RowCondition::Uplift,  RowCondition::Always,
        RowCondition::Always, RowCondition::Always, RowCondition::Footing, RowCondition::Always};
    const char* captions[] = {
        "設計条件",     "外力の計算", "浮上に対する検討", "基礎地盤支持力の検討",
        "たて壁の設計", "底版の設計", "フーチングの設計", "たて壁鉄筋の段落としの検討"};
    for (int i = 0; i < 8; ++i)
        rows.push_back({captions[i], names[i], conditions[i], {line(names[i])}});
    return rows;
}

namespace {

TEST_F(GenerationTest, ConditionsOfTheFlotationAndFootingRows) {
    struct Case {
        double U;
        bool footing;
        bool flotationWritten, flotationEnabled, footingWritten;
    } cases[] = {
        {25.0, true, true, true, true},
        {-25.0, false, true, true, false},
        {0.001, false, false, true, false},  // at the threshold: not written, still enabled
        {0.0, true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.U);
        design.r.objUkiagari->U = c.U;
        design.r.blnFooting = c.footing;
        ReportGeneration gen(options(), StandardChapterRowsShape());
        GenerationResult r = gen.Generate(design.d, design.r, NumberingSettings{});
        EXPECT_TRUE(r.Ok);
        EXPECT_EQ(r.Message, "");
        ASSERT_EQ(gen.RowCount(), 8);
        EXPECT_EQ(readFile(gen.ChapterFile(2)).empty(), !c.flotationWritten);
        EXPECT_EQ(gen.ChapterEnabled(2), c.flotationEnabled);
        EXPECT_EQ(readFile(gen.ChapterFile(6)).empty(), !c.footingWritten);
        EXPECT_EQ(gen.ChapterEnabled(6), c.footing);
        EXPECT_EQ(readFile(gen.ChapterFile(0)), "?R2one\r\n");
        EXPECT_EQ(readFile(gen.CombinedFile()), "");
        std::vector<int> expectedChoice;
        for (int i = 0; i < 8; ++i)
            if ((i != 2 || c.flotationEnabled) && (i != 6 || c.footing))
                expectedChoice.push_back(i);
        EXPECT_EQ(gen.DefaultChoice(), expectedChoice);
    }
}

TEST_F(GenerationTest, FailedRowsGiveOneMessageEach) {
    std::vector<ChapterRow> rows = StandardChapterRowsShape();
    rows[0].Writers = {line("a", false)};
    // Row 5 fails in its first writer; the other two still run.
    rows[4].Writers = {line("wall", false), line("water"), line("sections")};
    rows[7].Writers = {line("x", false), line("y", false)};
    ReportGeneration gen(options(), rows);
    GenerationResult r = gen.Generate(design.d, design.r, NumberingSettings{});
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Message,
              "\n･『設計条件』の印刷ﾌｧｲﾙ生成ｴﾗｰ"
              "\n･『たて壁の設計』の印刷ﾌｧｲﾙ生成ｴﾗｰ"
              "\n･『たて壁鉄筋の段落としの検討』の印刷ﾌｧｲﾙ生成ｴﾗｰ");
    EXPECT_EQ(r.FailedRows, (std::vector<int>{1, 5, 8}));
    EXPECT_EQ(readFile(gen.ChapterFile(4)), "?R2wall\r\n?R2water\r\n?R2sections\r\n");
    // The other chapters can still be printed.
    EXPECT_FALSE(gen.Combine({1, 3}).empty());
    EXPECT_EQ(readFile(gen.CombinedFile()), "?R2two\r\n\f?R2four\r\n");
}

TEST_F(GenerationTest, CombinesOneTwoOrAllChapters) {
    std::vector<ChapterRow> rows = StandardChapterRowsShape();
    // A chapter that ends on a page break; without uplift and footings rows 3 and 7
    // stay empty.
    rows[1].Writers = {[](const ChapterContext& ctx) {
        return ctx.writer.RunChapter([](ReportWriter& w) {
            w.PrintFixedLine(0, "a");
            w.PrintPageBreak();
        });
    }};
    design.r.blnFooting = false;  // row 7 stays empty
    ReportGeneration gen(options(), rows);
    ASSERT_TRUE(gen.Generate(design.d, design.r, NumberingSettings{}).Ok);

    EXPECT_EQ(gen.Combine({}), "");
    EXPECT_EQ(gen.Combine({8, -1}), "");

    std::string path = gen.Combine({4});
    EXPECT_EQ(path, gen.CombinedFile());
    EXPECT_EQ(readFile(path), "?R2five\r\n");

    gen.Combine({4, 0});  // taken in row order
    EXPECT_EQ(readFile(path), "?R2one\r\n\f?R2five\r\n");

    gen.Combine({0, 1, 2, 3, 4, 5, 6, 7, 7});
    EXPECT_EQ(readFile(path),
              "?R2one\r\n\f  a\r\n\f\r\n\f\f?R2four\r\n\f?R2five\r\n"
              "\f?R2six\r\n\f\f?R2eight\r\n");
}

TEST_F(GenerationTest, HeadingNumbersRunOnOverTheChapterFiles) {
    NumberingSettings n;
    n.Method = 3;
    n.Style = {0, 1, 1, 0, 0, 0};
    design.r.objUkiagari->U = 10;  // every row up to the fourth writes its heading
    ReportGeneration gen(options(), StandardChapterRowsShape());
    ASSERT_TRUE(gen.Generate(design.d, design.r, n).Ok);
    // Sections before any chapter heading: the chapter number renders empty.
    EXPECT_EQ(readFile(gen.ChapterFile(0)), "?R2.1 one\r\n");
    EXPECT_EQ(readFile(gen.ChapterFile(3)), "?R2.4 four\r\n");
}

TEST_F(GenerationTest, NoFileIsLeftWhenTheGenerationGoes) {
    {
        ReportGeneration gen(options(), StandardChapterRowsShape());
        // A figure file as the chapters make them.
        gen.Figures().NewFigureFile();
        ASSERT_TRUE(gen.Generate(design.d, design.r, NumberingSettings{}).Ok);
        gen.Figures().NewFigureFile();
        gen.Combine({0, 1});
        EXPECT_EQ(outFiles().size(), 10u);
        // A second generation replaces the files of the first.
        ASSERT_TRUE(gen.Generate(design.d, design.r, NumberingSettings{}).Ok);
        EXPECT_EQ(outFiles().size(), 9u);
        gen.Figures().NewFigureFile();
    }
    EXPECT_TRUE(outFiles().empty());
}

TEST_F(GenerationTest, KeptFilesUnderStableNames) {
    nuvra::test::writeFile(dir.file("out/03-three.prn"), "left over from an earlier run");
    {
        ReportGeneration gen(options(true), StandardChapterRowsShape());
        ASSERT_TRUE(gen.Generate(design.d, design.r, NumberingSettings{}).Ok);
        EXPECT_EQ(gen.Figures().BuildFigure([](FigureModel& m) {
            m.AddPoint(0, 0);
            return m.WriteSubFigure("nuvra", "図");
        }),
                  dir.file("out/fig-001.fig"));
        gen.Combine(gen.DefaultChoice());
        gen.KeepFiles();
    }
    EXPECT_EQ(outFiles(),
              (std::vector<std::string>{"01-one.prn", "02-two.prn", "03-three.prn", "04-four.prn",
                                        "05-five.prn", "06-six.prn", "07-seven.prn", "08-eight.prn",
                                        "combined.prn", "fig-001.fig"}));
    EXPECT_EQ(readFile(dir.file("out/01-one.prn")), "?R2one\r\n");
    EXPECT_EQ(readFile(dir.file("out/03-three.prn")), "");  // no uplift: emptied, not kept
    EXPECT_NE(readFile(dir.file("out/combined.prn")).find("?R2five"), std::string::npos);
}

// Kept files are whole or absent: a chapter that fails part-way, a name taken by a link,
// a protected file or a folder leave no file under the chapter's name that could pass for
// this run's, and the other chapters are still written.
TEST_F(GenerationTest, KeptFilesAreWholeOrAbsent) {
    std::vector<ChapterRow> rows = StandardChapterRowsShape();
    rows[1].Writers = {line("two"), line("more", false)};  // fails after writing
    rows[4].Writers = {[](const ChapterContext& ctx) {     // a figure file cannot be written
        ctx.figures.BuildFigure([](FigureModel&) -> std::string { throw ReportFileError("no"); });
        return ctx.writer.RunChapter([](ReportWriter& w) { w.PrintFixedLine(2, "five"); });
    }};
    rows[0].Writers = {[](const ChapterContext& ctx) {  // a figure that cannot be drawn
        ctx.figures.BuildFigure([](FigureModel&) -> std::string { throw ReportError("flat"); });
        return ctx.writer.RunChapter([](ReportWriter& w) { w.PrintFixedLine(2, "one"); });
    }};
    nuvra::test::writeFile(dir.file("out/02-two.prn"), "an earlier run's");
    nuvra::test::writeFile(dir.file("victim"), "keep");
    fs::create_symlink(dir.file("victim"), dir.file("out/04-four.prn"));
    nuvra::test::writeFile(dir.file("out/06-six.prn"), "protected");
    fs::permissions(dir.file("out/06-six.prn"), fs::perms::owner_read);
    fs::create_directory(dir.file("out/08-eight.prn"));
    design.r.blnFooting = true;

    ReportGeneration gen(options(true), rows);
    gen.KeepFiles();
    GenerationResult r = gen.Generate(design.d, design.r, NumberingSettings{});
    EXPECT_EQ(r.FailedRows, (std::vector<int>{2, 4, 5, 6, 8}));
    ASSERT_EQ(r.Causes.size(), 5u) << r.Causes.back();
    EXPECT_NE(r.Causes[1].find("シンボリックリンク"), std::string::npos) << r.Causes[1];
    EXPECT_NE(r.Causes[2].find("図を作成できません"), std::string::npos) << r.Causes[2];
    EXPECT_NE(r.Causes[3].find("書き込みが禁止されています"), std::string::npos) << r.Causes[3];
    EXPECT_NE(r.Causes[4].find("同じ名前のフォルダーがあります"), std::string::npos);

    EXPECT_FALSE(fs::exists(dir.file("out/02-two.prn")));
    EXPECT_TRUE(fs::is_symlink(dir.file("out/04-four.prn")));
    EXPECT_EQ(readFile(dir.file("victim")), "keep");
    EXPECT_FALSE(fs::exists(dir.file("out/05-five.prn")));
    EXPECT_EQ(readFile(dir.file("out/06-six.prn")), "protected");
    EXPECT_EQ(readFile(dir.file("out/01-one.prn")), "?R2one\r\n");
    EXPECT_EQ(readFile(dir.file("out/07-seven.prn")), "?R2seven\r\n");

    // A failed chapter cannot be joined; the others can.
    EXPECT_EQ(gen.Combine({0, 1}), "");
    EXPECT_NE(gen.CombineError().find("外力の計算"), std::string::npos) << gen.CombineError();
    EXPECT_FALSE(fs::exists(dir.file("out/combined.prn")));
    EXPECT_EQ(gen.Combine({0, 6}), dir.file("out/combined.prn"));
    EXPECT_EQ(readFile(dir.file("out/combined.prn")), "?R2one\r\n\f?R2seven\r\n");
    // No scratch file remains once the generation goes.
    fs::permissions(dir.file("out/06-six.prn"), fs::perms::owner_all);
}

TEST_F(GenerationTest, ACombinedFileThatCannotBeWrittenSaysWhy) {
    fs::create_directory(dir.file("out/combined.prn"));
    ReportGeneration gen(options(true), StandardChapterRowsShape());
    gen.KeepFiles();
    ASSERT_TRUE(gen.Generate(design.d, design.r, NumberingSettings{}).Ok);
    EXPECT_EQ(gen.Combine({0}), "");
    EXPECT_NE(gen.CombineError().find("combined.prn"), std::string::npos) << gen.CombineError();
    EXPECT_NE(gen.CombineError().find("同じ名前のフォルダーがあります"), std::string::npos);
}

TEST_F(GenerationTest, NoScratchFileOutlivesAKeptGeneration) {
    {
        std::vector<ChapterRow> rows = StandardChapterRowsShape();
        rows[0].Writers = {line("one", false)};
        ReportGeneration gen(options(true), rows);
        gen.KeepFiles();
        gen.Generate(design.d, design.r, NumberingSettings{});
        gen.Figures().NewFigureFile();  // begun, never completed
    }
    for (const std::string& f : outFiles())
        EXPECT_NE(f[0], '.') << f;
}

TEST(TempFileRegistryNamer, NamesFilesAndRefusesNamesWithFolders) {
    TempDir dir;
    formats::TempFileRegistry files(dir.path());
    files.SetNamer([](int i) { return i == 1 ? std::string("a.prn") : std::string("../b.prn"); });
    // Written aside, under its name only once committed.
    const std::string scratch = files.Create();
    EXPECT_EQ(fs::path(scratch).parent_path(), fs::path(dir.path()));
    EXPECT_FALSE(fs::exists(dir.file("a.prn")));
    EXPECT_EQ(files.Commit(1), dir.file("a.prn"));
    EXPECT_TRUE(fs::exists(dir.file("a.prn")));
    EXPECT_FALSE(fs::exists(scratch));
    EXPECT_THROW(files.Create(), ReportError);
    EXPECT_EQ(files.Count(), 1);
    files.SetNamer({});
    EXPECT_NE(files.Create().find("/~MT"), std::string::npos);
    files.DeleteAll();
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST_F(GenerationTest, AFolderThatCannotTakeFilesFailsEveryRow) {
    GenerationOptions o = options();
    o.OutputFolder = dir.file("missing");
    ReportGeneration gen(o, StandardChapterRowsShape());
    GenerationResult r = gen.Generate(design.d, design.r, NumberingSettings{});
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.FailedRows.size(), 8u);
    EXPECT_EQ(gen.Combine({0}), "");
}

// The chapters written here, in the generation table with stand-ins for the rest.
TEST_F(GenerationTest, RunsTheStabilityAndLoadChapters) {
    fs::remove(dir.file("app/Nuvra.FMT"));
    fs::copy_file(std::string(NUVRA_BINARY_DIR) + "/bin/Nuvra.FMT", dir.file("app/Nuvra.FMT"));
    design.d.objInpJyoken.HW = 1.0;
    design.Run();
    std::vector<ChapterRow> rows = StandardChapterRowsShape();
    rows[0].Writers = {WriteDesignConditionsChapter};
    rows[1].Writers = {WriteExternalForcesChapter, WriteEarthPressureChapter};
    rows[2].Writers = {WriteFlotationChapter};
    rows[3].Writers = {WriteBearingChapter};
    rows[4].Writers = {line("wall"), WriteWaterPressureChapter, line("sections")};
    ReportGeneration gen(options(), rows);
    GenerationResult r = gen.Generate(design.d, design.r, NumberingSettings{});
    EXPECT_TRUE(r.Ok) << r.Message;
    std::string all = readFile(gen.Combine(gen.DefaultChoice()));
    for (const char* heading : {"?R1設計条件", "?R1外力の計算", "?R1浮上に対する検討",
                                "?R1基礎地盤支持力の検討", "?R2水圧（ケースⅠ：地下水）"})
        EXPECT_NE(all.find(*toCp932(heading)), std::string::npos) << heading;
    EXPECT_GT(gen.Figures().FigureFileCount(), 0);
}

}  // namespace
}  // namespace nuvra::report::test
