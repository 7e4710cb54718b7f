// Every check of a design in one list: flotation, bearing capacity, and the four
// stresses of each reinforced face, each with its value, its allowable, the ratio and
// the verdict. The summary chapter prints it; tests hold it against the result store.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/run/result_store.h"

namespace nuvra::report {

struct CheckLine {
    std::string member;  ///< "たて壁", "底版", "フーチング"; "" for a stability check
    std::string bars;    ///< "外側筋" ...
    std::string item;    ///< "圧縮応力度 σc" ...
    double value = 0;
    double allowable = 0;
    /// value / allowable (Fa / Fs for flotation); empty when the allowable is 0.
    std::optional<double> ratio;
    bool ok = true;  ///< the verdict of the check itself ("OK")
};

struct CheckSummary {
    /// Flotation; empty when no uplift acts (the check is not made).
    std::optional<CheckLine> flotation;
    std::optional<CheckLine> bearing;
    /// Four lines per face with a check, in the order of the results grid.
    std::vector<CheckLine> stresses;
    /// The outer wall bars already exceed σsa at the design section.
    bool curtailmentImpossible = false;
    std::optional<double> cutHeight;  ///< mm above the design section
    /// The checks that fail, in the order above ("たて壁 外側筋 引張応力度 σs（比率 1.25）").
    std::vector<std::string> failures;
};

/// The summary of the run in results; reads only what the run filled.
CheckSummary SummariseChecks(const calc::ResultStore& results);

}  // namespace nuvra::report
