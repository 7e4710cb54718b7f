// Template blocks of the report template file (Nuvra.FMT).
//
// The file is CP932 text of named blocks: a line holding exactly the block's name, the
// block's lines, and a line "End". Inside a block a line starting with "'" is a comment;
// every other line is a template line laid out in character columns:
//
//   1-3  line number (leading blanks, optional sign, rounded half to even)
//   4    separator, not read
//   5    level digit 0-5 (anything else reads as 0)
//   6-   template text: fixed wording with number fields ("##0.00") and text fields
//
// A block is read into fresh arrays indexed by line number (1 to the capacity, 50 unless
// a chapter asks for more). Asking for a line the block did not define is an error.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::report {

class FormatBlock {
  public:
    explicit FormatBlock(std::string name = {}, int capacity = 50);

    const std::string& Name() const { return name_; }
    int Capacity() const { return static_cast<int>(lines_.size()); }
    /// Number of template lines read into the block (comments not counted).
    int Count() const { return count_; }

    /// Stores line k; throws ReportError when k lies outside 1 to Capacity().
    void Set(int k, std::int32_t level, std::string text);
    bool Has(int k) const;
    /// Level and text (UTF-8) of line k; throw ReportError when the block has no line k.
    std::int32_t Level(int k) const;
    const std::string& Text(int k) const;

  private:
    struct Line {
        std::int32_t level;
        std::string text;
    };
    const Line& line(int k) const;

    std::string name_;
    std::vector<std::optional<Line>> lines_;
    int count_ = 0;
};

/// Reads the block `name` (matched against whole lines, case-sensitive) from the
/// template file. Throws ReportError when the file cannot be read, the block or its
/// "End" is missing, or a line number lies outside 1 to `capacity` (a blank line inside
/// a block has number 0).
FormatBlock ReadFormatBlock(const std::string& path, std::string_view name, int capacity = 50);

}  // namespace nuvra::report
