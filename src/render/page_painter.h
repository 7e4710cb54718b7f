// Paints one page: its lines in the fixed-pitch grid, headings without their markers,
// the figures in their boxes, and the page number in the footer.
#pragma once

#include <string>
#include <vector>

#include "render/box_drawing.h"
#include "render/figure_painter.h"
#include "render/report_document.h"

class QPainter;

namespace nuvra::render {

class ReportFont;

/// The horizontal pitch of each line of a page as a part of the normal one: 1 for a
/// line within the printable width, less for a longer one, and for every row of a
/// ruled table the pitch of its widest row.
std::vector<double> linePitches(const std::vector<PlacedLine>& lines, const PageGeometry& g);

class PagePainter {
  public:
    PagePainter(const ReportDocument& doc, ReportFont& font)
        : doc_(doc), font_(font), figures_(doc.styles(), font) {}

    /// Paints the page's content (not the paper) with the paper's top-left at
    /// dev.origin. What cannot be drawn is added to `problems` when given.
    void paint(QPainter& p, const Page& page, const DeviceMap& dev,
               std::vector<std::string>* problems = nullptr);

    /// Reads page `index` and paints it; false with a message when it cannot be read.
    bool paintPage(QPainter& p, int index, const DeviceMap& dev, std::string& error,
                   std::vector<std::string>* problems = nullptr);

  private:
    void paintLine(QPainter& p, const PlacedLine& l, double pitch, const DeviceMap& dev,
                   std::vector<std::string>* problems);
    static void markFailedVerdicts(QPainter& p, const TextRun& run, const RowCell& cell);

    const ReportDocument& doc_;
    ReportFont& font_;
    FigurePainter figures_;
};

}  // namespace nuvra::render
