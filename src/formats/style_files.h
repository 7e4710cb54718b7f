// The two style tables of the figures: LINE_PRN.DEF (pens) and STR_PRN.DEF (fonts),
// data files beside the programs, CP932 with CR LF.
//
// Both files: line 1 is a header and skipped, blank lines are skipped, fields are split
// at commas outside double quotes, blanks around a plain field are dropped (and so is
// anything between a closing quote and the next comma), and the first record whose
// first field is END ends the table. Records become rows 1, 2, ...
// in order; figures refer to a row by its number.
//
// LINE_PRN.DEF record:  key, width, pen style, colour
//   width      pen width in tenths of a millimetre (0: the thinnest line the device draws)
//   pen style  0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible
//   colour     a colour name or #RRGGBB; empty is black
// STR_PRN.DEF record:   key, character set, face, height, weight, italic, underline, colour
//   height     character height in twips (1/1440 inch): a full-width character is that
//              tall and that wide, a half-width one half as wide
//   weight     600 or more draws bold
//   italic, underline   0 no, anything else yes
//   The face is not used for drawing: figure texts are drawn in the fixed-pitch report
//   font, so that their widths are the ones the figure writer computed. Nor is the
//   character set.
//
// Two readings: the strict one of the figure writer (ReadLineStyles, ReadTextStyles:
// a faulty file throws FormatError) and the lenient one of the viewer (StyleTables: a
// faulty row keeps the built-in style and is said in problems()).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::formats {

/// Twips to millimetres (1440 twips to the inch).
inline double TwipsToMm(double twips) {
    return twips / 1440.0 * 25.4;
}

struct LineStyle {
    std::string Key;
    std::int32_t Width = 2;     ///< pen width in tenths of a millimetre (0 the thinnest line)
    std::int32_t PenStyle = 0;  ///< 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible
    std::string Colour;         ///< as written in the file; empty is black
    double widthMm() const { return Width / 10.0; }
    bool invisible() const { return PenStyle == 5; }
};

struct TextStyle {
    std::string Key;
    std::int32_t Charset = 128;  ///< 128 Japanese
    std::string Face;
    /// Character height in twips: a full-width character is this tall and wide, a
    /// half-width one half as wide. The built-in style is 3 mm.
    double Height = 3.0 / 25.4 * 1440.0;
    std::int32_t Weight = 400;  ///< 600 or more draws bold
    std::int32_t Italic = 0;
    std::int32_t Underline = 0;
    std::string Colour;
    double heightMm() const { return TwipsToMm(Height); }
    bool bold() const { return Weight >= 600; }
    bool italic() const { return Italic != 0; }
    bool underline() const { return Underline != 0; }
};

inline constexpr int kLineStyleRows = 9;
inline constexpr int kTextStyleRows = 2;

/// Strict reading: throw FormatError when the file is missing or unreadable, a record
/// has too few fields or a number field is not an integer, END is missing, or there are
/// more records than the table's rows.
std::vector<LineStyle> ReadLineStyles(const std::string& path);
std::vector<TextStyle> ReadTextStyles(const std::string& path);

/// Splits one record line (UTF-8) into its fields.
std::vector<std::string> splitStyleRecord(std::string_view line);

/// Rows of a style file given as its CP932 bytes: one field list per record, up to the
/// END record. A file without END keeps every record.
std::vector<std::vector<std::string>> readStyleRecords(std::string_view bytes);

/// Both tables, read leniently or taken from the strict readers.
class StyleTables {
  public:
    StyleTables() = default;
    StyleTables(std::vector<LineStyle> lines, std::vector<TextStyle> texts)
        : lines_(std::move(lines)), texts_(std::move(texts)) {}

    /// Loads both files from a folder. A missing or faulty file leaves the built-in
    /// styles in place and adds a message to problems().
    void load(const std::string& folder);
    void loadLineStyles(const std::string& path);
    void loadTextStyles(const std::string& path);
    /// Parses file contents; rows with faulty fields keep the built-in values (a pen
    /// wider than 2 mm is taken as 2 mm).
    void setLineStyles(std::string_view bytes, const std::string& fileName);
    void setTextStyles(std::string_view bytes, const std::string& fileName);

    /// Row `index` (from 1); the built-in style when there is no such row.
    const LineStyle& line(int index) const;
    const TextStyle& text(int index) const;
    bool hasLine(int index) const { return index >= 1 && index <= static_cast<int>(lines_.size()); }
    bool hasText(int index) const { return index >= 1 && index <= static_cast<int>(texts_.size()); }
    int lineCount() const { return static_cast<int>(lines_.size()); }
    int textCount() const { return static_cast<int>(texts_.size()); }
    const std::vector<LineStyle>& lines() const { return lines_; }
    const std::vector<TextStyle>& texts() const { return texts_; }
    const std::vector<std::string>& problems() const { return problems_; }

  private:
    std::vector<LineStyle> lines_;
    std::vector<TextStyle> texts_;
    std::vector<std::string> problems_;
};

}  // namespace nuvra::formats
