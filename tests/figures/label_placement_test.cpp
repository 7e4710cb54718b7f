// Texts of a figure kept apart, and one number of decimals per elevation; measured on
// every figure of the example designs and of generated ones.
#include "formats/label_placement.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "calc/run/calc_run.h"
#include "design/input_file.h"
#include "figure_test_support.h"
#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "formats/style_files.h"

namespace nuvra::figures {
namespace {

using namespace nuvra::formats;

TEST(PlaceLabels, MovesOnlyATextThatCoversOneBeforeIt) {
    struct Case {
        const char* what;
        std::vector<LabelBox> boxes;
        int movedIndex;  // -1: nothing moves
        bool leader;
    };
    const Case cases[] = {
        {"apart", {{0, 0, 4, 2, 3}, {10, 0, 4, 2, 3}}, -1, false},
        {"touching side by side", {{0, 0, 4, 2, 3}, {4, 0, 4, 2, 3}}, -1, false},
        {"one on the other", {{0, 0, 4, 2, 3}, {0, 0, 4, 2, 3}}, 1, false},
        {"half over", {{0, 0, 4, 2, 3}, {2, 0.5, 4, 2, 3}}, 1, false},
        {"upward texts", {{0, 0, 4, 2, 1}, {0, 1, 4, 2, 1}}, 1, false},
        {"an empty text covers nothing", {{0, 0, 0, 2, 3}, {0, 0, 4, 2, 3}}, -1, false},
    };
    for (const Case& c : cases) {
        std::vector<LabelMove> m = placeLabels(c.boxes);
        ASSERT_EQ(m.size(), c.boxes.size()) << c.what;
        EXPECT_EQ(countOverlaps(c.boxes, &m), 0) << c.what;
        for (std::size_t i = 0; i < m.size(); ++i) {
            const bool moved = m[i].dx != 0 || m[i].dy != 0;
            EXPECT_EQ(moved, static_cast<int>(i) == c.movedIndex) << c.what << " text " << i;
        }
        if (c.movedIndex >= 0) {
            const LabelMove& mv = m[static_cast<std::size_t>(c.movedIndex)];
            EXPECT_EQ(mv.leader, c.leader) << c.what;
            // A text moves along its own direction first: x for a horizontal text, y
            // for an upward one.
            const LabelBox& b = c.boxes[static_cast<std::size_t>(c.movedIndex)];
            if (b.direction == 3) {
                EXPECT_EQ(mv.dy, 0) << c.what;
            } else {
                EXPECT_EQ(mv.dx, 0) << c.what;
            }
        }
    }
}

TEST(PlaceLabels, ALeaderPointsBackOnlyWhereTheTextLeftItsPlace) {
    // Three labels on one spot end up side by side: each still touches the spot, so
    // none needs a leader.
    std::vector<LabelBox> crowd(3, LabelBox{10, 10, 2.5, 2.5, 3});
    std::vector<LabelMove> m = placeLabels(crowd);
    EXPECT_EQ(countOverlaps(crowd), 3);
    EXPECT_EQ(countOverlaps(crowd, &m), 0);
    EXPECT_NEAR(std::fabs(m[1].dx), 2.5, 0.3);
    EXPECT_NEAR(m[2].dx, -m[1].dx, 1e-9);
    for (const LabelMove& mv : m)
        EXPECT_FALSE(mv.leader);
    // A label between two lines that it cannot fit between moves clear of both, and a
    // leader runs from the middle of its place to the side of its new box.
    const std::vector<LabelBox> one = {{0, 0, 2.5, 2.5, 3}};
    const std::vector<LabelLine> lines = {{0.5, -5, 0.5, 5}, {2, -5, 2, 5}};
    m = placeLabels(one, lines);
    EXPECT_EQ(countCrossedTexts(one, lines, &m), 0);
    ASSERT_TRUE(m[0].leader);
    EXPECT_DOUBLE_EQ(m[0].fromX, 1.25);
    EXPECT_DOUBLE_EQ(m[0].fromY, 1.25);
    EXPECT_DOUBLE_EQ(m[0].toY, 1.25);
    EXPECT_NEAR(m[0].toX, m[0].dx < 0 ? 0.5 : 2.0, 0.06);
    // The leader of a label that sat under another text starts where it leaves it.
    const std::vector<LabelBox> wideThenSmall = {{0, 0, 8, 2.5, 3}, {3, 0, 2.5, 2.5, 3}};
    const std::vector<LabelLine> wall = {{9, -5, 9, 5}};
    m = placeLabels(wideThenSmall, wall);
    EXPECT_EQ(countOverlaps(wideThenSmall, &m), 0);
    if (m[1].leader) {
        EXPECT_GE(m[1].fromX, 8.0 - 1e-9);
    }
}

TEST(PlaceLabels, ATextLeavesALineThatRunsThroughIt) {
    const std::vector<LabelBox> boxes = {{0, 0, 2.5, 2.5, 3}};
    const std::vector<LabelLine> through = {{1, -5, 1, 5}};
    // A line along the box's edge, as a dimension line has, does not count.
    const std::vector<LabelLine> along = {{-5, 0, 5, 0}, {2.5, -5, 2.5, 5}};
    EXPECT_EQ(countCrossedTexts(boxes, through), 1);
    EXPECT_EQ(countCrossedTexts(boxes, along), 0);
    std::vector<LabelMove> m = placeLabels(boxes, through);
    EXPECT_EQ(countCrossedTexts(boxes, through, &m), 0);
    EXPECT_NE(m[0].dx, 0);
    EXPECT_EQ(m[0].dy, 0);
    m = placeLabels(boxes, along);
    EXPECT_EQ(m[0].dx, 0);
    EXPECT_EQ(m[0].dy, 0);
}

TEST(HarmonizeElevations, OneNumberOfDecimalsPerFigure) {
    struct Case {
        std::vector<std::string> in, out;
    };
    const Case cases[] = {
        // The panel's level takes the diagram's more precise writing of it.
        {{"+2.95", "+2.950", "+1.200", "0.00", "12.50"},
         {"+2.950", "+2.950", "+1.200", "0.00", "12.50"}},
        {{"-0.45", "+1.000", "-0.450"}, {"-0.450", "+1.000", "-0.450"}},
        // Rounding decides the partner: +3.00 is +2.995 written shorter.
        {{"+3.00", "+2.995"}, {"+2.995", "+2.995"}},
        // Without a partner the digits are not known: left as written.
        {{"+2.95", "+1.000"}, {"+2.95", "+1.000"}},
        // Values without a sign (pressures, dimensions) are not elevations.
        {{"2.9", "1.000", "+1200"}, {"2.9", "1.000", "+1200"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(harmonizeElevations(c.in), c.out) << c.in.front();
}

// Every figure the report draws for one design, as layout paths.
std::vector<std::string> AllFigures(const FigureInputs& in) {
    std::vector<std::string> out = {
        MakeShapeFigure(in, 150, 120), MakeSteelStressFigure(in, 150, 100),
        MakeWaterPressureFigure(in, 0, 1, 110, 60), MakeWaterPressureFigure(in, 1, 2, 110, 60)};
    for (int c = 1; c <= 3; ++c) {
        out.push_back(MakeBlockFigure(in, c, 150, 120));
        out.push_back(MakeEarthPressureFigure(in, c, 130, 60));
        out.push_back(MakeWallPressureFigure(in, c, 110, 60));
    }
    return out;
}

class FigureOverlaps : public test::FigureTest {
  protected:
    struct Count {
        int figures = 0, before = 0, after = 0, crossedBefore = 0, crossedAfter = 0, leaders = 0;
    };

    void CountDesign(const DesignData& d, const std::string& name, Count& count) {
        design = d;
        results = calc::ResultStore{};
        if (!calc::RunCalculation(design, results)) {
            std::printf("%s: calculation failed\n", name.c_str());
            return;
        }
        const formats::StyleTables styles(
            formats::ReadLineStyles(test::kAppFolder + "/LINE_PRN.DEF"),
            formats::ReadTextStyles(test::kAppFolder + "/STR_PRN.DEF"));
        // Each design is a report generation of its own, with its own figure files.
        model.DeleteFigureFiles();
        model.StartGeneration();
        for (const std::string& path : AllFigures(inputs())) {
            EXPECT_FALSE(path.empty()) << name;
            if (path.empty()) continue;
            const formats::FigureLayout layout = formats::ReadFigureLayout(path);
            std::vector<formats::FigureFile> files;
            for (const formats::SubFigureRef& e : layout.figures)
                files.push_back(formats::ReadFigureFile(e.path));
            const LayoutTexts t = CollectLayoutTexts(layout, files, styles);
            const std::vector<LabelMove> moves = placeLabels(t.boxes, t.lines);
            ++count.figures;
            const int before = countOverlaps(t.boxes), after = countOverlaps(t.boxes, &moves);
            count.before += before;
            count.after += after;
            count.crossedBefore += countCrossedTexts(t.boxes, t.lines);
            count.crossedAfter += countCrossedTexts(t.boxes, t.lines, &moves);
            // No leader runs through a text.
            std::vector<LabelLine> leaders;
            for (const LabelMove& m : moves)
                if (m.leader) leaders.push_back({m.fromX, m.fromY, m.toX, m.toY});
            count.leaders += static_cast<int>(leaders.size());
            EXPECT_EQ(countCrossedTexts(t.boxes, leaders, &moves), 0)
                << name << ": " << layout.title;
            EXPECT_EQ(after, 0) << name << ": " << layout.title;
        }
    }
};

TEST_F(FigureOverlaps, NoTwoTextsOfAnyFigureOverlap) {
    std::vector<std::pair<std::string, DesignData>> designs;
    for (const char* file :
         {"examples/sample.nvr", "examples/embankment.nvr", "examples/legacy-beta.nvr"}) {
        DesignData d;
        const std::string path = nuvra::test::sourcePath(file);
        FileResult r = LoadInputFile(d, path);
        if (!r.ok) r = LoadInputFileBeta(d, path);
        ASSERT_TRUE(r.ok) << file << ": " << r.detail;
        designs.emplace_back(file, d);
    }
    // Generated designs: narrow and wide, low and high walls, tapers, haunches,
    // footings, groundwater and embankments, around the first example.
    const DesignData base = designs.front().second;
    for (int i = 0; i < 30; ++i) {
        DesignData d = base;
        CInpJyoken& j = d.objInpJyoken;
        j.H = 0.8 + 0.25 * (i % 9);
        j.B = 0.6 + 0.3 * ((i * 7) % 10);
        j.T1 = 0.15 + 0.05 * (i % 4);
        j.T2 = j.T1 + 0.05 * ((i / 4) % 3);
        j.T3 = 0.2 + 0.05 * (i % 5);
        j.T4 = 0.05 * ((i / 2) % 4);
        j.TB = (i % 3 == 0) ? 0.0 : 0.2 * (i % 4);
        j.HW = (i % 4 == 0) ? 0.0 : (j.T3 + j.H) * 0.25 * (i % 4);
        j.HWi = j.H * (0.5 + 0.1 * (i % 5));
        CInpMorido& m = d.objInpMorido;
        m.Morido = i % 2 == 0 ? 1 : 2;
        m.x = 0.5 * (i % 3);
        m.Q = 10.0;
        m.X1 = 0.3 * (i % 3);
        m.X2 = 0.5 + 0.5 * (i % 4);
        m.Ho = 0.3 + 0.4 * (i % 3);
        m.Qd = 5.0;
        designs.emplace_back("generated " + std::to_string(i + 1), d);
    }
    Count count;
    for (const auto& [name, d] : designs)
        CountDesign(d, name, count);
    EXPECT_GE(count.figures, 30 * 13);
    EXPECT_EQ(count.after, 0);
    // Lines through texts are fewer, not always none: a label of a sliver may have no
    // free spot near it.
    EXPECT_LT(count.crossedAfter, count.crossedBefore);
    std::printf(
        "figures %d: overlapping text pairs %d as written, %d as drawn; texts crossed "
        "by a line %d as written, %d as drawn; leaders %d\n",
        count.figures, count.before, count.after, count.crossedBefore, count.crossedAfter,
        count.leaders);
}

}  // namespace
}  // namespace nuvra::figures
