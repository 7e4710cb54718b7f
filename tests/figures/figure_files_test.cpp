// Reading figure and layout files back, copying them out, and drawing them as SVG.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/cp932.h"
#include "figure_test_support.h"
#include "figures/figure_export.h"
#include "figures/svg_export.h"
#include "formats/cp932_chars.h"
#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "formats/format_error.h"

namespace nuvra::figures::test {
namespace {

using nuvra::test::readFile;
using nuvra::test::writeFile;

class FigureFilesTest : public FigureTest {
  protected:
    // A small figure of every element kind the builders use, centred on 100 × 80.
    std::string drawSample() {
        model.StartGeneration();
        return model.BuildFigure([](figures::FigureModel& m) {
            const int a = m.AddPoint(-20, 0), b = m.AddPoint(20, 0), c = m.AddPoint(20, 30.25);
            m.AddLine(a, b, 2);
            m.AddLine(b, c, 3);
            m.AddLine(c, a, 4);
            m.AddCircle(c, 0.5, 1);
            m.AddArrow(a, figures::kArrowLeft, 1);
            m.AddText("①", 2, figures::kTextHorizontal, 1.5, 2.5);
            m.AddText("高さＨ(mm)", 2, figures::kTextUpward, -25, 0);
            m.WriteSubFigure("nuvra", "試験図");
            return m.LayoutCentred("試験図", 100, 80);
        });
    }
};

TEST_F(FigureFilesTest, FilesReadBackAsWritten) {
    const std::string layout = drawSample();
    ASSERT_FALSE(layout.empty()) << model.LastFigureError();
    const formats::FigureLayout l = formats::ReadFigureLayout(layout);
    EXPECT_EQ(l.title, "試験図");
    EXPECT_EQ(l.width, 100);
    EXPECT_EQ(l.height, 80);
    ASSERT_EQ(l.figures.size(), 1u);
    EXPECT_EQ(l.figures[0].path, model.SubFig(1).file);
    EXPECT_NEAR(l.figures[0].offsetX, model.SubFig(1).offsetX, 1e-9);
    EXPECT_NEAR(l.figures[0].offsetY, model.SubFig(1).offsetY, 1e-9);

    const formats::FigureFile f = formats::ReadFigureFile(l.figures[0].path);
    EXPECT_EQ(f.label, "nuvra");
    EXPECT_EQ(f.title, "試験図");
    ASSERT_EQ(f.points.size(), 3u);
    EXPECT_DOUBLE_EQ(f.points[2].y, 30.25);
    ASSERT_EQ(f.segments.size(), 3u);
    EXPECT_EQ(f.segments[2].from, 3);
    EXPECT_EQ(f.segments[2].style, 4);
    ASSERT_EQ(f.circles.size(), 1u);
    EXPECT_DOUBLE_EQ(f.circles[0].radius, 0.5);
    ASSERT_EQ(f.arrows.size(), 1u);
    EXPECT_EQ(f.arrows[0].direction, figures::kArrowLeft);
    ASSERT_EQ(f.texts.size(), 2u);
    EXPECT_EQ(formats::cp932ToUtf8(f.texts[1].bytes), "高さＨ(mm)");
    EXPECT_EQ(f.texts[1].direction, figures::kTextUpward);
    EXPECT_DOUBLE_EQ(f.texts[0].y, 2.5);
    const figures::FigExtents e = model.ComputeExtents();
    EXPECT_NEAR(f.minX, e.minX, 0.005);
    EXPECT_NEAR(f.maxY, e.maxY, 0.005);
}

TEST_F(FigureFilesTest, ExportKeepsTheBytesAndRepointsTheLayout) {
    const std::string layout = drawSample();
    ASSERT_FALSE(layout.empty());
    const std::string out = dir.file("out");
    std::filesystem::create_directories(out);
    const std::vector<std::string> files = ExportFigureFiles(layout, out);
    ASSERT_EQ(files, (std::vector<std::string>{out + "/layout.txt", out + "/figure-1.txt"}));
    EXPECT_EQ(readFile(files[1]), readFile(model.SubFig(1).file));
    std::string expected = readFile(layout);
    expected.replace(expected.find(model.SubFig(1).file), model.SubFig(1).file.size(), files[1]);
    EXPECT_EQ(readFile(files[0]), expected);
    EXPECT_EQ(formats::ReadFigureLayout(files[0]).figures[0].path, files[1]);

    writeFile(dir.file("broken.txt"), "t\r\n 100  80 \r\n" + files[1] + "\r\n 0  0 \r\n");
    EXPECT_THROW(ExportFigureFiles(dir.file("broken.txt"), out), formats::FormatError);  // no END
}

TEST_F(FigureFilesTest, SvgDrawsStylesArrowsAndTexts) {
    const std::string layout = drawSample();
    ASSERT_FALSE(layout.empty());
    const std::string svg = LayoutToSvg(layout, kAppFolder);
    auto has = [&svg](const std::string& s) { return svg.find(s) != std::string::npos; };
    EXPECT_TRUE(has("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_TRUE(has("<title>試験図</title>"));
    EXPECT_TRUE(has("stroke-width=\"0.5\""));                // style 2, the outline
    EXPECT_TRUE(has("stroke-dasharray=\"3 0.8 0.4 0.8\""));  // style 3, dash-dot
    EXPECT_TRUE(has("stroke-dasharray=\"3 1\""));            // style 4, dashed
    EXPECT_TRUE(has("<circle "));
    EXPECT_TRUE(has(">①</text>"));
    EXPECT_TRUE(has("transform=\"rotate(-90 "));                     // the upward text
    EXPECT_TRUE(has("textLength=\"" + std::string("2.54") + "\""));  // ① is full width
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");

    // The arrow's tip sits on its point: page position = figure + offset, SVG y downward.
    const figures::SubFigure& s = model.SubFig(1);
    const double minX = std::min(0.0, s.extents.minX + s.offsetX) - 2;
    const double maxY = std::max(80.0, s.extents.maxY + s.offsetY) + 2;
    char tip[64];
    std::snprintf(tip, sizeof tip, "<polygon points=\"%g,%g ", -20 + s.offsetX - minX,
                  maxY - (0 + s.offsetY));
    EXPECT_TRUE(has(tip)) << tip;
}

TEST_F(FigureFilesTest, DamagedFilesAreRefused) {
    const std::string layout = drawSample();
    ASSERT_FALSE(layout.empty());
    const std::string figure = model.SubFig(1).file;
    // A segment to a point that does not exist.
    std::string bytes = readFile(figure);
    bytes.replace(bytes.find("3, 3, 1, 4"), 10, "3, 9, 1, 4");
    writeFile(figure, bytes);
    EXPECT_THROW(LayoutToSvg(layout, kAppFolder), formats::FormatError);
    // A section without END.
    writeFile(figure, bytes.substr(0, bytes.rfind("END")));
    EXPECT_THROW(formats::ReadFigureFile(figure), formats::FormatError);
    EXPECT_THROW(formats::ReadFigureLayout(dir.file("missing.txt")), formats::FormatError);
}

}  // namespace
}  // namespace nuvra::figures::test
