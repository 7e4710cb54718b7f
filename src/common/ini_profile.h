// Settings file access (Nuvra.INI): a private-profile INI file in CP932 with CR LF.
//
// Matching follows the private-profile rules every Windows program of this kind relies
// on: section and key names compare case-insensitively (ASCII letters), blanks around
// names and values are dropped, one pair of matching quotes around a value is removed,
// and the first matching section and the first matching key in it win. Lines whose
// first non-blank character is ';' are comments. Writing rewrites only the one line it
// changes (or inserts one); every other byte of the file stays as it was, and the file
// is replaced atomically.
//
// Every read and write swallows its errors: reads fall back to 0 or the empty text,
// writes report only a Boolean.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nuvra {

class CPrivateProfile {
  public:
    /// Longest text a string read returns, in characters.
    static constexpr std::size_t kMaxValueChars = 127;

    /// The key's value as an integer: parsed from its start as an optionally signed
    /// decimal integer that stops at the first other character ("2355.5" -> 2355).
    /// 0 when the file, section or key is missing, the value does not start with a
    /// number, does not fit 32 bits, or anything fails.
    static std::int32_t GetValueLong(const std::string& iniPath, std::string_view section,
                                     std::string_view key);

    /// The key's text (UTF-8), cut at 127 characters; empty when missing or on any error.
    static std::string GetValueString(const std::string& iniPath, std::string_view section,
                                      std::string_view key);

    /// Writes key=value, creating the file, the section and the key as needed. False
    /// when the file cannot be read or written, or when a name or value cannot be stored
    /// (a line break, a '=' in the key, a ']' in the section, an empty key, or a
    /// character outside CP932); the file is then left untouched.
    static bool SetValueString(const std::string& iniPath, std::string_view section,
                               std::string_view key, std::string_view value);
};

}  // namespace nuvra
