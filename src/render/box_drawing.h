// Table rules drawn as lines.
//
// The report's tables are built from box-drawing characters (─│┌┼ …). Drawn as glyphs
// of the font they leave a gap between rows, because a glyph is one em tall and a row
// is taller, so every vertical rule looks dashed. Here each such character is drawn as
// its arms, each running from the middle of its cell to the cell's edge, so that the
// rules of neighbouring cells and rows meet and a table is one closed grid. The
// character itself is still drawn, invisibly, so that a PDF keeps it in its text.
#pragma once

#include <cstdint>
#include <optional>

#include "render/report_font.h"

class QPainter;

namespace nuvra::render {

/// Weight of each arm of a box-drawing character: 0 none, 1 light, 2 heavy.
struct BoxArms {
    std::uint8_t up = 0, down = 0, left = 0, right = 0;
};

/// The arms of a solid box-drawing character (the ones CP932 has: ─━│┃┌┏ … ╋);
/// nothing for any other character.
std::optional<BoxArms> boxArms(char32_t code);

/// The cell a line's characters stand in, relative to the run's baseline (device
/// units, y downward): the row's top (negative) and bottom.
struct RowCell {
    double top = 0, bottom = 0;
};

/// Draws a text run as drawColumnText does, but with its box-drawing characters drawn as
/// lines filling `cell` vertically and their column cells horizontally. Returns the
/// number of columns of the text.
int drawRuledText(QPainter& p, ReportFont& font, const TextRun& run, const RowCell& cell);

}  // namespace nuvra::render
