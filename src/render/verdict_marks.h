// Failed checks that catch the eye. The report prints a failed verdict as "OUT"; on a
// page of numbers that is easy to miss, so the painter frames every such word in red
// (the print file and the PDF's text stay as written).
#pragma once

#include <string_view>
#include <vector>

namespace nuvra::render {

/// Columns where the word "OUT" starts in a CP932 line, found on character boundaries
/// (never in the second byte of a double-byte character) and standing alone: no
/// ASCII letter or digit right before or after it.
std::vector<int> failedVerdictColumns(std::string_view cp932Line);

}  // namespace nuvra::render
