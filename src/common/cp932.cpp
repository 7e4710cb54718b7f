#include "common/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace nuvra {
namespace {

// One conversion through glibc iconv. Returns nullopt on any invalid or unmappable
// input; the descriptor lives only for the call, so this is thread-safe.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    out.resize(in.size() * 2 + 16);
    char* inp = const_cast<char*>(in.data());
    size_t inleft = in.size();
    size_t done = 0;
    bool ok = true;
    while (inleft > 0) {
        char* outp = out.data() + done;
        size_t outleft = out.size() - done;
        size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
        done = out.size() - outleft;
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            ok = false;  // EILSEQ or EINVAL: invalid or truncated input
            break;
        }
        if (r > 0) {
            // glibc counts irreversible conversions; with no //TRANSLIT none should happen,
            // but refuse rather than store an approximation.
            ok = false;
            break;
        }
    }
    if (ok) {
        char* outp = out.data() + done;
        size_t outleft = out.size() - done;
        if (iconv(cd, nullptr, nullptr, &outp, &outleft) == static_cast<size_t>(-1)) ok = false;
        done = out.size() - outleft;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(done);
    return out;
}

bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    return convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> fromCp932(std::string_view cp932) {
    if (isAscii(cp932)) return std::string(cp932);
    return convert("UTF-8", "CP932", cp932);
}

std::string fromCp932Lossy(std::string_view cp932) {
    if (auto s = fromCp932(cp932)) return *s;
    std::string out;
    std::size_t i = 0;
    while (i < cp932.size()) {
        unsigned char b = static_cast<unsigned char>(cp932[i]);
        std::size_t n = (isCp932LeadByte(b) && i + 1 < cp932.size()) ? 2 : 1;
        if (auto s = fromCp932(cp932.substr(i, n))) {
            out += *s;
        } else {
            out += "\xEF\xBF\xBD";
        }
        i += n;
    }
    return out;
}

std::optional<std::size_t> cp932Length(std::string_view utf8) {
    auto s = toCp932(utf8);
    if (!s) return std::nullopt;
    return s->size();
}

std::size_t utf8CharLength(std::string_view utf8, std::size_t pos) {
    unsigned char b = static_cast<unsigned char>(utf8[pos]);
    std::size_t n = 1;
    if (b >= 0xF0 && b <= 0xF4)
        n = 4;
    else if (b >= 0xE0)
        n = 3;
    else if (b >= 0xC2 && b < 0xE0)
        n = 2;
    if (b >= 0xF5) n = 1;
    if (pos + n > utf8.size()) return 1;
    for (std::size_t k = 1; k < n; ++k) {
        unsigned char c = static_cast<unsigned char>(utf8[pos + k]);
        if ((c & 0xC0) != 0x80) return 1;
    }
    return n;
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); i += utf8CharLength(utf8, i))
        ++count;
    return count;
}

std::string firstUnmappable(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = utf8CharLength(utf8, i);
        std::string_view ch = utf8.substr(i, n);
        if (!toCp932(ch)) return std::string(ch);
        i += n;
    }
    return {};
}

}  // namespace nuvra
