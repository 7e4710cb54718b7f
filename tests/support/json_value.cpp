#include "json_value.h"

#include <charconv>
#include <stdexcept>

namespace nuvra::test {
namespace {

class Parser {
  public:
    explicit Parser(std::string_view t) : t_(t) {}

    JsonValue document() {
        JsonValue v = value();
        ws();
        if (p_ != t_.size()) fail("trailing text");
        return v;
    }

  private:
    [[noreturn]] void fail(const char* what) {
        throw std::runtime_error(std::string("json: ") + what + " at " + std::to_string(p_));
    }
    void ws() {
        while (p_ < t_.size() &&
               (t_[p_] == ' ' || t_[p_] == '\n' || t_[p_] == '\r' || t_[p_] == '\t'))
            ++p_;
    }
    bool eat(char c) {
        ws();
        if (p_ < t_.size() && t_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }
    void expect(char c) {
        if (!eat(c)) fail("unexpected character");
    }
    bool word(std::string_view w) {
        if (t_.substr(p_, w.size()) != w) return false;
        p_ += w.size();
        return true;
    }

    JsonValue value() {
        ws();
        if (p_ >= t_.size()) fail("unexpected end");
        JsonValue v;
        char c = t_[p_];
        if (c == '{') {
            ++p_;
            v.kind = JsonValue::Kind::Object;
            if (eat('}')) return v;
            do {
                ws();
                std::string k = string();
                expect(':');
                v.members.emplace_back(std::move(k), value());
            } while (eat(','));
            expect('}');
        } else if (c == '[') {
            ++p_;
            v.kind = JsonValue::Kind::Array;
            if (eat(']')) return v;
            do
                v.items.push_back(value());
            while (eat(','));
            expect(']');
        } else if (c == '"') {
            v.kind = JsonValue::Kind::String;
            v.text = string();
        } else if (word("true")) {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = true;
        } else if (word("false")) {
            v.kind = JsonValue::Kind::Bool;
        } else if (word("null")) {
            v.kind = JsonValue::Kind::Null;
        } else {
            v.kind = JsonValue::Kind::Number;
            std::size_t start = p_;
            if (p_ < t_.size() && t_[p_] == '-') ++p_;
            if (p_ >= t_.size() || t_[p_] < '0' || t_[p_] > '9') fail("bad value");
            while (p_ < t_.size() &&
                   std::string_view("0123456789.eE+-").find(t_[p_]) != std::string_view::npos)
                ++p_;
            v.text = std::string(t_.substr(start, p_ - start));
            auto r = std::from_chars(v.text.data(), v.text.data() + v.text.size(), v.number);
            if (r.ec != std::errc() || r.ptr != v.text.data() + v.text.size()) fail("bad number");
        }
        return v;
    }

    std::string string() {
        if (p_ >= t_.size() || t_[p_] != '"') fail("string expected");
        ++p_;
        std::string s;
        while (p_ < t_.size() && t_[p_] != '"') {
            char c = t_[p_++];
            if (static_cast<unsigned char>(c) < 0x20) fail("control character in string");
            if (c != '\\') {
                s += c;
                continue;
            }
            if (p_ >= t_.size()) fail("bad escape");
            char e = t_[p_++];
            switch (e) {
                case '"':
                    s += '"';
                    break;
                case '\\':
                    s += '\\';
                    break;
                case '/':
                    s += '/';
                    break;
                case 'n':
                    s += '\n';
                    break;
                case 'r':
                    s += '\r';
                    break;
                case 't':
                    s += '\t';
                    break;
                case 'b':
                    s += '\b';
                    break;
                case 'f':
                    s += '\f';
                    break;
                case 'u': {
                    // Only the escapes of control characters are needed here.
                    unsigned code = 0;
                    auto r = std::from_chars(t_.data() + p_, t_.data() + p_ + 4, code, 16);
                    if (r.ec != std::errc() || code > 0x7f) fail("unsupported \\u escape");
                    s += static_cast<char>(code);
                    p_ += 4;
                    break;
                }
                default:
                    fail("bad escape");
            }
        }
        if (p_ >= t_.size()) fail("unterminated string");
        ++p_;
        return s;
    }

    std::string_view t_;
    std::size_t p_ = 0;
};

}  // namespace

const JsonValue* JsonValue::find(std::string_view key) const {
    for (const auto& [k, v] : members)
        if (k == key) return &v;
    return nullptr;
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    const JsonValue* v = find(key);
    if (!v) throw std::out_of_range("json: no key " + std::string(key));
    return *v;
}

std::vector<std::string> JsonValue::keys() const {
    std::vector<std::string> k;
    for (const auto& m : members)
        k.push_back(m.first);
    return k;
}

JsonValue parseJson(std::string_view text) {
    return Parser(text).document();
}

}  // namespace nuvra::test
