// The reference designs: every slot of our result document against the independently
// computed one (numbers within 1e-9 absolute or relative, Error only as zero against
// non-zero, null against null).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"
#include "design/input_file.h"
#include "json_compare.h"
#include "test_util.h"

namespace nuvra::calc {
namespace {

using test::JsonValue;

class VectorTest : public ::testing::TestWithParam<int> {};

TEST_P(VectorTest, EverySlotMatchesTheReference) {
    std::string dir = test::vectorsDir();
    if (dir.empty()) GTEST_SKIP() << "reference designs not found";
    char name[16];
    std::snprintf(name, sizeof name, "vec-%02d", GetParam());
    std::string base = dir + "/" + name;

    DesignData d;
    ASSERT_TRUE(LoadInputFile(d, base + ".nvr").ok);
    ResultStore store;
    bool ok = RunCalculation(d, store);
    JsonValue ours = test::parseJson(ResultJson(store, ok));
    JsonValue ref = test::parseJson(test::readFile(base + ".json"));

    test::JsonCompare c;
    c.document(ours, ref);
    for (const std::string& s : c.diffs)
        ADD_FAILURE() << name << " " << s;
    EXPECT_GT(c.values, 1000) << "the comparison must cover the whole result";
    std::printf("[ vectors  ] %s: %d values compared, %zu differ\n", name, c.values,
                c.diffs.size());
}

INSTANTIATE_TEST_SUITE_P(AllDesigns, VectorTest, ::testing::Range(1, 9));

// The comparison itself must notice what it is meant to notice.
TEST(JsonCompare, FindsEveryKindOfDifference) {
    const JsonValue ref = test::parseJson(
        R"({"a": 1.5, "Error": 0, "o": {"Error": 11, "t": "OK"}, "n": null, "l": [1, 2]})");
    struct {
        const char* ours;
        std::size_t diffs;
    } cases[] = {
        {R"({"a": 1.5, "Error": 0, "o": {"Error": 11, "t": "OK"}, "n": null, "l": [1, 2]})", 0},
        {R"({"a": 1.5000000000001, "Error": 0, "o": {"Error": 5, "t": "OK"}, "n": null,
             "l": [1, 2]})",
         0},  // within 1e-9; any non-zero Error
        {R"({"a": 1.500001, "Error": 0, "o": {"Error": 11, "t": "OK"}, "n": null, "l": [1, 2]})",
         1},
        {R"({"a": 1.5, "Error": 6, "o": {"Error": 0, "t": "OUT"}, "n": null, "l": [1, 2]})", 3},
        {R"({"a": 1.5, "Error": 0, "o": {"Error": 11, "t": "OK"}, "n": 0, "l": [1]})", 2},
        {R"({"Error": 0, "a": 1.5, "o": {"Error": 11, "t": "OK"}, "n": null, "l": [1, 2]})", 1},
        {R"({"a": 1.5, "Error": 0, "o": {"Error": 11, "t": "OK"}, "n": null})", 2},
    };
    for (const auto& c : cases) {
        test::JsonCompare cmp;
        cmp.document(test::parseJson(c.ours), ref);
        EXPECT_EQ(cmp.diffs.size(), c.diffs) << c.ours;
    }
}

}  // namespace
}  // namespace nuvra::calc
