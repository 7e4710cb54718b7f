// The bundled example designs against their reviewed result documents in
// tests/calc/golden, compared field by field like the reference designs.
//
// A deliberate change of the calculation changes these documents. After reviewing the
// difference (the failing test writes the new document to <build>/tests/golden-actual),
// accept it by regenerating the files from the repository root:
//
//   for f in sample embankment legacy-beta; do
//     build/bin/nuvra-cli calc examples/$f.nvr --json > tests/calc/golden/$f.json
//   done
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"
#include "design/input_file.h"
#include "json_compare.h"
#include "test_util.h"

namespace nuvra::calc {
namespace {

class GoldenTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenTest, ExampleMatchesItsReviewedResult) {
    const std::string name = GetParam();
    DesignData d;
    OpenResult open = OpenInputFile(d, test::sourcePath("examples/" + name + ".nvr"));
    ASSERT_TRUE(open.file.ok) << name;
    ResultStore store;
    const bool ok = RunCalculation(d, store);
    EXPECT_TRUE(ok) << "every example is a sound design";
    const std::string actual = ResultJson(store, ok);

    const std::string goldenPath = test::sourcePath("tests/calc/golden/" + name + ".json");
    ASSERT_TRUE(std::filesystem::exists(goldenPath)) << goldenPath;
    test::JsonCompare c;
    c.document(test::parseJson(actual), test::parseJson(test::readFile(goldenPath)));
    for (const std::string& s : c.diffs)
        ADD_FAILURE() << name << " " << s;
    EXPECT_GT(c.values, 1000);
    if (!c.diffs.empty()) {
        const std::string dir = std::string(NUVRA_BINARY_DIR) + "/tests/golden-actual";
        std::filesystem::create_directories(dir);
        test::writeFile(dir + "/" + name + ".json", actual);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenTest,
                         ::testing::Values("sample", "embankment", "legacy-beta"),
                         [](const auto& info) {
                             std::string n = info.param;
                             for (char& ch : n)
                                 if (ch == '-') ch = '_';
                             return n;
                         });

}  // namespace
}  // namespace nuvra::calc
