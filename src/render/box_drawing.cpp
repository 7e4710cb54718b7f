#include "render/box_drawing.h"

#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "formats/cp932_chars.h"

namespace nuvra::render {
namespace {

// Rule thickness as a part of the em: a light rule about 0.19 mm at the report's
// 3.4 mm em, a heavy one about 0.48 mm.
constexpr double kLight = 0.055;
constexpr double kHeavy = 0.14;
// Arms reach this part of the em past their cell's edge, so that neighbouring cells
// overlap instead of leaving a hairline where anti-aliasing meets.
constexpr double kOvershoot = 0.01;

struct BoxEntry {
    char32_t code;
    const char* arms;  // up, down, left, right: '0' none, '1' light, '2' heavy
};

constexpr BoxEntry kBoxes[] = {
    {U'─', "0011"}, {U'━', "0022"}, {U'│', "1100"}, {U'┃', "2200"}, {U'┌', "0101"}, {U'┏', "0202"},
    {U'┐', "0110"}, {U'┓', "0220"}, {U'└', "1001"}, {U'┗', "2002"}, {U'┘', "1010"}, {U'┛', "2020"},
    {U'├', "1101"}, {U'┝', "1102"}, {U'┠', "2201"}, {U'┣', "2202"}, {U'┤', "1110"}, {U'┥', "1120"},
    {U'┨', "2210"}, {U'┫', "2220"}, {U'┬', "0111"}, {U'┯', "0122"}, {U'┰', "0211"}, {U'┳', "0222"},
    {U'┴', "1011"}, {U'┷', "1022"}, {U'┸', "2011"}, {U'┻', "2022"}, {U'┼', "1111"}, {U'┿', "1122"},
    {U'╂', "2211"}, {U'╋', "2222"},
};

double thickness(std::uint8_t weight, double em) {
    return weight == 0 ? 0.0 : (weight == 1 ? kLight : kHeavy) * em;
}

// One cell's arms; x is the cell's left edge, all in the painter's current units.
void drawArms(QPainter& p, const BoxArms& a, double x, double width, const RowCell& cell, double em,
              const QColor& color) {
    const double cx = x + width / 2.0;
    const double cy = (cell.top + cell.bottom) / 2.0;
    const double over = kOvershoot * em;
    const double tu = thickness(a.up, em), td = thickness(a.down, em);
    const double tl = thickness(a.left, em), tr = thickness(a.right, em);
    // Each arm runs past the middle by half the thickest crossing arm, so that joins
    // and corners are closed.
    const double vJoin = std::max(tu, td) / 2.0, hJoin = std::max(tl, tr) / 2.0;
    auto fill = [&](double x0, double y0, double x1, double y1) {
        p.fillRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)), color);
    };
    if (tu > 0) fill(cx - tu / 2, cell.top - over, cx + tu / 2, cy + std::max(hJoin, tu / 2));
    if (td > 0) fill(cx - td / 2, cy - std::max(hJoin, td / 2), cx + td / 2, cell.bottom + over);
    if (tl > 0) fill(x - over, cy - tl / 2, cx + std::max(vJoin, tl / 2), cy + tl / 2);
    if (tr > 0) fill(cx - std::max(vJoin, tr / 2), cy - tr / 2, x + width + over, cy + tr / 2);
}

}  // namespace

std::optional<BoxArms> boxArms(char32_t code) {
    for (const BoxEntry& e : kBoxes) {
        if (e.code != code) continue;
        auto w = [&](int i) { return static_cast<std::uint8_t>(e.arms[i] - '0'); };
        return BoxArms{w(0), w(1), w(2), w(3)};
    }
    return std::nullopt;
}

int drawRuledText(QPainter& p, ReportFont& font, const TextRun& run, const RowCell& cell) {
    const double half = run.em / 2.0;
    // The text in runs of ordinary and of box-drawing characters, each drawn where its
    // first column falls; the order keeps a PDF's text in reading order.
    struct Piece {
        std::size_t from, to;
        int column;
        bool box;
    };
    std::vector<Piece> pieces;
    int col = 0;
    for (std::size_t i = 0; i < run.bytes.size();) {
        formats::Cp932Char c = formats::cp932CharAt(run.bytes, i);
        bool box = boxArms(c.code).has_value();
        if (pieces.empty() || pieces.back().box != box) pieces.push_back({i, i, col, box});
        i += c.bytes;
        pieces.back().to = i;
        col += c.columns();
    }
    const QPen pen = p.pen();
    const QColor color = pen.color();
    for (const Piece& piece : pieces) {
        TextRun part = run;
        part.bytes = run.bytes.substr(piece.from, piece.to - piece.from);
        part.baseline = run.baseline + QPointF(piece.column * half * run.condense, 0.0);
        if (!piece.box) {
            drawColumnText(p, font, part);
            continue;
        }
        p.setPen(QColor(0, 0, 0, 0));
        drawColumnText(p, font, part);
        p.setPen(pen);
        p.save();
        p.translate(part.baseline);
        if (run.condense != 1.0) p.scale(run.condense, 1.0);
        int at = 0;
        for (std::size_t i = 0; i < part.bytes.size();) {
            formats::Cp932Char c = formats::cp932CharAt(part.bytes, i);
            i += c.bytes;
            if (auto arms = boxArms(c.code))
                drawArms(p, *arms, at * half, c.columns() * half, cell, run.em, color);
            at += c.columns();
        }
        p.restore();
    }
    return col;
}

}  // namespace nuvra::render
