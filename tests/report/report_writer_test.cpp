#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "calc/common/arith.h"
#include "common/cp932.h"
#include "test_util.h"

namespace nuvra::report {
namespace {

using test::readFile;
using test::TempDir;

std::string cp(const std::string& utf8) {
    return toCp932(utf8).value();
}

std::string crlfCp932(const std::string& utf8) {
    std::string text;
    for (char c : utf8) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return cp(text);
}

NumberingSettings numbering(std::int32_t method, std::array<std::int32_t, 6> styles,
                            std::array<std::int32_t, 6> margins) {
    NumberingSettings s;
    s.Method = method;
    s.Style = styles;
    s.Margin = margins;
    return s;
}

// A writer whose template, settings and temporary files all live in one test folder.
class WriterTest : public testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(dir.file("tmp"));
        test::writeFile(
            dir.file("Nuvra.FMT"),
            crlfCp932(readFile(test::sourcePath("tests/report/golden/test_chapter.fmt"))));
    }
    ReportWriter makeWriter() {
        return ReportWriter({dir.file("Nuvra.FMT"), dir.file("Nuvra.INI"), dir.file("tmp")});
    }
    TempDir dir;
};

// The test chapter of the golden print file: headings of every kind, fixed and filled
// lines, blank lines, page breaks and figure references, over two blocks.
void testChapter(ReportWriter& w) {
    FormatBlock b = w.ReadFormatBlock("テスト_1");
    FieldValues v;
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 2);
    v.n(1) = 1.5;
    w.PrintFormatLine(b, 3, v);
    v.t(1) = "Ｕ型水路 (試験)";
    w.PrintFormatLine(b, 4, v);
    w.PrintFixedLine(b, 5);
    v.t(1) = "D13";
    v.n(1) = 176.44;
    v.t(2) = "OK";
    w.PrintFormatLine(b, 6, v);
    v.t(2) = "OUT";
    w.PrintFormatLine(b, 6, v);
    w.PrintPageBreak();
    v.n(1) = -1234.567;
    v.n(2) = 15;
    v.t(1) = "ケースⅠ";
    w.PrintFormatLine(b, 7, v);
    w.NewPageIfNeeded(5, 2);
    w.PrintFigureReference("/tmp/~MTfigure.tmp", false);
    w.PrintFigureReference("/tmp/~MTfigure.tmp", true);
    FormatBlock b2 = w.ReadFormatBlock("テスト_2");
    w.PrintFixedLine(b2, 1);
    v.n(1) = 0.333333;
    w.PrintFormatLine(b2, 2, v);
    w.PrintFixedLine(b2, 3);
    w.PrintFixedLine(b2, 3);
    w.NewPageIfNeeded(100, 1);  // never fits: a page break, no blank line
    w.PrintFixedLine(b2, 9);
}

// Golden file: tests/report/golden/test_chapter.prn, CP932 with CR LF. The actual output
// is kept beside the test binary as test_chapter.actual.prn. To accept a deliberate
// change, review that file's differences and run the test once with
// NUVRA_UPDATE_GOLDEN=1 in the environment, which rewrites the golden file.
TEST_F(WriterTest, GoldenPrintFile) {
    ReportWriter w = makeWriter();
    w.StartGeneration(numbering(3, {0, 1, 1, 2, 8, 0}, {0, 0, 2, 4, 6, 0}));
    std::string chapter1 = w.NewPrintFile();
    ASSERT_FALSE(chapter1.empty());
    w.SetCurrentPrintFile(chapter1);
    ASSERT_TRUE(w.RunChapter(testChapter)) << w.LastChapterError();
    // A second chapter runs on with the chapter counter and ends in a failure: what it
    // wrote before the failure stays in the file.
    EXPECT_FALSE(w.RunChapter([](ReportWriter& w) {
        FormatBlock b = w.ReadFormatBlock("テスト_1");
        w.PrintFixedLine(b, 1);
        w.PrintFixedLine(b, 2);
        w.ReadFormatBlock("テスト_3");
        w.PrintFixedLine(b, 5);
    }));
    EXPECT_NE(w.LastChapterError().find("テスト_3"), std::string::npos);

    std::string actual = readFile(chapter1);
    std::string golden = test::sourcePath("tests/report/golden/test_chapter.prn");
    test::writeFile(std::string(NUVRA_BINARY_DIR) + "/tests/test_chapter.actual.prn", actual);
    if (std::getenv("NUVRA_UPDATE_GOLDEN")) test::writeFile(golden, actual);
    EXPECT_EQ(actual, readFile(golden));
}

TEST_F(WriterTest, LinePrefixes) {
    struct {
        std::int32_t method;
        std::vector<int> levels;
        std::string expected;
    } cases[] = {
        // Without numbers the markers stay, and body lines keep the indent of level 1.
        {0, {1, 0, 2, 0, 3, 0}, " ?R1x\r\n   x\r\n  ?R2x\r\n   x\r\n    x\r\n   x\r\n"},
        {1,
         {1, 0, 2, 0, 3, 0, 4, 5, 0},
         // Level 5 has no margin and style 0: an empty number and its blank.
         " ?R11 x\r\n   x\r\n  ?R21 x\r\n    x\r\n    (1) x\r\n      x\r\n      ① x\r\n x\r\n  "
         "x\r\n"},
        {2, {2, 1, 2}, "  ?R2-1 x\r\n ?R11. x\r\n  ?R21-1 x\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("method " + std::to_string(c.method));
        ReportWriter w = makeWriter();
        w.StartGeneration(numbering(c.method, {0, 1, 1, 2, 8, 0}, {0, 1, 2, 4, 6, 0}));
        w.SetCurrentPrintFile(w.NewPrintFile());
        ASSERT_TRUE(w.RunChapter([&](ReportWriter& w) {
            for (int level : c.levels)
                w.PrintFixedLine(level, "x");
        })) << w.LastChapterError();
        EXPECT_EQ(readFile(w.CurrentPrintFile()), cp(c.expected));
        EXPECT_EQ(w.PageLineCount, static_cast<std::int32_t>(c.levels.size()));
    }
}

TEST_F(WriterTest, NewPageIfNeededCountsLinesLeft) {
    struct {
        int linesBefore;
        const char* tail;
        std::int32_t countAfter;
    } cases[] = {
        {60, "\r\n", 61},  // 12 lines left: one blank line
        {61, "\f", 0},     // 11 lines left: a page break
        {0, "\r\n", 1},
        {72, "\f", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.linesBefore);
        ReportWriter w = makeWriter();
        w.StartGeneration(NumberingSettings{});
        w.SetCurrentPrintFile(w.NewPrintFile());
        ASSERT_TRUE(w.RunChapter([&](ReportWriter& w) {
            EXPECT_EQ(w.LinesPerPage, 72);
            w.PrintBlankLines(c.linesBefore);
            EXPECT_EQ(w.PageLineCount, c.linesBefore);
            w.NewPageIfNeeded(12, 1);
            EXPECT_EQ(w.PageLineCount, c.countAfter);
        }));
        std::string bytes = readFile(w.CurrentPrintFile());
        std::string expected;
        for (int i = 0; i < c.linesBefore; ++i)
            expected += "\r\n";
        EXPECT_EQ(bytes, expected + c.tail);
    }
}

TEST_F(WriterTest, ChapterFailuresReportFalseAndKeepWhatWasWritten) {
    test::writeFile(dir.file("Bad.FMT"),
                    crlfCp932("見出し\n  1 1見出し\n  2 6深すぎる\n  3 0値 ##0 &  &\nEnd\n"
                              "空行\n  1 0x\n\n  2 0y\nEnd\n"
                              "終わりなし\n  1 0x\n"));
    ReportWriter w({dir.file("Bad.FMT"), dir.file("Nuvra.INI"), dir.file("tmp")});
    w.StartGeneration(NumberingSettings{});
    struct {
        const char* what;
        std::function<void(ReportWriter&)> chapter;
    } cases[] = {
        {"missing block", [](ReportWriter& w) { w.ReadFormatBlock("ない"); }},
        {"blank line inside a block", [](ReportWriter& w) { w.ReadFormatBlock("空行"); }},
        {"missing End", [](ReportWriter& w) { w.ReadFormatBlock("終わりなし"); }},
        {"index above the arrays", [](ReportWriter& w) { w.ReadFormatBlock("見出し", 2); }},
        {"undefined line",
         [](ReportWriter& w) { w.PrintFixedLine(w.ReadFormatBlock("見出し"), 4); }},
        {"level above 5",
         [](ReportWriter& w) { w.PrintFixedLine(w.ReadFormatBlock("見出し"), 2); }},
        {"value index outside the array",
         [](ReportWriter&) {
             FieldValues v(8, 5);
             v.n(9) = 1;
         }},
        {"more fields than texts",
         [](ReportWriter& w) {
             w.PrintFormatLine(w.ReadFormatBlock("見出し"), 3, FieldValues(1, 0));
         }},
        {"arithmetic fault", [](ReportWriter&) { calc::cdiv(1, 0); }},
        {"text outside CP932", [](ReportWriter& w) { w.PrintFixedLine(0, "😀"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w.SetCurrentPrintFile(w.NewPrintFile());
        EXPECT_FALSE(w.RunChapter([&](ReportWriter& w) {
            w.PrintFixedLine(0, "before");
            c.chapter(w);
        }));
        EXPECT_FALSE(w.LastChapterError().empty());
        EXPECT_FALSE(w.IsPrintFileOpen());
        EXPECT_EQ(readFile(w.CurrentPrintFile()), "  before\r\n");
    }
    // No current print file, or one that cannot be opened: the chapter fails.
    w.SetCurrentPrintFile("");
    EXPECT_FALSE(w.RunChapter([](ReportWriter&) {}));
    w.SetCurrentPrintFile(dir.file("no/such/file"));
    EXPECT_FALSE(w.RunChapter([](ReportWriter&) {}));
    // After failures the writer still works.
    w.SetCurrentPrintFile(w.NewPrintFile());
    EXPECT_TRUE(w.RunChapter([](ReportWriter& w) { w.PrintFixedLine(1, "ok"); }));
    EXPECT_EQ(w.LastChapterError(), "");
    EXPECT_EQ(readFile(w.CurrentPrintFile()), "?R1ok\r\n");
}

TEST_F(WriterTest, PrintFileRegistry) {
    ReportWriter w = makeWriter();
    w.StartGeneration(NumberingSettings{});
    std::vector<std::string> made;
    for (int i = 0; i < 100; ++i)
        made.push_back(w.NewPrintFile());
    EXPECT_EQ(w.PrintFileCount(), 100);
    EXPECT_EQ(w.NewPrintFile(), "");  // a 101st file is refused
    for (int i = 1; i <= 100; ++i) {
        const std::string& p = w.PrintFile(i);
        EXPECT_EQ(p, made[static_cast<std::size_t>(i - 1)]);
        EXPECT_EQ(p.rfind(dir.file("tmp/~MT"), 0), 0u) << p;
        EXPECT_TRUE(std::filesystem::is_regular_file(p));
        EXPECT_EQ(std::filesystem::file_size(p), 0u);
    }
    EXPECT_THROW(w.PrintFile(101), ReportError);
    w.DeletePrintFiles();
    EXPECT_EQ(w.PrintFileCount(), 0);
    for (const std::string& p : made)
        EXPECT_FALSE(std::filesystem::exists(p));

    // A new generation starts the registry afresh.
    w.NewPrintFile();
    w.StartGeneration(NumberingSettings{});
    EXPECT_EQ(w.PrintFileCount(), 0);

    // A temporary folder that does not exist: no file, and the chapter cannot open it.
    ReportWriter bad({dir.file("Nuvra.FMT"), dir.file("Nuvra.INI"), dir.file("missing")});
    EXPECT_EQ(bad.NewPrintFile(), "");
}

TEST_F(WriterTest, AppendPageBreakAndSettingsFromIni) {
    test::writeFile(dir.file("Nuvra.INI"),
                    "[Chapter]\r\nMethod=2\r\nStyle1=1\r\nStyle2=1\r\n"
                    "Margin1=1\r\nMargin2=3\r\n");
    ReportWriter w = makeWriter();
    w.StartGeneration();
    w.SetCurrentPrintFile(w.NewPrintFile());
    ASSERT_TRUE(w.RunChapter([](ReportWriter& w) {
        w.PrintFixedLine(2, "節");
        w.PrintFixedLine(1, "章");
        w.PrintFixedLine(2, "節");
        w.PrintFixedLine(0, "本文");
    }));
    w.AppendPageBreak();
    EXPECT_EQ(readFile(w.CurrentPrintFile()),
              cp("   ?R2-1 節\r\n ?R11. 章\r\n   ?R21-1 節\r\n     本文\r\n\f"));
    w.SetCurrentPrintFile(dir.file("no/such/file"));
    w.AppendPageBreak();  // errors are ignored
}

}  // namespace
}  // namespace nuvra::report
