// Code page 932 (Japanese Shift-JIS as written by Windows) at the file boundary.
// Inside the program all text is UTF-8; every file of our own formats is CP932.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nuvra {

/// UTF-8 -> CP932 bytes. Empty optional when the text holds a character that CP932
/// cannot represent, or is not valid UTF-8.
std::optional<std::string> toCp932(std::string_view utf8);

/// CP932 bytes -> UTF-8. Empty optional when the bytes are not valid CP932.
std::optional<std::string> fromCp932(std::string_view cp932);

/// CP932 -> UTF-8 that never fails: every byte sequence that does not decode becomes
/// U+FFFD. For showing damaged text, never for storing it.
std::string fromCp932Lossy(std::string_view cp932);

/// Number of bytes of the text in CP932, or empty when it cannot be represented.
std::optional<std::size_t> cp932Length(std::string_view utf8);

/// The first character of the text that CP932 cannot hold (as UTF-8), for messages.
/// Empty when the whole text converts.
std::string firstUnmappable(std::string_view utf8);

/// True when byte b starts a double-byte CP932 character.
constexpr bool isCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

/// Number of characters in a UTF-8 text (code points).
std::size_t utf8Length(std::string_view utf8);

/// Byte length of the UTF-8 character that starts at pos (1 for a malformed byte).
std::size_t utf8CharLength(std::string_view utf8, std::size_t pos);

}  // namespace nuvra
