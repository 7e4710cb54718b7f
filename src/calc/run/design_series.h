// A series of designs computed from one: one or two numeric inputs stepped over a range,
// every combination calculated and summed up in a row (see design_summary.h).
#pragma once

#include <string>
#include <vector>

#include "calc/run/design_summary.h"
#include "design/input_ranges.h"

namespace nuvra::calc {

/// At most this many designs in one series.
inline constexpr std::size_t kMaxSeriesDesigns = 10000;

/// One varied input: NAME=FROM:TO:STEP.
struct Variation {
    std::string name;  ///< as the user wrote it
    const InputField* field = nullptr;
    std::vector<double> values;  ///< FROM, FROM + STEP, … up to TO, each in the field's decimals
};

/// Parses "NAME=FROM:TO:STEP" and checks every value against the field's range and
/// input picture as the dialogs do. On failure returns false and a Japanese message.
bool ParseVariation(const std::string& spec, Variation& out, std::string& message);

/// Checks the variations together (distinct fields, at most kMaxSeriesDesigns
/// combinations); false and a message otherwise.
bool CheckSeries(const std::vector<Variation>& vary, std::string& message);

/// Computes every combination (the first input varying slowest) of the base design on
/// `jobs` threads. A combination that breaks the inner-water rule of the design-conditions
/// dialog (T4 ≤ HWi ≤ H) is not computed: its row is unusable (ERROR) with the dialog's
/// message as the reason.
std::vector<DesignSummary> RunSeries(const DesignData& base, const std::string& file,
                                     const std::vector<Variation>& vary, int jobs, bool selectBars);

}  // namespace nuvra::calc
