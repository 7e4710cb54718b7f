#include "formats/label_placement.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "common/cp932.h"
#include "formats/cp932_chars.h"
#include "formats/format_error.h"

namespace nuvra::formats {
namespace {

// Boxes that share less than this (mm) in either direction do not overlap: texts that
// merely touch, as a row of values does, stay where they are.
constexpr double kHair = 0.05;
constexpr double kStep = 0.25;       // mm, steps along the text's direction
constexpr int kAlongSteps = 60;      // up to 15 mm either way
constexpr int kAcrossLines = 2;      // up to two text heights either way
constexpr double kLineGap = 0.3;     // mm between a moved text and the one it avoids
constexpr double kAcrossCost = 2.5;  // moving across counts this much more per mm
constexpr double kMinLeader = 0.3;   // mm; a shorter leader is not drawn

struct Rect {
    double x0, y0, x1, y1;
};

Rect rectOf(const LabelBox& b, double dx, double dy) {
    if (b.direction == 1) return {b.x + dx - b.h, b.y + dy, b.x + dx, b.y + dy + b.w};
    return {b.x + dx, b.y + dy, b.x + dx + b.w, b.y + dy + b.h};
}

bool overlaps(const Rect& a, const Rect& b) {
    return std::min(a.x1, b.x1) - std::max(a.x0, b.x0) > kHair &&
           std::min(a.y1, b.y1) - std::max(a.y0, b.y0) > kHair;
}

bool empty(const LabelBox& b) {
    return b.w <= 0 || b.h <= 0;
}

// Whether the segment runs through the inside of r (shrunk by a hair, so that a line
// along a text's edge, as a dimension or a tick has, does not count): Liang-Barsky.
bool crosses(const LabelLine& l, const Rect& r) {
    const double x0 = r.x0 + kHair, x1 = r.x1 - kHair, y0 = r.y0 + kHair, y1 = r.y1 - kHair;
    if (x0 >= x1 || y0 >= y1) return false;
    double t0 = 0, t1 = 1;
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {l.x1 - x0, x1 - l.x1, l.y1 - y0, y1 - l.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// How far along the segment (0 to 1) it leaves the rectangle it starts in.
double exitAlong(const LabelLine& l, const Rect& r) {
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    double t = 1.0;
    if (dx > 0) t = std::min(t, (r.x1 - l.x1) / dx);
    if (dx < 0) t = std::min(t, (r.x0 - l.x1) / dx);
    if (dy > 0) t = std::min(t, (r.y1 - l.y1) / dy);
    if (dy < 0) t = std::min(t, (r.y0 - l.y1) / dy);
    return std::clamp(t, 0.0, 1.0);
}

struct Candidate {
    double along, across, cost;
};

// Moves to try for a text of height h, nearest first: along the text, then across it
// by whole lines.
std::vector<Candidate> candidates(double h) {
    std::vector<Candidate> out;
    const double line = h + kLineGap;
    for (int j = -kAcrossLines; j <= kAcrossLines; ++j)
        for (int k = -kAlongSteps; k <= kAlongSteps; ++k) {
            const double along = k * kStep, across = j * line;
            out.push_back({along, across, std::fabs(along) + kAcrossCost * std::fabs(across)});
        }
    std::stable_sort(out.begin(), out.end(),
                     [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
    return out;
}

}  // namespace

std::vector<LabelMove> placeLabels(const std::vector<LabelBox>& boxes,
                                   const std::vector<LabelLine>& lines) {
    std::vector<LabelMove> moves(boxes.size());
    std::vector<Rect> placed;
    std::vector<LabelLine> leaders;  // of the texts moved so far
    placed.reserve(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const LabelBox& b = boxes[i];
        if (empty(b)) continue;
        const Rect home = rectOf(b, 0, 0);
        auto clearOfTexts = [&](const Rect& r) {
            return std::none_of(placed.begin(), placed.end(),
                                [&](const Rect& p) { return overlaps(r, p); });
        };
        auto clearOfLines = [&](const Rect& r) {
            auto through = [&](const LabelLine& l) { return crosses(l, r); };
            return std::none_of(lines.begin(), lines.end(), through) &&
                   std::none_of(leaders.begin(), leaders.end(), through);
        };
        const bool homeClear = clearOfTexts(home);
        if (homeClear && clearOfLines(home)) {
            placed.push_back(home);
            continue;
        }
        // A leader runs from the middle of the text's place to its new box. Where that
        // middle lies under a text drawn before (two labels of one spot), it starts
        // where it leaves that text; it crosses no text.
        const double cx = (home.x0 + home.x1) / 2.0, cy = (home.y0 + home.y1) / 2.0;
        auto leaderFor = [&](const Rect& r, LabelLine& leader) {
            if (cx >= r.x0 && cx <= r.x1 && cy >= r.y0 && cy <= r.y1) return false;
            leader = {cx, cy, std::clamp(cx, r.x0, r.x1), std::clamp(cy, r.y0, r.y1)};
            for (const Rect& p : placed) {
                if (cx < p.x0 || cx > p.x1 || cy < p.y0 || cy > p.y1) continue;
                const double t = exitAlong(leader, p);
                leader.x1 = cx + t * (leader.x2 - cx);
                leader.y1 = cy + t * (leader.y2 - cy);
            }
            return std::hypot(leader.x2 - leader.x1, leader.y2 - leader.y1) >= kMinLeader;
        };
        auto leaderClear = [&](const Rect& r) {
            LabelLine leader;
            if (!leaderFor(r, leader)) return true;
            return std::none_of(placed.begin(), placed.end(),
                                [&](const Rect& p) { return crosses(leader, p); });
        };
        auto search = [&](bool avoidLines, bool avoidLeaders, LabelMove& m) {
            for (const Candidate& c : candidates(b.h)) {
                // Along the text's own direction: x for a horizontal text, y for an
                // upward one.
                double dx = b.direction == 1 ? -c.across : c.along;
                double dy = b.direction == 1 ? c.along : c.across;
                const Rect r = rectOf(b, dx, dy);
                if (!clearOfTexts(r) || (avoidLines && !clearOfLines(r)) ||
                    (avoidLeaders && !leaderClear(r)))
                    continue;
                m.dx = dx;
                m.dy = dy;
                return true;
            }
            return false;
        };
        // The nearest spot clear of texts and lines, with a leader clear of texts. A text
        // that only a line runs through moves for nothing less; a text on a text gives
        // up the line, then the leader, rather than stay on it.
        LabelMove m;
        const bool found = search(true, true, m) ||
                           (!homeClear && (search(false, true, m) || search(true, false, m) ||
                                           search(false, false, m)));
        if (!found) {
            placed.push_back(home);  // nowhere better nearby: left where it was
            continue;
        }
        // A text whose box no longer holds the middle of its place points back to it.
        const Rect r = rectOf(b, m.dx, m.dy);
        LabelLine leader;
        if (leaderFor(r, leader)) {
            m.leader = true;
            m.fromX = leader.x1;
            m.fromY = leader.y1;
            m.toX = leader.x2;
            m.toY = leader.y2;
            leaders.push_back(leader);
        }
        moves[i] = m;
        placed.push_back(r);
    }
    return moves;
}

int countOverlaps(const std::vector<LabelBox>& boxes, const std::vector<LabelMove>* moves) {
    std::vector<Rect> rects;
    std::vector<bool> skip;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const LabelMove m = moves ? (*moves)[i] : LabelMove{};
        rects.push_back(rectOf(boxes[i], m.dx, m.dy));
        skip.push_back(empty(boxes[i]));
    }
    int n = 0;
    for (std::size_t i = 0; i < rects.size(); ++i)
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            if (!skip[i] && !skip[j] && overlaps(rects[i], rects[j])) ++n;
    return n;
}

namespace {

// The decimals of an elevation text, or -1 when the text is not one.
int elevationDecimals(const std::string& t) {
    if (t.size() < 4 || (t[0] != '+' && t[0] != '-')) return -1;
    std::size_t point = t.find('.');
    if (point == std::string::npos || point < 2 || point + 1 >= t.size()) return -1;
    for (std::size_t i = 1; i < t.size(); ++i)
        if (i != point && !std::isdigit(static_cast<unsigned char>(t[i]))) return -1;
    return static_cast<int>(t.size() - point - 1);
}

// The elevation written with `decimals` decimals, rounded half away from zero on its
// digits (exact: the digits are taken as they stand).
std::string rounded(const std::string& t, int decimals) {
    const std::size_t point = t.find('.');
    std::string digits = t.substr(1, point - 1) + t.substr(point + 1);
    const std::size_t keep = point - 1 + static_cast<std::size_t>(decimals);
    bool up = digits.size() > keep && digits[keep] >= '5';
    digits.resize(keep);
    for (std::size_t i = digits.size(); up && i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            up = false;
        }
    }
    if (up) digits.insert(digits.begin(), '1');
    const std::size_t intDigits = digits.size() - static_cast<std::size_t>(decimals);
    return t.substr(0, 1) + digits.substr(0, intDigits) + "." + digits.substr(intDigits);
}

}  // namespace

std::vector<std::string> harmonizeElevations(const std::vector<std::string>& texts) {
    std::vector<std::string> out = texts;
    int most = -1;
    for (const std::string& t : texts)
        most = std::max(most, elevationDecimals(t));
    if (most <= 0) return out;
    for (std::string& t : out) {
        const int d = elevationDecimals(t);
        if (d < 0 || d == most) continue;
        for (const std::string& other : texts)
            if (elevationDecimals(other) == most && rounded(other, d) == t) {
                t = other;
                break;
            }
    }
    return out;
}

int countCrossedTexts(const std::vector<LabelBox>& boxes, const std::vector<LabelLine>& lines,
                      const std::vector<LabelMove>* moves) {
    int n = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (empty(boxes[i])) continue;
        const LabelMove m = moves ? (*moves)[i] : LabelMove{};
        const Rect r = rectOf(boxes[i], m.dx, m.dy);
        n += std::any_of(lines.begin(), lines.end(),
                         [&](const LabelLine& l) { return crosses(l, r); });
    }
    return n;
}

double LabelWidth(const std::string& utf8, double em) {
    std::optional<std::size_t> bytes = cp932Length(utf8);
    const double n = static_cast<double>(utf8Length(utf8));
    const double full = bytes ? static_cast<double>(*bytes) - n : 0;
    return full * em + (n - full) * em / 2;
}

double LabelWidthCp932(std::string_view bytes, double em) {
    double n = 0;
    for (std::size_t pos = 0; pos < bytes.size(); pos += cp932CharAt(bytes, pos).bytes)
        n += 1;
    const double full = static_cast<double>(bytes.size()) - n;
    return full * em + (n - full) * em / 2;
}

LayoutTexts CollectLayoutTexts(const FigureLayout& layout,
                               const std::vector<const FigureFile*>& figures,
                               const StyleTables& styles, bool strict) {
    LayoutTexts out;
    const std::size_t count = std::min(figures.size(), layout.figures.size());
    std::vector<std::string> texts;
    out.first.assign(layout.figures.size(), 0);
    for (std::size_t i = 0; i < count; ++i) {
        out.first[i] = texts.size();
        if (figures[i])
            for (const FigText& t : figures[i]->texts)
                texts.push_back(t.bytes);
    }
    for (std::size_t i = count; i < layout.figures.size(); ++i)
        out.first[i] = texts.size();
    out.shown = harmonizeElevations(texts);
    std::size_t k = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!figures[i]) continue;
        for (const FigText& t : figures[i]->texts) {
            if (strict && !styles.hasText(t.style))
                throw FormatError("text style " + std::to_string(t.style) + " does not exist");
            const double em = styles.text(t.style).heightMm();
            out.boxes.push_back({t.x + layout.figures[i].offsetX, t.y + layout.figures[i].offsetY,
                                 LabelWidthCp932(out.shown[k++], em), em, t.direction});
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!figures[i]) continue;
        const FigureFile& f = *figures[i];
        const double ox = layout.figures[i].offsetX, oy = layout.figures[i].offsetY;
        const auto points = static_cast<int>(f.points.size());
        for (const FigSegment& l : f.segments) {
            if (l.from < 1 || l.from > points || l.to < 1 || l.to > points) continue;
            if (styles.line(l.style).invisible()) continue;
            const FigPoint& a = f.point(l.from);
            const FigPoint& b = f.point(l.to);
            out.lines.push_back({a.x + ox, a.y + oy, b.x + ox, b.y + oy});
        }
    }
    return out;
}

LayoutTexts CollectLayoutTexts(const FigureLayout& layout, const std::vector<FigureFile>& figures,
                               const StyleTables& styles) {
    std::vector<const FigureFile*> all;
    for (const FigureFile& f : figures)
        all.push_back(&f);
    return CollectLayoutTexts(layout, all, styles, true);
}

}  // namespace nuvra::formats
