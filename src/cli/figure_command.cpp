#include "cli/figure_command.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <system_error>

#include "calc/run/calc_run.h"
#include "cli/commands.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "common/interrupt_cleanup.h"
#include "design/input_file.h"
#include "figures/figure_export.h"
#include "figures/figures.h"
#include "figures/svg_export.h"
#include "report/report_error.h"

namespace nuvra::cli {
namespace {

constexpr const char* kUsage =
    "usage: nuvra-cli figure KIND FILE [--case N] [--side 0|1] (-o OUT.svg | --files DIR)\n"
    "       KIND: shape, block, earth, wall, water, steel";

struct Request {
    std::string kind, file, svg, folder;
    int caseNo = 1;
    int side = 0;
    bool caseGiven = false;
};

// The page area (mm) each figure has in the report.
struct PageArea {
    double width, height;
};
const std::map<std::string, PageArea> kPageAreas = {
    {"shape", {150, 120}}, {"block", {150, 120}}, {"earth", {130, 60}},
    {"wall", {110, 60}},   {"water", {110, 60}},  {"steel", {150, 100}},
};

bool parseInt(const std::string& s, int lo, int hi, int& out) {
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0' || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

// Empty when the arguments can be used, otherwise what is wrong with them.
std::string parse(const std::vector<std::string>& args, Request& r) {
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--case") {
            if (!hasValue || !parseInt(args[++i], 1, 3, r.caseNo))
                return "--case には 1、2 か 3 を指定してください。";
            r.caseGiven = true;
        } else if (a == "--side") {
            if (!hasValue || !parseInt(args[++i], 0, 1, r.side))
                return "--side には 0 か 1 を指定してください。";
        } else if (a == "-o" || a == "--files") {
            std::string& into = a == "-o" ? r.svg : r.folder;
            if (!hasValue) return a + " の値がありません。";
            if (!into.empty()) return a + " が二度指定されています。";
            into = args[++i];
            if (into.empty()) return a + " の値が空です。";
        } else if (a.size() > 1 && a[0] == '-') {
            return "不明なオプション \"" + a + "\" です。";
        } else {
            plain.push_back(a);
        }
    }
    if (plain.empty()) return "図の種類と設計ファイルを指定してください。";
    r.kind = plain[0];
    if (kPageAreas.count(r.kind) != 1) return "図の種類 \"" + r.kind + "\" はありません。";
    if (plain.size() != 2)
        return plain.size() < 2 ? "設計ファイルが指定されていません。"
                                : "設計ファイルは一つだけ指定してください。";
    r.file = plain[1];
    // The report draws the inner water of case 2 (full channel); case 1 has none.
    if (r.kind == "water" && r.side == 1 && !r.caseGiven) r.caseNo = 2;
    if (r.svg.empty() == r.folder.empty())
        return "-o OUT.svg か --files DIR のどちらか一方を指定してください。";
    return {};
}

std::string build(const Request& r, const figures::FigureInputs& in) {
    const PageArea a = kPageAreas.at(r.kind);
    if (r.kind == "shape") return figures::MakeShapeFigure(in, a.width, a.height);
    if (r.kind == "block") return figures::MakeBlockFigure(in, r.caseNo, a.width, a.height);
    if (r.kind == "earth") return figures::MakeEarthPressureFigure(in, r.caseNo, a.width, a.height);
    if (r.kind == "wall") return figures::MakeWallPressureFigure(in, r.caseNo, a.width, a.height);
    if (r.kind == "water")
        return figures::MakeWaterPressureFigure(in, r.side, r.caseNo, a.width, a.height);
    return figures::MakeSteelStressFigure(in, a.width, a.height);
}

}  // namespace

int cmdFigure(const std::vector<std::string>& args) {
    InterruptCleanup guard;
    Request r;
    if (std::string error = parse(args, r); !error.empty()) {
        printArgumentError(error, kUsage);
        return kExitUnusable;
    }
    DesignData d;
    if (!openDesign(d, r.file)) return kExitUnusable;
    calc::ResultStore store;
    if (!calc::RunCalculation(d, store)) {
        // The report is never written from a failed run, nor are its figures.
        printRunFailure(store, "図は作成しません。");
        return kExitFailed;
    }
    std::optional<ScratchFolder> scratch;
    guard.MakePath([&scratch] {
        scratch.emplace("nuvra-figure-");
        return scratch->path();
    });
    if (scratch->path().empty()) {
        printError("作業用フォルダーを作成できません（" + SystemReason(errno) + "）。");
        return kExitFailed;
    }
    figures::FigureModel model(programFolder(), scratch->path());
    model.StartGeneration();
    const std::string layout = build(r, figures::FigureInputs{model, d, store});
    if (layout.empty()) {
        printError("図を作成できませんでした。（" + model.LastFigureError() + "）");
        return kExitFailed;
    }
    try {
        if (!r.svg.empty()) {
            std::string svg = figures::LayoutToSvg(layout, programFolder());
            guard.AddSweptFolder(FolderOf(r.svg));
            if (std::int32_t rc = writeFileAtomically(r.svg, svg, true); rc != 0) {
                printError("SVG ファイル " + r.svg + " を書き込めません（ｴﾗｰｺｰﾄﾞ ： " +
                           std::to_string(rc) + "）。");
                return kExitFailed;
            }
        } else {
            // The layout names its figure files by absolute paths, as the report does.
            std::error_code ec;
            const std::string folder = std::filesystem::absolute(r.folder, ec).string();
            std::filesystem::create_directories(folder, ec);
            for (const std::string& p : figures::ExportFigureFiles(layout, folder))
                std::printf("%s\n", p.c_str());
        }
    } catch (const report::ReportError& e) {
        printError(e.what());
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace nuvra::cli
