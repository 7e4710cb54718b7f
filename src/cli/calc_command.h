// nuvra-cli calc: one calculation run on a design file.
#pragma once

#include <string>
#include <vector>

namespace nuvra::cli {

/// calc FILE [--json]: 0 when the run succeeded, 1 when it returned false, 2 when the
/// file could not be read or the arguments are wrong.
int cmdCalc(const std::vector<std::string>& args);

}  // namespace nuvra::cli
