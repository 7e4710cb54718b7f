#include "render/page_painter.h"

#include <QPainter>
#include <algorithm>

#include "formats/cp932_chars.h"
#include "render/box_drawing.h"
#include "render/report_font.h"
#include "render/verdict_marks.h"

namespace nuvra::render {
namespace {

// A line longer than the printable width is drawn at a narrower pitch, at most
// squeezed to this part of its width; past that it is cut at the printable width.
constexpr double kMinCondense = 0.5;
constexpr double kHeadingRuleMm = 0.25;

bool hasRules(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        formats::Cp932Char c = formats::cp932CharAt(text, i);
        if (boxArms(c.code)) return true;
        i += c.bytes;
    }
    return false;
}

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
    const std::vector<double> pitch = linePitches(page.lines, g);
    for (std::size_t i = 0; i < page.lines.size(); ++i)
        paintLine(p, page.lines[i], pitch[i], dev, problems);
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

std::vector<double> linePitches(const std::vector<PlacedLine>& lines, const PageGeometry& g) {
    std::vector<double> pitch(lines.size(), 1.0);
    std::vector<bool> ruled(lines.size(), false);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const formats::PrintLine& line = lines[i].line;
        const double natural = columnsOf(line.text) * g.columnWidthMm();
        const double room = g.textRightMm() - g.columnXMm(line.column);
        if (natural > room && natural > 0) pitch[i] = std::max(0.0, room) / natural;
        ruled[i] = hasRules(line.text);
    }
    // The rows of a table share the pitch of its widest row, so that its rules stay
    // one above the other.
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t end = i + 1;
        if (ruled[i])
            while (end < lines.size() && ruled[end] && lines[end].row == lines[end - 1].row + 1)
                ++end;
        double shared = *std::min_element(pitch.begin() + static_cast<std::ptrdiff_t>(i),
                                          pitch.begin() + static_cast<std::ptrdiff_t>(end));
        std::fill(pitch.begin() + static_cast<std::ptrdiff_t>(i),
                  pitch.begin() + static_cast<std::ptrdiff_t>(end), shared);
        i = end;
    }
    return pitch;
}

void PagePainter::markFailedVerdicts(QPainter& p, const TextRun& run, const RowCell& cell) {
    const std::vector<int> columns = failedVerdictColumns(run.bytes);
    if (columns.empty()) return;
    // A red frame on a light red ground around the word, within its row, so that a
    // failed check stands out on screen, on paper and in the PDF.
    const double column = run.em / 2.0 * run.condense;
    const double pad = column * 0.2;
    p.save();
    p.setPen(QPen(QColor(200, 0, 0), std::max(1.0, run.em * 0.06)));
    p.setBrush(QColor(255, 0, 0, 40));
    for (int c : columns) {
        const QRectF box(run.baseline.x() + c * column - pad, run.baseline.y() + cell.top + pad,
                         3 * column + 2 * pad, cell.bottom - cell.top - 2 * pad);
        p.drawRect(box);
    }
    p.restore();
}

void PagePainter::paintLine(QPainter& p, const PlacedLine& l, double pitch, const DeviceMap& dev,
                            std::vector<std::string>* problems) {
    const PageGeometry& g = doc_.geometry();
    const formats::PrintLine& line = l.line;
    const double u = dev.unitsPerMm;
    const bool heading =
        line.kind == formats::LineKind::Heading1 || line.kind == formats::LineKind::Heading2;
    const int cols = columnsOf(line.text);
    const double x = g.columnXMm(line.column);
    const double naturalWidth = cols * g.columnWidthMm();
    const double room = g.textRightMm() - x;

    double condense = 1.0;
    bool clip = false;
    if (pitch < 1.0) {
        condense = std::max(kMinCondense, pitch);
        if (pitch < kMinCondense) {
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
        p.setClipRect(
            QRectF(dev.map(0, g.rowTopMm(l.row)), dev.map(g.textRightMm(), g.rowTopMm(l.row + 1))));
    // Table rules fill the whole row, so that rows of a table meet.
    RowCell cell{(g.rowTopMm(l.row) - baseline) * u, (g.rowTopMm(l.row + 1) - baseline) * u};
    const TextRun run{line.text, dev.map(x, baseline), g.emMm * u, heading, condense};
    drawRuledText(p, font_, run, cell);
    markFailedVerdicts(p, run, cell);
    if (line.kind == formats::LineKind::Heading1 && cols > 0) {
        // A chapter heading is underlined over its text.
        double y = top + g.emMm + 0.02;
        p.setPen(QPen(Qt::black, kHeadingRuleMm * u, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(dev.map(x, y), dev.map(x + std::min(naturalWidth * condense, room), y));
    }
    p.restore();
}

}  // namespace nuvra::render
