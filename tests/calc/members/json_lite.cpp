#include "json_lite.h"

#include <charconv>
#include <stdexcept>

namespace nuvra::test {
namespace {

struct Parser {
    const std::string& t;
    std::size_t i = 0;

    [[noreturn]] void fail() { throw std::runtime_error("bad JSON at " + std::to_string(i)); }
    void ws() {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\n' || t[i] == '\r' || t[i] == '\t'))
            ++i;
    }
    bool lit(const char* s) {
        std::string_view v(s);
        if (t.compare(i, v.size(), v) != 0) return false;
        i += v.size();
        return true;
    }
    std::string string() {
        if (t[i++] != '"') fail();
        std::string out;
        while (i < t.size() && t[i] != '"') {
            char c = t[i++];
            if (c == '\\') {
                char e = t.at(i++);
                switch (e) {
                    case 'n':
                        out += '\n';
                        break;
                    case 't':
                        out += '\t';
                        break;
                    case 'r':
                        out += '\r';
                        break;
                    case 'u':
                        fail();  // the reference files hold UTF-8 text directly
                    default:
                        out += e;
                }
            } else {
                out += c;
            }
        }
        if (i >= t.size()) fail();
        ++i;
        return out;
    }
    Json value() {
        ws();
        if (i >= t.size()) fail();
        Json j;
        char c = t[i];
        if (c == '{') {
            j.kind = Json::Kind::Object;
            ++i;
            ws();
            if (t[i] == '}') return ++i, j;
            for (;;) {
                ws();
                std::string key = string();
                ws();
                if (t[i++] != ':') fail();
                j.obj[key] = value();
                ws();
                if (t[i] == ',') {
                    ++i;
                    continue;
                }
                if (t[i++] != '}') fail();
                return j;
            }
        }
        if (c == '[') {
            j.kind = Json::Kind::Array;
            ++i;
            ws();
            if (t[i] == ']') return ++i, j;
            for (;;) {
                j.arr.push_back(value());
                ws();
                if (t[i] == ',') {
                    ++i;
                    continue;
                }
                if (t[i++] != ']') fail();
                return j;
            }
        }
        if (c == '"') {
            j.kind = Json::Kind::String;
            j.str = string();
            return j;
        }
        if (lit("null")) return j;
        if (lit("true") || lit("false")) {
            j.kind = Json::Kind::Bool;
            j.b = t[i - 1] == 'e' && t[i - 2] == 'u';  // "true" ends in "ue"
            return j;
        }
        j.kind = Json::Kind::Number;
        auto r = std::from_chars(t.data() + i, t.data() + t.size(), j.num);
        if (r.ec != std::errc()) fail();
        i = static_cast<std::size_t>(r.ptr - t.data());
        return j;
    }
};

}  // namespace

double Json::d() const {
    if (kind != Kind::Number) throw std::runtime_error("not a number");
    return num;
}

Json parseJson(const std::string& text) {
    Parser p{text};
    Json j = p.value();
    p.ws();
    if (p.i != text.size()) p.fail();
    return j;
}

}  // namespace nuvra::test
