#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "common/cp932.h"

namespace nuvra {
namespace {

std::string toChars(double x, std::chars_format fmt, int precision) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x, fmt, precision);
    return std::string(buf, r.ptr);
}

// |x| rounded half away from zero to `decimals` places, decided on the
// 15-significant-digit decimal text. Returns integer digits (no leading zeros, empty
// for zero) and exactly `decimals` fraction digits.
void roundDecimalDigits(double ax, int decimals, std::string& intPart, std::string& fracPart) {
    intPart.clear();
    fracPart.assign(static_cast<std::size_t>(decimals), '0');
    std::string sci = toChars(ax, std::chars_format::scientific, 14);  // d.dddddddddddddde±XX
    std::string digits;
    std::size_t epos = sci.find('e');
    for (std::size_t i = 0; i < epos; ++i)
        if (sci[i] != '.') digits += sci[i];
    int exp10 = std::stoi(sci.substr(epos + 1));
    if (digits.find_first_not_of('0') == std::string::npos) return;  // zero
    // value = 0.digits * 10^(exp10 + 1); keep the digits in front of the rounding place.
    int keep = exp10 + 1 + decimals;
    if (keep < 0) return;
    if (keep < static_cast<int>(digits.size())) {
        bool up = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++exp10;
            }
        }
    }
    // Place digits: the first exp10+1 are integer digits.
    int intCount = exp10 + 1;
    std::string all = digits;
    if (intCount < 0) {
        all.insert(0, static_cast<std::size_t>(-intCount), '0');
        intCount = 0;
    }
    std::size_t need = static_cast<std::size_t>(intCount + decimals);
    if (all.size() < need) all.append(need - all.size(), '0');
    intPart = all.substr(0, static_cast<std::size_t>(intCount));
    fracPart = all.substr(static_cast<std::size_t>(intCount), static_cast<std::size_t>(decimals));
    std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
}

struct Token {
    enum Kind { Literal, Digit0, DigitHash, Point, Comma } kind;
    std::string text;  // literal text
    bool fraction = false;
};

std::vector<Token> tokenize(std::string_view pat) {
    std::vector<Token> out;
    bool seenPoint = false;
    for (std::size_t i = 0; i < pat.size();) {
        char c = pat[i];
        if (c == '\\' && i + 1 < pat.size()) {
            std::size_t n = utf8CharLength(pat, i + 1);
            out.push_back({Token::Literal, std::string(pat.substr(i + 1, n))});
            i += 1 + n;
            continue;
        }
        if (c == '"') {
            std::size_t end = pat.find('"', i + 1);
            if (end == std::string_view::npos) end = pat.size();
            out.push_back({Token::Literal, std::string(pat.substr(i + 1, end - i - 1))});
            i = end + 1;
            continue;
        }
        if (c == '0' || c == '#') {
            out.push_back({c == '0' ? Token::Digit0 : Token::DigitHash, {}, seenPoint});
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            out.push_back({Token::Point, {}});
        } else if (c == ',' && !seenPoint) {
            out.push_back({Token::Comma, {}});
        } else {
            std::size_t n = utf8CharLength(pat, i);
            out.push_back({Token::Literal, std::string(pat.substr(i, n))});
            i += n;
            continue;
        }
        ++i;
    }
    return out;
}

std::vector<std::string_view> splitSections(std::string_view pat) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    bool inQuote = false;
    for (std::size_t i = 0; i < pat.size(); ++i) {
        if (pat[i] == '\\') {
            ++i;
        } else if (pat[i] == '"') {
            inQuote = !inQuote;
        } else if (pat[i] == ';' && !inQuote) {
            out.push_back(pat.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(pat.substr(start));
    return out;
}

std::string formatSection(double ax, std::string_view section) {
    std::vector<Token> toks = tokenize(section);
    int intPlaces = 0, fracPlaces = 0, minInt = 0;
    bool grouping = false, seenIntDigit = false, seenZero = false;
    for (const Token& t : toks) {
        bool digit = t.kind == Token::Digit0 || t.kind == Token::DigitHash;
        if (digit && t.fraction) {
            ++fracPlaces;
        } else if (digit) {
            ++intPlaces;
            seenIntDigit = true;
            if (t.kind == Token::Digit0) seenZero = true;
            if (seenZero) ++minInt;
        } else if (t.kind == Token::Comma && seenIntDigit) {
            grouping = true;
        }
    }
    std::string ip, fp;
    roundDecimalDigits(ax, fracPlaces, ip, fp);
    if (static_cast<int>(ip.size()) < minInt)
        ip.insert(0, static_cast<std::size_t>(minInt) - ip.size(), '0');
    if (grouping && ip.size() > 3) {
        std::string g;
        std::size_t lead = ip.size() % 3;
        if (lead == 0) lead = 3;
        g = ip.substr(0, lead);
        for (std::size_t i = lead; i < ip.size(); i += 3)
            g += "," + ip.substr(i, 3);
        ip = g;
    }
    // Fraction digits at trailing "#" places are dropped while they are zero.
    std::vector<bool> showFrac(static_cast<std::size_t>(fracPlaces), true);
    {
        int k = fracPlaces - 1;
        for (auto it = toks.rbegin(); it != toks.rend() && k >= 0; ++it) {
            if (!it->fraction || (it->kind != Token::Digit0 && it->kind != Token::DigitHash))
                continue;
            if (it->kind == Token::DigitHash && fp[static_cast<std::size_t>(k)] == '0') {
                showFrac[static_cast<std::size_t>(k)] = false;
                --k;
            } else {
                break;
            }
        }
    }
    std::string out;
    bool intDone = false;
    int fk = 0;
    auto emitInt = [&] {
        if (!intDone) out += ip;
        intDone = true;
    };
    for (const Token& t : toks) {
        switch (t.kind) {
            case Token::Literal:
                out += t.text;
                break;
            case Token::Comma:
                break;
            case Token::Digit0:
            case Token::DigitHash:
                if (!t.fraction) {
                    emitInt();
                } else {
                    if (showFrac[static_cast<std::size_t>(fk)])
                        out += fp[static_cast<std::size_t>(fk)];
                    ++fk;
                }
                break;
            case Token::Point:
                emitInt();
                out += '.';
                break;
        }
    }
    return out;
}

}  // namespace

std::string shortest15(double x) {
    if (x == 0) return "0";
    return toChars(x, std::chars_format::general, 15);
}

std::string generalNumber(double x) {
    if (!std::isfinite(x)) return std::isnan(x) ? "NaN" : (x < 0 ? "-Inf" : "Inf");
    if (x == 0) return "0";
    std::string s = shortest15(std::fabs(x));
    if (s.size() > 1 && s[0] == '0' && s[1] == '.') s.erase(0, 1);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return x < 0 ? "-" + s : s;
}

std::string inputFileNumber(double x) {
    if (x < 0) return "-" + generalNumber(-x) + " ";
    return " " + generalNumber(x) + " ";
}

std::string decimalText(double x) {
    return shortest15(x);
}

std::string roundTripNumber(double x) {
    if (!std::isfinite(x)) return "null";
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

std::string formatPicture(double x, std::string_view pattern) {
    if (!std::isfinite(x)) return std::isnan(x) ? "NaN" : (x < 0 ? "-Inf" : "Inf");
    std::vector<std::string_view> sections = splitSections(pattern);
    bool negative = x < 0;
    double ax = std::fabs(x);
    if (negative && sections.size() > 1 && !sections[1].empty())
        return formatSection(ax, sections[1]);
    std::string body = formatSection(ax, sections[0]);
    return negative ? "-" + body : body;
}

std::string formatField(double x, std::string_view pattern) {
    std::string out;
    if (!pattern.empty() && pattern[0] == '+') {
        out = formatPicture(x, pattern.substr(1));
        if (x >= 0) out = "+" + out;
    } else if (!pattern.empty() && pattern[0] == '\\') {
        out = "\\" + formatPicture(x, pattern.substr(1));
    } else {
        out = formatPicture(x, pattern);
    }
    std::size_t plen = utf8Length(pattern), olen = utf8Length(out);
    if (olen < plen) out.insert(0, plen - olen, ' ');
    return out;
}

std::string errorCodeSuffix(long code) {
    return "（ｴﾗｰｺｰﾄﾞ ： " + formatPicture(static_cast<double>(code), "##,##0）");
}

}  // namespace nuvra
