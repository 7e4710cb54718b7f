// CP932 text split into characters with their page columns.
//
// Print lines are laid out in bytes of code page 932: a single-byte character takes one
// half-width column, a double-byte character two. The painter needs each character's
// code point and its column, so it walks the bytes itself; the code points come from a
// table built once from the project's one CP932 converter (common/cp932.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nuvra::formats {

struct Cp932Char {
    char32_t code = 0;       ///< Unicode code point; U+FFFD when the bytes are not CP932
    std::uint8_t bytes = 1;  ///< bytes taken from the source (1 or 2)
    bool valid = true;       ///< false when the bytes are not a CP932 character
    /// Half-width columns on the page: the byte count, as the writer counted them.
    int columns() const { return bytes; }
};

/// The character that starts at byte `pos` of `bytes` (pos < bytes.size()).
Cp932Char cp932CharAt(std::string_view bytes, std::size_t pos);

/// UTF-8 text of CP932 bytes; invalid sequences become U+FFFD. `clean` (when given)
/// becomes false when any did.
std::string cp932ToUtf8(std::string_view bytes, bool* clean = nullptr);

/// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t code);

}  // namespace nuvra::formats
