// The figures of examples/sample.nvr against golden files, byte for byte: every figure
// file as the report writes it (CP932, CR LF) and its layout file, whose figure paths
// (temporary names) are compared as "figure-1.txt", "figure-2.txt" ... in layout order.
//
// The files written by the last run are kept under <build>/tests/figures-actual/. To
// accept a deliberate change, review them (nuvra-cli figure ... -o x.svg helps) and
// run this test once with NUVRA_UPDATE_GOLDEN=1 in the environment, which rewrites
// tests/figures/golden/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "calc/run/calc_run.h"
#include "design/input_file.h"
#include "figure_test_support.h"
#include "figures/figure_export.h"

namespace nuvra::figures::test {
namespace {

struct GoldenFigure {
    const char* name;
    std::function<std::string(const FigureInputs&)> build;
};

const GoldenFigure kFigures[] = {
    {"shape", [](const FigureInputs& in) { return MakeShapeFigure(in, 150, 120); }},
    {"block-1", [](const FigureInputs& in) { return MakeBlockFigure(in, 1, 150, 120); }},
    {"block-2", [](const FigureInputs& in) { return MakeBlockFigure(in, 2, 150, 120); }},
    {"block-3", [](const FigureInputs& in) { return MakeBlockFigure(in, 3, 150, 120); }},
    {"earth-1", [](const FigureInputs& in) { return MakeEarthPressureFigure(in, 1, 130, 60); }},
    {"earth-2", [](const FigureInputs& in) { return MakeEarthPressureFigure(in, 2, 130, 60); }},
    {"earth-3", [](const FigureInputs& in) { return MakeEarthPressureFigure(in, 3, 130, 60); }},
    {"wall-1", [](const FigureInputs& in) { return MakeWallPressureFigure(in, 1, 110, 60); }},
    {"wall-3", [](const FigureInputs& in) { return MakeWallPressureFigure(in, 3, 110, 60); }},
    {"water-out-1",
     [](const FigureInputs& in) { return MakeWaterPressureFigure(in, 0, 1, 110, 60); }},
    {"water-in-2",
     [](const FigureInputs& in) { return MakeWaterPressureFigure(in, 1, 2, 110, 60); }},
    {"steel", [](const FigureInputs& in) { return MakeSteelStressFigure(in, 150, 100); }},
};

class GoldenFigures : public FigureTest, public testing::WithParamInterface<GoldenFigure> {};

TEST_P(GoldenFigures, MatchTheGoldenFiles) {
    ASSERT_TRUE(OpenInputFile(design, nuvra::test::sourcePath("examples/sample.nvr")).file.ok);
    ASSERT_TRUE(calc::RunCalculation(design, results));
    const GoldenFigure& g = GetParam();
    model.StartGeneration();
    const std::string layout = g.build(inputs());
    ASSERT_FALSE(layout.empty()) << model.LastFigureError();

    const std::string actualDir = std::string(NUVRA_BINARY_DIR) + "/tests/figures-actual/" + g.name;
    std::filesystem::remove_all(actualDir);
    std::filesystem::create_directories(actualDir);
    const std::vector<std::string> files = ExportFigureFiles(layout, actualDir);
    ASSERT_EQ(files.size(), static_cast<std::size_t>(1 + model.SubFigureCount()));

    const std::string goldenDir = nuvra::test::sourcePath("tests/figures/golden/") + g.name;
    const bool update = std::getenv("NUVRA_UPDATE_GOLDEN") != nullptr;
    if (update) std::filesystem::create_directories(goldenDir);
    for (const std::string& path : files) {
        const std::string name = std::filesystem::path(path).filename().string();
        SCOPED_TRACE(std::string(g.name) + "/" + name);
        std::string actual = nuvra::test::readFile(path);
        if (name == "layout.txt") {
            // Paths of this run's folder are compared without the folder.
            const std::string prefix = actualDir + "/";
            for (std::size_t at; (at = actual.find(prefix)) != std::string::npos;)
                actual.erase(at, prefix.size());
        }
        const std::string golden = goldenDir + "/" + name;
        if (update) nuvra::test::writeFile(golden, actual);
        ASSERT_TRUE(std::filesystem::exists(golden)) << "no golden file " << golden;
        EXPECT_EQ(actual, nuvra::test::readFile(golden));
    }
}

INSTANTIATE_TEST_SUITE_P(SampleDesign, GoldenFigures, testing::ValuesIn(kFigures),
                         [](const testing::TestParamInfo<GoldenFigure>& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

}  // namespace
}  // namespace nuvra::figures::test
