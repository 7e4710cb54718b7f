#include "render/report_font.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <cmath>
#include <vector>

#include "formats/cp932_chars.h"

namespace nuvra::render {
namespace {

constexpr std::size_t kMaxCachedSizes = 48;

// The OpenType name table: platforms and the two family-name records.
constexpr int kPlatformUnicode = 0;
constexpr int kPlatformMacintosh = 1;
constexpr int kPlatformWindows = 3;
constexpr int kNameFamily = 1;
constexpr int kNameTypographicFamily = 16;

}  // namespace

QStringList fontFamilyNames(const QRawFont& font) {
    QStringList names;
    const QByteArray t = font.fontTable("name");
    auto u16 = [&t](qsizetype at) {
        if (at < 0 || at + 2 > t.size()) return -1;
        return (static_cast<unsigned char>(t[at]) << 8) | static_cast<unsigned char>(t[at + 1]);
    };
    const int count = u16(2);
    const int storage = u16(4);
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * static_cast<qsizetype>(i);
        const int platform = u16(record);
        const int encoding = u16(record + 2);
        const int nameId = u16(record + 6);
        const int length = u16(record + 8);
        const int offset = u16(record + 10);
        if (offset < 0 || (nameId != kNameFamily && nameId != kNameTypographicFamily)) continue;
        const qsizetype from = static_cast<qsizetype>(storage) + offset;
        if (from + length > t.size()) continue;
        QString name;
        if (platform == kPlatformUnicode || platform == kPlatformWindows) {
            for (qsizetype k = from; k + 1 < from + length; k += 2)
                name.append(QChar(static_cast<char16_t>(u16(k))));
        } else if (platform == kPlatformMacintosh && encoding == 0) {
            // Mac Roman; family names in it are plain ASCII in practice.
            name = QString::fromLatin1(t.constData() + from, length);
        } else {
            continue;
        }
        if (!name.isEmpty() && !names.contains(name)) names.append(name);
    }
    return names;
}

bool isReportFont(const QRawFont& font) {
    return font.isValid() && fontFamilyNames(font).contains(QLatin1String(ReportFont::kFamily));
}

bool ReportFont::load(std::string& error) {
    // Under a Japanese locale fontconfig names the family "IPAゴシック", and Qt reports
    // that name; the font is recognised by the names in its own name table instead.
    auto prepare = [this](const QString& family) {
        base_ = QFont(family);
        base_.setHintingPreference(QFont::PreferNoHinting);
        base_.setStyleStrategy(QFont::PreferOutline);
        return isReportFont(QRawFont::fromFont(base_));
    };
    cache_.clear();
    if (prepare(QString::fromLatin1(kFamily))) return true;
    // Asked for by its English name, a database that lists only the localised one may
    // substitute another font: look through the families for the one that is IPAGothic.
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        if (prepare(family)) return true;
    }
    error = "帳票フォント IPAGothic が見つかりません（fonts-ipafont-gothic を導入してください）";
    return false;
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
        formats::Cp932Char c = formats::cp932CharAt(bytes, i);
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
        formats::Cp932Char c = formats::cp932CharAt(run.bytes, i);
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
