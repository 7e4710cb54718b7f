// A small strict JSON reader for the tests: objects keep their key order; "NaN",
// "Infinity" and other non-JSON tokens are refused, so a parse proves the text is clean.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuvra::test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  ///< String: the value; Number: the token as written
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    bool isNull() const { return kind == Kind::Null; }
    /// The member with this key, or nullptr.
    const JsonValue* find(std::string_view key) const;
    const JsonValue& operator[](std::string_view key) const;
    std::vector<std::string> keys() const;
};

/// Parses a whole document; throws std::runtime_error with the offset on bad input.
JsonValue parseJson(std::string_view text);

}  // namespace nuvra::test
