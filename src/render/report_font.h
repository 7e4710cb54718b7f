// The report font and fixed-pitch text drawing.
//
// Every page is set in IPAGothic, in which each CP932 character is exactly one or two
// half-widths wide. Qt does not report the font as fixed-pitch, so it is asked for by
// name and checked. Text is drawn as glyph runs with one position per character,
// computed from the byte columns, so a table lines up on every device whatever the
// font engine rounds.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QStringList>
#include <map>
#include <string>
#include <string_view>
#include <utility>

class QPainter;

namespace nuvra::render {

class ReportFont {
  public:
    static constexpr const char* kFamily = "IPAGothic";
    /// Top of a character's em box above its baseline, as a part of the em.
    static constexpr double kEmTop = 0.88;

    /// Finds the font, whatever language the font database names it in; false with a
    /// message when it is not installed.
    bool load(std::string& error);

    /// The font at `pixelSize` device units per em (cached).
    const QRawFont& raw(double pixelSize, bool bold);
    /// A font that falls back to other families, for characters IPAGothic lacks.
    QFont fallback(double pixelSize, bool bold) const;

  private:
    QFont base_;
    std::map<std::pair<long, bool>, QRawFont> cache_;
};

/// The family names a font's name table holds, in every language and platform it has
/// (name records 1 and 16), each once; empty for a font without a readable table.
QStringList fontFamilyNames(const QRawFont& font);
/// True when the font is IPAGothic, by any of its family names.
bool isReportFont(const QRawFont& font);

struct TextRun {
    std::string_view bytes;  ///< CP932
    QPointF baseline;        ///< start of column 0 on the baseline, device units
    double em = 0;           ///< full-width character size, device units
    bool bold = false;
    double condense = 1.0;  ///< horizontal squeeze of an over-long line
};

/// Draws CP932 text with every character at its column: half-width characters take em/2,
/// full-width ones em. Returns the number of columns drawn.
int drawColumnText(QPainter& p, ReportFont& font, const TextRun& run);

/// Columns a CP932 text takes (its byte count, as the writer counts it).
int columnsOf(std::string_view bytes);

}  // namespace nuvra::render
