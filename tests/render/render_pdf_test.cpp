#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <vector>

#include "render/pdf_export.h"
#include "render/pdf_outline.h"
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

// The outline of a PDF as poppler reads it: (depth, page, title) in order.
struct OutlineItem {
    int depth;
    int page;
    std::string title;
    bool operator==(const OutlineItem&) const = default;
};

std::vector<OutlineItem> pdfOutline(const std::string& pdf) {
    std::string xml = run("pdftohtml -xml -i -stdout -q '" + pdf + "' 2>/dev/null");
    std::vector<OutlineItem> items;
    int depth = 0;
    std::regex token(R"(<outline>|</outline>|<item page=\"(\d+)\">([^<]*)</item>)");
    for (std::sregex_iterator it(xml.begin(), xml.end(), token), end; it != end; ++it) {
        std::string t = (*it)[0];
        if (t == "<outline>")
            ++depth;
        else if (t == "</outline>")
            --depth;
        else
            items.push_back({depth, std::stoi((*it)[1]), (*it)[2]});
    }
    return items;
}

std::string pdfInfoField(const std::string& pdf, const std::string& field) {
    std::string info = "\n" + run("pdfinfo '" + pdf + "' 2>&1");
    std::size_t at = info.find("\n" + field + ":");
    if (at == std::string::npos) return {};
    std::size_t from = info.find_first_not_of(' ', at + field.size() + 2);
    return info.substr(from, info.find('\n', from) - from);
}

TEST_F(RenderPdfTest, ChaptersAndSectionsBecomeTheOutline) {
    std::string pdf = dir.file("report.pdf");
    ExportResult r = exportPdf(dir.file("report.prn"), pdf, options());
    ASSERT_TRUE(r.ok) << r.error;
    if (!haveTool("pdftohtml") || !haveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils not installed";
    // Chapter 2 runs over a page, so its second section lands on page 3.
    std::vector<OutlineItem> expected = {
        {1, 1, "1. 設計条件"},   {2, 1, "1.1 断面形状"}, {2, 1, "1.2 形状図"},
        {1, 2, "2. 外力の計算"}, {2, 2, "2.1 自重"},     {2, 3, "2.2 土圧"},
        {1, 4, "3. 図の不具合"},
    };
    EXPECT_EQ(pdfOutline(pdf), expected);
    // The update leaves a file that poppler reads without complaint.
    std::string info = run("pdfinfo '" + pdf + "' 2>&1");
    EXPECT_EQ(info.find("Error"), std::string::npos) << info;
    EXPECT_EQ(pdfPages(pdf), 4);
    EXPECT_EQ(pdfInfoField(pdf, "Author"), "Nuvra");
    // Without a title line the file's name stands for the title.
    EXPECT_EQ(pdfInfoField(pdf, "Title"), "report.prn");
}

TEST_F(RenderPdfTest, TheDesignsTitleIsThePdfsTitle) {
    test::writeTextFile(dir.file("t.prn"),
                        "?R11. 設計条件\n  件名：○○地区　用水路　　\n  ?R21.1 形状寸法\n"
                        "?R21.2 次の節\n");
    ExportResult r = exportPdf(dir.file("t.prn"), dir.file("t.pdf"), options());
    ASSERT_TRUE(r.ok) << r.error;
    if (!haveTool("pdftohtml") || !haveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_EQ(pdfInfoField(dir.file("t.pdf"), "Title"), "○○地区　用水路");
    std::vector<OutlineItem> expected = {
        {1, 1, "1. 設計条件"}, {2, 1, "1.1 形状寸法"}, {2, 1, "1.2 次の節"}};
    EXPECT_EQ(pdfOutline(dir.file("t.pdf")), expected);
}

TEST(PdfOutline, AFileItCannotReadIsLeftAsItWas) {
    const std::vector<OutlineEntry> one = {{1, "1. 章", 0, 20.0}};
    for (std::string bytes :
         {std::string("not a pdf"),
          std::string("%PDF-1.5\n1 0 obj\n<< >>\nendobj\nstartxref\n9\n%%EOF\n"),
          std::string("%PDF-1.4\nxref\n0 1\n0000000000 65535 f \ntrailer\n<< "
                      "/Size 1 >>\nstartxref\n9\n%%EOF\n")}) {
        const std::string before = bytes;
        std::string error;
        EXPECT_FALSE(appendPdfOutline(bytes, one, kPdfAuthor, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(bytes, before);
    }
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
