// nuvra-cli calc end to end: options, output and exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "design/input_file.h"
#include "json_value.h"
#include "test_util.h"

namespace nuvra::calc {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

CliRun cli(const std::string& args) {
    CliRun r;
    std::string cmd = std::string(NUVRA_CLI) + " " + args + " 2>/dev/null";
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

class CalcCli : public ::testing::Test {
  protected:
    std::string save(const DesignData& d, const char* name) {
        std::string path = dir.file(name);
        EXPECT_TRUE(SaveInputFile(d, path).ok);
        return "'" + path + "'";
    }
    test::TempDir dir;
};

TEST_F(CalcCli, SummaryOfASoundDesign) {
    DesignData d;
    d.objInpJyoken.TB = 0.5;
    std::string f = save(d, "ok.nvr");
    CliRun r = cli("calc " + f);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("■ 浮上に対して\nＦs = 999.99 ≧ Ｆa = 1.1  OK\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("■ 基礎地盤支持力に対して\nｑmax = "), std::string::npos);
    EXPECT_NE(r.out.find(" ≦ ｑa = 50  OK\n"), std::string::npos);
    EXPECT_NE(r.out.find("フーチング：あり"), std::string::npos);
    // The six section checks laid out like the results grid, then the curtailment.
    EXPECT_NE(r.out.find("■ 応力度照査結果\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nたて壁      外側筋  "), std::string::npos);
    EXPECT_NE(r.out.find("\nフーチング  上側筋  "), std::string::npos);
    EXPECT_NE(r.out.find("\n許容値      許容値       -----"), std::string::npos);
    EXPECT_NE(r.out.find("■ たて壁鉄筋の段落とし\n段落とし位置 = "), std::string::npos);
}

TEST_F(CalcCli, SummaryMarksFailingStressesAndMissingFootings) {
    DesignData d;
    d.objInpHaikin.SokoUe = {13, 1000};  // far too little steel at mid-span
    d.objInpHaikin.TateSoto.ctc = 0;     // no section at all
    std::string f = save(d, "weak.nvr");
    CliRun r = cli("calc " + f);
    EXPECT_EQ(r.status, 0) << "failing checks are results, not a failed run";
    EXPECT_NE(r.out.find("フーチング  下側筋    （フーチングなし）\n"), std::string::npos) << r.out;
    const std::size_t upper = r.out.find("底　版      上側筋");
    ASSERT_NE(upper, std::string::npos);
    const std::string row = r.out.substr(upper, r.out.find('\n', upper) - upper);
    EXPECT_NE(row.find('*'), std::string::npos) << row;
    const std::size_t outer = r.out.find("たて壁      外側筋");
    const std::string outerRow = r.out.substr(outer, r.out.find('\n', outer) - outer);
    EXPECT_NE(outerRow.find("0.00*"), std::string::npos) << outerRow;
    EXPECT_NE(r.out.find("＊：許容値を超える応力度（OUT）"), std::string::npos);
}

TEST_F(CalcCli, JsonWithTheOptionBeforeOrAfterTheFile) {
    std::string f = save(DesignData{}, "d.nvr");
    CliRun after = cli("calc " + f + " --json");
    CliRun before = cli("calc --json " + f);
    EXPECT_EQ(after.status, 0);
    EXPECT_EQ(after.out, before.out);
    test::JsonValue doc = test::parseJson(after.out);
    EXPECT_TRUE(doc["RunCalculation"].boolean);
    EXPECT_FALSE(doc["blnFooting"].boolean);
}

TEST_F(CalcCli, FailedRunStillPrintsTheJson) {
    DesignData d;
    d.objInpJyoken.H = 0;
    std::string f = save(d, "h0.nvr");
    CliRun r = cli("calc --json " + f);
    EXPECT_EQ(r.status, 1);
    test::JsonValue doc = test::parseJson(r.out);
    EXPECT_FALSE(doc["RunCalculation"].boolean);
    EXPECT_TRUE(doc["objSpa"].isNull());
    CliRun s = cli("calc " + f);
    EXPECT_EQ(s.status, 1);
    EXPECT_NE(s.out.find("浮上"), std::string::npos);
}

TEST_F(CalcCli, UnreadableFileOrBadArguments) {
    CliRun missing = cli("calc --json '" + dir.file("missing.nvr") + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(cli("calc").status, 2);
    std::string f = save(DesignData{}, "d.nvr");
    EXPECT_EQ(cli("calc " + f + " " + f).status, 2);
    EXPECT_EQ(cli("calc --xml " + f).status, 2);
}

}  // namespace
}  // namespace nuvra::calc
