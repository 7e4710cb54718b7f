// The SVG export and the viewer's painter are two sinks of one walk over a figure: for
// every golden figure, and for a diagonal arrow, both receive the same elements at the
// same places (layout area, mm).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>

#include "figures/svg_export.h"
#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "formats/recording_sink.h"
#include "formats/style_files.h"
#include "render/figure_painter.h"
#include "render/report_font.h"
#include "test_util.h"

namespace nuvra::render {
namespace {

using formats::test::RecordingSink;

const std::string kAppFolder = std::string(NUVRA_BINARY_DIR) + "/bin";

// What the painter hands to its sink for the layout, drawn into an image.
std::vector<std::string> paintedElements(const std::string& layoutPath,
                                         const formats::StyleTables& styles) {
    formats::FigureLayout layout;
    std::string error;
    EXPECT_TRUE(formats::readFigureLayout(layoutPath, layout, error)) << error;
    ReportFont font;
    FigurePainter painter(styles, font);
    RecordingSink rec;
    painter.setTap(&rec);
    PlacedFigure fig;
    fig.box = {10, 10, layout.width, layout.height, 1.0, 1, 0};
    fig.layoutPath = layoutPath;
    QImage image(static_cast<int>((layout.width + 20) * 2),
                 static_cast<int>((layout.height + 20) * 2), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    std::vector<std::string> problems;
    painter.paint(p, fig, DeviceMap{2.0, QPointF(0, 0)}, &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    return rec.calls;
}

std::vector<std::string> svgElements(const std::string& layoutPath,
                                     const formats::StyleTables& styles) {
    RecordingSink rec;
    figures::LayoutToSvg(layoutPath, styles, &rec);
    return rec.calls;
}

TEST(FigureSinks, SvgAndPainterReceiveTheSameElementsForEveryGoldenFigure) {
    const formats::StyleTables strict(formats::ReadLineStyles(kAppFolder + "/LINE_PRN.DEF"),
                                      formats::ReadTextStyles(kAppFolder + "/STR_PRN.DEF"));
    formats::StyleTables lenient;
    lenient.load(kAppFolder);
    ASSERT_TRUE(lenient.problems().empty());
    int figures = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(nuvra::test::sourcePath("tests/figures/golden"))) {
        const std::string layout = entry.path().string() + "/layout.txt";
        if (!std::filesystem::exists(layout)) continue;
        ++figures;
        const std::vector<std::string> svg = svgElements(layout, strict);
        const std::vector<std::string> painted = paintedElements(layout, lenient);
        EXPECT_GT(svg.size(), 10u) << layout;
        EXPECT_EQ(svg, painted) << layout;
    }
    EXPECT_GE(figures, 12);
}

TEST(FigureSinks, DiagonalArrowsAreDrawnByBoth) {
    nuvra::test::TempDir dir;
    formats::FigureFile f;
    f.label = "nuvra";
    f.title = "矢印";
    f.points = {{0, 0}, {20, 0}, {20, 20}};
    f.segments = {{1, 3, 1}};
    for (int direction = 1; direction <= 8; ++direction)
        f.arrows.push_back({direction % 2 ? 2 : 3, direction, 1});
    f.setExtents({20, 20, 0, 0, 20, 20});
    nuvra::test::writeFile(dir.file("f.txt"), formats::FigureFileBytes(f));
    formats::FigureLayout l;
    l.title = "矢印";
    l.width = 40;
    l.height = 40;
    l.figures = {{"f.txt", 10, 10}};
    nuvra::test::writeFile(dir.file("l.txt"), formats::FigureLayoutBytes(l));

    formats::StyleTables styles(formats::ReadLineStyles(kAppFolder + "/LINE_PRN.DEF"),
                                formats::ReadTextStyles(kAppFolder + "/STR_PRN.DEF"));
    const std::vector<std::string> svg = svgElements(dir.file("l.txt"), styles);
    const std::vector<std::string> painted = paintedElements(dir.file("l.txt"), styles);
    ASSERT_EQ(svg.size(), 9u);  // the segment and eight arrows
    EXPECT_EQ(svg, painted);
    EXPECT_EQ(svg[2], "arrow 30.000,30.000 0.707,0.707 " + svg[2].substr(svg[2].rfind(' ') + 1));
    const std::string picture = figures::LayoutToSvg(dir.file("l.txt"), kAppFolder);
    std::size_t heads = 0;
    for (std::size_t at = picture.find("<polygon"); at != std::string::npos;
         at = picture.find("<polygon", at + 1))
        ++heads;
    EXPECT_EQ(heads, 8u);
}

}  // namespace
}  // namespace nuvra::render
