// One row per design: the CSV table of many designs, a file that cannot be read in the
// middle, the same rows from one thread and from several, and series of designs with
// their inputs checked as the dialogs check them.
#include "calc/run/design_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/run/design_series.h"
#include "design/input_file.h"
#include "design/rules.h"
#include "design_generator.h"
#include "test_util.h"

namespace nuvra::calc {
namespace {

std::vector<std::string> splitCsvLine(const std::string& line) {
    std::vector<std::string> fields{""};
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// The fields of one CSV row (its CR LF removed).
std::vector<std::string> fieldsOf(const std::string& row) {
    EXPECT_EQ(row.substr(row.size() - 2), "\r\n");
    return splitCsvLine(row.substr(0, row.size() - 2));
}

std::string table(const std::vector<DesignSummary>& rows, bool bars) {
    std::string t = SummaryCsvHeader({}, bars);
    for (const DesignSummary& s : rows)
        t += SummaryCsvRow(s, bars);
    return t;
}

TEST(DesignSummary, CsvShapeWithAnUnreadableFileInTheMiddle) {
    test::TempDir tmp;
    test::writeFile(tmp.file("broken.nvr"), "not a design\r\n");
    const std::vector<std::string> files = {test::sourcePath("examples/sample.nvr"),
                                            tmp.file("broken.nvr"), tmp.file("missing.nvr"),
                                            test::sourcePath("examples/embankment.nvr")};
    const auto rows = SummarizeFiles(files, 2, true);
    ASSERT_EQ(rows.size(), 4u);

    const std::string header = SummaryCsvHeader({}, true);
    EXPECT_EQ(header,
              "file,title,RunCalculation,Fs,Fa,qmax,qa,TateSoto,TateUchi,SokoSita,SokoUe,"
              "FootingSita,FootingUe,DanHcut,verdict,reason,TateSoto_bars,TateUchi_bars,"
              "SokoSita_bars,SokoUe_bars,FootingSita_bars,FootingUe_bars\r\n");
    const std::size_t columns = splitCsvLine(header.substr(0, header.size() - 2)).size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string line = SummaryCsvRow(rows[i], true);
        ASSERT_GE(line.size(), 2u);
        EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
        const auto f = splitCsvLine(line.substr(0, line.size() - 2));
        EXPECT_EQ(f.size(), columns) << line;
        EXPECT_EQ(f[0], files[i]);
    }

    const DesignSummary& sample = rows[0];
    EXPECT_TRUE(sample.read);
    EXPECT_TRUE(sample.runOk);
    EXPECT_TRUE(sample.Fs && sample.qmax && sample.DanHcut);
    for (const auto& r : sample.ratio)
        EXPECT_TRUE(r.has_value());  // the example has footings
    for (const BarChoice& c : sample.bars)
        EXPECT_TRUE(c.checked);

    for (int i : {1, 2}) {
        EXPECT_FALSE(rows[i].read);
        EXPECT_EQ(rows[i].verdict, DesignVerdict::ERROR);
        EXPECT_NE(rows[i].reason.find("読み込みができませんでした"), std::string::npos);
        EXPECT_EQ(rows[i].reason.find('\n'), std::string::npos);
        const auto f = fieldsOf(SummaryCsvRow(rows[i], false));
        EXPECT_EQ(f[2], "");  // no run
        EXPECT_EQ(f[14], "ERROR");
    }
    EXPECT_TRUE(rows[3].read);
}

TEST(DesignSummary, VerdictFollowsEveryCheck) {
    DesignData d;
    d.objInpJyoken.TB = 0.5;
    const DesignSummary ok = SummarizeDesign(d, false);
    ASSERT_TRUE(ok.runOk);
    EXPECT_EQ(ok.verdict == DesignVerdict::OK, ok.reason.empty());

    // Bars far too light for the wall: its face fails and is named.
    d.objInpHaikin.TateSoto = {10, 1000};
    d.objInpJyoken.H = 4;
    d.objInpJyoken.HWi = 4;
    const DesignSummary out = SummarizeDesign(d, false);
    EXPECT_EQ(out.verdict, DesignVerdict::OUT);
    EXPECT_NE(out.reason.find("たて壁 外側筋"), std::string::npos);
    EXPECT_GT(*out.ratio[0], 1.0);
    EXPECT_EQ(fieldsOf(SummaryCsvRow(out, false))[14], "OUT");

    // No footings: their columns stay empty.
    d.objInpJyoken.TB = 0;
    const DesignSummary plain = SummarizeDesign(d, true);
    EXPECT_FALSE(plain.ratio[4] || plain.ratio[5]);
    EXPECT_FALSE(plain.bars[4].checked);
    const auto f = fieldsOf(SummaryCsvRow(plain, true));
    EXPECT_EQ(f[11], "");
    EXPECT_EQ(f[21], "");
    EXPECT_FALSE(f[16].empty());
}

TEST(DesignSummary, SeveralThreadsGiveTheRowsOfOne) {
    test::TempDir tmp;
    test::DesignGenerator gen(test::propertySeed());
    std::vector<std::string> files;
    std::vector<DesignData> designs;
    for (int i = 0; i < 120; ++i) {
        designs.push_back(gen.next());
        const std::string path = tmp.file("d" + std::to_string(i) + ".nvr");
        if (SaveInputFile(designs.back(), path).ok) files.push_back(path);
        if (i == 60) files.push_back(tmp.file("missing.nvr"));
    }
    const std::string one = table(SummarizeFiles(files, 1, true), true);
    for (int jobs : {2, 3, 8})
        EXPECT_EQ(table(SummarizeFiles(files, jobs, true), true), one) << jobs << " threads";

    // The same straight from the records, more designs than threads by far.
    auto direct = [&](int jobs) {
        return table(
            SummarizeMany(designs.size(), jobs,
                          [&](std::size_t i) { return SummarizeDesign(designs[i], true); }),
            true);
    };
    EXPECT_EQ(direct(4), direct(1));
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"用水路 A-1", "用水路 A-1"},     {"a,b", "\"a,b\""}, {"say \"x\"", "\"say \"\"x\"\"\""},
        {"two\nlines", "\"two\nlines\""}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(c.in), c.out) << c.in;
}

TEST(DesignSeries, VariationsAreCheckedAsTheDialogsCheckThem) {
    const struct {
        const char* spec;
        bool ok;
        std::size_t count;
        const char* message;  // a part of the message
    } cases[] = {
        {"H=1.5:2.5:0.5", true, 3, ""},
        {"H=1.5:2.5:0.25", true, 5, ""},
        {"Q=0:20:10", true, 3, ""},
        {"Kiso.Fai=20:30:5", true, 3, ""},
        {"CInpZairyo.Fai=25:35:5", true, 3, ""},
        {"Qa=100:100:1", true, 1, ""},
        {"H=98:100:1", false, 0, "H = 100.00：入力範囲：0.00 ～ 99.00"},
        {"Fa=1.0:1.2:0.1", false, 0, "Fa = 1.0：入力範囲：1.1 ～ 1.2"},
        {"G2=99:100:1", false, 0, "入力範囲：0.00 ～ 99.90"},
        {"H=1:1.01:0.005", false, 0, "入力できる桁数を超えています（#0.00）"},
        {"Fai=20:30:5", false, 0, "Kiso.Fai または Zairyo.Fai"},
        {"Height=1:2:1", false, 0, "はありません"},
        {"H=2:1:0.5", false, 0, "刻み"},
        {"H=1:2:0", false, 0, "刻み"},
        {"H=1:2", false, 0, "名前=開始:終了:刻み"},
        {"H=a:2:1", false, 0, "名前=開始:終了:刻み"},
        {"Qa=0:9999:0.5", false, 0, "10,000"},
    };
    for (const auto& c : cases) {
        Variation v;
        std::string message;
        EXPECT_EQ(ParseVariation(c.spec, v, message), c.ok) << c.spec << ": " << message;
        if (c.ok) {
            EXPECT_EQ(v.values.size(), c.count) << c.spec;
        } else {
            EXPECT_NE(message.find(c.message), std::string::npos) << c.spec << ": " << message;
        }
    }
    Variation h;
    std::string message;
    ASSERT_TRUE(ParseVariation("H=1.1:1.4:0.1", h, message));
    EXPECT_EQ(h.values, (std::vector<double>{1.1, 1.2, 1.3, 1.4}));  // no drift from the steps
}

TEST(DesignSeries, CombinationsRowsAndTheInnerWaterRule) {
    Variation h, q, h2, big1, big2;
    std::string message;
    ASSERT_TRUE(ParseVariation("H=1.5:2.5:0.5", h, message));
    ASSERT_TRUE(ParseVariation("Q=0:10:10", q, message));
    ASSERT_TRUE(ParseVariation("H=1:2:1", h2, message));
    EXPECT_FALSE(CheckSeries({h, h2}, message));
    EXPECT_NE(message.find("二度"), std::string::npos);
    ASSERT_TRUE(ParseVariation("Qa=0:200:1", big1, message));
    ASSERT_TRUE(ParseVariation("Q=0:50:1", big2, message));
    EXPECT_FALSE(CheckSeries({big1, big2}, message));  // 201 × 51 combinations
    EXPECT_TRUE(CheckSeries({h, q}, message));

    DesignData base;  // HWi = 2.0: an inner height of 1.5 breaks T4 ≤ HWi ≤ H
    const auto rows = RunSeries(base, "base.nvr", {h, q}, 3, false);
    ASSERT_EQ(rows.size(), 6u);
    const char* expected[][2] = {{"1.50", "0.0"},  {"1.50", "10.0"}, {"2.00", "0.0"},
                                 {"2.00", "10.0"}, {"2.50", "0.0"},  {"2.50", "10.0"}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].file, "base.nvr");
        ASSERT_EQ(rows[i].inputs.size(), 2u);
        EXPECT_EQ(rows[i].inputs[0], expected[i][0]);
        EXPECT_EQ(rows[i].inputs[1], expected[i][1]);
    }
    for (int i : {0, 1}) {
        EXPECT_FALSE(rows[i].read);
        EXPECT_EQ(rows[i].verdict, DesignVerdict::ERROR);
        EXPECT_EQ(rows[i].reason, kMsgHWiOutOfRange);
    }
    // A computed row is the summary of the design with those inputs.
    DesignData d = base;
    d.objInpJyoken.H = 2.5;
    d.objInpMorido.Q = 10;
    DesignSummary direct = SummarizeDesign(d, false);
    direct.file = "base.nvr";
    direct.inputs = {"2.50", "10.0"};
    EXPECT_EQ(SummaryCsvRow(rows[5], false), SummaryCsvRow(direct, false));
    EXPECT_EQ(SummaryCsvHeader({"H", "Q"}, false).substr(0, 15), "file,H,Q,title,");
}

}  // namespace
}  // namespace nuvra::calc
