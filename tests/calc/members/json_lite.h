// A small JSON reader for the reference result stores in tests/vectors.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace nuvra::test {

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool b = false;
    double num = 0;
    std::string str;
    std::vector<Json> arr;
    std::map<std::string, Json> obj;

    bool isNull() const { return kind == Kind::Null; }
    /// Member of an object; throws std::out_of_range when absent.
    const Json& operator[](const std::string& key) const { return obj.at(key); }
    const Json& operator[](std::size_t i) const { return arr.at(i); }
    double d() const;  ///< the number (throws when not a number)
};

/// Parses a whole document; throws std::runtime_error on malformed input.
Json parseJson(const std::string& text);

}  // namespace nuvra::test
