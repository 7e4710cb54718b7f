// nuvra-cli design: the bars chosen for every face of a design.
#pragma once

#include <string>
#include <vector>

namespace nuvra::cli {

/// design FILE [-o OUT.nvr [--force]] [--diameters LIST] [--spacings LIST]: prints the
/// current and the chosen bars of each face; with -o writes the design with the chosen
/// bars. 0 when the run succeeded and every face has passing bars, 1 when the run failed
/// or a face has none, 2 when the file or the arguments are unusable or writing failed.
int cmdDesign(const std::vector<std::string>& args);

/// A comma-separated list of whole millimetres within [lo, hi] ("13,16,19"); false for
/// anything else (an empty item, a fraction, a value out of bounds).
bool parseMillimetreList(const std::string& text, int lo, int hi, std::vector<double>& out);

}  // namespace nuvra::cli
