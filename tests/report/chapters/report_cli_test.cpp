// nuvra-cli report end to end: the files it writes, the chapters it joins, exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "common/cp932.h"
#include "design/input_file.h"
#include "test_util.h"

namespace nuvra::report {
namespace {

namespace fs = std::filesystem;
using nuvra::test::readFile;

struct CliRun {
    int status = -1;
    std::string out;
};

// Runs nuvra-cli with the arguments; `err` keeps standard error instead of the output.
CliRun cli(const std::string& args, bool err = false) {
    CliRun r;
    std::string cmd =
        std::string(NUVRA_CLI) + " " + args + (err ? " 2>&1 >/dev/null" : " 2>/dev/null");
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

// A chapter file as the combined file takes it: every line ended by CR LF.
std::string asJoined(const std::string& bytes) {
    std::string out, line;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            out += line + "\r\n";
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open) out += line + "\r\n";
    return out;
}

const char* const kFiles[] = {"01-conditions.prn", "02-external-forces.prn",
                              "03-flotation.prn",  "04-bearing.prn",
                              "05-wall.prn",       "06-slab.prn",
                              "07-footing.prn",    "08-curtailment.prn",
                              "09-summary.prn"};

class ReportCli : public testing::Test {
  protected:
    // Saved with every record confirmed, as the desktop program needs before it prints.
    std::string save(DesignData d, const char* name, bool confirmed = true) {
        if (confirmed) d.objInpJyoken.InpFlg = d.objInpMorido.InpFlg = d.objInpKiso.InpFlg = true;
        std::string path = dir.file(name);
        EXPECT_TRUE(SaveInputFile(d, path).ok);
        return "'" + path + "'";
    }
    std::string out() const { return dir.file("out"); }
    std::string joined(std::initializer_list<int> chapters) const {
        std::string s;
        bool first = true;
        for (int c : chapters) {
            if (!first) s += '\f';
            first = false;
            s += asJoined(readFile(out() + "/" + kFiles[c - 1]));
        }
        return s;
    }
    nuvra::test::TempDir dir;
};

TEST_F(ReportCli, WritesEveryChapterAndJoinsTheOffered) {
    const std::string sample = std::string(NUVRA_SOURCE_DIR) + "/examples/sample.nvr";
    CliRun r = cli("report '" + sample + "' -o '" + out() + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    for (const char* f : kFiles) {
        EXPECT_TRUE(fs::exists(out() + "/" + f)) << f;
        EXPECT_NE(r.out.find(out() + "/" + f), std::string::npos) << f;
    }
    EXPECT_NE(r.out.find(out() + "/combined.prn (1,2,3,4,5,6,7,8,9)"), std::string::npos) << r.out;
    EXPECT_TRUE(fs::exists(out() + "/fig-001.fig"));
    EXPECT_EQ(readFile(out() + "/combined.prn"), joined({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // Figure references name the kept files by their full paths.
    std::string first = readFile(out() + "/01-conditions.prn");
    EXPECT_NE(first.find("?FG;000;000;" + out() + "/fig-"), std::string::npos);
    EXPECT_EQ(first.find("~MT"), std::string::npos);

    r = cli("report '" + sample + "' -o '" + out() + "' --chapters 5,1");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(readFile(out() + "/combined.prn"), joined({1, 5}));
}

TEST_F(ReportCli, WithoutUpliftAndFootingsTheirChaptersAreLeftOut) {
    DesignData d;  // no groundwater, no footings
    CliRun r = cli("report " + save(d, "plain.nvr") + " -o '" + out() + "'");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("combined.prn (1,2,4,5,6,8,9)"), std::string::npos) << r.out;
    EXPECT_EQ(readFile(out() + "/03-flotation.prn"), "");
    EXPECT_EQ(readFile(out() + "/07-footing.prn"), "");
    EXPECT_EQ(readFile(out() + "/combined.prn"), joined({1, 2, 4, 5, 6, 8, 9}));
}

TEST_F(ReportCli, NumberingFromTheGivenSettingsFile) {
    DesignData d;
    nuvra::test::writeFile(dir.file("n.ini"), "[Chapter]\r\nMethod=1\r\nStyle1=1\r\nMargin1=2\r\n");
    CliRun r =
        cli("report " + save(d, "d.nvr") + " -o '" + out() + "' --ini '" + dir.file("n.ini") + "'");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(readFile(out() + "/01-conditions.prn").rfind("  ?R11 " + *toCp932("設計条件"), 0),
              0u);
    EXPECT_NE(readFile(out() + "/02-external-forces.prn").find("?R12 "), std::string::npos);
}

TEST_F(ReportCli, ExitCodes) {
    DesignData d;
    const std::string good = save(d, "good.nvr");
    // Wrong arguments.
    for (const std::string& args :
         {std::string("report"), "report " + good, "report " + good + " -o",
          "report " + good + " -o x --chapters 0", "report " + good + " -o x --chapters 1,,2",
          "report " + good + " -o x --chapters 10", "report " + good + " " + good + " -o x",
          "report " + good + " -o x --frob"})
        EXPECT_EQ(cli(args).status, 2) << args;
    // A design that cannot be read: 2, nothing written.
    EXPECT_EQ(cli("report '" + dir.file("missing.nvr") + "' -o '" + out() + "'").status, 2);
    // A calculation that fails: 1, and no report from it.
    DesignData broken;
    broken.objInpJyoken.H = 0;
    CliRun r = cli("report " + save(broken, "broken.nvr") + " -o '" + out() + "'", true);
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(out()));
    // An output folder that cannot be made: 2, with the folder named.
    nuvra::test::writeFile(dir.file("plainfile"), "x");
    r = cli("report " + good + " -o '" + dir.file("plainfile") + "'", true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find(dir.file("plainfile")), std::string::npos) << r.out;
}

TEST_F(ReportCli, UnconfirmedRecordsRefusedUnlessForced) {
    DesignData d;  // a new design: conditions, embankment and ground not yet confirmed
    const std::string file = save(d, "new.nvr", false);
    CliRun r = cli("report " + file + " -o '" + out() + "'", true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("設計条件、盛土条件、基礎地盤条件"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(out() + "/combined.prn"));
    EXPECT_EQ(cli("report " + file + " -o '" + out() + "' --force").status, 0);
    EXPECT_TRUE(fs::exists(out() + "/combined.prn"));
}

TEST_F(ReportCli, AChoiceWithNothingToPrintIsAnError) {
    DesignData d;  // no uplift, no footings: chapters 3 and 7 are empty
    const std::string file = save(d, "plain.nvr");
    CliRun r = cli("report " + file + " -o '" + out() + "' --chapters 3,7", true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("印刷する内容がありません"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(out() + "/combined.prn"));
    r = cli("report " + file + " --pdf '" + dir.file("x.pdf") + "' --chapters 7", true);
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(fs::exists(dir.file("x.pdf")));
}

TEST_F(ReportCli, ArgumentErrorsNameTheArgument) {
    const std::string file = save(DesignData{}, "d.nvr");
    const struct {
        std::string args, says;
    } cases[] = {
        {"report " + file + " -o x --chapters 10", "--chapters \"10\""},
        {"report " + file + " -o x --frob", "\"--frob\""},
        {"report " + file, "-o DIR か --pdf"},
        {"report " + file + " --pdf ''", "--pdf の値が空"},
        {"report -o x", "設計ファイルが指定されていません"},
    };
    for (const auto& c : cases) {
        CliRun r = cli(c.args, true);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out.rfind("nuvra-cli: ", 0), 0u) << r.out;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << "\n" << r.out;
        EXPECT_NE(r.out.find("usage:"), std::string::npos) << r.out;
    }
}

}  // namespace
}  // namespace nuvra::report
