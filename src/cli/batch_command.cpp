#include "cli/batch_command.h"

#include <charconv>
#include <cstdio>

#include "calc/run/design_series.h"
#include "calc/run/design_summary.h"
#include "cli/commands.h"

namespace nuvra::cli {
namespace {

constexpr int kMaxJobs = 64;

struct TableOptions {
    int jobs = 1;
    bool selectBars = false;
    bool bom = false;
    bool summary = false;
};

// Takes the options every table command shares; false with a message for a bad value.
// Returns true and leaves `used` false for an argument that is not one of them.
bool tableOption(const std::vector<std::string>& args, std::size_t& i, TableOptions& o,
                 bool& used) {
    used = true;
    const std::string& a = args[i];
    if (a == "--summary") {
        o.summary = true;
    } else if (a == "--select-bars") {
        o.selectBars = true;
    } else if (a == "--bom") {
        o.bom = true;
    } else if (a == "--jobs") {
        const std::string v = i + 1 < args.size() ? args[++i] : std::string();
        auto r = std::from_chars(v.data(), v.data() + v.size(), o.jobs);
        if (v.empty() || r.ec != std::errc() || r.ptr != v.data() + v.size() || o.jobs < 1 ||
            o.jobs > kMaxJobs) {
            printError("--jobs には 1～64 の整数を指定してください：" + v);
            return false;
        }
    } else {
        used = false;
    }
    return true;
}

int printTable(const std::vector<calc::DesignSummary>& rows,
               const std::vector<std::string>& inputNames, const TableOptions& o) {
    std::string out = o.bom ? "\xEF\xBB\xBF" : "";
    out += calc::SummaryCsvHeader(inputNames, o.selectBars);
    bool unusable = false, failed = false;
    for (const calc::DesignSummary& s : rows) {
        out += calc::SummaryCsvRow(s, o.selectBars);
        unusable = unusable || !s.read;
        failed = failed || s.verdict != calc::DesignVerdict::OK;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return unusable ? kExitUnusable : failed ? kExitFailed : kExitOk;
}

}  // namespace

int cmdCalcSummary(const std::vector<std::string>& args) {
    TableOptions o;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool used = false;
        if (!tableOption(args, i, o, used)) return kExitUnusable;
        if (used) continue;
        if (args[i].size() > 1 && args[i][0] == '-') {
            printError(
                "usage: nuvra-cli calc FILE... --summary [--jobs N] [--select-bars] [--bom]");
            return kExitUnusable;
        }
        files.push_back(args[i]);
    }
    if (files.empty()) {
        printError("usage: nuvra-cli calc FILE... --summary [--jobs N] [--select-bars] [--bom]");
        return kExitUnusable;
    }
    return printTable(calc::SummarizeFiles(files, o.jobs, o.selectBars), {}, o);
}

int cmdSweep(const std::vector<std::string>& args) {
    constexpr const char* kUsage =
        "usage: nuvra-cli sweep FILE --vary NAME=FROM:TO:STEP [--vary ...] [--summary] "
        "[--select-bars] [--jobs N] [--bom]";
    TableOptions o;
    std::string file;
    std::vector<calc::Variation> vary;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool used = false;
        if (!tableOption(args, i, o, used)) return kExitUnusable;
        if (used) continue;
        const std::string& a = args[i];
        if (a == "--vary" && i + 1 < args.size()) {
            calc::Variation v;
            std::string message;
            if (!calc::ParseVariation(args[++i], v, message)) {
                printError(message);
                return kExitUnusable;
            }
            vary.push_back(std::move(v));
        } else if ((a.size() > 1 && a[0] == '-') || !file.empty()) {
            printError(kUsage);
            return kExitUnusable;
        } else {
            file = a;
        }
    }
    if (file.empty() || vary.empty() || vary.size() > 2) {
        printError(kUsage);
        return kExitUnusable;
    }
    std::string message;
    if (!calc::CheckSeries(vary, message)) {
        printError(message);
        return kExitUnusable;
    }
    DesignData d;
    if (!openDesign(d, file)) return kExitUnusable;
    std::vector<std::string> names;
    for (const calc::Variation& v : vary)
        names.push_back(v.name);
    return printTable(calc::RunSeries(d, file, vary, o.jobs, o.selectBars), names, o);
}

}  // namespace nuvra::cli
