// Filling the number and text fields of a template line.
//
// Fields are found and filled on the CP932 bytes of the template, so positions and
// widths count bytes (a full-width character is two). Number fields start with "#",
// "+#" or "\#" and run over the following "#", ",", "." and "0" bytes; they take the
// number values in order and stand right-aligned. Text fields run from "&" to the next
// "&" (both included; "&>" aligns right) or are a single "!" (right-aligned); they take
// the text values in order and are placed after the numbers, so they win where the two
// overlap. At most 20 fields of each kind are found.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::report {

inline constexpr std::size_t kMaxFields = 20;

struct NumberField {
    std::size_t pos;      ///< byte offset in the line
    std::size_t width;    ///< bytes
    std::string pattern;  ///< the field's bytes, e.g. "##0.00", "+#0.00", "\##0"
};

struct TextField {
    std::size_t pos;
    std::size_t width;  ///< bytes, both "&" included
    bool right;         ///< "&>...&" and "!" are right-aligned
};

std::vector<NumberField> ScanNumberFields(std::string_view bytes);
std::vector<TextField> ScanTextFields(std::string_view bytes);

/// The text padded with blanks to `width` characters (in front when right-aligned);
/// longer texts stay whole. UTF-8 in and out.
std::string FormatTextForField(std::string_view text, std::size_t width, bool right);

/// Writes the first `width` bytes of `value` over the line at `pos` (fewer when the
/// value is shorter); the line keeps its length. Should the cut fall inside a
/// double-byte character, its lone lead byte becomes a blank, so the line stays valid
/// CP932.
void PlaceValue(std::string& line, std::size_t pos, std::size_t width, std::string_view value);

/// The template (UTF-8) as CP932 bytes with number field i filled from numbers[i-1]
/// (formatted by its pattern) and text field i from texts[i-1]. Throws ReportError
/// when a field has no value in its array, a number is not finite, or a text cannot
/// be written in CP932.
std::string FillTemplate(std::string_view templateText, std::span<const double> numbers,
                         std::span<const std::string> texts);

}  // namespace nuvra::report
