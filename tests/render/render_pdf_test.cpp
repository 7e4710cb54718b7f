#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "render/pdf_export.h"
#include "sample_files.h"
#include "test_util.h"

namespace nuvra::render {
namespace {

bool haveTool(const char* name) {
    std::string cmd = std::string("command -v ") + name + " >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

std::string run(const std::string& cmd) {
    std::string out;
    if (FILE* f = popen(cmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            out.append(buf, n);
        pclose(f);
    }
    return out;
}

int pdfPages(const std::string& pdf) {
    std::string info = run("pdfinfo '" + pdf + "' 2>/dev/null");
    std::size_t at = info.find("Pages:");
    if (at == std::string::npos) return -1;
    return std::atoi(info.c_str() + at + 6);
}

// pdftotext -layout pads columns with runs of blanks; one blank each makes lines comparable.
std::string squeezeBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        bool blank = c == ' ' || c == '\t';
        if (blank && !out.empty() && out.back() == ' ') continue;
        out += blank ? ' ' : c;
    }
    return out;
}

class RenderPdfTest : public ::testing::Test {
  protected:
    void SetUp() override { test::writeSampleFiles(dir.path()); }
    RenderOptions options() const { return RenderOptions{dir.path(), std::nullopt, std::nullopt}; }
    nuvra::test::TempDir dir;
};

TEST_F(RenderPdfTest, SampleReportBecomesAReadablePdf) {
    std::string pdf = dir.file("report.pdf");
    ExportResult r = exportPdf(dir.file("report.prn"), pdf, options());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.pages, 4);
    // The three broken figures are reported, each once, and the rest still renders.
    EXPECT_EQ(r.warnings.size(), 3u);
    ASSERT_TRUE(std::filesystem::exists(pdf));

    if (!haveTool("pdftotext") || !haveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_EQ(pdfPages(pdf), 4);
    std::string text = run("pdftotext -layout '" + pdf + "' -");
    // Headings without their markers, Japanese text, numbers in their columns.
    EXPECT_NE(text.find("1. 設計条件"), std::string::npos);
    EXPECT_NE(text.find("2.1 自重"), std::string::npos);
    EXPECT_EQ(text.find("?R1"), std::string::npos);
    EXPECT_EQ(text.find("?FG"), std::string::npos);
    std::string squeezed = squeezeBlanks(text);
    EXPECT_NE(squeezed.find("水路高さ H = 1.500 (m)"), std::string::npos);
    EXPECT_NE(squeezed.find("④ 側壁 5.500 0.500 2.750"), std::string::npos);
    EXPECT_NE(text.find("ｱｲｳｴｵ"), std::string::npos);
    // The figure's texts and the notes of the broken figures.
    EXPECT_NE(text.find("水路断面"), std::string::npos);
    EXPECT_NE(text.find("図を表示できません"), std::string::npos);
    EXPECT_NE(text.find("- 4 -"), std::string::npos);
    EXPECT_NE(text.find("最後の行"), std::string::npos);
}

TEST_F(RenderPdfTest, MalformedPrintFileGivesAMessageAndNoPdf) {
    nuvra::test::writeFile(dir.file("bad.prn"), std::string("abc\r\n\0\0\0", 8));
    ExportResult r = exportPdf(dir.file("bad.prn"), dir.file("bad.pdf"), options());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("印刷ファイルではありません"), std::string::npos) << r.error;
    EXPECT_FALSE(std::filesystem::exists(dir.file("bad.pdf")));

    r = exportPdf(dir.file("report.prn"), dir.file("no/such/folder/x.pdf"), options());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("作成できません"), std::string::npos) << r.error;
}

TEST_F(RenderPdfTest, AnExistingPdfIsReplacedWhole) {
    nuvra::test::writeFile(dir.file("old.pdf"), "old contents");
    ExportResult r = exportPdf(dir.file("report.prn"), dir.file("old.pdf"), options());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(nuvra::test::readFile(dir.file("old.pdf")).substr(0, 5), "%PDF-");
    // Nothing is left behind beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        if (e.path().filename().string().rfind(".~pdf", 0) == 0) ++files;
    EXPECT_EQ(files, 0);
}

TEST_F(RenderPdfTest, OverlongLinesAreSqueezedThenCut) {
    std::string wide(150, '8');
    std::string huge(400, '9');
    test::writeTextFile(dir.file("wide.prn"), "start " + wide + "\nbegin " + huge + "\n");
    ExportResult r = exportPdf(dir.file("wide.prn"), dir.file("wide.pdf"), options());
    ASSERT_TRUE(r.ok) << r.error;
    // Only the line that even squeezed cannot fit is reported, with its line number.
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].rfind("2 行目", 0), 0u) << r.warnings[0];
    if (!haveTool("pdftotext")) GTEST_SKIP() << "poppler-utils not installed";
    std::string text = run("pdftotext -raw '" + dir.file("wide.pdf") + "' -");
    EXPECT_NE(text.find("start " + wide), std::string::npos);
    EXPECT_NE(text.find("begin 999"), std::string::npos);
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

TEST_F(RenderPdfTest, TenThousandPagesStreamWithoutGrowingMemory) {
    std::string path = dir.file("big.prn");
    {
        std::ofstream out(path, std::ios::binary);
        for (int p = 1; p <= 10000; ++p) {
            out << "?R1" << p << "\r\n";
            for (int i = 0; i < 71; ++i)
                out << "  " << i << "\r\n";
            out << '\f';
        }
    }
    long before = residentKb();
    ExportResult r = exportPdf(path, dir.file("big.pdf"), options());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.pages, 10000);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // The peak stays far below what holding the pages would take.
    EXPECT_LT(usage.ru_maxrss - before, 200 * 1024)
        << "peak grew by " << (usage.ru_maxrss - before) << " kB";
    if (haveTool("pdfinfo")) {
        EXPECT_EQ(pdfPages(dir.file("big.pdf")), 10000);
    }
}

}  // namespace
}  // namespace nuvra::render
