#include "render/figure_layout.h"

#include <gtest/gtest.h>

#include "sample_files.h"
#include "test_util.h"

namespace nuvra::render {
namespace {

using test::fileBytes;

TEST(FigureLayoutReader, ReadsAreaAndFigures) {
    FigureLayout l;
    std::string error;
    ASSERT_TRUE(parseFigureLayout(
        fileBytes("荷重分布図\n 130           60 \n/tmp/~MT1.tmp\n 2             8.75 \n"
                  "rel.fig\n-.5           1E-05 \nEND\n"),
        "/base", l, error))
        << error;
    EXPECT_EQ(l.title, "荷重分布図");
    EXPECT_DOUBLE_EQ(l.width, 130);
    EXPECT_DOUBLE_EQ(l.height, 60);
    ASSERT_EQ(l.figures.size(), 2u);
    EXPECT_EQ(l.figures[0].path, "/tmp/~MT1.tmp");
    EXPECT_DOUBLE_EQ(l.figures[0].offsetY, 8.75);
    EXPECT_EQ(l.figures[1].path, "/base/rel.fig");
    EXPECT_DOUBLE_EQ(l.figures[1].offsetX, -0.5);
    EXPECT_DOUBLE_EQ(l.figures[1].offsetY, 1e-5);
}

TEST(FigureLayoutReader, MalformedLayoutsAreRefused) {
    const std::pair<std::string, std::string> cases[] = {
        {"t\n", "途中"},
        {"t\n 150 \nEND\n", "2 行目"},
        {"t\n 0   120 \nEND\n", "2 行目"},
        {"t\n 150   x \nEND\n", "2 行目"},
        {"t\n 150   120 \na.fig\n", "位置"},
        {"t\n 150   120 \na.fig\n 1 \nEND\n", "4 行目"},
        {"t\n 150   120 \na.fig\n 1   2 \n", "END"},
        {"t\n 150   120 \n\n 1   2 \nEND\n", "名前"},
    };
    for (const auto& [text, needle] : cases) {
        FigureLayout l;
        std::string error;
        EXPECT_FALSE(parseFigureLayout(fileBytes(text), "/b", l, error)) << text;
        EXPECT_NE(error.find(needle), std::string::npos) << error;
    }
}

TEST(FigureLayoutReader, ResolvesPathsWrittenWithBackslashes) {
    nuvra::test::TempDir dir;
    nuvra::test::writeFile(dir.file("a.fig"), "x");
    EXPECT_EQ(resolveFilePath("a.fig", dir.path()), dir.file("a.fig"));
    EXPECT_EQ(resolveFilePath(dir.path() + "\\a.fig", ""), dir.file("a.fig"));
    EXPECT_EQ(resolveFilePath("/abs/x.fig", dir.path()), "/abs/x.fig");
    EXPECT_EQ(folderOf("/a/b/c.lay"), "/a/b");
    EXPECT_EQ(folderOf("c.lay"), ".");
}

TEST(FigureLayoutReader, ReadsTheSampleLayouts) {
    nuvra::test::TempDir dir;
    test::writeSampleFiles(dir.path());
    FigureLayout l;
    std::string error;
    ASSERT_TRUE(readFigureLayout(dir.file("pressure.lay"), l, error)) << error;
    ASSERT_EQ(l.figures.size(), 2u);
    EXPECT_EQ(l.figures[1].path, dir.file("diagram.fig"));
    EXPECT_FALSE(readFigureLayout(dir.file("nothing.lay"), l, error));
    EXPECT_NE(error.find("nothing.lay"), std::string::npos);
}

}  // namespace
}  // namespace nuvra::render
