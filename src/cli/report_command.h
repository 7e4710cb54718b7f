// nuvra-cli report: the calculation report of a design as print files in a folder.
#pragma once

#include <string>
#include <vector>

namespace nuvra::cli {

/// report FILE -o DIR [--chapters 1,2,5] [--ini FILE]: runs the calculation, writes every
/// chapter file, its figures and the combined file of the chosen chapters (by default
/// every chapter the print window would offer) into DIR under kept names. 0 on success,
/// 1 when a chapter failed (its messages on standard error), 2 when the design cannot be
/// read, the calculation fails or the arguments are wrong.
int cmdReport(const std::vector<std::string>& args);

}  // namespace nuvra::cli
