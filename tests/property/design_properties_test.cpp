// Properties of whole runs over generated designs: the run never raises, its result store
// holds no NaN or infinity, a fresh store and a reused one give the same result, the
// design survives its input file, and a run that succeeded gives a complete report in
// clean CP932 with CR LF (rendered to PDF for a sample when the renderer is built).
//
// Counts: NUVRA_PROPERTY_DESIGNS (calculation and input file, default 3000),
// NUVRA_PROPERTY_REPORTS (report generation, default 100, plus a tenth as many failed
// runs), NUVRA_PROPERTY_RENDERS (PDF, default 3); NUVRA_PROPERTY_SEED changes the
// designs. A failure names the design by its index and seed; its listing follows.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"
#include "common/cp932.h"
#include "design/describe.h"
#include "design/input_file.h"
#include "design_generator.h"
#include "json_value.h"
#include "report/report_generation.h"
#include "test_util.h"

#ifdef NUVRA_PROPERTY_RENDER
#include "render/pdf_export.h"
#endif

namespace nuvra::test {
namespace {

using calc::ResultStore;

std::string appFolder() {
    return std::string(NUVRA_BINARY_DIR) + "/bin";
}

std::string label(int index, const DesignData& d) {
    return "design " + std::to_string(index) + " (seed " + std::to_string(propertySeed()) + ")\n" +
           describeDesign(d);
}

// A null may stand only for a whole slot the run did not assign, or for an object of a
// per-case slot that the run did not reach; anywhere else it is a number that was not
// finite when written.
void findNonFinite(const JsonValue& v, const std::string& path, bool slotLevel,
                   std::vector<std::string>& bad) {
    switch (v.kind) {
        case JsonValue::Kind::Null:
            if (!slotLevel) bad.push_back(path);
            return;
        case JsonValue::Kind::Number:
            if (!std::isfinite(v.number)) bad.push_back(path);
            return;
        case JsonValue::Kind::Array: {
            bool objects = true;
            for (const JsonValue& item : v.items)
                if (item.kind != JsonValue::Kind::Null && item.kind != JsonValue::Kind::Object)
                    objects = false;
            for (std::size_t i = 0; i < v.items.size(); ++i)
                findNonFinite(v.items[i], path + "[" + std::to_string(i) + "]",
                              slotLevel && objects, bad);
            return;
        }
        case JsonValue::Kind::Object:
            for (const auto& [key, member] : v.members)
                findNonFinite(member, path + "." + key, false, bad);
            return;
        default:
            return;
    }
}

std::vector<std::string> nonFiniteValues(const std::string& json) {
    JsonValue doc = parseJson(json);
    std::vector<std::string> bad;
    for (const auto& [key, member] : doc.members)
        findNonFinite(member, key, true, bad);
    return bad;
}

// Clean CP932 with CR LF: decodes, every LF after a CR and every CR before an LF.
std::string textProblem(const std::string& bytes) {
    if (!fromCp932(bytes)) return "not CP932";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return "a bare LF";
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return "a bare CR";
    }
    return {};
}

// The first line of the two designs' input files that differs, for a failure message.
std::string firstDifference(const DesignData& a, const DesignData& b) {
    std::string x, y;
    encodeInputFile(a, x);
    encodeInputFile(b, y);
    std::size_t line = 1, start = 0;
    for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
        if (x[i] != y[i]) {
            std::size_t ex = x.find('\r', start), ey = y.find('\r', start);
            return "line " + std::to_string(line) + ": \"" + x.substr(start, ex - start) +
                   "\" became \"" + y.substr(start, ey - start) + "\"";
        }
        if (x[i] == '\n') ++line, start = i + 1;
    }
    if (x.size() != y.size()) return "a different length";
    std::string which;
    if (!(a.objInpJyoken == b.objInpJyoken)) which += " CInpJyoken";
    if (!(a.objInpMorido == b.objInpMorido)) which += " CInpMorido";
    if (!(a.objInpKiso == b.objInpKiso)) which += " CInpKiso";
    if (!(a.objInpKaburi == b.objInpKaburi)) which += " CInpKaburi";
    if (!(a.objInpZairyo == b.objInpZairyo)) which += " CInpZairyo";
    if (!(a.objInpHaikin == b.objInpHaikin)) which += " CInpHaikin";
    return "the same bytes, different" + which;
}

// What the generated designs covered, to show the generator does its work.
struct Coverage {
    std::map<std::string, int> succeeded;
    int runs = 0, ok = 0, degenerate = 0;
    void add(const DesignData& d, bool runOk, bool degenerateDesign) {
        ++runs;
        degenerate += degenerateDesign;
        if (!runOk) return;
        ++ok;
        const auto& j = d.objInpJyoken;
        std::string key = "Kento" + std::to_string(j.Kento) + " Zai" +
                          std::to_string(d.objInpZairyo.Zai) + " Morido" +
                          std::to_string(d.objInpMorido.Morido) + " Siji" +
                          std::to_string(d.objInpKiso.Siji) +
                          (calc::HasFootings(j.TB, j.T3) ? " footings" : " no footings");
        ++succeeded[key];
    }
};

TEST(DesignProperties, RunsGiveFiniteReusableResultsAndInputFilesRoundTrip) {
    const int count = propertyCount("NUVRA_PROPERTY_DESIGNS", 3000);
    DesignGenerator gen(propertySeed());
    ResultStore reused;
    Coverage coverage;
    int failures = 0;
    TempDir dir;
    for (int i = 0; i < count && failures < 5; ++i) {
        const DesignData d = gen.next();
        bool ok = false;
        ASSERT_NO_THROW(ok = calc::RunCalculation(d, reused)) << label(i, d);
        coverage.add(d, ok, gen.lastWasDegenerate());
        const std::string json = calc::ResultJson(reused, ok);
        std::vector<std::string> bad;
        ASSERT_NO_THROW(bad = nonFiniteValues(json)) << label(i, d);
        if (!bad.empty()) {
            ++failures;
            ADD_FAILURE() << bad.size() << " values not finite, first " << bad.front() << "\n"
                          << label(i, d);
        }
        // A store that held another design gives what a fresh one gives.
        if (i % 7 == 0) {
            ResultStore fresh;
            bool freshOk = calc::RunCalculation(d, fresh);
            if (freshOk != ok || calc::ResultJson(fresh, freshOk) != json) {
                ++failures;
                ADD_FAILURE() << "a reused store differs from a fresh one\n" << label(i, d);
            }
        }
        // The design survives its input file.
        std::string bytes;
        FileResult enc = encodeInputFile(d, bytes);
        ASSERT_TRUE(enc.ok) << enc.detail << "\n" << label(i, d);
        std::string problem = textProblem(bytes);
        EXPECT_EQ(problem, "") << label(i, d);
        const std::string path = dir.file("design.nvr");
        ASSERT_TRUE(SaveInputFile(d, path).ok);
        DesignData back;
        OpenResult opened = OpenInputFile(back, path);
        ASSERT_TRUE(opened.file.ok) << opened.file.detail << "\n" << label(i, d);
        if (!(back == d)) {
            ++failures;
            ADD_FAILURE() << "the input file reads back differently: " << firstDifference(d, back)
                          << "\n"
                          << label(i, d);
        }
    }
    // Every combination of the options ran to the end in some design.
    for (int kento : {1, 2, 3})
        for (int zai : {1, 2, 3})
            for (int morido : {1, 2})
                for (int siji : {1, 2})
                    for (const char* footing : {" footings", " no footings"}) {
                        std::string key = "Kento" + std::to_string(kento) + " Zai" +
                                          std::to_string(zai) + " Morido" + std::to_string(morido) +
                                          " Siji" + std::to_string(siji) + footing;
                        if (count >= 1000) {
                            EXPECT_GT(coverage.succeeded[key], 0) << key;
                        }
                    }
    std::printf("[ property ] %d designs (%d degenerate), %d runs succeeded, %zu option sets\n",
                coverage.runs, coverage.degenerate, coverage.ok, coverage.succeeded.size());
}

// Generates the report of a design into `folder`; checks every file written there.
// Returns the combined file (empty when the run failed or nothing was chosen).
std::string generateAndCheck(report::ReportGeneration& gen, const DesignData& d,
                             const ResultStore& store, bool runOk, const std::string& folder,
                             const std::string& what) {
    report::GenerationResult r;
    EXPECT_NO_THROW(
        r = gen.Generate(d, store,
                         report::NumberingSettings{3, {0, 1, 1, 2, 4, 0}, {0, 0, 2, 4, 6, 0}}))
        << what;
    if (runOk) {
        EXPECT_TRUE(r.Ok) << r.Message << "\n"
                          << (r.Causes.empty() ? "" : r.Causes[0]) << "\n"
                          << what;
    }
    std::string combined = gen.Combine(gen.DefaultChoice());
    if (runOk) {
        EXPECT_FALSE(combined.empty()) << what;
    }
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++files;
        std::string problem = textProblem(readFile(entry.path().string()));
        EXPECT_EQ(problem, "") << entry.path().filename() << "\n" << what;
    }
    if (runOk) {
        EXPECT_GT(files, 9) << "chapter files and figures expected\n" << what;
    }
    return r.Ok ? combined : std::string();
}

// Reports of the first designs, and of failed runs met among many more (a failed run is
// rare, and its report must still be written without a fault).
TEST(DesignProperties, ReportsAreCompleteCp932AndSucceedAfterEverySucceededRun) {
    const int count = propertyCount("NUVRA_PROPERTY_REPORTS", 100);
    DesignGenerator gen(propertySeed() + 1);
    int succeeded = 0, failed = 0;
    for (int i = 0; i < 40 * count && !::testing::Test::HasFailure(); ++i) {
        const DesignData d = gen.next();
        ResultStore store;
        const bool ok = calc::RunCalculation(d, store);
        if (i >= count && (ok || failed >= count / 10)) continue;
        TempDir out;
        report::GenerationOptions options;
        options.AppFolder = appFolder();
        options.OutputFolder = out.path();
        report::ReportGeneration generation(options);
        generateAndCheck(generation, d, store, ok, out.path(), label(i, d));
        (ok ? succeeded : failed) += 1;
    }
    if (count >= 50) {
        EXPECT_GT(failed, 0) << "no failed run was met";
    }
    std::printf("[ property ] %d reports of succeeded runs, %d of failed runs\n", succeeded,
                failed);
}

#ifdef NUVRA_PROPERTY_RENDER
TEST(DesignProperties, CombinedReportsRenderWithoutProblems) {
    const int count = propertyCount("NUVRA_PROPERTY_RENDERS", 3);
    DesignGenerator gen(propertySeed() + 2);
    int rendered = 0;
    for (int i = 0; rendered < count && i < 20 * count; ++i) {
        const DesignData d = gen.next();
        ResultStore store;
        if (gen.lastWasDegenerate() || !calc::RunCalculation(d, store)) continue;
        TempDir out;
        report::GenerationOptions options;
        options.AppFolder = appFolder();
        options.OutputFolder = out.path();
        report::ReportGeneration generation(options);
        std::string combined =
            generateAndCheck(generation, d, store, true, out.path(), label(i, d));
        ASSERT_FALSE(combined.empty()) << label(i, d);
        render::RenderOptions ro;
        ro.appFolder = appFolder();
        render::ExportResult r = render::exportPdf(combined, out.file("report.pdf"), ro);
        ASSERT_TRUE(r.ok) << r.error << "\n" << label(i, d);
        EXPECT_GT(r.pages, 5) << label(i, d);
        for (const std::string& w : r.warnings)
            ADD_FAILURE() << w << "\n" << label(i, d);
        ++rendered;
    }
    EXPECT_EQ(rendered, count);
}
#endif

}  // namespace
}  // namespace nuvra::test
