// The readers against files as the report writer really writes them (its golden
// outputs in tests/report/golden): whatever the writer produces must read back.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/cp932_chars.h"
#include "formats/figure_file.h"
#include "render/report_document.h"
#include "test_util.h"

namespace nuvra::render {
namespace {

std::string golden(const std::string& name) {
    return nuvra::test::sourcePath("tests/report/golden/" + name);
}

TEST(WriterInterop, ReadsTheWritersFigureFile) {
    if (!std::filesystem::exists(golden("test_figure.txt")))
        GTEST_SKIP() << "no figure golden file";
    formats::FigureFile f;
    std::string error;
    ASSERT_TRUE(formats::readFigureFile(golden("test_figure.txt"), f, error)) << error;
    EXPECT_FALSE(f.points.empty());
    // Every point lies within the extents written on line 3 (to their two decimals).
    for (const auto& p : f.points) {
        EXPECT_GE(p.x, f.minX - 0.006);
        EXPECT_LE(p.x, f.maxX + 0.006);
        EXPECT_GE(p.y, f.minY - 0.006);
        EXPECT_LE(p.y, f.maxY + 0.006);
    }
    EXPECT_NEAR(f.width, f.maxX - f.minX, 0.011);
    EXPECT_NEAR(f.height, f.maxY - f.minY, 0.011);
}

TEST(WriterInterop, ReadsTheWritersPrintFile) {
    if (!std::filesystem::exists(golden("test_chapter.prn")))
        GTEST_SKIP() << "no print golden file";
    ReportDocument doc;
    std::string error;
    nuvra::test::TempDir dir;
    ASSERT_TRUE(doc.open(golden("test_chapter.prn"),
                         RenderOptions{dir.path(), std::nullopt, std::nullopt}, error))
        << error;
    int headings = 0, figures = 0, lines = 0;
    for (int i = 0; i < doc.pageCount(); ++i) {
        Page page;
        ASSERT_TRUE(doc.page(i, page, error)) << error;
        for (const auto& l : page.lines) {
            ++lines;
            if (l.line.kind == formats::LineKind::Heading1 ||
                l.line.kind == formats::LineKind::Heading2)
                ++headings;
            // No line of the writer is damaged text.
            EXPECT_TRUE(l.line.problem.empty()) << l.line.lineNumber << ": " << l.line.problem;
            EXPECT_EQ(formats::cp932ToUtf8(l.line.text).find('?'), std::string::npos)
                << formats::cp932ToUtf8(l.line.text);
        }
        figures += static_cast<int>(page.figures.size());
    }
    EXPECT_GT(lines, 0);
    EXPECT_GT(headings, 0);
    EXPECT_GT(figures, 0);
    EXPECT_GT(doc.pageCount(), 1);
}

}  // namespace
}  // namespace nuvra::render
