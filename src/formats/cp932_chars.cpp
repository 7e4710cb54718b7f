#include "formats/cp932_chars.h"

#include <array>
#include <memory>

#include "common/cp932.h"

namespace nuvra::formats {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Decodes the first code point of a UTF-8 text; advances pos.
char32_t nextCodePoint(const std::string& s, std::size_t& pos) {
    unsigned char b = static_cast<unsigned char>(s[pos]);
    std::size_t n = utf8CharLength(s, pos);
    char32_t c = 0;
    if (n == 1)
        c = b < 0x80 ? b : kReplacement;
    else if (n == 2)
        c = b & 0x1F;
    else if (n == 3)
        c = b & 0x0F;
    else
        c = b & 0x07;
    for (std::size_t k = 1; k < n; ++k)
        c = (c << 6) | (static_cast<unsigned char>(s[pos + k]) & 0x3F);
    pos += n;
    return c;
}

// Code points of every single-byte and double-byte CP932 character, 0 where the bytes
// are not a character. Built once; about 260 kB.
class Table {
  public:
    Table() {
        for (int b = 0; b < 256; ++b) {
            if (isCp932LeadByte(static_cast<unsigned char>(b))) continue;
            std::string one(1, static_cast<char>(b));
            if (auto u = fromCp932(one)) {
                std::size_t p = 0;
                if (!u->empty()) single_[b] = nextCodePoint(*u, p);
            }
        }
        // One conversion per lead byte over all its trail bytes; a lead byte whose row
        // has holes is converted character by character.
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isCp932LeadByte(static_cast<unsigned char>(lead))) continue;
            std::string row;
            for (int t = 0; t < 256; ++t) {
                if (!isTrailByte(static_cast<unsigned char>(t))) continue;
                row += static_cast<char>(lead);
                row += static_cast<char>(t);
            }
            if (auto u = fromCp932(row)) {
                std::size_t p = 0;
                for (int t = 0; t < 256 && p < u->size(); ++t)
                    if (isTrailByte(static_cast<unsigned char>(t)))
                        double_[lead << 8 | t] = nextCodePoint(*u, p);
                continue;
            }
            for (int t = 0; t < 256; ++t) {
                if (!isTrailByte(static_cast<unsigned char>(t))) continue;
                std::string pair{static_cast<char>(lead), static_cast<char>(t)};
                if (auto u = fromCp932(pair)) {
                    std::size_t p = 0;
                    if (!u->empty()) double_[lead << 8 | t] = nextCodePoint(*u, p);
                }
            }
        }
    }
    char32_t single(unsigned char b) const { return single_[b]; }
    char32_t pair(unsigned char lead, unsigned char trail) const {
        return double_[lead << 8 | trail];
    }

  private:
    std::array<char32_t, 256> single_{};
    std::array<char32_t, 65536> double_{};
};

const Table& table() {
    static const std::unique_ptr<Table> t = std::make_unique<Table>();
    return *t;
}

}  // namespace

Cp932Char cp932CharAt(std::string_view bytes, std::size_t pos) {
    const Table& t = table();
    unsigned char b = static_cast<unsigned char>(bytes[pos]);
    Cp932Char c;
    if (b < 0x80 && b != 0) {  // plain ASCII fast path (0x5C and 0x7E included)
        c.code = t.single(b) ? t.single(b) : b;
        return c;
    }
    if (isCp932LeadByte(b)) {
        if (pos + 1 < bytes.size() && isTrailByte(static_cast<unsigned char>(bytes[pos + 1]))) {
            c.bytes = 2;
            c.code = t.pair(b, static_cast<unsigned char>(bytes[pos + 1]));
            if (c.code == 0) {
                c.code = kReplacement;
                c.valid = false;
            }
            return c;
        }
        c.code = kReplacement;
        c.valid = false;
        return c;
    }
    c.code = t.single(b);
    if (c.code == 0 && b != 0) {
        c.code = kReplacement;
        c.valid = false;
    }
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string cp932ToUtf8(std::string_view bytes, bool* clean) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    bool ok = true;
    for (std::size_t i = 0; i < bytes.size();) {
        Cp932Char c = cp932CharAt(bytes, i);
        if (!c.valid) ok = false;
        appendUtf8(out, c.code);
        i += c.bytes;
    }
    if (clean) *clean = ok;
    return out;
}

}  // namespace nuvra::formats
