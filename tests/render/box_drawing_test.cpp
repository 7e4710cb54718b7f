// Ruled tables: box-drawing characters drawn as lines that meet from row to row, the
// characters kept in the PDF's text, and tables kept within the printable width.
#include "render/box_drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "figures/svg_export.h"
#include "formats/cp932_chars.h"
#include "formats/label_placement.h"
#include "render/figure_painter.h"
#include "render/page_painter.h"
#include "render/pdf_export.h"
#include "render/report_document.h"
#include "sample_files.h"
#include "test_util.h"

namespace nuvra::render {
namespace {

TEST(BoxArms, EachRuleCharacterReachesItsNeighbours) {
    struct Case {
        char32_t code;
        int up, down, left, right;
    };
    const Case cases[] = {
        {U'─', 0, 0, 1, 1}, {U'│', 1, 1, 0, 0}, {U'┌', 0, 1, 0, 1}, {U'┘', 1, 0, 1, 0},
        {U'├', 1, 1, 0, 1}, {U'┤', 1, 1, 1, 0}, {U'┬', 0, 1, 1, 1}, {U'┴', 1, 0, 1, 1},
        {U'┼', 1, 1, 1, 1}, {U'━', 0, 0, 2, 2}, {U'┃', 2, 2, 0, 0}, {U'┿', 1, 1, 2, 2},
        {U'╂', 2, 2, 1, 1}, {U'┠', 2, 2, 0, 1}, {U'┯', 0, 1, 2, 2}, {U'╋', 2, 2, 2, 2},
    };
    for (const Case& c : cases) {
        auto a = boxArms(c.code);
        ASSERT_TRUE(a.has_value()) << static_cast<unsigned>(c.code);
        EXPECT_EQ(a->up, c.up) << static_cast<unsigned>(c.code);
        EXPECT_EQ(a->down, c.down) << static_cast<unsigned>(c.code);
        EXPECT_EQ(a->left, c.left) << static_cast<unsigned>(c.code);
        EXPECT_EQ(a->right, c.right) << static_cast<unsigned>(c.code);
    }
    // Dashes, minus signs and letters stay text.
    for (char32_t other : {U'－', U'―', U'ー', U'-', U'A', U'口', U'┄'})
        EXPECT_FALSE(boxArms(other).has_value()) << static_cast<unsigned>(other);
}

class RuledTableTest : public ::testing::Test {
  protected:
    void SetUp() override { test::writeSampleFiles(dir.path()); }

    ReportDocument open(const std::string& utf8) {
        test::writeTextFile(dir.file("t.prn"), utf8);
        ReportDocument doc;
        std::string error;
        EXPECT_TRUE(doc.open(dir.file("t.prn"), {dir.path(), std::nullopt, std::nullopt}, error))
            << error;
        return doc;
    }

    nuvra::test::TempDir dir;
};

// The table of the tests below: column 2, five rows, two cells of two full-width
// characters.
const char* const kTable =
    "  ┌──┬──┐\n"
    "  │ａｂ│ｃｄ│\n"
    "  ├──┼──┤\n"
    "  │ｅｆ│ｇｈ│\n"
    "  └──┴──┘\n";

TEST_F(RuledTableTest, VerticalRulesRunWithoutAGapFromRowToRow) {
    ReportDocument doc = open(kTable);
    ReportFont font;
    std::string error;
    ASSERT_TRUE(font.load(error)) << error;
    PagePainter painter(doc, font);
    constexpr double kPxPerMm = 12.0;
    QImage image(static_cast<int>(PageGeometry::kPaperWidthMm * kPxPerMm),
                 static_cast<int>(PageGeometry::kPaperHeightMm * kPxPerMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        ASSERT_TRUE(painter.paintPage(p, 0, DeviceMap{kPxPerMm, QPointF(0, 0)}, error)) << error;
    }
    const PageGeometry& g = doc.geometry();
    auto dark = [&](double xMm, double yMm) {
        QPoint at(static_cast<int>(xMm * kPxPerMm), static_cast<int>(yMm * kPxPerMm));
        return qGray(image.pixel(at)) < 128;
    };
    // The vertical rules stand in the middle of the cells of columns 2, 8 and 14.
    const double middleOfFirstRow = g.rowTopMm(0) + g.linePitchMm / 2.0;
    const double middleOfLastRow = g.rowTopMm(4) + g.linePitchMm / 2.0;
    for (int column : {2, 8, 14}) {
        const double x = g.columnXMm(column + 1);
        int gaps = 0;
        for (double y = middleOfFirstRow + 0.3; y < middleOfLastRow - 0.3; y += 1.0 / kPxPerMm)
            if (!dark(x, y)) ++gaps;
        EXPECT_EQ(gaps, 0) << "column " << column;
    }
    // The horizontal rules run unbroken from the first corner to the last.
    for (int row : {0, 2, 4}) {
        const double y = g.rowTopMm(row) + g.linePitchMm / 2.0;
        int gaps = 0;
        for (double x = g.columnXMm(3); x < g.columnXMm(15); x += 1.0 / kPxPerMm)
            if (!dark(x, y)) ++gaps;
        EXPECT_EQ(gaps, 0) << "row " << row;
    }
    // Inside a cell, away from its text, the paper stays white.
    EXPECT_FALSE(dark(g.columnXMm(5), g.rowTopMm(1) + 0.3));
}

bool haveTool(const char* name) {
    std::string cmd = std::string("command -v ") + name + " >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

TEST_F(RuledTableTest, ThePdfKeepsTheRuleCharactersInItsText) {
    test::writeTextFile(dir.file("t.prn"), kTable);
    ExportResult r =
        exportPdf(dir.file("t.prn"), dir.file("t.pdf"), {dir.path(), std::nullopt, std::nullopt});
    ASSERT_TRUE(r.ok) << r.error;
    if (!haveTool("pdftotext")) GTEST_SKIP() << "poppler-utils not installed";
    std::string text;
    std::string cmd = "pdftotext -layout '" + dir.file("t.pdf") + "' -";
    if (FILE* f = popen(cmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            text.append(buf, n);
        pclose(f);
    }
    EXPECT_NE(text.find("┌──┬──┐"), std::string::npos) << text;
    EXPECT_NE(text.find("│ａｂ│ｃｄ│"), std::string::npos) << text;
    EXPECT_NE(text.find("└──┴──┘"), std::string::npos) << text;
}

TEST_F(RuledTableTest, ATableWiderThanThePrintableWidthIsDrawnAtOnePitch) {
    // At column 6, two rules of 86 columns and a row of 88: the printable width leaves
    // 84 columns there.
    std::string rule = "├";
    for (int i = 0; i < 41; ++i)
        rule += "─";
    rule += "┤";
    const std::string wide = "│" + std::string(84, 'x') + "│";
    const std::string plain(95, 'y');
    ReportDocument doc = open("      " + rule + "\n      " + wide + "\n      " + rule +
                              "\n\n      ┌──┐\n" + plain + "\nshort\n");
    Page page;
    std::string error;
    ASSERT_TRUE(doc.page(0, page, error)) << error;
    ASSERT_EQ(page.lines.size(), 6u);
    const PageGeometry& g = doc.geometry();
    std::vector<double> pitch = linePitches(page.lines, g);
    const double tableRoom = g.textRightMm() - g.columnXMm(6);
    // The three rows of the table share the pitch of its widest row, which ends at the
    // printable width.
    EXPECT_NEAR(pitch[0], tableRoom / (88 * g.columnWidthMm()), 1e-9);
    EXPECT_DOUBLE_EQ(pitch[1], pitch[0]);
    EXPECT_DOUBLE_EQ(pitch[2], pitch[0]);
    // After a blank row a table of its own, within the width: its normal pitch.
    EXPECT_DOUBLE_EQ(pitch[3], 1.0);
    // A plain line longer than the width is narrowed alone, a short one not at all.
    EXPECT_NEAR(pitch[4], (g.textRightMm() - g.columnXMm(0)) / (95 * g.columnWidthMm()), 1e-9);
    EXPECT_DOUBLE_EQ(pitch[5], 1.0);
}

// Three labels on one spot and one crossed by a line: the viewer moves them exactly as
// the SVG export does, and the SVG draws the leaders.
TEST_F(RuledTableTest, ViewerAndSvgMoveTheSameTexts) {
    test::writeTextFile(
        dir.file("crowd.fig"),
        "nuvra\nテスト\n40.00, 20.00, 0.00,      0.00, 40.00, 20.00\n"
        "座標情報\n1, 0.000000, 0.000000\n2, 40.000000, 20.000000\n"
        "3, 30.000000, 0.000000\n4, 30.000000, 20.000000\n"
        "5, 33.500000, 0.000000\n6, 33.500000, 20.000000\nEND\n"
        "線分情報\n1, 3, 4, 2\n2, 5, 6, 2\nEND\n"
        "文字情報\n①\n10.000000, 10.000000, 2, 3\n②\n10.000000, 10.000000, 2, 3\n"
        "③\n10.500000, 10.500000, 2, 3\n1200\n29.000000, 5.000000, 2, 3\n"
        "+2.95\n2.000000, 2.000000, 2, 3\n+2.950\n2.000000, 15.000000, 2, 3\nEND\n");
    test::writeTextFile(
        dir.file("crowd.lay"),
        "テスト\n 60            40 \n" + dir.file("crowd.fig") + "\n 5             5 \nEND\n");
    // The viewer's reading.
    LoadedFigure loaded;
    std::string error;
    ASSERT_TRUE(formats::readFigureLayout(dir.file("crowd.lay"), loaded.layout, error)) << error;
    loaded.files.emplace_back();
    loaded.errors.emplace_back();
    ASSERT_TRUE(formats::readFigureFile(loaded.layout.figures[0].path, loaded.files[0], error))
        << error;
    formats::StyleTables styles;
    styles.load(dir.path());
    const LayoutTextPlacement viewer = placeLayoutTexts(loaded, styles);
    // The SVG export's reading of the same files.
    const auto layout = formats::ReadFigureLayout(dir.file("crowd.lay"));
    const std::vector<formats::FigureFile> files = {formats::ReadFigureFile(dir.file("crowd.fig"))};
    const formats::LayoutTexts svg = formats::CollectLayoutTexts(
        layout, files,
        formats::StyleTables(formats::ReadLineStyles(dir.file("LINE_PRN.DEF")),
                             formats::ReadTextStyles(dir.file("STR_PRN.DEF"))));
    const std::vector<formats::LabelMove> svgMoves = formats::placeLabels(svg.boxes, svg.lines);

    ASSERT_EQ(viewer.moves.size(), 6u);
    ASSERT_EQ(svgMoves.size(), 6u);
    int moved = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(viewer.moves[i].dx, svgMoves[i].dx, 1e-9) << i;
        EXPECT_NEAR(viewer.moves[i].dy, svgMoves[i].dy, 1e-9) << i;
        EXPECT_EQ(viewer.moves[i].leader, svgMoves[i].leader) << i;
        moved += viewer.moves[i].dx != 0 || viewer.moves[i].dy != 0;
    }
    // ② and ③ leave ①; "1200" leaves the two lines through it, with a leader; the
    // first stays.
    EXPECT_EQ(moved, 3);
    EXPECT_EQ(viewer.moves[0].dx, 0);
    EXPECT_TRUE(viewer.moves[3].leader);
    EXPECT_EQ(formats::countOverlaps(svg.boxes, &svgMoves), 0);
    EXPECT_EQ(formats::countCrossedTexts(svg.boxes, svg.lines, &svgMoves), 0);
    // One elevation, one number of decimals, in both.
    EXPECT_EQ(viewer.shown[4], "+2.950");
    EXPECT_EQ(svg.shown[4], "+2.950");
    const std::string picture = figures::LayoutToSvg(dir.file("crowd.lay"), dir.path());
    EXPECT_NE(picture.find("class=\"leader\""), std::string::npos);
    EXPECT_EQ(picture.find(">+2.95<"), std::string::npos);
}

}  // namespace
}  // namespace nuvra::render
