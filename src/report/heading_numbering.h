// Heading numbers of the report: five levels (chapter, section, item, sub-item and a
// fifth that only the writer itself uses), each with a counter, a numbering style and a
// left margin, and a numbering method that joins the levels.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace nuvra::report {

/// The numbering most calculation reports use: chapters "1.", sections "1.1", items
/// "(1)", sub-items "①" (styles 1, 1, 2, 8 of levels 1-4).
inline constexpr std::array<std::int32_t, 6> kDefaultStyles{0, 1, 1, 2, 8, 0};

/// The page-numbering settings of section "Chapter" of the settings file.
struct NumberingSettings {
    /// 0 no numbers; 1 each level its own number; 2 section joined to chapter with "-";
    /// 3 (and any other value) joined with ".".
    std::int32_t Method = 0;
    /// Styles and margins of levels 1-4 (index 0 unused; level 5 is always 0).
    std::array<std::int32_t, 6> Style{};
    std::array<std::int32_t, 6> Margin{};

    /// Reads "Method", "Style1"-"Style4" and "Margin1"-"Margin4" as integers, default 0.
    /// A method other than 0 with no style set for any level takes kDefaultStyles.
    /// Margins are held to 0-255 blanks, so a damaged settings file cannot make the
    /// writer fail or build enormous lines.
    static NumberingSettings Load(const std::string& iniPath);
};

/// The text of one counter in one style, resetting the counter to 1 where the style
/// runs out (styles 1-3 at 100, 4-5 after 26, 6-7 after 10, 8 after 20):
///   1 "7"   2 "(7)"   3 "7)"   4 "(g)"   5 "g)"   6 "(vii)"   7 "vii)"   8 "⑦"   9 "･"
/// Any other style, and any counter of 0 or less, gives the empty text.
std::string FormatHeadingCounter(std::int32_t style, std::int32_t& counter);

class HeadingNumbering {
  public:
    /// A new generation: settings taken over, LastHeadingLevel 1, counters of levels
    /// 1-4 set to 0 (level 5 runs on; it is cleared by every heading above it).
    void Start(const NumberingSettings& settings);

    /// Numbers a heading of level 1-5: advances its counter, clears the deeper ones and
    /// returns the composed number followed by one blank ("1. ", "1-2 ", "(3) ").
    std::string HeadingNumber(int level);

    std::int32_t NumberingMethod = 0;
    std::array<std::int32_t, 6> HeadingCounter{};  ///< index = level 1-5
    std::array<std::int32_t, 6> HeadingStyle{};
    std::array<std::int32_t, 6> HeadingMargin{};
    int LastHeadingLevel = 1;
};

}  // namespace nuvra::report
