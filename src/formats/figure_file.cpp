#include "formats/figure_file.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/line_reader.h"
#include "common/number_format.h"
#include "formats/cp932_chars.h"
#include "formats/file_read.h"
#include "formats/format_error.h"
#include "formats/messages.h"
#include "formats/text_fields.h"

namespace nuvra::formats {
namespace {

constexpr std::size_t kMaxFigureBytes = 32u << 20;

enum class Section { Points, Rects, Segments, Circles, Arcs, Fills, Arrows, Texts };

const std::map<std::string, Section>& sectionTitles() {
    static const std::map<std::string, Section> titles{
        {"座標情報", Section::Points},   {"矩形情報", Section::Rects},
        {"線分情報", Section::Segments}, {"円情報", Section::Circles},
        {"円弧情報", Section::Arcs},     {"塗潰情報", Section::Fills},
        {"矢印(1)", Section::Arrows},    {"文字情報", Section::Texts}};
    return titles;
}

class Parser {
  public:
    Parser(std::string_view bytes, FigureFile& f) : lines_(splitLines(bytes)), f_(f) {}

    bool run(std::string& error) {
        if (!header()) return fail(error);
        while (next_ < lines_.size()) {
            std::string_view raw = lines_[next_];
            if (trimBlanks(raw).empty()) {
                ++next_;
                continue;
            }
            std::string title(trimBlanks(raw));
            auto it = sectionTitles().find(cp932ToUtf8(title));
            if (it == sectionTitles().end()) {
                message_ = "見出し「" + cp932ToUtf8(title) + "」は図ファイルの項目ではありません";
                line_ = next_ + 1;
                return fail(error);
            }
            ++next_;
            if (!section(it->second)) return fail(error);
        }
        if (!checkReferences()) return fail(error);
        return true;
    }

  private:
    bool fail(std::string& error) {
        error = line_ > 0 ? std::to_string(line_) + " 行目: " + message_ : message_;
        return false;
    }
    bool bad(std::size_t lineIndex, std::string what) {
        line_ = lineIndex + 1;
        message_ = std::move(what);
        return false;
    }

    bool header() {
        if (lines_.size() < 3) {
            message_ = "図ファイルの見出し（3 行）がありません";
            return false;
        }
        f_.label = cp932ToUtf8(lines_[0]);
        f_.title = cp932ToUtf8(lines_[1]);
        auto fields = splitBlanks(lines_[2]);
        double* out[6] = {&f_.width, &f_.height, &f_.minX, &f_.minY, &f_.maxX, &f_.maxY};
        if (fields.size() != 6) return bad(2, "図の範囲（6 個の数値）が正しくありません");
        for (int i = 0; i < 6; ++i) {
            auto v = parseNumber(fields[static_cast<std::size_t>(i)]);
            if (!v) return bad(2, "図の範囲の数値が正しくありません");
            *out[i] = *v;
        }
        next_ = 3;
        return true;
    }

    // Reads the element lines of a section up to its END.
    bool section(Section s) {
        std::size_t count = 0;
        while (true) {
            if (next_ >= lines_.size()) return bad(next_ - 1, "項目の終わり（END）がありません");
            std::size_t at = next_++;
            std::string_view raw = lines_[at];
            if (trimBlanks(raw) == "END" && !(s == Section::Texts && textFollows(at))) return true;
            ++count;
            if (s == Section::Texts) {
                if (next_ >= lines_.size()) return bad(at, "文字の位置の行がありません");
                if (!text(raw, next_++)) return false;
                continue;
            }
            auto fields = splitCommas(raw);
            if (!element(s, at, fields, count)) return false;
        }
    }

    // A text whose content is "END" is followed by its position line.
    bool textFollows(std::size_t at) const {
        if (at + 1 >= lines_.size()) return false;
        auto fields = splitCommas(lines_[at + 1]);
        return fields.size() == 4 && parseNumber(fields[0]) && parseNumber(fields[1]);
    }

    bool numbers(std::size_t at, const std::vector<std::string_view>& fields, std::size_t n,
                 std::vector<double>& out) {
        if (fields.size() < n) return bad(at, "数値が " + std::to_string(n) + " 個ありません");
        out.clear();
        for (std::size_t i = 0; i < n; ++i) {
            auto v = parseNumber(fields[i]);
            if (!v) return bad(at, "「" + cp932ToUtf8(fields[i]) + "」は数値ではありません");
            out.push_back(*v);
        }
        return true;
    }
    bool whole(std::size_t at, double v, int& out) {
        if (v != std::floor(v) || std::fabs(v) > 1e9) return bad(at, "番号が整数ではありません");
        out = static_cast<int>(v);
        return true;
    }

    bool element(Section s, std::size_t at, const std::vector<std::string_view>& fields,
                 std::size_t count) {
        std::vector<double> v;
        switch (s) {
            case Section::Points: {
                if (!numbers(at, fields, 3, v)) return false;
                if (fields.size() != 3) return bad(at, "座標の行は 3 項目です");
                if (v[0] != static_cast<double>(count))
                    return bad(at, "座標の番号が順番どおりではありません");
                f_.points.push_back({v[1], v[2]});
                return true;
            }
            case Section::Rects: {
                FigRect r;
                if (!numbers(at, fields, 5, v) || !whole(at, v[1], r.cornerA) ||
                    !whole(at, v[2], r.cornerB) || !whole(at, v[3], r.style) ||
                    !whole(at, v[4], r.fill))
                    return false;
                f_.rects.push_back(r);
                return true;
            }
            case Section::Segments: {
                FigSegment g;
                if (!numbers(at, fields, 4, v) || !whole(at, v[1], g.from) ||
                    !whole(at, v[2], g.to) || !whole(at, v[3], g.style))
                    return false;
                f_.segments.push_back(g);
                return true;
            }
            case Section::Circles: {
                FigCircle c;
                if (!numbers(at, fields, 4, v) || !whole(at, v[1], c.center) ||
                    !whole(at, v[3], c.style))
                    return false;
                c.radius = v[2];
                if (c.radius < 0) return bad(at, "円の半径が負です");
                f_.circles.push_back(c);
                return true;
            }
            case Section::Arcs: {
                FigArc a;
                if (!numbers(at, fields, 7, v) || !whole(at, v[6], a.style)) return false;
                a.cx = v[1];
                a.cy = v[2];
                a.radius = v[3];
                a.startDeg = v[4];
                a.endDeg = v[5];
                if (a.radius < 0) return bad(at, "円弧の半径が負です");
                f_.arcs.push_back(a);
                return true;
            }
            case Section::Fills: {
                FigFill fl;
                if (!numbers(at, fields, 3, v) || !whole(at, v[1], fl.first) ||
                    !whole(at, v[2], fl.last))
                    return false;
                // The text is everything after the third comma, unformatted.
                std::string_view raw = lines_[at];
                std::size_t pos = 0;
                for (int k = 0; k < 3 && pos != std::string_view::npos; ++k) {
                    pos = raw.find(',', pos);
                    if (pos != std::string_view::npos) ++pos;
                }
                if (pos != std::string_view::npos)
                    fl.color = cp932ToUtf8(trimBlanks(raw.substr(pos)));
                f_.fills.push_back(fl);
                return true;
            }
            case Section::Arrows: {
                FigArrow a;
                if (!numbers(at, fields, 4, v) || !whole(at, v[1], a.point) ||
                    !whole(at, v[2], a.direction) || !whole(at, v[3], a.style))
                    return false;
                if (a.direction < 1 || a.direction > 8)
                    return bad(at, "矢印の向きは 1 から 8 です");
                f_.arrows.push_back(a);
                return true;
            }
            case Section::Texts:
                break;
        }
        return true;
    }

    bool text(std::string_view content, std::size_t at) {
        FigText t;
        t.bytes = std::string(content);
        std::vector<double> v;
        auto fields = splitCommas(lines_[at]);
        if (!numbers(at, fields, 4, v) || !whole(at, v[2], t.style) ||
            !whole(at, v[3], t.direction))
            return false;
        t.x = v[0];
        t.y = v[1];
        if (t.direction != 1 && t.direction != 3) return bad(at, "文字の向きは 1 か 3 です");
        f_.texts.push_back(std::move(t));
        return true;
    }

    // Every point number must name a point.
    bool checkReferences() {
        const int n = static_cast<int>(f_.points.size());
        auto ok = [n](int p) { return p >= 1 && p <= n; };
        for (const auto& g : f_.segments)
            if (!ok(g.from) || !ok(g.to)) return refError("線分");
        for (const auto& c : f_.circles)
            if (!ok(c.center)) return refError("円");
        for (const auto& a : f_.arrows)
            if (!ok(a.point)) return refError("矢印");
        for (const auto& r : f_.rects)
            if (!ok(r.cornerA) || !ok(r.cornerB)) return refError("矩形");
        for (const auto& fl : f_.fills)
            if (!ok(fl.first) || !ok(fl.last) || fl.last < fl.first) return refError("塗潰し");
        return true;
    }
    bool refError(const std::string& what) {
        line_ = 0;
        message_ = what + "が存在しない座標番号を指しています";
        return false;
    }

    std::vector<std::string_view> lines_;
    FigureFile& f_;
    std::size_t next_ = 0;
    std::size_t line_ = 0;
    std::string message_;
};

// Blanks up to the start of the next 14-column zone; a full zone when the text ends
// exactly on a boundary.
std::string toNextZone(std::size_t column) {
    return std::string(14 - column % 14, ' ');
}

std::string cp932Of(const std::string& utf8) {
    std::optional<std::string> b = toCp932(utf8);
    if (!b)
        throw FormatError("the figure file holds \"" + firstUnmappable(utf8) +
                          "\", which code page 932 cannot hold");
    return *b;
}

}  // namespace

bool parseFigureFile(std::string_view bytes, FigureFile& figure, std::string& error) {
    figure = FigureFile{};
    if (bytes.find('\0') != std::string_view::npos) {
        error = "図ファイルではありません（テキストではありません）";
        return false;
    }
    Parser p(bytes, figure);
    return p.run(error);
}

bool readFigureFile(const std::string& path, FigureFile& figure, std::string& error) {
    std::string bytes;
    bool tooLarge = false;
    if (std::int32_t err = readLimitedFile(path, kMaxFigureBytes, bytes, tooLarge); err != 0) {
        error = "図ファイル " + fileNameOf(path) +
                (tooLarge ? " が大きすぎます" : " を読めません（" + fileProblemText(err) + "）");
        return false;
    }
    std::string why;
    if (!parseFigureFile(bytes, figure, why)) {
        error = "図ファイル " + fileNameOf(path) + " の形式が正しくありません（" + why + "）";
        return false;
    }
    return true;
}

FigureFile ReadFigureFile(const std::string& path) {
    FigureFile f;
    std::string error;
    if (!readFigureFile(path, f, error)) throw FormatError(error);
    return f;
}

FigureExtents ReadFigureExtents(const std::string& figurePath) {
    LineReader in;
    if (std::int32_t rc = in.open(figurePath); rc != 0)
        throw FormatError("cannot open the figure file " + figurePath + ": " + fileErrorText(rc));
    std::string line;
    for (int i = 0; i < 3; ++i)
        if (!in.readLine(line))
            throw FormatError("figure file " + figurePath + " has no extents line");
    double v[6];
    std::size_t pos = 0;
    for (int i = 0; i < 6; ++i) {
        std::size_t comma = line.find(',', pos);
        std::string_view field = std::string_view(line).substr(
            pos, comma == std::string::npos ? std::string::npos : comma - pos);
        while (!field.empty() && field.front() == ' ')
            field.remove_prefix(1);
        while (!field.empty() && field.back() == ' ')
            field.remove_suffix(1);
        auto r = std::from_chars(field.data(), field.data() + field.size(), v[i]);
        if (field.empty() || r.ec != std::errc() || r.ptr != field.data() + field.size())
            throw FormatError("figure file " + figurePath + ": bad extents line");
        if (comma == std::string::npos && i < 5)
            throw FormatError("figure file " + figurePath + ": bad extents line");
        pos = comma == std::string::npos ? line.size() : comma + 1;
    }
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

std::string FigureFileBytes(const FigureFile& f) {
    const char* I = "###0";   // element indexes
    const char* P = "####0";  // point references, styles, integers
    const char* R = "###0.000000";
    const char* S = ", ";
    auto fmt = [](double v, const char* pattern) { return formatPicture(v, pattern); };
    std::string out;
    auto line = [&out](const std::string& s) { out += s + "\r\n"; };
    line(cp932Of(f.label));
    line(cp932Of(f.title));

    std::string ext =
        fmt(f.width, "###0.00") + S + fmt(f.height, "###0.00") + S + fmt(f.minX, "###0.00") + S;
    ext += toNextZone(ext.size());
    ext += fmt(f.minY, "###0.00") + S + fmt(f.maxX, "###0.00") + S + fmt(f.maxY, "###0.00");
    line(ext);

    line(cp932Of("座標情報"));
    int i = 0;
    for (const FigPoint& p : f.points)
        line(fmt(++i, I) + S + fmt(p.x, R) + S + fmt(p.y, R));
    line("END");
    auto section = [&](const auto& items, const char* title, auto&& row) {
        if (items.empty()) return;
        line(cp932Of(title));
        int n = 0;
        for (const auto& item : items)
            row(++n, item);
        line("END");
    };
    section(f.rects, "矩形情報", [&](int n, const FigRect& r) {
        line(fmt(n, I) + S + fmt(r.cornerA, P) + S + fmt(r.cornerB, P) + S + fmt(r.style, P) + S +
             fmt(r.fill, P));
    });
    section(f.segments, "線分情報", [&](int n, const FigSegment& g) {
        line(fmt(n, I) + S + fmt(g.from, P) + S + fmt(g.to, P) + S + fmt(g.style, P));
    });
    section(f.circles, "円情報", [&](int n, const FigCircle& c) {
        line(fmt(n, I) + S + fmt(c.center, P) + S + fmt(c.radius, R) + S + fmt(c.style, P));
    });
    section(f.arcs, "円弧情報", [&](int n, const FigArc& a) {
        line(fmt(n, I) + S + fmt(a.cx, R) + S + fmt(a.cy, R) + S + fmt(a.radius, R) + S +
             fmt(a.startDeg, R) + S + fmt(a.endDeg, R) + S + fmt(a.style, P));
    });
    section(f.fills, "塗潰情報", [&](int n, const FigFill& fl) {
        line(fmt(n, I) + S + fmt(fl.first, I) + S + fmt(fl.last, I) + S + cp932Of(fl.color));
    });
    section(f.arrows, "矢印(1)", [&](int n, const FigArrow& a) {
        line(fmt(n, I) + S + fmt(a.point, P) + S + fmt(a.direction, P) + S + fmt(a.style, P));
    });
    if (!f.texts.empty()) {
        line(cp932Of("文字情報"));
        for (const FigText& t : f.texts) {
            line(t.bytes);
            line(fmt(t.x, R) + S + fmt(t.y, R) + S + fmt(t.style, "##0") + S +
                 fmt(t.direction, "##0"));
        }
        line("END");
    }
    return out;
}

}  // namespace nuvra::formats
