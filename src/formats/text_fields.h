// Locale-independent reading of the lines and numbers of the figure files.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace nuvra::formats {

/// Lines of a text; CR LF, lone CR and lone LF all end a line. A final line end does
/// not start another line.
std::vector<std::string_view> splitLines(std::string_view bytes);

/// Blanks and tabs removed from both ends.
std::string_view trimBlanks(std::string_view s);

/// A decimal number as the writers print it (" .5", "-1.25", "1E-05", "+3"), blanks
/// around it allowed. Empty for anything else, also for infinities and NaN.
std::optional<double> parseNumber(std::string_view s);

/// A whole number; "12" and "12.0" both read as 12. Empty for anything else.
std::optional<long> parseWhole(std::string_view s);

/// Fields separated by commas, each trimmed of blanks.
std::vector<std::string_view> splitCommas(std::string_view line);

/// Fields separated by blanks or commas.
std::vector<std::string_view> splitBlanks(std::string_view line);

}  // namespace nuvra::formats
