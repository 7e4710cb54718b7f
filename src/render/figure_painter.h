// Paints a figure (its layout file and figure files) into its box on the page, or a
// framed note where it cannot be drawn.
#pragma once

#include <QPointF>
#include <string>
#include <vector>

#include "render/figure_layout.h"
#include "render/report_document.h"

class QPainter;

namespace nuvra::render {

class ReportFont;
struct FigureFile;

/// Device placement of a page: device units per millimetre and the paper's top-left.
struct DeviceMap {
    double unitsPerMm = 1.0;
    QPointF origin;
    QPointF map(double xMm, double yMm) const {
        return QPointF(origin.x() + xMm * unitsPerMm, origin.y() + yMm * unitsPerMm);
    }
};

class FigurePainter {
  public:
    FigurePainter(const StyleTables& styles, ReportFont& font) : styles_(styles), font_(font) {}

    /// Draws the figure; what cannot be drawn is said in a framed note in its place and
    /// added to `problems` when given.
    void paint(QPainter& p, const PlacedFigure& figure, const DeviceMap& dev,
               std::vector<std::string>* problems);

    /// A framed note with a heading and a message, filling the rectangle (mm).
    void paintNote(QPainter& p, const DeviceMap& dev, double x, double y, double w, double h,
                   const std::string& message);

  private:
    void paintFigure(QPainter& p, const FigureFile& f, const FigureBox& box, double offX,
                     double offY, const AreaFit& fit, const DeviceMap& dev);

    const StyleTables& styles_;
    ReportFont& font_;
};

}  // namespace nuvra::render
