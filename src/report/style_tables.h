// The two figure style tables beside the program: LINE_PRN.DEF (line styles) and
// STR_PRN.DEF (text styles). Figure files name a style by its row number (from 1).
//
// Record rules: line 1 is a header and skipped, empty lines are skipped, fields are
// split at commas outside double quotes (quotes removed, blanks around unquoted fields
// dropped), and the first record whose first field is END ends the table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nuvra::report {

struct LineStyle {
    std::string Key;
    std::int32_t Width = 0;     ///< pen width in tenths of a millimetre (0 the thinnest line)
    std::int32_t PenStyle = 0;  ///< 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible
    std::string Colour;         ///< a colour name or #RRGGBB; empty is black
};

struct TextStyle {
    std::string Key;
    std::int32_t Charset = 0;  ///< 128 Japanese
    std::string Face;
    std::int32_t Height = 0;  ///< character height in twips: a full-width character is this
                              ///< tall and wide, a half-width one half as wide
    std::int32_t Weight = 0;  ///< 400 normal, 700 bold
    std::int32_t Italic = 0;
    std::int32_t Underline = 0;
    std::string Colour;
};

inline constexpr int kLineStyleRows = 9;
inline constexpr int kTextStyleRows = 2;

/// Read the tables; throw ReportError when the file is missing or unreadable, a record
/// has too few fields or a number field is not an integer, END is missing, or there are
/// more records than the table's rows.
std::vector<LineStyle> ReadLineStyles(const std::string& path);
std::vector<TextStyle> ReadTextStyles(const std::string& path);

/// Twips to millimetres: twips / 1440 * 25.4.
inline double TwipsToMm(std::int32_t twips) {
    return twips / 1440.0 * 25.4;
}

}  // namespace nuvra::report
