#include "render/figure_painter.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "figures/label_placement.h"
#include "render/figure_file.h"
#include "render/figure_layout.h"
#include "render/report_font.h"

namespace nuvra::render {
namespace {

constexpr double kArrowLengthMm = 2.0;
constexpr double kArrowHalfWidthMm = 0.55;
constexpr double kNoteFrameMm = 0.3;
constexpr double kNoteTextMm = 3.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kLeaderWidthMm = 0.1;
constexpr double kCaptionEmMm = 3.0;

QColor colorOf(const std::string& text, const QColor& otherwise) {
    if (text.empty()) return otherwise;
    QColor c = QColor::fromString(QString::fromStdString(text));
    return c.isValid() ? c : otherwise;
}

// Dash patterns in millimetres for the pen styles 1-4.
std::vector<double> dashesMm(int penStyle) {
    switch (penStyle) {
        case 1:
            return {3.0, 1.0};
        case 2:
            return {0.4, 0.8};
        case 3:
            return {3.0, 0.8, 0.4, 0.8};
        case 4:
            return {3.0, 0.8, 0.4, 0.8, 0.4, 0.8};
        default:
            return {};
    }
}

QPen penFor(const LineStyle& s, double unitsPerMm) {
    QPen pen(colorOf(s.color, Qt::black));
    // Width 0 is the device's thinnest line: a cosmetic pen, whose dashes Qt counts in
    // device units; otherwise it counts them in pen widths.
    pen.setWidthF(s.widthMm * unitsPerMm);
    pen.setCosmetic(s.widthMm <= 0);
    double dashUnit = s.widthMm > 0 ? s.widthMm : 1.0 / unitsPerMm;
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    auto dashes = dashesMm(s.penStyle);
    if (!dashes.empty()) {
        QList<qreal> pattern;
        for (double d : dashes)
            pattern << d / dashUnit;
        pen.setDashPattern(pattern);
    } else {
        pen.setCapStyle(Qt::RoundCap);
    }
    return pen;
}

}  // namespace

LayoutTextPlacement placeLayoutTexts(const LoadedFigure& loaded, const StyleTables& styles) {
    LayoutTextPlacement out;
    const FigureLayout& layout = loaded.layout;
    // One elevation written with one number of decimals across the layout.
    std::vector<std::string> texts;
    auto drawable = [&](std::size_t i) {
        return i < loaded.files.size() && i < loaded.errors.size() && loaded.errors[i].empty();
    };
    out.first.assign(layout.figures.size(), 0);
    for (std::size_t i = 0; i < layout.figures.size(); ++i) {
        out.first[i] = texts.size();
        if (!drawable(i)) continue;
        for (const FigText& t : loaded.files[i].texts)
            texts.push_back(t.bytes);
    }
    out.shown = figures::harmonizeElevations(texts);
    std::vector<figures::LabelBox> boxes;
    for (std::size_t i = 0; i < layout.figures.size(); ++i) {
        if (!drawable(i)) continue;
        std::size_t k = out.first[i];
        for (const FigText& t : loaded.files[i].texts) {
            const double h = styles.text(t.style).heightMm;
            boxes.push_back({t.x + layout.figures[i].offsetX, t.y + layout.figures[i].offsetY,
                             columnsOf(out.shown[k++]) * h / 2.0, h, t.direction});
        }
    }
    // The visible segments, on the layout's area.
    std::vector<figures::LabelLine> lines;
    for (std::size_t i = 0; i < layout.figures.size(); ++i) {
        if (!drawable(i)) continue;
        const FigureFile& f = loaded.files[i];
        const double ox = layout.figures[i].offsetX, oy = layout.figures[i].offsetY;
        for (const FigSegment& g : f.segments) {
            if (styles.line(g.style).penStyle == 5) continue;
            const FigPoint& a = f.point(g.from);
            const FigPoint& b = f.point(g.to);
            lines.push_back({a.x + ox, a.y + oy, b.x + ox, b.y + oy});
        }
    }
    out.moves = figures::placeLabels(boxes, lines);
    return out;
}

QString figureCaption(const FigureLayout& layout, const std::vector<FigureFile>& files) {
    // Half-width katakana of a title ("ﾌﾞﾛｯｸ割図") read better at full width.
    QString title =
        QString::fromStdString(layout.title).normalized(QString::NormalizationForm_KC).trimmed();
    if (title.isEmpty()) return title;
    // Pressure diagrams draw kN/m² against the wall.
    bool pressure = title.endsWith(QStringLiteral("分布図"));
    for (const FigureFile& f : files)
        pressure = pressure || QString::fromStdString(f.title).endsWith(QStringLiteral("分布図"));
    if (pressure) title += QStringLiteral("（単位：kN/m²）");
    return title;
}

void FigurePainter::paint(QPainter& p, const PlacedFigure& figure, const DeviceMap& dev,
                          std::vector<std::string>* problems) {
    const FigureBox& box = figure.box;
    auto report = [&](const std::string& message) {
        if (problems) problems->push_back(std::to_string(figure.lineNumber) + " 行目: " + message);
    };
    if (!figure.problem.empty()) {
        paintNote(p, dev, box.x, box.y, box.width, box.height, figure.problem);
        report(figure.problem);
        return;
    }
    // The files as read while paging, or read now when they were not kept.
    std::shared_ptr<const LoadedFigure> loaded = figure.loaded;
    if (!loaded) {
        auto fresh = std::make_shared<LoadedFigure>();
        std::string error;
        if (!readFigureLayout(figure.layoutPath, fresh->layout, error)) {
            paintNote(p, dev, box.x, box.y, box.width, box.height, error);
            report(error);
            return;
        }
        for (const auto& sub : fresh->layout.figures) {
            fresh->files.emplace_back();
            fresh->errors.emplace_back();
            readFigureFile(sub.path, fresh->files.back(), fresh->errors.back());
        }
        loaded = std::move(fresh);
    }
    const FigureLayout& layout = loaded->layout;
    const double s = box.scale;
    std::vector<std::optional<DrawingExtent>> drawings(layout.figures.size());
    for (std::size_t i = 0; i < layout.figures.size() && i < loaded->files.size(); ++i) {
        if (!loaded->errors[i].empty()) continue;
        const FigureFile& f = loaded->files[i];
        drawings[i] = DrawingExtent{f.minX, f.minY, f.maxX, f.maxY};
    }
    const AreaFit fit = fitIntoArea(layout, drawings);
    // The texts of the layout kept apart, as the SVG export keeps them.
    const LayoutTextPlacement placed = placeLayoutTexts(*loaded, styles_);
    const std::vector<figures::LabelMove>& moves = placed.moves;
    const std::vector<std::string>& shown = placed.shown;
    const std::vector<std::size_t>& firstText = placed.first;
    for (std::size_t i = 0; i < layout.figures.size(); ++i) {
        const SubFigureRef& sub = layout.figures[i];
        const std::string& error = loaded->errors[i];
        if (!error.empty()) {
            // The note stands where the figure's origin falls, kept inside the area.
            double w = std::min(box.width, 110.0);
            double h = std::min(box.height, 16.0);
            double x = box.x + sub.offsetX * s;
            double y = box.y + box.height - sub.offsetY * s - h;
            if (layout.figures.size() == 1) {
                x = box.x + (box.width - w) / 2.0;
                y = box.y + (box.height - h) / 2.0;
            }
            x = std::clamp(x, box.x, box.x + box.width - w);
            y = std::clamp(y, box.y, box.y + box.height - h);
            paintNote(p, dev, x, y, w, h, error);
            report(error);
            continue;
        }
        paintFigure(p, loaded->files[i], box, sub.offsetX, sub.offsetY, fit, dev,
                    moves.data() + firstText[i], shown.data() + firstText[i]);
    }
    if (box.captionMm > 0) paintCaption(p, layout, loaded->files, box, dev);
    // Leaders from where a moved text stood to where it is drawn.
    auto onArea = [&](double ax, double ay) {
        return dev.map(box.x + (ax * fit.scale + fit.shiftX) * s,
                       box.y + box.height - (ay * fit.scale + fit.shiftY) * s);
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, kLeaderWidthMm * dev.unitsPerMm, Qt::SolidLine, Qt::FlatCap));
    for (const figures::LabelMove& m : moves)
        if (m.leader) p.drawLine(onArea(m.fromX, m.fromY), onArea(m.toX, m.toY));
    p.restore();
}

void FigurePainter::paintFigure(QPainter& p, const FigureFile& f, const FigureBox& box, double offX,
                                double offY, const AreaFit& fit, const DeviceMap& dev,
                                const figures::LabelMove* moves, const std::string* shown) {
    // A figure shrunk to its area draws its texts and circles smaller alike.
    const double s = box.scale * fit.scale;
    const double u = dev.unitsPerMm;
    // Figure coordinates (mm, y up) -> area -> paper -> device.
    auto at = [&](double x, double y) {
        double ax = (x + offX) * fit.scale + fit.shiftX;
        double ay = (y + offY) * fit.scale + fit.shiftY;
        return dev.map(box.x + ax * box.scale, box.y + box.height - ay * box.scale);
    };
    auto pt = [&](int n) { return at(f.point(n).x, f.point(n).y); };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Keep a figure that overdraws its area off the text around it.
    QPointF clipTop = dev.map(box.x - 1.0, box.y - 1.0);
    QPointF clipBottom = dev.map(box.x + box.width + 1.0, box.y + box.height + 1.0);
    p.setClipRect(QRectF(clipTop, clipBottom));

    for (const auto& fl : f.fills) {
        QPolygonF poly;
        for (int n = fl.first; n <= fl.last; ++n)
            poly << pt(n);
        p.setPen(Qt::NoPen);
        p.setBrush(colorOf(fl.color, QColor(200, 200, 200)));
        p.drawPolygon(poly);
    }
    for (const auto& r : f.rects) {
        const LineStyle& ls = styles_.line(r.style);
        p.setPen(ls.penStyle == 5 ? QPen(Qt::NoPen) : penFor(ls, u));
        p.setBrush(r.fill != 0 ? QBrush(QColor(220, 220, 220)) : QBrush(Qt::NoBrush));
        p.drawRect(QRectF(pt(r.cornerA), pt(r.cornerB)).normalized());
    }
    p.setBrush(Qt::NoBrush);
    for (const auto& g : f.segments) {
        const LineStyle& ls = styles_.line(g.style);
        if (ls.penStyle == 5) continue;
        p.setPen(penFor(ls, u));
        p.drawLine(pt(g.from), pt(g.to));
    }
    for (const auto& c : f.circles) {
        const LineStyle& ls = styles_.line(c.style);
        if (ls.penStyle == 5) continue;
        p.setPen(penFor(ls, u));
        double r = c.radius * s * u;
        p.drawEllipse(pt(c.center), r, r);
    }
    for (const auto& a : f.arcs) {
        const LineStyle& ls = styles_.line(a.style);
        if (ls.penStyle == 5) continue;
        p.setPen(penFor(ls, u));
        QPointF c = at(a.cx, a.cy);
        double r = a.radius * s * u;
        double span = std::fmod(a.endDeg - a.startDeg, 360.0);
        if (span <= 0) span += 360.0;
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r),
                  static_cast<int>(std::lround(a.startDeg * 16)),
                  static_cast<int>(std::lround(span * 16)));
    }
    for (const auto& a : f.arrows) {
        const LineStyle& ls = styles_.line(a.style);
        if (ls.penStyle == 5) continue;
        QColor color = colorOf(ls.color, Qt::black);
        // Direction codes go clockwise in eighths from up: 1 up, 3 right, 5 down, 7 left.
        double angle = (90.0 - (a.direction - 1) * 45.0) * kPi / 180.0;
        double dx = std::cos(angle), dy = -std::sin(angle);  // device y grows downward
        QPointF tip = pt(a.point);
        double len = kArrowLengthMm * u, half = kArrowHalfWidthMm * u;
        QPointF base = tip - QPointF(dx * len, dy * len);
        QPointF side(-dy * half, dx * half);
        p.setPen(QPen(color, 0.05 * u));
        p.setBrush(color);
        p.drawPolygon(QPolygonF({tip, base + side, base - side}));
        p.setBrush(Qt::NoBrush);
    }
    for (std::size_t i = 0; i < f.texts.size(); ++i) {
        const FigText& t = f.texts[i];
        const TextStyle& ts = styles_.text(t.style);
        double em = ts.heightMm * s * u;
        QPointF ref = at(t.x + moves[i].dx, t.y + moves[i].dy);
        p.setPen(colorOf(ts.color, Qt::black));
        // The reference point is the lower-left corner of the text's box; the baseline
        // lies above it by the part of the em below the baseline.
        double below = (1.0 - ReportFont::kEmTop) * em;
        p.save();
        p.translate(ref);
        if (t.direction == 1) p.rotate(-90.0);  // reads upward
        if (ts.italic) {
            p.translate(0, -below);
            p.shear(-0.2, 0);  // slant about the baseline
            p.translate(0, below);
        }
        int cols =
            drawColumnText(p, font_, TextRun{shown[i], QPointF(0, -below), em, ts.bold, 1.0});
        if (ts.underline) {
            p.setPen(QPen(colorOf(ts.color, Qt::black), std::max(0.05 * em, 0.1 * u)));
            p.drawLine(QPointF(0, -below / 2), QPointF(cols * em / 2.0, -below / 2));
        }
        p.restore();
    }
    p.restore();
}

void FigurePainter::paintCaption(QPainter& p, const FigureLayout& layout,
                                 const std::vector<FigureFile>& files, const FigureBox& box,
                                 const DeviceMap& dev) {
    QString text = figureCaption(layout, files);
    if (text.isEmpty()) return;
    p.save();
    p.setFont(font_.fallback(kCaptionEmMm * dev.unitsPerMm, false));
    p.setPen(Qt::black);
    QRectF band(dev.map(box.x, box.y + box.height),
                dev.map(box.x + box.width, box.y + box.height + box.captionMm));
    p.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, text);
    p.restore();
}

void FigurePainter::paintNote(QPainter& p, const DeviceMap& dev, double x, double y, double w,
                              double h, const std::string& message) {
    const double u = dev.unitsPerMm;
    QRectF frame(dev.map(x + 0.5, y + 0.5), dev.map(x + w - 0.5, y + h - 0.5));
    p.save();
    p.setPen(QPen(Qt::black, kNoteFrameMm * u, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    QFont font = font_.fallback(kNoteTextMm * u, false);
    p.setFont(font);
    p.setPen(Qt::black);
    QRectF inner = frame.adjusted(1.5 * u, 1.0 * u, -1.5 * u, -1.0 * u);
    p.setClipRect(frame);
    p.drawText(inner, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere,
               QStringLiteral("図を表示できません\n") + QString::fromStdString(message));
    p.restore();
}

}  // namespace nuvra::render
