// nuvra-cli calc --summary and sweep: one CSV row per design, for many designs at once.
#pragma once

#include <string>
#include <vector>

namespace nuvra::cli {

/// calc FILE... --summary [--jobs N] [--select-bars] [--bom]: 0 when every design passed
/// every check, 1 when a design failed a check or its run failed, 2 when a design could
/// not be read or the arguments are wrong.
int cmdCalcSummary(const std::vector<std::string>& args);

/// sweep FILE --vary NAME=FROM:TO:STEP [--vary …] [--summary] [--select-bars] [--jobs N]
/// [--bom]: the same table over a series computed from one design; exit status as above,
/// a combination refused by the inputs' rules counting as unusable.
int cmdSweep(const std::vector<std::string>& args);

}  // namespace nuvra::cli
