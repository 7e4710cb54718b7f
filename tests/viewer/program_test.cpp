// ospex as the print menu and the command line start it, without a window.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "sample_files.h"
#include "test_util.h"

namespace {

struct ProgramRun {
    int code = -1;
    std::string output;
};

ProgramRun ospex(const std::string& args) {
    ProgramRun r;
    std::string cmd =
        std::string("QT_QPA_PLATFORM=offscreen '") + OSPEX_PATH + "' " + args + " 2>&1";
    if (FILE* f = popen(cmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            r.output.append(buf, n);
        int status = pclose(f);
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return r;
}

TEST(OspexProgram, WritesAPdfWithoutAWindow) {
    nuvra::test::TempDir dir;
    nuvra::render::test::writeSampleFiles(dir.path());
    std::string pdf = dir.file("out put.pdf");
    ProgramRun r =
        ospex("'/INI=\"" + dir.path() + "\"' --pdf '" + pdf + "' '" + dir.file("report.prn") + "'");
    EXPECT_EQ(r.code, 0) << r.output;
    EXPECT_TRUE(std::filesystem::exists(pdf));
    EXPECT_NE(r.output.find("4 ページ"), std::string::npos) << r.output;
    // The broken figures of the sample are named, the report is still written.
    EXPECT_NE(r.output.find("not-there.fig"), std::string::npos) << r.output;
}

TEST(OspexProgram, FailsClearlyOnBadInput) {
    nuvra::test::TempDir dir;
    ProgramRun missing = ospex("--pdf '" + dir.file("x.pdf") + "' '" + dir.file("none.prn") + "'");
    EXPECT_EQ(missing.code, 2);  // the print file cannot be used
    EXPECT_NE(missing.output.find("ファイルがありません"), std::string::npos) << missing.output;
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.pdf")));

    // An empty name for the PDF is refused, not taken to a crash.
    ProgramRun empty = ospex("--pdf '' '" + dir.file("none.prn") + "'");
    EXPECT_EQ(empty.code, 2);
    EXPECT_NE(empty.output.find("--pdf"), std::string::npos) << empty.output;

    ProgramRun usage = ospex("");
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.output.find("使い方"), std::string::npos) << usage.output;
}

}  // namespace
