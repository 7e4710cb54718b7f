#include "cli/calc_command.h"

#include <cstdio>

#include "calc/loads/calc_run.h"
#include "calc/loads/result_json.h"
#include "calc/members/run_summary.h"
#include "cli/batch_command.h"
#include "cli/commands.h"
#include "design/input_file.h"

namespace nuvra::cli {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitRunFailed = 1;
constexpr int kExitFailure = 2;

}  // namespace

int cmdCalc(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--summary") return cmdCalcSummary(args);
    bool json = false;
    bool badOption = false;
    std::vector<std::string> files;
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else if (a.size() > 1 && a[0] == '-')
            badOption = true;
        else
            files.push_back(a);
    }
    if (badOption || files.size() != 1) {
        printError("usage: nuvra-cli calc FILE [--json]");
        return kExitFailure;
    }
    DesignData d;
    if (!openDesign(d, files[0])) return kExitFailure;
    calc::ResultStore store;
    bool ok = calc::RunCalculation(d, store);
    std::string text = json ? calc::ResultJson(store, ok) : calc::RunSummary(store, ok);
    std::fputs(text.c_str(), stdout);
    return ok ? kExitOk : kExitRunFailed;
}

}  // namespace nuvra::cli
