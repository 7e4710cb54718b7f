#include "figures/label_placement.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "common/cp932.h"
#include "report/report_error.h"

namespace nuvra::figures {
namespace {

// Boxes that share less than this (mm) in either direction do not overlap: texts that
// merely touch, as a row of values does, stay where they are.
constexpr double kHair = 0.05;
constexpr double kStep = 0.25;       // mm, steps along the text's direction
constexpr int kAlongSteps = 60;      // up to 15 mm either way
constexpr int kAcrossLines = 2;      // up to two text heights either way
constexpr double kLineGap = 0.3;     // mm between a moved text and the one it avoids
constexpr double kAcrossCost = 2.5;  // moving across counts this much more per mm

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

std::vector<LabelMove> placeLabels(const std::vector<LabelBox>& boxes) {
    std::vector<LabelMove> moves(boxes.size());
    std::vector<Rect> placed;
    placed.reserve(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const LabelBox& b = boxes[i];
        if (empty(b)) continue;
        const Rect home = rectOf(b, 0, 0);
        auto free = [&](const Rect& r) {
            return std::none_of(placed.begin(), placed.end(),
                                [&](const Rect& p) { return overlaps(r, p); });
        };
        if (free(home)) {
            placed.push_back(home);
            continue;
        }
        LabelMove m;
        bool found = false;
        for (const Candidate& c : candidates(b.h)) {
            // Along the text's own direction: x for a horizontal text, y for an upward one.
            double dx = b.direction == 1 ? -c.across : c.along;
            double dy = b.direction == 1 ? c.along : c.across;
            if (!free(rectOf(b, dx, dy))) continue;
            m.dx = dx;
            m.dy = dy;
            found = true;
            break;
        }
        if (!found) {
            placed.push_back(home);  // nowhere free nearby: left where it was
            continue;
        }
        const Rect r = rectOf(b, m.dx, m.dy);
        if (!(std::min(r.x1, home.x1) > std::max(r.x0, home.x0) &&
              std::min(r.y1, home.y1) > std::max(r.y0, home.y0))) {
            m.leader = true;
            m.fromX = (home.x0 + home.x1) / 2.0;
            m.fromY = (home.y0 + home.y1) / 2.0;
            m.toX = std::clamp(m.fromX, r.x0, r.x1);
            m.toY = std::clamp(m.fromY, r.y0, r.y1);
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

double LabelWidth(const std::string& utf8, double em) {
    std::optional<std::size_t> bytes = cp932Length(utf8);
    const double n = static_cast<double>(utf8Length(utf8));
    const double full = bytes ? static_cast<double>(*bytes) - n : 0;
    return full * em + (n - full) * em / 2;
}

LayoutTexts CollectLayoutTexts(const LayoutFileContent& layout,
                               const std::vector<FigureFileContent>& figures,
                               const std::vector<report::TextStyle>& styles) {
    LayoutTexts out;
    std::vector<std::string> texts;
    for (const FigureFileContent& f : figures)
        for (const report::FigText& t : f.texts)
            texts.push_back(t.text);
    out.shown = harmonizeElevations(texts);
    std::size_t k = 0;
    for (std::size_t i = 0; i < figures.size() && i < layout.figures.size(); ++i)
        for (const report::FigText& t : figures[i].texts) {
            if (t.style < 1 || t.style > static_cast<int>(styles.size()))
                throw report::ReportError("text style " + std::to_string(t.style) +
                                          " does not exist");
            const double em =
                report::TwipsToMm(styles[static_cast<std::size_t>(t.style - 1)].Height);
            out.boxes.push_back({t.x + layout.figures[i].offsetX, t.y + layout.figures[i].offsetY,
                                 LabelWidth(out.shown[k++], em), em, t.dir});
        }
    return out;
}

}  // namespace nuvra::figures
