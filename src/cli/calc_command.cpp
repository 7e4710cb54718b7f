#include "cli/calc_command.h"

#include <cstdio>

#include "calc/run/calc_run.h"
#include "calc/run/result_json.h"
#include "cli/batch_command.h"
#include "cli/commands.h"
#include "cli/run_summary.h"
#include "design/input_file.h"

namespace nuvra::cli {

int cmdCalc(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--summary") return cmdCalcSummary(args);
    constexpr const char* kUsage = "usage: nuvra-cli calc FILE [--json] | FILE... --summary";
    bool json = false;
    std::vector<std::string> files;
    for (const std::string& a : args) {
        if (a == "--json") {
            json = true;
        } else if (a.size() > 1 && a[0] == '-') {
            printArgumentError("不明なオプション \"" + a + "\" です。", kUsage);
            return kExitUnusable;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1) {
        printArgumentError(files.empty() ? "設計ファイルが指定されていません。"
                                         : "設計ファイルは一つだけ指定してください。",
                           kUsage);
        return kExitUnusable;
    }
    DesignData d;
    if (!openDesign(d, files[0])) return kExitUnusable;
    calc::ResultStore store;
    bool ok = calc::RunCalculation(d, store);
    std::string text = json ? calc::ResultJson(store, ok) : RunSummary(store, ok);
    // The JSON keeps its shape; the faults of a failed run go to standard error.
    if (json && !ok) printRunFailure(store, "");
    std::fputs(text.c_str(), stdout);
    return ok ? kExitOk : kExitFailed;
}

}  // namespace nuvra::cli
