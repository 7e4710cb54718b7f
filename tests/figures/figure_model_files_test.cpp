#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/cp932.h"
#include "common/number_format.h"
#include "figures/figure_model.h"
#include "formats/format_error.h"
#include "report/report_writer.h"
#include "test_util.h"

namespace nuvra::figures {
namespace {

using test::readFile;
using test::TempDir;

const std::string kAppFolder = std::string(NUVRA_BINARY_DIR) + "/bin";

std::string cp(const std::string& utf8) {
    return toCp932(utf8).value();
}

// The contents a file would have for the UTF-8 lines given, in CP932 with CR LF.
std::string linesCp932(std::initializer_list<std::string> lines) {
    std::string s;
    for (const std::string& l : lines)
        s += l + "\r\n";
    return cp(s);
}

class FigureFileTest : public testing::Test {
  protected:
    void SetUp() override { m.Begin(); }
    TempDir dir;
    FigureModel m{kAppFolder, dir.path()};
};

TEST_F(FigureFileTest, ExtentsCoverPointsAndTextBoxes) {
    FigExtents none = m.ComputeExtents();  // no points: from (0, 0)
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.minX, 0);

    m.AddPoint(5, 7);
    m.AddPoint(25, 17);
    FigExtents e = m.ComputeExtents();  // starts at point 1, not at (0, 0)
    EXPECT_DOUBLE_EQ(e.minX, 5);
    EXPECT_DOUBLE_EQ(e.minY, 7);
    EXPECT_DOUBLE_EQ(e.width, 20);
    EXPECT_DOUBLE_EQ(e.height, 10);
    m.AddCircle(1, 50, 1);  // circles do not widen the extents
    EXPECT_DOUBLE_EQ(m.ComputeExtents().maxX, 25);

    const double h = m.TextHeight(2);
    m.AddText("水路", 2, kTextHorizontal, 24, 16);  // 2h wide, h high
    e = m.ComputeExtents();
    EXPECT_DOUBLE_EQ(e.maxX, 24 + 2 * h);
    EXPECT_DOUBLE_EQ(e.maxY, 16 + h);
    m.AddText("ab", 2, kTextUpward, 6, 5);  // upward: x - h .. x, y .. y + w
    e = m.ComputeExtents();
    EXPECT_DOUBLE_EQ(e.minX, 6 - h);
    EXPECT_DOUBLE_EQ(e.minY, 5);
    EXPECT_DOUBLE_EQ(e.width, 24 + 2 * h - (6 - h));
    EXPECT_DOUBLE_EQ(e.height, 16 + h - 5);
}

TEST_F(FigureFileTest, SectionsAndNumberForms) {
    // An empty model still writes its points section.
    EXPECT_EQ(
        m.FigureFileBytes("nuvra", "空"),
        linesCp932({"nuvra", "空", "0.00, 0.00, 0.00, " + std::string(10, ' ') + "0.00, 0.00, 0.00",
                    "座標情報", "END"}));
    m.AddPoint(3.5, -1.25);
    m.AddPoint(-0.0, 1234.5678905);
    m.AddLine(1, 2, 2);
    m.AddCircle(2, 0.5, 1);
    m.AddArc({1, 2, 3, 4, 5}, 3);
    m.AddRect({10, 20, 30, 40});
    m.AddFill(1, 2, "塗り");
    m.AddArrow(1, kArrowLeft, 1);
    m.AddText("ケースⅠ", 2, kTextHorizontal, 1, 2);
    EXPECT_EQ(m.FigureFileBytes("ヌブラの設計", "鉄筋応力度図"),
              linesCp932({"ヌブラの設計",
                          "鉄筋応力度図",
                          "11.16, 1235.82, 0.00, " + std::string(6, ' ') + "-1.25, 11.16, 1234.57",
                          "座標情報",
                          "1, 3.500000, -1.250000",
                          "2, 0.000000, 1234.567891",
                          "END",
                          "矩形情報",
                          "1, 10, 20, 30, 40",
                          "END",
                          "線分情報",
                          "1, 1, 2, 2",
                          "END",
                          "円情報",
                          "1, 2, 0.500000, 1",
                          "END",
                          "円弧情報",
                          "1, 1.000000, 2.000000, 3.000000, 4.000000, 5.000000, 3",
                          "END",
                          "塗潰情報",
                          "1, 1, 2, 塗り",
                          "END",
                          "矢印(1)",
                          "1, 1, 7, 1",
                          "END",
                          "文字情報",
                          "ケースⅠ",
                          "1.000000, 2.000000, 2, 3",
                          "END"}));
}

TEST_F(FigureFileTest, ExtentsLineZones) {
    // "1000.00, 1000.00, -1000.00, " ends exactly on column 28: a full zone of blanks.
    m.AddPoint(-1000, 0);
    m.AddPoint(0, 1000);
    std::string bytes = m.FigureFileBytes("a", "b");
    std::string line3 = bytes.substr(6, bytes.find("\r\n", 6) - 6);
    EXPECT_EQ(line3, "1000.00, 1000.00, -1000.00, " + std::string(14, ' ') + "0.00, 0.00, 1000.00");
}

// A figure with dimensions, arrows, texts, a water-level symbol and a hatch: the golden
// figure file tests/report/golden/test_figure.txt (CP932, CR LF). The actual file is kept
// beside the test binary as test_figure.actual.txt; to accept a deliberate change,
// review it and run the test once with NUVRA_UPDATE_GOLDEN=1 in the environment.
TEST_F(FigureFileTest, GoldenFigureAndCentredLayout) {
    FigureModel fm{kAppFolder, dir.path()};
    fm.StartGeneration();
    std::string figureFile;
    std::string layout = fm.BuildFigure([&](FigureModel& m) {
        int p1 = m.AddPoint(-20, 0), p2 = m.AddPoint(-20, 25), p3 = m.AddPoint(20, 25),
            p4 = m.AddPoint(20, 0);
        m.AddLine(p1, p2, 2);
        m.AddLine(p2, p3, 3);
        m.AddLine(p3, p4, 2);
        m.AddLine(p4, p1, 4);
        m.AddDimensionBelow(p1, p4, -m.State.DimOffset2, 1, "4000", "11111U");
        m.AddDimensionLeft(p1, p2, -20 - m.State.DimOffset1, 1, "2500", "01111L");
        m.AddDimensionAbove(p2, p3, 25 + m.State.DimOffset1, 2, "ＢＢ", "00111U");
        m.AddWaterLevelMark(10, 15);
        m.AddWaterLevelLines(10, 15);
        m.AddGroundHatch(-30, 25, 2);
        m.AddLoadArrows(p3, 5, 10, 1, 2.5);
        m.AddText("荷重 q=10.0kN/m2", 1, kTextHorizontal, 21, 31);
        figureFile = m.WriteSubFigure("nuvra", "形状図");
        return m.LayoutCentred("形状図", 150, 120);
    });
    ASSERT_FALSE(layout.empty()) << fm.LastFigureError();
    EXPECT_EQ(fm.FigureFileCount(), 2);
    EXPECT_EQ(fm.FigureFile(1), figureFile);
    EXPECT_EQ(fm.FigureFile(2), layout);

    std::string actual = readFile(figureFile);
    std::string golden = test::sourcePath("tests/report/golden/test_figure.txt");
    test::writeFile(std::string(NUVRA_BINARY_DIR) + "/tests/test_figure.actual.txt", actual);
    if (std::getenv("NUVRA_UPDATE_GOLDEN")) test::writeFile(golden, actual);
    EXPECT_EQ(actual, readFile(golden));

    // The layout centres the extents as written (to 0.01 mm) on the 150 x 120 area.
    FigExtents e = formats::ReadFigureExtents(figureFile);
    const SubFigure& s = fm.SubFig(1);
    EXPECT_DOUBLE_EQ(s.offsetX, (150 - e.width) / 2 - e.minX);
    EXPECT_DOUBLE_EQ(s.offsetY, (120 - e.height) / 2 - e.minY);
    std::string x = inputFileNumber(s.offsetX);
    EXPECT_EQ(
        readFile(layout),
        linesCp932({"形状図", " 150 " + std::string(9, ' ') + " 120 ", figureFile,
                    x + std::string(14 - x.size(), ' ') + inputFileNumber(s.offsetY), "END"}));

    // The print file refers to the layout.
    report::ReportWriter w({kAppFolder + "/Nuvra.FMT", dir.file("Nuvra.INI"), dir.path()});
    w.SetCurrentPrintFile(w.NewPrintFile());
    ASSERT_TRUE(
        w.RunChapter([&](report::ReportWriter& w) { w.PrintFigureReference(layout, true); }));
    EXPECT_EQ(readFile(w.CurrentPrintFile()), "      ?FG;000;000;" + layout + "\r\n");

    fm.DeleteFigureFiles();
    EXPECT_FALSE(std::filesystem::exists(figureFile));
    EXPECT_FALSE(std::filesystem::exists(layout));
}

TEST_F(FigureFileTest, LayoutCentresTheFirstSubFigure) {
    // Extents 100 x 80 from (-20, 5) on a 150 x 120 area: offsets 45 and 15.
    m.AddPoint(-20, 5);
    m.AddPoint(80, 85);
    std::string first = m.WriteSubFigure("a", "b");
    m.ClearElements();
    m.AddPoint(0, 0);
    std::string second = m.WriteSubFigure("a", "c");
    m.SubFig(2).offsetX = -2.5;
    m.SubFig(2).offsetY = 1e-5;
    std::string layout = m.LayoutCentred("形状図", 150, 120);
    EXPECT_DOUBLE_EQ(m.SubFig(1).offsetX, 45);
    EXPECT_DOUBLE_EQ(m.SubFig(1).offsetY, 15);
    EXPECT_EQ(readFile(layout), linesCp932({"形状図", " 150 " + std::string(9, ' ') + " 120 ",
                                            first, " 45 " + std::string(10, ' ') + " 15 ", second,
                                            "-2.5 " + std::string(9, ' ') + " 1E-05 ", "END"}));
    FigExtents e = m.SubFig(1).extents;
    EXPECT_EQ(e.width, 100);
    EXPECT_EQ(e.maxY, 85);
}

TEST_F(FigureFileTest, ReadingExtentsBack) {
    struct {
        const char* content;
        bool ok;
    } cases[] = {
        {"a\r\nb\r\n100.00, 80.00, -20.00,       5.00, 80.00, 85.00\r\n", true},
        {"a\nb\n1,2,3,4,5,6", true},
        {"a\r\nb\r\n100.00, 80.00, -20.00, 5.00, 80.00\r\n", false},
        {"a\r\nb\r\n100.00, x, -20.00, 5.00, 80.00, 85.00\r\n", false},
        {"a\r\nb\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        test::writeFile(dir.file("f.txt"), c.content);
        if (c.ok)
            EXPECT_NO_THROW(formats::ReadFigureExtents(dir.file("f.txt")));
        else
            EXPECT_THROW(formats::ReadFigureExtents(dir.file("f.txt")), formats::FormatError);
    }
    test::writeFile(dir.file("f.txt"), cases[0].content);
    FigExtents e = formats::ReadFigureExtents(dir.file("f.txt"));
    EXPECT_EQ(e.width, 100);
    EXPECT_EQ(e.minX, -20);
    EXPECT_EQ(e.maxY, 85);
    EXPECT_THROW(formats::ReadFigureExtents(dir.file("none.txt")), formats::FormatError);
}

TEST_F(FigureFileTest, BuilderProtocolTurnsErrorsIntoAnEmptyPath) {
    // Style files are read from the application folder at every build.
    TempDir app;
    FigureModel fm{app.path(), dir.path()};
    auto simple = [](FigureModel& m) {
        m.AddPoint(0, 0);
        m.WriteSubFigure("a", "b");
        return m.LayoutCentred("b", 100, 100);
    };
    EXPECT_EQ(fm.BuildFigure(simple), "");  // no style files
    EXPECT_FALSE(fm.LastFigureError().empty());
    std::filesystem::copy_file(kAppFolder + "/LINE_PRN.DEF", app.file("LINE_PRN.DEF"));
    std::filesystem::copy_file(kAppFolder + "/STR_PRN.DEF", app.file("STR_PRN.DEF"));
    std::string ok = fm.BuildFigure(simple);
    EXPECT_FALSE(ok.empty()) << fm.LastFigureError();
    EXPECT_EQ(fm.LastFigureError(), "");

    // Each build starts from an empty model and the default drawing state.
    EXPECT_EQ(fm.BuildFigure([](FigureModel& m) {
        EXPECT_EQ(m.FigPointCount(), 0);
        EXPECT_EQ(m.SubFigureCount(), 0);
        EXPECT_EQ(m.State.DimRowPitch, 7.5);
        m.State.DimRowPitch = 5;
        for (int i = 0; i <= FigureModel::kMaxPoints; ++i)
            m.AddPoint(0, 0);  // overflows
        return std::string("unreached");
    }),
              "");
    EXPECT_EQ(fm.BuildFigure([](FigureModel& m) {
        EXPECT_EQ(m.State.DimRowPitch, 7.5);
        return std::string("fine");
    }),
              "fine");

    // A text style file with more records than its table holds.
    test::writeFile(app.file("STR_PRN.DEF"),
                    "h\r\nS1,1,F,1,0,0,0,n\r\nS2,1,F,1,0,0,0,n\r\n"
                    "S3,1,F,1,0,0,0,n\r\nEND\r\n");
    EXPECT_EQ(fm.BuildFigure(simple), "");

    // The figure-file registry holds 100 files.
    FigureModel full{kAppFolder, dir.path()};
    for (int i = 0; i < 100; ++i)
        full.NewFigureFile();
    EXPECT_THROW(full.NewFigureFile(), formats::FormatError);
    EXPECT_EQ(full.BuildFigure(simple), "");
    full.DeleteFigureFiles();
    EXPECT_EQ(full.FigureFileCount(), 0);
}

}  // namespace
}  // namespace nuvra::figures
