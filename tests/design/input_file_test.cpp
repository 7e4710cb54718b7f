#include "design/input_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "common/number_format.h"
#include "test_util.h"

namespace nuvra {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// The file of a new design, written out line by line.
const char* const kNewDesignLines[] = {
    "ZANTREL INPUT FILE FORMAT V1：(未定義)",
    "PRODUCT NAME                   [ヌブラの設計]",
    "INPUT FILE VERSION             [1.00]",
    "#FALSE#",
    "\"(未定義)\"",
    " 2 ",
    " 2 ",
    " .3 ",
    " .3 ",
    " .3 ",
    " .1 ",
    " 0 ",
    " 0 ",
    " 2 ",
    " 1.1 ",
    " 1 ",
    "#FALSE#",
    " 1 ",
    " 0 ",
    " 0 ",
    " 0 ",
    " 0 ",
    " 0 ",
    " 18 ",
    " 0 ",
    "#FALSE#",
    " 2 ",
    " 20 ",
    " 30 ",
    " 10 ",
    " 15 ",
    " 3 ",
    " 50 ",
    "#TRUE#",
    " 70 ",
    " 70 ",
    " 70 ",
    " 100 ",
    "#TRUE#",
    " 24.5 ",
    " 18 ",
    " 20 ",
    " 10 ",
    " 30 ",
    " 9.8 ",
    " 21 ",
    " 8 ",
    " .42 ",
    "1.5",
    " 23500 ",
    " 2 ",
    " 157 ",
    " 200000 ",
    "#TRUE#",
    " 16 ",
    " 300 ",
    " 16 ",
    " 300 ",
    " 16 ",
    " 300 ",
    " 16 ",
    " 300 ",
    " 16 ",
    " 300 ",
    " 16 ",
    " 300 ",
};

std::string newDesignBytes() {
    std::string text;
    for (const char* l : kNewDesignLines)
        text += std::string(l) + "\r\n";
    return *toCp932(text);
}

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(InputFile, NewDesignByteForByte) {
    ASSERT_EQ(std::size(kNewDesignLines), 66u);
    TempDir dir;
    DesignData d;
    std::string p = dir.file("x.nvr");
    ASSERT_TRUE(SaveInputFile(d, p).ok);
    EXPECT_EQ(readFile(p), newDesignBytes());
}

TEST(InputFile, SaveAndLoadReproduceEveryField) {
    TempDir dir;
    std::mt19937_64 rng(20261209);
    std::uniform_int_distribution<int> digits(1, 15), exp(-6, 8), coin(0, 1);
    // A random value of at most 15 significant digits, as the dialogs produce.
    auto value = [&] {
        std::string s = "1";
        int n = digits(rng);
        for (int i = 1; i < n; ++i)
            s += static_cast<char>('0' + rng() % 10);
        double v = std::stod(s + "e" + std::to_string(exp(rng) - n));
        return coin(rng) ? -v : v;
    };
    for (int round = 0; round < 200; ++round) {
        DesignData d;
        auto& j = d.objInpJyoken;
        j.InpFlg = coin(rng);
        j.Title = round % 3 == 0 ? "" : "設計 No." + std::to_string(round) + ", ﾃｽﾄ 水路";
        for (double* f : {&j.H,
                          &j.B,
                          &j.T1,
                          &j.T2,
                          &j.T3,
                          &j.T4,
                          &j.TB,
                          &j.HW,
                          &j.HWi,
                          &j.Fa,
                          &d.objInpMorido.x,
                          &d.objInpMorido.Q,
                          &d.objInpMorido.X1,
                          &d.objInpMorido.X2,
                          &d.objInpMorido.Ho,
                          &d.objInpMorido.G,
                          &d.objInpMorido.Qd,
                          &d.objInpKiso.C,
                          &d.objInpKiso.Fai,
                          &d.objInpKiso.G1,
                          &d.objInpKiso.G2,
                          &d.objInpKiso.Df,
                          &d.objInpKiso.Qa,
                          &d.objInpKaburi.TateSoto,
                          &d.objInpKaburi.SokoSita,
                          &d.objInpZairyo.Gsc,
                          &d.objInpZairyo.Ta,
                          &d.objInpZairyo.Es,
                          &d.objInpHaikin.SokoUe.Dia,
                          &d.objInpHaikin.FootingSita.ctc,
                          &d.objInpHaikin.FootingUe.ctc})
            *f = value();
        j.Kento = static_cast<std::int32_t>(rng() % 7) - 3;
        d.objInpMorido.Morido = 2;
        d.objInpMorido.InpFlg = true;
        d.objInpKiso.Siji = 1;
        d.objInpZairyo.Zai = 3;
        d.objInpZairyo.Toa = decimalText(std::fabs(value()));
        d.objInpHaikin.InpFlg = coin(rng);
        std::string p = dir.file("rt.nvr");
        ASSERT_TRUE(SaveInputFile(d, p).ok);
        DesignData back;
        FileResult r = LoadInputFile(back, p);
        ASSERT_TRUE(r.ok) << r.detail;
        EXPECT_EQ(back, d) << "round " << round;
        // Writing what was read gives the same bytes.
        std::string again = dir.file("rt2.nvr");
        ASSERT_TRUE(SaveInputFile(back, again).ok);
        EXPECT_EQ(readFile(again), readFile(p));
    }
}

TEST(InputFile, ReferenceDesignsRewriteByteIdentically) {
    std::string vec = test::vectorsDir();
    if (vec.empty()) GTEST_SKIP() << "reference designs not found";
    TempDir dir;
    for (const auto& e : std::filesystem::directory_iterator(vec)) {
        if (e.path().extension() != ".nvr") continue;
        DesignData d;
        OpenResult r = OpenInputFile(d, e.path().string());
        ASSERT_TRUE(r.file.ok) << e.path() << " " << r.file.detail;
        std::string out = dir.file("out.nvr");
        ASSERT_TRUE(SaveInputFile(d, out).ok);
        EXPECT_EQ(readFile(out), readFile(e.path().string())) << e.path();
    }
}

TEST(InputFile, ReaderAcceptsOtherToolsForms) {
    TempDir dir;
    std::vector<std::string> lines = splitLines(newDesignBytes());
    lines[5] = "0.3";      // H with a leading zero
    lines[6] = "  +3.  ";  // B: plus sign, trailing point, blanks
    lines[7] = "-.25";
    lines[8] = "1.5e-1";
    lines[3] = "#true#";
    lines[15] = " 2.5 ";  // Kento 2.5 rounds half to even
    lines[26] = " 3.5 ";  // Siji 3.5 rounds to 4
    lines[33] = " -1 ";   // a flag written as a number: non-zero is true
    std::string text;
    for (auto& l : lines)
        text += l + "\n";  // LF only
    std::string p = dir.file("other.nvr");
    writeFile(p, text);
    DesignData d;
    FileResult r = LoadInputFile(d, p);
    ASSERT_TRUE(r.ok) << r.detail;
    EXPECT_EQ(d.objInpJyoken.H, 0.3);
    EXPECT_EQ(d.objInpJyoken.B, 3);
    EXPECT_EQ(d.objInpJyoken.T1, -0.25);
    EXPECT_EQ(d.objInpJyoken.T2, 0.15);
    EXPECT_TRUE(d.objInpJyoken.InpFlg);
    EXPECT_EQ(d.objInpJyoken.Kento, 2);
    EXPECT_EQ(d.objInpKiso.Siji, 4);
    EXPECT_TRUE(d.objInpKaburi.InpFlg);
}

TEST(InputFile, BadInputEndsInReadFailureWithDefaults) {
    TempDir dir;
    std::vector<std::string> good = splitLines(newDesignBytes());
    auto join = [](const std::vector<std::string>& ls, std::size_t n) {
        std::string t;
        for (std::size_t i = 0; i < n && i < ls.size(); ++i)
            t += ls[i] + "\r\n";
        return t;
    };
    struct Case {
        std::string name;
        std::string bytes;
        std::int32_t code;
    };
    std::vector<Case> cases;
    for (std::size_t cut : {0u, 2u, 3u, 10u, 40u, 65u})
        cases.push_back(
            {"cut after line " + std::to_string(cut), join(good, cut), kErrInputPastEnd});
    auto with = [&](std::size_t line, const std::string& text) {
        auto ls = good;
        ls[line - 1] = text;
        return join(ls, ls.size());
    };
    cases.push_back({"word for a number", with(6, "abc"), kErrTypeMismatch});
    cases.push_back({"empty item", with(6, ","), kErrTypeMismatch});
    cases.push_back({"NaN", with(7, "NaN"), kErrTypeMismatch});
    cases.push_back({"Inf", with(7, "Inf"), kErrTypeMismatch});
    cases.push_back({"hex", with(7, "0x10"), kErrTypeMismatch});
    cases.push_back({"double overflow", with(8, "1e999"), kErrOverflowValue});
    cases.push_back({"long overflow", with(16, "3000000000"), kErrOverflowValue});
    cases.push_back({"bad flag", with(4, "#MAYBE#"), kErrTypeMismatch});
    cases.push_back({"invalid CP932 title", with(5, "\"\x81\x20\""), kErrNotCp932});
    for (const Case& c : cases) {
        std::string p = dir.file("bad.nvr");
        writeFile(p, c.bytes);
        DesignData d;
        d.objInpJyoken.H = 42;
        FileResult r = LoadInputFile(d, p);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_EQ(r.errorCode, c.code) << c.name;
        EXPECT_EQ(d, DesignData{}) << c.name;
    }
}

TEST(InputFile, JunkAfterTheLastItemIsNeverRead) {
    TempDir dir;
    std::string p = dir.file("junk.nvr");
    std::string bytes = newDesignBytes();
    bytes += std::string(100 * 1024 * 1024, '\xFF');
    writeFile(p, bytes);
    DesignData d;
    EXPECT_TRUE(LoadInputFile(d, p).ok);
    EXPECT_EQ(d, DesignData{});
}

TEST(InputFile, TitleThatCannotBeStoredIsRefused) {
    TempDir dir;
    std::string p = dir.file("t.nvr");
    writeFile(p, "old");
    DesignData d;
    for (const char* title : {"a\"b", "line\nbreak"}) {
        d.objInpJyoken.Title = title;
        FileResult r = SaveInputFile(d, p);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.errorCode, kErrUnstorableChar);
    }
    d.objInpJyoken.Title = "水路😀";
    FileResult r = SaveInputFile(d, p);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorCode, kErrNotCp932);
    EXPECT_EQ(readFile(p), "old");
}

TEST(InputFile, EmptyTitle) {
    TempDir dir;
    std::string p = dir.file("e.nvr");
    DesignData d;
    d.objInpJyoken.Title = "";
    ASSERT_TRUE(SaveInputFile(d, p).ok);
    auto lines = splitLines(readFile(p));
    EXPECT_EQ(lines[0], *toCp932("ZANTREL INPUT FILE FORMAT V1："));
    EXPECT_EQ(lines[4], "\"\"");
    DesignData back;
    ASSERT_TRUE(LoadInputFile(back, p).ok);
    EXPECT_EQ(back.objInpJyoken.Title, "");
}

TEST(InputFile, WriteFailuresKeepTheOldFile) {
    TempDir dir;
    DesignData d;
    FileResult r = SaveInputFile(d, dir.file("missing/x.nvr"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorCode, kErrPathNotFound);
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    r = SaveInputFile(d, dir.path());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.errorCode, 0);
}

TEST(OpenInputFile, ExtensionVersionAndReaders) {
    TempDir dir;
    std::vector<std::string> lines = splitLines(newDesignBytes());
    auto write = [&](const std::string& name, std::vector<std::string> ls) {
        std::string t;
        for (auto& l : ls)
            t += l + "\r\n";
        writeFile(dir.file(name), t);
        return dir.file(name);
    };
    DesignData d;
    d.objInpJyoken.H = 7;
    // Wrong extension: refused without a version message, records untouched.
    OpenResult r = OpenInputFile(d, write("design.txt", lines));
    EXPECT_FALSE(r.file.ok);
    EXPECT_EQ(r.file.errorCode, 0);
    EXPECT_TRUE(r.versionMessage.empty());
    EXPECT_EQ(d.objInpJyoken.H, 7);
    // Upper-case extension is accepted.
    r = OpenInputFile(d, write("design.NVR", lines));
    EXPECT_TRUE(r.file.ok);
    EXPECT_EQ(d.objInpJyoken.H, 2);
    // Unsupported version.
    auto v2 = lines;
    v2[2] = "INPUT FILE VERSION             [2.00]";
    d.objInpJyoken.H = 7;
    r = OpenInputFile(d, write("v2.nvr", v2));
    EXPECT_FALSE(r.file.ok);
    EXPECT_EQ(r.file.errorCode, 0);
    EXPECT_EQ(r.versionMessage, "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.2.00）には現在対応しておりません。");
    EXPECT_EQ(d.objInpJyoken.H, 7);
    // Missing file and empty file: the probe says "error".
    r = OpenInputFile(d, dir.file("none.nvr"));
    EXPECT_EQ(r.versionMessage, "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.error）には現在対応しておりません。");
    writeFile(dir.file("empty.nvr"), "");
    r = OpenInputFile(d, dir.file("empty.nvr"));
    EXPECT_EQ(r.versionMessage, "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.error）には現在対応しておりません。");
    EXPECT_EQ(d.objInpJyoken.H, 7);
}

TEST(OpenInputFile, BetaLayoutCopiesHWIntoHWi) {
    TempDir dir;
    std::vector<std::string> lines = splitLines(newDesignBytes());
    lines[2] = *toCp932("INPUT FILE VERSION             [1.00β]");
    lines[12] = " 1.5 ";              // HW
    lines.erase(lines.begin() + 13);  // no HWi line
    lines[13] = " 1.2 ";              // Fa follows HW
    std::string t;
    for (auto& l : lines)
        t += l + "\r\n";
    ASSERT_EQ(lines.size(), 65u);
    std::string p = dir.file("beta.nvr");
    writeFile(p, t);
    DesignData d;
    OpenResult r = OpenInputFile(d, p);
    ASSERT_TRUE(r.file.ok) << r.file.detail;
    EXPECT_EQ(d.objInpJyoken.HW, 1.5);
    EXPECT_EQ(d.objInpJyoken.HWi, 1.5);
    EXPECT_EQ(d.objInpJyoken.Fa, 1.2);
    EXPECT_EQ(d.objInpHaikin.FootingUe.ctc, 300);
    // Saved again it is a 1.00 file whose line 14 repeats line 13.
    std::string out = dir.file("out.nvr");
    ASSERT_TRUE(SaveInputFile(d, out).ok);
    auto saved = splitLines(readFile(out));
    ASSERT_EQ(saved.size(), 66u);
    EXPECT_EQ(saved[2], "INPUT FILE VERSION             [1.00]");
    EXPECT_EQ(saved[13], saved[12]);
    // Cut after line 40: read failure, defaults.
    std::string cut;
    for (int i = 0; i < 40; ++i)
        cut += lines[static_cast<std::size_t>(i)] + "\r\n";
    writeFile(p, cut);
    r = OpenInputFile(d, p);
    EXPECT_FALSE(r.file.ok);
    EXPECT_NE(r.file.errorCode, 0);
    EXPECT_EQ(d, DesignData{});
}

TEST(Messages, FailureTexts) {
    EXPECT_EQ(readFailureMessage(53),
              "指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。（ｴﾗｰｺｰﾄﾞ ： 53）\n\n"
              "お問い合わせの際は，上記ｴﾗｰﾒｯｾｰｼﾞおよびｴﾗｰｺｰﾄﾞをお知らせください。");
    EXPECT_EQ(writeFailureMessage(1004),
              "入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。（ｴﾗｰｺｰﾄﾞ ： 1,004）\n\n"
              "お問い合わせの際は，上記ｴﾗｰﾒｯｾｰｼﾞおよびｴﾗｰｺｰﾄﾞをお知らせください。");
}

}  // namespace
}  // namespace nuvra
