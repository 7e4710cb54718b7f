#include "render/figure_painter.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "render/report_font.h"

namespace nuvra::render {
namespace {

constexpr double kArrowLengthMm = 2.0;
constexpr double kArrowHalfWidthMm = 0.55;
constexpr double kNoteFrameMm = 0.3;
constexpr double kNoteTextMm = 3.0;
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

QPen penFor(const formats::LineStyle& s, double unitsPerMm) {
    QPen pen(colorOf(s.Colour, Qt::black));
    // Width 0 is the device's thinnest line: a cosmetic pen, whose dashes Qt counts in
    // device units; otherwise it counts them in pen widths.
    const double widthMm = s.widthMm();
    pen.setWidthF(widthMm * unitsPerMm);
    pen.setCosmetic(widthMm <= 0);
    double dashUnit = widthMm > 0 ? widthMm : 1.0 / unitsPerMm;
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    auto dashes = dashesMm(s.PenStyle);
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

// A figure's elements onto the page: area coordinates (mm, y upward) through the
// layout's fit into its box, then to device units.
class PainterSink : public formats::FigureSink {
  public:
    PainterSink(QPainter& p, ReportFont& font, const FigureBox& box, const formats::AreaFit& fit,
                const DeviceMap& dev)
        : p_(p),
          font_(font),
          box_(box),
          fit_(fit),
          dev_(dev),
          s_(box.scale * fit.scale),
          u_(dev.unitsPerMm) {}

    void fill(const std::vector<formats::FigPoint>& polygon, const std::string& colour) override {
        QPolygonF poly;
        for (const formats::FigPoint& a : polygon)
            poly << at(a);
        p_.setPen(Qt::NoPen);
        p_.setBrush(colorOf(colour, QColor(200, 200, 200)));
        p_.drawPolygon(poly);
    }
    void rect(formats::FigPoint a, formats::FigPoint b, const formats::LineStyle& ls,
              bool filled) override {
        p_.setPen(ls.invisible() ? QPen(Qt::NoPen) : penFor(ls, u_));
        p_.setBrush(filled ? QBrush(QColor(220, 220, 220)) : QBrush(Qt::NoBrush));
        p_.drawRect(QRectF(at(a), at(b)).normalized());
        p_.setBrush(Qt::NoBrush);
    }
    void line(formats::FigPoint a, formats::FigPoint b, const formats::LineStyle& ls) override {
        p_.setPen(penFor(ls, u_));
        p_.drawLine(at(a), at(b));
    }
    void circle(formats::FigPoint c, double radius, const formats::LineStyle& ls) override {
        p_.setPen(penFor(ls, u_));
        p_.setBrush(Qt::NoBrush);
        // A figure shrunk to its area draws its circles smaller alike.
        double r = radius * s_ * u_;
        p_.drawEllipse(at(c), r, r);
    }
    void arc(formats::FigPoint c, double radius, double startDeg, double span,
             const formats::LineStyle& ls) override {
        p_.setPen(penFor(ls, u_));
        QPointF centre = at(c);
        double r = radius * s_ * u_;
        p_.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                   static_cast<int>(std::lround(startDeg * 16)),
                   static_cast<int>(std::lround(span * 16)));
    }
    void arrow(formats::FigPoint tip, double ux, double uy, const formats::LineStyle& ls) override {
        QColor color = colorOf(ls.Colour, Qt::black);
        double dx = ux, dy = -uy;  // device y grows downward
        QPointF t = at(tip);
        double len = kArrowLengthMm * u_, half = kArrowHalfWidthMm * u_;
        QPointF base = t - QPointF(dx * len, dy * len);
        QPointF side(-dy * half, dx * half);
        p_.setPen(QPen(color, 0.05 * u_));
        p_.setBrush(color);
        p_.drawPolygon(QPolygonF({t, base + side, base - side}));
        p_.setBrush(Qt::NoBrush);
    }
    void text(formats::FigPoint ref, const std::string& bytes, const formats::TextStyle& ts,
              int direction) override {
        double em = ts.heightMm() * s_ * u_;
        p_.setPen(colorOf(ts.Colour, Qt::black));
        // The reference point is the lower-left corner of the text's box; the baseline
        // lies above it by the part of the em below the baseline.
        double below = (1.0 - ReportFont::kEmTop) * em;
        p_.save();
        p_.translate(at(ref));
        if (direction == 1) p_.rotate(-90.0);  // reads upward
        if (ts.italic()) {
            p_.translate(0, -below);
            p_.shear(-0.2, 0);  // slant about the baseline
            p_.translate(0, below);
        }
        int cols =
            drawColumnText(p_, font_, TextRun{bytes, QPointF(0, -below), em, ts.bold(), 1.0});
        if (ts.underline()) {
            p_.setPen(QPen(colorOf(ts.Colour, Qt::black), std::max(0.05 * em, 0.1 * u_)));
            p_.drawLine(QPointF(0, -below / 2), QPointF(cols * em / 2.0, -below / 2));
        }
        p_.restore();
    }

  private:
    QPointF at(formats::FigPoint a) const {
        double ax = a.x * fit_.scale + fit_.shiftX;
        double ay = a.y * fit_.scale + fit_.shiftY;
        return dev_.map(box_.x + ax * box_.scale, box_.y + box_.height - ay * box_.scale);
    }

    QPainter& p_;
    ReportFont& font_;
    const FigureBox& box_;
    const formats::AreaFit& fit_;
    const DeviceMap& dev_;
    double s_, u_;
};

}  // namespace

LayoutTextPlacement placeLayoutTexts(const LoadedFigure& loaded,
                                     const formats::StyleTables& styles) {
    std::vector<const formats::FigureFile*> drawable(loaded.layout.figures.size(), nullptr);
    for (std::size_t i = 0; i < drawable.size(); ++i)
        if (i < loaded.files.size() && i < loaded.errors.size() && loaded.errors[i].empty())
            drawable[i] = &loaded.files[i];
    formats::LayoutTexts texts =
        formats::CollectLayoutTexts(loaded.layout, drawable, styles, /*strict=*/false);
    LayoutTextPlacement out;
    out.moves = formats::placeLabels(texts.boxes, texts.lines);
    out.shown = std::move(texts.shown);
    out.first = std::move(texts.first);
    return out;
}

QString figureCaption(const formats::FigureLayout& layout,
                      const std::vector<formats::FigureFile>& files) {
    // Half-width katakana of a title ("ﾌﾞﾛｯｸ割図") read better at full width.
    QString title =
        QString::fromStdString(layout.title).normalized(QString::NormalizationForm_KC).trimmed();
    if (title.isEmpty()) return title;
    // Pressure diagrams draw kN/m² against the wall.
    bool pressure = title.endsWith(QStringLiteral("分布図"));
    for (const formats::FigureFile& f : files)
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
        if (!formats::readFigureLayout(figure.layoutPath, fresh->layout, error)) {
            paintNote(p, dev, box.x, box.y, box.width, box.height, error);
            report(error);
            return;
        }
        for (const auto& sub : fresh->layout.figures) {
            fresh->files.emplace_back();
            fresh->errors.emplace_back();
            formats::readFigureFile(sub.path, fresh->files.back(), fresh->errors.back());
        }
        loaded = std::move(fresh);
    }
    const formats::FigureLayout& layout = loaded->layout;
    const double s = box.scale;
    std::vector<std::optional<formats::DrawingExtent>> drawings(layout.figures.size());
    for (std::size_t i = 0; i < layout.figures.size() && i < loaded->files.size(); ++i) {
        if (!loaded->errors[i].empty()) continue;
        const formats::FigureFile& f = loaded->files[i];
        drawings[i] = formats::DrawingExtent{f.minX, f.minY, f.maxX, f.maxY};
    }
    const formats::AreaFit fit = formats::fitIntoArea(layout, drawings);
    // The texts of the layout kept apart, as the SVG export keeps them.
    const LayoutTextPlacement placed = placeLayoutTexts(*loaded, styles_);
    const std::vector<formats::LabelMove>& moves = placed.moves;
    const std::vector<std::string>& shown = placed.shown;
    const std::vector<std::size_t>& firstText = placed.first;
    for (std::size_t i = 0; i < layout.figures.size(); ++i) {
        const formats::SubFigureRef& sub = layout.figures[i];
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
    for (const formats::LabelMove& m : moves)
        if (m.leader) p.drawLine(onArea(m.fromX, m.fromY), onArea(m.toX, m.toY));
    p.restore();
}

void FigurePainter::paintFigure(QPainter& p, const formats::FigureFile& f, const FigureBox& box,
                                double offX, double offY, const formats::AreaFit& fit,
                                const DeviceMap& dev, const formats::LabelMove* moves,
                                const std::string* shown) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Keep a figure that overdraws its area off the text around it.
    QPointF clipTop = dev.map(box.x - 1.0, box.y - 1.0);
    QPointF clipBottom = dev.map(box.x + box.width + 1.0, box.y + box.height + 1.0);
    p.setClipRect(QRectF(clipTop, clipBottom));
    PainterSink sink(p, font_, box, fit, dev);
    formats::FigureWalk walk;
    walk.offsetX = offX;
    walk.offsetY = offY;
    walk.moves = moves;
    walk.shown = shown;
    walk.tap = tap_;
    formats::drawFigure(f, styles_, sink, walk);
    p.restore();
}

void FigurePainter::paintCaption(QPainter& p, const formats::FigureLayout& layout,
                                 const std::vector<formats::FigureFile>& files,
                                 const FigureBox& box, const DeviceMap& dev) {
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
