#include "render/report_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "formats/cp932_chars.h"
#include "sample_files.h"
#include "test_util.h"

namespace nuvra::render {
namespace {

class ReportDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override { test::writeSampleFiles(dir.path()); }

    ReportDocument open(const std::string& utf8) {
        test::writeTextFile(dir.file("t.prn"), utf8);
        ReportDocument doc;
        std::string error;
        EXPECT_TRUE(doc.open(dir.file("t.prn"), options(), error)) << error;
        return doc;
    }
    RenderOptions options() const { return RenderOptions{dir.path(), std::nullopt, std::nullopt}; }
    static Page pageOf(const ReportDocument& doc, int index) {
        Page p;
        std::string error;
        EXPECT_TRUE(doc.page(index, p, error)) << error;
        return p;
    }
    static bool hasWarning(const ReportDocument& doc, const std::string& needle) {
        return std::any_of(doc.warnings().begin(), doc.warnings().end(), [&](const std::string& w) {
            return w.find(needle) != std::string::npos;
        });
    }

    nuvra::test::TempDir dir;
};

TEST_F(ReportDocumentTest, PagesTheSampleReport) {
    ReportDocument doc;
    std::string error;
    ASSERT_TRUE(doc.open(dir.file("report.prn"), options(), error)) << error;
    // Chapter 1 with its figure; chapter 2 runs over a page; chapter 3 after a form feed.
    EXPECT_EQ(doc.pageCount(), 4);

    Page first = pageOf(doc, 0);
    ASSERT_FALSE(first.lines.empty());
    EXPECT_EQ(first.lines[0].line.kind, formats::LineKind::Heading1);
    EXPECT_EQ(formats::cp932ToUtf8(first.lines[0].line.text), "1. 設計条件");
    ASSERT_EQ(first.figures.size(), 1u);
    const PlacedFigure& fig = first.figures[0];
    EXPECT_TRUE(fig.problem.empty()) << fig.problem;
    EXPECT_DOUBLE_EQ(fig.box.width, 150);
    EXPECT_DOUBLE_EQ(fig.box.height, 120);
    EXPECT_EQ(fig.box.rows, 33);  // 120 mm in rows of 3.7 mm
    // Its title takes the row under it.
    EXPECT_DOUBLE_EQ(fig.box.captionMm, 3.7);
    // The text after the figure follows below its area.
    const PlacedLine& after = first.lines.back();
    EXPECT_EQ(formats::cp932ToUtf8(after.line.text), "図のあとの本文は図の下に続きます。");
    // The figure's title takes the row under it, then comes the blank line of the file.
    EXPECT_EQ(after.row, fig.row + fig.box.rows + 2);

    // Page 3 continues the table of page 2 and carries the pressure figure.
    Page third = pageOf(doc, 2);
    ASSERT_FALSE(third.lines.empty());
    EXPECT_EQ(third.lines[0].row, 0);
    EXPECT_EQ(third.lines[0].line.kind, formats::LineKind::Body);
    ASSERT_EQ(third.figures.size(), 1u);
    EXPECT_DOUBLE_EQ(third.figures[0].box.height, 60);

    // Page 4: the broken figures are reported with their lines, and laid out as notes.
    Page fourth = pageOf(doc, 3);
    EXPECT_EQ(fourth.figures.size(), 3u);
    EXPECT_TRUE(hasWarning(doc, "not-there.fig"));
    EXPECT_TRUE(hasWarning(doc, "bad.fig"));
    EXPECT_TRUE(hasWarning(doc, "no-such-layout.lay"));
    EXPECT_EQ(doc.warningCount(), 3u);
}

TEST_F(ReportDocumentTest, AFullPageContinuesOnTheNext) {
    std::string text;
    for (int i = 1; i <= 100; ++i)
        text += "line " + std::to_string(i) + "\n";
    ReportDocument doc = open(text);
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(pageOf(doc, 0).lines.size(), 72u);
    Page second = pageOf(doc, 1);
    ASSERT_EQ(second.lines.size(), 28u);
    EXPECT_EQ(second.lines[0].line.text, "line 73");
}

TEST_F(ReportDocumentTest, AFigureThatDoesNotFitMovesToTheNextPage) {
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "x\n";
    text += "  ?FG;000;000;shape.lay\nafter\n";  // 33 rows from row 50 do not fit
    ReportDocument doc = open(text);
    ASSERT_EQ(doc.pageCount(), 2);
    Page second = pageOf(doc, 1);
    ASSERT_EQ(second.figures.size(), 1u);
    EXPECT_EQ(second.figures[0].row, 0);
    EXPECT_DOUBLE_EQ(second.figures[0].box.y, doc.geometry().marginTopMm);
    // Column 2 of the reference, nudged left so the 150 mm area stays within the
    // printable width.
    EXPECT_LE(second.figures[0].box.x + second.figures[0].box.width,
              doc.geometry().textRightMm() + 1e-9);
    EXPECT_EQ(second.lines.at(0).row, 34);  // under the figure's title
}

TEST_F(ReportDocumentTest, AnEmptyFileIsOneEmptyPage) {
    ReportDocument doc = open("");
    EXPECT_EQ(doc.pageCount(), 1);
    EXPECT_TRUE(pageOf(doc, 0).lines.empty());
    Page p;
    std::string error;
    EXPECT_FALSE(doc.page(1, p, error));
}

TEST_F(ReportDocumentTest, UnusableFilesGiveAClearMessage) {
    ReportDocument doc;
    std::string error;
    EXPECT_FALSE(doc.open(dir.file("none.prn"), options(), error));
    EXPECT_NE(error.find("ファイルがありません"), std::string::npos) << error;
    nuvra::test::writeFile(dir.file("bin.prn"), std::string("PK\3\4\0\0binary", 12));
    EXPECT_FALSE(doc.open(dir.file("bin.prn"), options(), error));
    EXPECT_NE(error.find("NUL"), std::string::npos) << error;
}

TEST_F(ReportDocumentTest, MarginsComeFromTheSettingsFileUnlessGiven) {
    nuvra::test::writeFile(dir.file("Nuvra.INI"),
                           "[Printer]\r\nMarginTop(mm)=20\r\nMarginLeft(mm)=12\r\n");
    ReportDocument doc = open("a\n");
    EXPECT_EQ(doc.geometry().marginTopMm, 20);
    EXPECT_EQ(doc.geometry().marginLeftMm, 12);
    RenderOptions o = options();
    o.marginLeftMm = 30;
    std::string error;
    ASSERT_TRUE(doc.open(dir.file("t.prn"), o, error));
    EXPECT_EQ(doc.geometry().marginTopMm, 20);
    EXPECT_EQ(doc.geometry().marginLeftMm, 30);
}

TEST_F(ReportDocumentTest, PagesStayReadableWhenThePrintMenuDeletesTheFiles) {
    ReportDocument doc;
    std::string error;
    ASSERT_TRUE(doc.open(dir.file("report.prn"), options(), error)) << error;
    for (const char* name :
         {"report.prn", "shape.lay", "shape.fig", "pressure.lay", "elev.fig", "diagram.fig"})
        std::filesystem::remove(dir.file(name));
    Page first = pageOf(doc, 0);
    EXPECT_EQ(formats::cp932ToUtf8(first.lines.at(0).line.text), "1. 設計条件");
    ASSERT_EQ(first.figures.size(), 1u);
    ASSERT_TRUE(first.figures[0].loaded);
    EXPECT_GT(first.figures[0].loaded->files.at(0).points.size(), 50u);
    EXPECT_EQ(pageOf(doc, 2).figures.at(0).loaded->files.size(), 2u);
}

TEST_F(ReportDocumentTest, APrintFileRewrittenInPlaceIsNotMisread) {
    ReportDocument doc = open("one\ntwo\n");
    // The print button rewrites the combined file while an earlier viewer shows it.
    std::ofstream(dir.file("t.prn"), std::ios::binary | std::ios::trunc)
        << "something else entirely\r\n";
    Page p;
    std::string error;
    EXPECT_FALSE(doc.page(0, p, error));
    EXPECT_NE(error.find("書き換えられました"), std::string::npos) << error;
}

TEST_F(ReportDocumentTest, TenThousandPagesAreIndexedNotHeld) {
    // Each page: a heading, 70 lines and a form feed; written straight in CP932.
    std::string path = dir.file("big.prn");
    {
        std::ofstream out(path, std::ios::binary);
        for (int p = 1; p <= 10000; ++p) {
            out << "?R1" << p << ". page\r\n";
            for (int i = 0; i < 70; ++i)
                out << "    " << i << "  1.500  2.250\r\n";
            out << '\f';
        }
    }
    ReportDocument doc;
    std::string error;
    ASSERT_TRUE(doc.open(path, options(), error)) << error;
    ASSERT_EQ(doc.pageCount(), 10000);
    Page last = pageOf(doc, 9999);
    ASSERT_EQ(last.lines.size(), 71u);
    EXPECT_EQ(last.lines[0].line.text, "10000. page");
    EXPECT_EQ(last.lines[0].line.lineNumber, 9999 * 71 + 1);
}

}  // namespace
}  // namespace nuvra::render
