// Texts shared by the figure builders: dimension texts in millimetres, the circled part
// labels, and the first line that the section figures write into their files.
#pragma once

#include <string>

namespace nuvra::figures {

/// First line of the shape and block figure files: the program's file name without
/// extension.
inline constexpr const char* kProgramName = "nuvra";

/// Labels run from "①" to "⑳".
inline constexpr int kMaxLabels = 20;

/// A length in metres as whole millimetres ("####0"): 1.2346 gives "1235".
std::string MillimetreText(double metres);

/// The scale itself, or formats::FormatError when it is not a positive finite number (a page
/// area too small for the figure, or negative dimensions): such a drawing would come
/// out mirrored or collapsed.
double DrawingScale(double scale);

/// "①" ... "⑳" for k = 1 ... 20; any other k throws formats::FormatError (a 21st label).
std::string CircledNumber(int k);

}  // namespace nuvra::figures
