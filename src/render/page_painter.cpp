#include "render/page_painter.h"

#include <QPainter>
#include <algorithm>

#include "render/report_font.h"

namespace nuvra::render {
namespace {

// A line is squeezed at most to this part of its width; past that it is cut at the
// paper's edge.
constexpr double kMinCondense = 0.5;
constexpr double kHeadingRuleMm = 0.25;

}  // namespace

bool PagePainter::paintPage(QPainter& p, int index, const DeviceMap& dev, std::string& error,
                            std::vector<std::string>* problems) {
    Page page;
    if (!doc_.page(index, page, error)) return false;
    paint(p, page, dev, problems);
    return true;
}

void PagePainter::paint(QPainter& p, const Page& page, const DeviceMap& dev,
                        std::vector<std::string>* problems) {
    const PageGeometry& g = doc_.geometry();
    p.save();
    p.setPen(Qt::black);
    for (const auto& l : page.lines)
        paintLine(p, l, dev, problems);
    for (const auto& f : page.figures)
        figures_.paint(p, f, dev, problems);

    // Footer: the page number, centred.
    std::string number = "- " + std::to_string(page.index + 1) + " -";
    double em = g.emMm;
    double width = static_cast<double>(number.size()) * em / 2.0;
    QPointF at = dev.map((PageGeometry::kPaperWidthMm - width) / 2.0, g.footerBaselineMm());
    p.setPen(Qt::black);
    drawColumnText(p, font_, TextRun{number, at, em * dev.unitsPerMm, false, 1.0});
    p.restore();
}

void PagePainter::paintLine(QPainter& p, const PlacedLine& l, const DeviceMap& dev,
                            std::vector<std::string>* problems) {
    const PageGeometry& g = doc_.geometry();
    const PrintLine& line = l.line;
    const double u = dev.unitsPerMm;
    const bool heading = line.kind == LineKind::Heading1 || line.kind == LineKind::Heading2;
    const int cols = columnsOf(line.text);
    const double x = g.columnXMm(line.column);
    const double naturalWidth = cols * g.columnWidthMm();
    const double room = g.rightLimitMm() - x;

    double condense = 1.0;
    bool clip = false;
    if (naturalWidth > room && naturalWidth > 0) {
        condense = std::max(kMinCondense, room / naturalWidth);
        if (room / naturalWidth < kMinCondense) {
            clip = true;
            if (problems)
                problems->push_back(std::to_string(line.lineNumber) +
                                    " 行目: 行が用紙の幅に収まらないため右端を切りました");
        }
    }
    // The em box sits in the middle of the row.
    double top = g.rowTopMm(l.row) + (g.linePitchMm - g.emMm) / 2.0;
    double baseline = top + ReportFont::kEmTop * g.emMm;
    p.save();
    if (clip)
        p.setClipRect(QRectF(dev.map(0, g.rowTopMm(l.row)),
                             dev.map(g.rightLimitMm(), g.rowTopMm(l.row + 1))));
    drawColumnText(p, font_,
                   TextRun{line.text, dev.map(x, baseline), g.emMm * u, heading, condense});
    if (line.kind == LineKind::Heading1 && cols > 0) {
        // A chapter heading is underlined over its text.
        double y = top + g.emMm + 0.02;
        p.setPen(QPen(Qt::black, kHeadingRuleMm * u, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(dev.map(x, y), dev.map(x + std::min(naturalWidth * condense, room), y));
    }
    p.restore();
}

}  // namespace nuvra::render
