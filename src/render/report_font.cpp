#include "render/report_font.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <cmath>
#include <vector>

#include "render/cp932_chars.h"

namespace nuvra::render {
namespace {

constexpr std::size_t kMaxCachedSizes = 48;

}  // namespace

bool ReportFont::load(std::string& error) {
    base_ = QFont(QString::fromLatin1(kFamily));
    base_.setHintingPreference(QFont::PreferNoHinting);
    base_.setStyleStrategy(QFont::PreferOutline);
    QFontInfo info(base_);
    QRawFont probe = QRawFont::fromFont(base_);
    // Under a Japanese locale fontconfig reports the family by its Japanese name.
    auto ours = [](const QString& family) {
        return family == QLatin1String(kFamily) || family == QStringLiteral("IPAゴシック");
    };
    if (!ours(info.family()) || !probe.isValid() || !ours(probe.familyName())) {
        error =
            "帳票フォント IPAGothic が見つかりません（fonts-ipafont-gothic を導入してください）";
        return false;
    }
    return true;
}

const QRawFont& ReportFont::raw(double pixelSize, bool bold) {
    auto key = std::make_pair(std::lround(pixelSize * 64.0), bold);
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
    if (cache_.size() >= kMaxCachedSizes) cache_.clear();
    QFont f = base_;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(bold);
    QRawFont r = QRawFont::fromFont(f);
    r.setPixelSize(pixelSize);
    return cache_.emplace(key, r).first->second;
}

QFont ReportFont::fallback(double pixelSize, bool bold) const {
    QFont f = base_;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferDefault);
    return f;
}

int columnsOf(std::string_view bytes) {
    int cols = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        Cp932Char c = cp932CharAt(bytes, i);
        cols += c.columns();
        i += c.bytes;
    }
    return cols;
}

int drawColumnText(QPainter& p, ReportFont& font, const TextRun& run) {
    const double half = run.em / 2.0;
    QString chars;
    std::vector<double> cellX;  // left edge of each character's cell
    std::vector<int> cellCols;
    int col = 0;
    for (std::size_t i = 0; i < run.bytes.size();) {
        Cp932Char c = cp932CharAt(run.bytes, i);
        i += c.bytes;
        if (c.code != U' ' && c.code != 0x3000) {
            chars.append(QChar(static_cast<char16_t>(c.code)));
            cellX.push_back(col * half);
            cellCols.push_back(c.columns());
        }
        col += c.columns();
    }
    if (chars.isEmpty()) return col;

    const QRawFont& raw = font.raw(run.em, run.bold);
    QList<quint32> glyphs = raw.glyphIndexesForString(chars);
    QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    QList<quint32> drawn;
    QList<QPointF> positions;
    drawn.reserve(glyphs.size());
    positions.reserve(glyphs.size());
    p.save();
    p.translate(run.baseline);
    if (run.condense != 1.0) p.scale(run.condense, 1.0);
    for (qsizetype k = 0; k < glyphs.size() && k < static_cast<qsizetype>(cellX.size()); ++k) {
        double cell = cellCols[static_cast<std::size_t>(k)] * half;
        double x = cellX[static_cast<std::size_t>(k)];
        if (glyphs[k] == 0) {
            // Not in the report font (only ∑ and the user-defined area are missing):
            // let Qt find the character elsewhere, centred in its cell.
            QFont fallback = font.fallback(run.em, run.bold);
            double w = QFontMetricsF(fallback).horizontalAdvance(chars[k]);
            p.setFont(fallback);
            p.drawText(QPointF(x + (cell - w) / 2.0, 0), QString(chars[k]));
            continue;
        }
        // A glyph narrower than its cell is centred in it.
        double adv = advances[k].x();
        drawn.push_back(glyphs[k]);
        positions.push_back(QPointF(x + (adv < cell ? (cell - adv) / 2.0 : 0.0), 0.0));
    }
    if (!drawn.isEmpty()) {
        QGlyphRun g;
        g.setRawFont(raw);
        g.setGlyphIndexes(drawn);
        g.setPositions(positions);
        p.drawGlyphRun(QPointF(0, 0), g);
    }
    p.restore();
    return col;
}

}  // namespace nuvra::render
