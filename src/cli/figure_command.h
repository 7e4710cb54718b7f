// nuvra-cli figure: one figure of the report, drawn for a design file.
#pragma once

#include <string>
#include <vector>

namespace nuvra::cli {

/// figure KIND FILE [--case N] [--side 0|1] (-o OUT.svg | --files DIR), KIND one of
/// shape, block, earth, wall, water, steel. Runs the calculation, builds the figure on
/// the page area the report gives it, and writes it as SVG or as its layout and figure
/// files. 0 on success, 1 when the calculation or the figure failed, 2 on wrong
/// arguments or an unreadable design.
int cmdFigure(const std::vector<std::string>& args);

}  // namespace nuvra::cli
