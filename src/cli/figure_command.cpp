#include "cli/figure_command.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <system_error>

#include "calc/loads/calc_run.h"
#include "cli/commands.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "design/input_file.h"
#include "figures/figure_export.h"
#include "figures/figures.h"
#include "figures/svg_export.h"
#include "report/report_error.h"

namespace nuvra::cli {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "usage: nuvra-cli figure KIND FILE [--case N] [--side 0|1] (-o OUT.svg | --files DIR)\n"
    "       KIND: shape, block, earth, wall, water, steel";

struct Request {
    std::string kind, file, svg, folder;
    int caseNo = 1;
    int side = 0;
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

bool parse(const std::vector<std::string>& args, Request& r) {
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--case") {
            if (!hasValue || !parseInt(args[++i], 1, 3, r.caseNo)) return false;
        } else if (a == "--side") {
            if (!hasValue || !parseInt(args[++i], 0, 1, r.side)) return false;
        } else if (a == "-o") {
            if (!hasValue || !r.svg.empty()) return false;
            r.svg = args[++i];
        } else if (a == "--files") {
            if (!hasValue || !r.folder.empty()) return false;
            r.folder = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return false;
        } else {
            plain.push_back(a);
        }
    }
    if (plain.size() != 2 || r.svg.empty() == r.folder.empty()) return false;
    r.kind = plain[0];
    r.file = plain[1];
    return kPageAreas.count(r.kind) == 1;
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
    Request r;
    if (!parse(args, r)) {
        printError(kUsage);
        return kExitUsage;
    }
    DesignData d;
    if (!openDesign(d, r.file)) return kExitUsage;
    calc::ResultStore store;
    if (!calc::RunCalculation(d, store)) {
        // The report is never written from a failed run, nor are its figures.
        printError("計算の途中でエラーが発生しました。図は作成しません。");
        return kExitFailed;
    }
    ScratchFolder scratch("nuvra-figure-");
    if (scratch.path().empty()) {
        printError("一時フォルダを作成できません。");
        return kExitFailed;
    }
    report::FigureModel model(programFolder(), scratch.path());
    model.StartGeneration();
    const std::string layout = build(r, figures::FigureInputs{model, d, store});
    if (layout.empty()) {
        printError("図を作成できませんでした。（" + model.LastFigureError() + "）");
        return kExitFailed;
    }
    try {
        if (!r.svg.empty()) {
            std::string svg = figures::LayoutToSvg(layout, programFolder());
            if (std::int32_t rc = writeFileAtomically(r.svg, svg); rc != 0) {
                printError(std::string("SVG ファイルを書き込めません: ") + fileErrorText(rc));
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
