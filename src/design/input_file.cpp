#include "design/input_file.h"

#include <locale.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "common/line_reader.h"
#include "common/number_format.h"
#include "design/rules.h"

namespace nuvra {
namespace {

constexpr const char* kMagic = "ZANTREL INPUT FILE FORMAT V1：";
constexpr const char* kProductLine = "PRODUCT NAME                   [ヌブラの設計]";
constexpr const char* kVersionLine = "INPUT FILE VERSION             [1.00]";

enum class Kind { Flag, Quoted, Bare, Double, Long };

struct FieldRef {
    Kind kind;
    void* p;
};

// Every stored field in file order. The slab and footing keep lower before upper bars.
std::vector<FieldRef> fileFields(DesignData& d, bool beta) {
    auto& j = d.objInpJyoken;
    auto& m = d.objInpMorido;
    auto& k = d.objInpKiso;
    auto& c = d.objInpKaburi;
    auto& z = d.objInpZairyo;
    auto& h = d.objInpHaikin;
    std::vector<FieldRef> f = {
        {Kind::Flag, &j.InpFlg},
        {Kind::Quoted, &j.Title},
        {Kind::Double, &j.H},
        {Kind::Double, &j.B},
        {Kind::Double, &j.T1},
        {Kind::Double, &j.T2},
        {Kind::Double, &j.T3},
        {Kind::Double, &j.T4},
        {Kind::Double, &j.TB},
        {Kind::Double, &j.HW},
        {Kind::Double, &j.HWi},
        {Kind::Double, &j.Fa},
        {Kind::Long, &j.Kento},
        {Kind::Flag, &m.InpFlg},
        {Kind::Long, &m.Morido},
        {Kind::Double, &m.x},
        {Kind::Double, &m.Q},
        {Kind::Double, &m.X1},
        {Kind::Double, &m.X2},
        {Kind::Double, &m.Ho},
        {Kind::Double, &m.G},
        {Kind::Double, &m.Qd},
        {Kind::Flag, &k.InpFlg},
        {Kind::Long, &k.Siji},
        {Kind::Double, &k.C},
        {Kind::Double, &k.Fai},
        {Kind::Double, &k.G1},
        {Kind::Double, &k.G2},
        {Kind::Double, &k.Df},
        {Kind::Double, &k.Qa},
        {Kind::Flag, &c.InpFlg},
        {Kind::Double, &c.TateSoto},
        {Kind::Double, &c.TateUchi},
        {Kind::Double, &c.SokoUe},
        {Kind::Double, &c.SokoSita},
        {Kind::Flag, &z.InpFlg},
        {Kind::Double, &z.Gsc},
        {Kind::Double, &z.Gs},
        {Kind::Double, &z.Gt},
        {Kind::Double, &z.Gd},
        {Kind::Double, &z.Fai},
        {Kind::Double, &z.Gw},
        {Kind::Double, &z.Sck},
        {Kind::Double, &z.Sca},
        {Kind::Double, &z.Ta},
        {Kind::Bare, &z.Toa},
        {Kind::Double, &z.Ec},
        {Kind::Long, &z.Zai},
        {Kind::Double, &z.Ssa},
        {Kind::Double, &z.Es},
        {Kind::Flag, &h.InpFlg},
        {Kind::Double, &h.TateSoto.Dia},
        {Kind::Double, &h.TateSoto.ctc},
        {Kind::Double, &h.TateUchi.Dia},
        {Kind::Double, &h.TateUchi.ctc},
        {Kind::Double, &h.SokoSita.Dia},
        {Kind::Double, &h.SokoSita.ctc},
        {Kind::Double, &h.SokoUe.Dia},
        {Kind::Double, &h.SokoUe.ctc},
        {Kind::Double, &h.FootingSita.Dia},
        {Kind::Double, &h.FootingSita.ctc},
        {Kind::Double, &h.FootingUe.Dia},
        {Kind::Double, &h.FootingUe.ctc},
    };
    if (beta) {
        for (auto it = f.begin(); it != f.end(); ++it)
            if (it->p == &j.HWi) {
                f.erase(it);
                break;
            }
    }
    return f;
}

bool storableText(const std::string& s) {
    for (char ch : s)
        if (ch == '"' || ch == '\r' || ch == '\n') return false;
    return true;
}

// The allowable bond stress is written without quotes, so it must read back as one item:
// not empty (an empty line is skipped and every later item would shift by one), no
// blanks at its ends (trimmed), no comma, quote or line break.
bool storableBareText(const std::string& s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !s.empty() && !blank(s.front()) && !blank(s.back()) && storableText(s) &&
           s.find(',') == std::string::npos;
}

// A number item: optional sign, digits with an optional point (at least one digit),
// optional exponent. No "NaN", "Inf", hexadecimal or empty items.
bool isNumberText(const std::string& s) {
    std::size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t ed = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i, ++ed;
        if (ed == 0) return false;
    }
    return i == n;
}

// Parses a number item; returns 0, kErrTypeMismatch or kErrOverflowValue.
std::int32_t parseNumber(const std::string& s, double& out) {
    if (!isNumberText(s)) return kErrTypeMismatch;
    const char* b = s.data();
    const char* e = s.data() + s.size();
    bool neg = false;
    if (*b == '+' || *b == '-') neg = *b++ == '-';
    auto r = std::from_chars(b, e, out);
    if (r.ec == std::errc::result_out_of_range) {
        // Tell an overflow from an underflow with the C library under the C locale.
        locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        double v = strtod_l(std::string(b, e).c_str(), nullptr, c);
        freelocale(c);
        if (std::isinf(v)) return kErrOverflowValue;
        out = v;
    } else if (r.ec != std::errc() || r.ptr != e) {
        return kErrTypeMismatch;
    }
    if (neg) out = -out;
    return 0;
}

std::int32_t convertItem(const FieldRef& f, const std::string& item) {
    switch (f.kind) {
        case Kind::Flag: {
            std::string u;
            for (char ch : item)
                u += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            bool& b = *static_cast<bool*>(f.p);
            if (u == "#TRUE#") {
                b = true;
            } else if (u == "#FALSE#") {
                b = false;
            } else {
                double v;
                if (std::int32_t e = parseNumber(item, v)) return e;
                b = v != 0;
            }
            return 0;
        }
        case Kind::Quoted:
        case Kind::Bare: {
            auto text = fromCp932(item);
            if (!text) return kErrNotCp932;
            *static_cast<std::string*>(f.p) = *text;
            return 0;
        }
        case Kind::Double: {
            double v;
            if (std::int32_t e = parseNumber(item, v)) return e;
            *static_cast<double*>(f.p) = v;
            return 0;
        }
        case Kind::Long: {
            double v;
            if (std::int32_t e = parseNumber(item, v)) return e;
            double r = std::nearbyint(v);  // ties to even
            if (r < -2147483648.0 || r > 2147483647.0) return kErrOverflowValue;
            *static_cast<std::int32_t*>(f.p) = static_cast<std::int32_t>(r);
            return 0;
        }
    }
    return kErrTypeMismatch;
}

FileResult fail(std::int32_t code, std::string detail) {
    return FileResult{false, code, std::move(detail)};
}

FileResult loadFile(DesignData& d, const std::string& path, bool beta) {
    NewDesignData(d);
    LineReader in;
    if (std::int32_t e = in.open(path)) return fail(e, fileErrorText(e));
    std::string line;
    for (int i = 0; i < 3; ++i) {
        if (!in.readLine(line)) {
            std::int32_t e = in.failed() ? in.error() : kErrInputPastEnd;
            NewDesignData(d);
            return fail(e, "the header has fewer than three lines");
        }
    }
    DesignData read;
    std::vector<FieldRef> fields = fileFields(read, beta);
    std::string item;
    bool quoted;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!in.readItem(item, quoted)) {
            std::int32_t e = in.failed() ? in.error() : kErrInputPastEnd;
            NewDesignData(d);
            return fail(e, "the file ends before item " + std::to_string(i + 1));
        }
        if (std::int32_t e = convertItem(fields[i], item)) {
            NewDesignData(d);
            return fail(e, "item " + std::to_string(i + 1) + " (line " + std::to_string(i + 4) +
                               "): " + fileErrorText(e));
        }
    }
    if (beta) read.objInpJyoken.HWi = read.objInpJyoken.HW;
    d = read;
    return FileResult{true, 0, {}};
}

}  // namespace

FileResult encodeInputFile(const DesignData& design, std::string& bytes) {
    bytes.clear();
    DesignData d = design;
    const std::string& title = d.objInpJyoken.Title;
    if (!storableText(title))
        return fail(kErrUnstorableChar, "the title holds a double quote or a line break");
    if (!storableBareText(d.objInpZairyo.Toa))
        return fail(kErrUnstorableChar, "the allowable bond stress text cannot be stored");
    std::string text;
    text.reserve(1024);
    text += kMagic + title + "\r\n";
    text += std::string(kProductLine) + "\r\n";
    text += std::string(kVersionLine) + "\r\n";
    for (const FieldRef& f : fileFields(d, false)) {
        switch (f.kind) {
            case Kind::Flag:
                text += *static_cast<bool*>(f.p) ? "#TRUE#" : "#FALSE#";
                break;
            case Kind::Quoted:
                text += "\"" + *static_cast<std::string*>(f.p) + "\"";
                break;
            case Kind::Bare:
                text += *static_cast<std::string*>(f.p);
                break;
            case Kind::Double:
                text += inputFileNumber(*static_cast<double*>(f.p));
                break;
            case Kind::Long:
                text += inputFileNumber(*static_cast<std::int32_t*>(f.p));
                break;
        }
        text += "\r\n";
    }
    auto cp = toCp932(text);
    if (!cp) {
        std::string bad = firstUnmappable(text);
        return fail(kErrNotCp932,
                    "the character \"" + bad + "\" cannot be stored in code page 932");
    }
    bytes = std::move(*cp);
    return FileResult{true, 0, {}};
}

FileResult SaveInputFile(const DesignData& d, const std::string& path) {
    std::string bytes;
    FileResult r = encodeInputFile(d, bytes);
    if (!r.ok) return r;
    if (std::int32_t e = writeFileAtomically(path, bytes)) return fail(e, fileErrorText(e));
    return FileResult{true, 0, {}};
}

FileResult LoadInputFile(DesignData& d, const std::string& path) {
    return loadFile(d, path, false);
}

FileResult LoadInputFileBeta(DesignData& d, const std::string& path) {
    return loadFile(d, path, true);
}

std::string unsupportedVersionMessage(const std::string& version) {
    return "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver." + version + "）には現在対応しておりません。";
}

std::string readFailureMessage(std::int32_t code) {
    return std::string(kMsgReadFailed) + errorCodeSuffix(code) + "\n\n" + kMsgAdvice;
}

std::string writeFailureMessage(std::int32_t code) {
    return std::string(kMsgWriteFailed) + errorCodeSuffix(code) + "\n\n" + kMsgAdvice;
}

OpenResult OpenInputFile(DesignData& d, const std::string& path) {
    OpenResult r;
    // The last three characters of the name decide, in any letter case.
    std::string tail;
    if (path.size() >= 3) tail = path.substr(path.size() - 3);
    for (char& ch : tail)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (tail != "NVR") {
        r.file = fail(0, "not an input file (.nvr)");
        return r;
    }
    std::string version = ReadHeaderName(path);
    if (version == "1.00") {
        r.file = LoadInputFile(d, path);
    } else if (version == "1.00β") {
        r.file = LoadInputFileBeta(d, path);
    } else {
        r.versionMessage = unsupportedVersionMessage(version);
        r.file = fail(0, "unsupported input file version " + version);
    }
    return r;
}

}  // namespace nuvra
