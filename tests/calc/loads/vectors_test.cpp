// The reference designs: every slot of our result document against the independently
// computed one (numbers within 1e-9 absolute or relative, Error only as zero against
// non-zero, null against null).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/loads/calc_run.h"
#include "calc/loads/result_json.h"
#include "design/input_file.h"
#include "json_value.h"
#include "test_util.h"

namespace nuvra::calc {
namespace {

using test::JsonValue;

struct Compare {
    int values = 0;
    std::vector<std::string> diffs;

    void value(const JsonValue& ours, const JsonValue& ref, const std::string& path) {
        if (ours.kind != ref.kind) return diff(path, "kind differs");
        switch (ref.kind) {
            case JsonValue::Kind::Object:
                if (ours.keys() != ref.keys()) diff(path, "keys differ");
                for (const auto& [k, v] : ref.members)
                    if (const JsonValue* o = ours.find(k)) {
                        if (k == "Error")
                            error(*o, v, path + "." + k);
                        else
                            value(*o, v, path + "." + k);
                    }
                return;
            case JsonValue::Kind::Array:
                if (ours.items.size() != ref.items.size()) return diff(path, "length differs");
                for (std::size_t i = 0; i < ref.items.size(); ++i)
                    value(ours.items[i], ref.items[i], path + "[" + std::to_string(i) + "]");
                return;
            case JsonValue::Kind::Number: {
                ++values;
                double d = std::fabs(ours.number - ref.number);
                if (d > 1e-9 && d > 1e-9 * std::fabs(ref.number))
                    diff(path, ours.text + " vs " + ref.text);
                return;
            }
            case JsonValue::Kind::String:
                ++values;
                if (ours.text != ref.text) diff(path, ours.text + " vs " + ref.text);
                return;
            case JsonValue::Kind::Bool:
                ++values;
                if (ours.boolean != ref.boolean) diff(path, "Boolean differs");
                return;
            case JsonValue::Kind::Null:
                ++values;
                return;
        }
    }
    void error(const JsonValue& ours, const JsonValue& ref, const std::string& path) {
        ++values;
        if ((ours.number == 0) != (ref.number == 0)) diff(path, ours.text + " vs " + ref.text);
    }
    void diff(const std::string& path, const std::string& what) {
        diffs.push_back(path + ": " + what);
    }
};

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

    EXPECT_EQ(ours.keys(), ref.keys()) << "top-level keys and their order";
    Compare c;
    for (const auto& [slot, value] : ref.members)
        if (const JsonValue* o = ours.find(slot)) c.value(*o, value, slot);
    for (const std::string& s : c.diffs)
        ADD_FAILURE() << name << " " << s;
    EXPECT_GT(c.values, 1000) << "the comparison must cover the whole result";
    std::printf("[ vectors  ] %s: %d values compared, %zu differ\n", name, c.values,
                c.diffs.size());
}

INSTANTIATE_TEST_SUITE_P(AllDesigns, VectorTest, ::testing::Range(1, 9));

}  // namespace
}  // namespace nuvra::calc
