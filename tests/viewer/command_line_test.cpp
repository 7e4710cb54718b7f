#include "viewer/command_line.h"

#include <gtest/gtest.h>

namespace nuvra::viewer {
namespace {

struct ArgsCase {
    const char* name;
    std::vector<std::string> args;
    std::string folder;
    std::string file;
    std::string pdf;
    bool error;
};

TEST(ViewerCommandLine, AcceptsThePrintMenusCommandLine) {
    const ArgsCase cases[] = {
        {"as the print menu passes it",
         {"/INI=\"/home/u/.local/share/Zantrel/Nuvra\"", "/tmp/~MTa1b2"},
         "/home/u/.local/share/Zantrel/Nuvra",
         "/tmp/~MTa1b2",
         "",
         false},
        {"folder without quotes, key in any case",
         {"/ini=/opt/n", "r.prn"},
         "/opt/n",
         "r.prn",
         "",
         false},
        {"quoted folder and print file split at blanks",
         {"/INI=\"/home/a", "b/Zantrel/Nuvra\"", "/tmp/my", "report.prn"},
         "/home/a b/Zantrel/Nuvra",
         "/tmp/my report.prn",
         "",
         false},
        {"empty folder", {"/INI=\"\"", "r.prn"}, "", "r.prn", "", false},
        {"print file first", {"r.prn", "/INI=\"/x\""}, "/x", "r.prn", "", false},
        {"quoted print file", {"\"/tmp/a b.prn\""}, "", "/tmp/a b.prn", "", false},
        {"pdf without a window", {"--pdf", "out.pdf", "r.prn"}, "", "r.prn", "out.pdf", false},
        {"pdf with a folder",
         {"/INI=\"/x\"", "--pdf", "o.pdf", "r.prn"},
         "/x",
         "r.prn",
         "o.pdf",
         false},
        {"no print file", {"/INI=\"/x\""}, "/x", "", "", true},
        {"nothing", {}, "", "", "", true},
        {"pdf without its target", {"r.prn", "--pdf"}, "", "", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ViewerArgs a = parseViewerArgs(c.args);
        EXPECT_EQ(!a.error.empty(), c.error) << a.error;
        if (c.error) continue;
        EXPECT_EQ(a.iniFolder, c.folder);
        EXPECT_EQ(a.printFile, c.file);
        EXPECT_EQ(a.pdfOut, c.pdf);
    }
}

TEST(ViewerCommandLine, HelpNeedsNoPrintFile) {
    ViewerArgs a = parseViewerArgs({"--help"});
    EXPECT_TRUE(a.help);
    EXPECT_TRUE(a.error.empty());
}

}  // namespace
}  // namespace nuvra::viewer
