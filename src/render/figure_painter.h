// Paints a figure (its layout file and figure files) into its box on the page, or a
// framed note where it cannot be drawn.
#pragma once

#include <QPointF>
#include <QString>
#include <string>
#include <vector>

#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "formats/figure_walker.h"
#include "formats/label_placement.h"
#include "render/report_document.h"

class QPainter;

namespace nuvra::render {

class ReportFont;

/// Device placement of a page: device units per millimetre and the paper's top-left.
struct DeviceMap {
    double unitsPerMm = 1.0;
    QPointF origin;
    QPointF map(double xMm, double yMm) const {
        return QPointF(origin.x() + xMm * unitsPerMm, origin.y() + yMm * unitsPerMm);
    }
};

/// Where the texts of a layout are drawn: each text (CP932, elevations harmonised),
/// its move away from the texts before it, and the index of each figure's first text.
struct LayoutTextPlacement {
    std::vector<std::string> shown;
    std::vector<formats::LabelMove> moves;
    std::vector<std::size_t> first;
};
LayoutTextPlacement placeLayoutTexts(const LoadedFigure& loaded,
                                     const formats::StyleTables& styles);

/// The title printed under a figure: the layout's title, with the unit for a pressure
/// diagram. Empty when the layout has no title.
QString figureCaption(const formats::FigureLayout& layout,
                      const std::vector<formats::FigureFile>& files);

class FigurePainter {
  public:
    FigurePainter(const formats::StyleTables& styles, ReportFont& font)
        : styles_(styles), font_(font) {}

    /// Every element drawn from now on is also handed to `tap` (a recorder, in tests).
    void setTap(formats::FigureSink* tap) { tap_ = tap; }

    /// Draws the figure; what cannot be drawn is said in a framed note in its place and
    /// added to `problems` when given.
    void paint(QPainter& p, const PlacedFigure& figure, const DeviceMap& dev,
               std::vector<std::string>* problems);

    /// A framed note with a heading and a message, filling the rectangle (mm).
    void paintNote(QPainter& p, const DeviceMap& dev, double x, double y, double w, double h,
                   const std::string& message);

  private:
    void paintCaption(QPainter& p, const formats::FigureLayout& layout,
                      const std::vector<formats::FigureFile>& files, const FigureBox& box,
                      const DeviceMap& dev);
    void paintFigure(QPainter& p, const formats::FigureFile& f, const FigureBox& box, double offX,
                     double offY, const formats::AreaFit& fit, const DeviceMap& dev,
                     const formats::LabelMove* moves, const std::string* shown);

    const formats::StyleTables& styles_;
    ReportFont& font_;
    formats::FigureSink* tap_ = nullptr;
};

}  // namespace nuvra::render
