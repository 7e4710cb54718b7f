#include "cli/design_command.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "calc/run/bar_selection.h"
#include "calc/run/calc_run.h"
#include "cli/commands.h"
#include "cli/run_summary.h"
#include "common/number_format.h"
#include "design/input_file.h"

namespace nuvra::cli {
namespace {

// Bounds of the bar cells of the results grid.
constexpr int kDiaMin = 1, kDiaMax = 99;
constexpr int kCtcMin = 100, kCtcMax = 1000;

constexpr const char* kUsage =
    "usage: nuvra-cli design FILE [-o OUT.nvr [--force]] [--diameters 13,16,19] "
    "[--spacings 100,150,200]";

std::string padRight(const std::string& s, int width) {
    const int w = DisplayWidth(s);
    return w >= width ? s : s + std::string(static_cast<std::size_t>(width - w), ' ');
}

std::string padLeft(const std::string& s, int width) {
    const int w = DisplayWidth(s);
    return w >= width ? s : std::string(static_cast<std::size_t>(width - w), ' ') + s;
}

std::string ratioText(double r) {
    return std::isfinite(r) ? formatPicture(r, "##0.00") : std::string("-----");
}

std::string barsText(std::int32_t Zai, double Dia, double ctc) {
    return calc::BarName(Zai, Dia) + "@" + formatPicture(ctc, "###0");
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

}  // namespace

bool parseMillimetreList(const std::string& text, int lo, int hi, std::vector<double>& out) {
    out.clear();
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        int v = 0;
        const char* first = text.data() + start;
        const char* last = text.data() + end;
        auto r = std::from_chars(first, last, v);
        if (first == last || r.ec != std::errc() || r.ptr != last || v < lo || v > hi) return false;
        out.push_back(v);
        start = end + 1;
    }
    return !out.empty();
}

int cmdDesign(const std::vector<std::string>& args) {
    std::string file, outPath;
    bool force = false;
    calc::BarCandidates candidates;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" && hasValue) {
            outPath = args[++i];
        } else if (a == "--force") {
            force = true;
        } else if (a == "--diameters" && hasValue) {
            if (!parseMillimetreList(args[++i], kDiaMin, kDiaMax, candidates.diameters)) {
                printError("鉄筋径の指定が正しくありません（1～99 の整数をカンマで区切る）：" +
                           args[i]);
                return kExitUnusable;
            }
        } else if (a == "--spacings" && hasValue) {
            if (!parseMillimetreList(args[++i], kCtcMin, kCtcMax, candidates.spacings)) {
                printError(
                    "鉄筋間隔の指定が正しくありません（100～1000 の整数をカンマで区切る）：" +
                    args[i]);
                return kExitUnusable;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            printError(kUsage);
            return kExitUnusable;
        } else if (file.empty()) {
            file = a;
        } else {
            printError(kUsage);
            return kExitUnusable;
        }
    }
    if (file.empty()) {
        printError(kUsage);
        return kExitUnusable;
    }
    if (!outPath.empty() && !force && samePath(file, outPath)) {
        printError("入力ﾃﾞｰﾀﾌｧｲﾙに上書きするには --force を指定してください。");
        return kExitUnusable;
    }

    DesignData d;
    if (!openDesign(d, file)) return kExitUnusable;
    calc::ResultStore store;
    const bool runOk = calc::RunCalculation(d, store);
    const auto choices = calc::SelectAllBars(store, candidates);
    const std::int32_t Zai = d.objInpZairyo.Zai;

    constexpr int kBarsWidth = 12, kRatioWidth = 10, kAreaWidth = 15;
    std::string out = "■ 自動配筋（許容応力度を満たし鉄筋量が最小の配筋）\n";
    out += padRight("", 20) + padLeft("現在の配筋", kBarsWidth) + padLeft("応力度比", kRatioWidth) +
           padLeft("選定配筋", kBarsWidth) + padLeft("応力度比", kRatioWidth) +
           padLeft("鉄筋量(mm2/m)", kAreaWidth) + "\n";
    bool allFound = true;
    std::string missing;
    for (const calc::BarChoice& c : choices) {
        std::string line =
            padRight(calc::MemberLabel(c.id), 12) + padRight(calc::FaceLabel(c.id), 8);
        if (!c.checked) {
            const bool footing =
                c.id == calc::SectionId::FootingSita || c.id == calc::SectionId::FootingUe;
            line += footing && !store.blnFooting ? "（フーチングなし）" : "（計算されていません）";
            if (!footing || store.blnFooting) allFound = false;
        } else {
            line += padLeft(barsText(Zai, c.currentDia, c.currentCtc), kBarsWidth);
            line += padLeft(ratioText(c.currentRatio), kRatioWidth);
            if (c.found) {
                line += padLeft(barsText(Zai, c.Dia, c.ctc), kBarsWidth);
                line += padLeft(ratioText(c.ratio), kRatioWidth);
                line += padLeft(formatPicture(c.area, "####0.0"), kAreaWidth);
            } else {
                line += "  条件を満たす配筋がありません（変更しません）";
                allFound = false;
                missing += std::string(missing.empty() ? "" : "、") + calc::MemberLabel(c.id) +
                           " " + calc::FaceLabel(c.id);
            }
        }
        out += line + "\n";
    }
    out += "応力度比：σc/σca，σs/σsa，τ/τa，τo/τoa の最大値\n";
    if (!missing.empty()) out += "許容応力度を満たす配筋が見つかりません：" + missing + "\n";
    if (!runOk) out += "計算の途中でエラーが発生しました。\n";
    std::fputs(out.c_str(), stdout);

    if (!outPath.empty()) {
        if (!runOk) {
            printError("計算の途中でエラーが発生したため、配筋を書き込みません。");
            return kExitFailed;
        }
        calc::ApplyBarChoices(d.objInpHaikin, choices);
        FileResult r = SaveInputFile(d, outPath);
        if (!r.ok) {
            printError(writeFailureMessage(r.errorCode));
            if (!r.detail.empty())
                std::fprintf(stderr, "(%s: %s)\n", outPath.c_str(), r.detail.c_str());
            return kExitUnusable;
        }
    }
    return runOk && allFound ? kExitOk : kExitFailed;
}

}  // namespace nuvra::cli
