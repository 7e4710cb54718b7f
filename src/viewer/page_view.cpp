#include "viewer/page_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "render/page_geometry.h"
#include "render/report_font.h"
#include "viewer/viewer_settings.h"

namespace nuvra::viewer {

using render::PageGeometry;

PageView::PageView(const render::ReportDocument& doc, render::ReportFont& font, QWidget* parent)
    : QWidget(parent), doc_(doc), painter_(doc, font) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

bool PageView::setPage(int index) {
    index = std::clamp(index, 0, doc_.pageCount() - 1);
    std::string error;
    render::Page page;
    if (!doc_.page(index, page, error)) {
        error_ = QString::fromStdString(error);
        return false;
    }
    error_.clear();
    page_ = std::move(page);
    index_ = index;
    problems_.clear();
    update();
    return true;
}

void PageView::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, ViewerSettings::kMinZoom, ViewerSettings::kMaxZoom);
    resize(sizeHint());
    updateGeometry();
    update();
}

double PageView::pixelsPerMm() const {
    return logicalDpiX() / 25.4 * zoom_;
}

double PageView::zoomForWidth(int width) const {
    double mm = PageGeometry::kPaperWidthMm * logicalDpiX() / 25.4;
    return std::max(ViewerSettings::kMinZoom, (width - 2.0 * kGap) / mm);
}

double PageView::zoomForSize(const QSize& size) const {
    double w = PageGeometry::kPaperWidthMm * logicalDpiX() / 25.4;
    double h = PageGeometry::kPaperHeightMm * logicalDpiX() / 25.4;
    return std::max(0.1,
                    std::min((size.width() - 2.0 * kGap) / w, (size.height() - 2.0 * kGap) / h));
}

QSize PageView::sizeHint() const {
    double u = pixelsPerMm();
    return QSize(static_cast<int>(PageGeometry::kPaperWidthMm * u) + 2 * kGap,
                 static_cast<int>(PageGeometry::kPaperHeightMm * u) + 2 * kGap);
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Dark));
    double u = pixelsPerMm();
    QRectF paper(kGap, kGap, PageGeometry::kPaperWidthMm * u, PageGeometry::kPaperHeightMm * u);
    p.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 60));
    p.fillRect(paper, Qt::white);
    if (index_ < 0) return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(paper);
    problems_.clear();
    painter_.paint(p, page_, render::DeviceMap{u, paper.topLeft()}, &problems_);
}

}  // namespace nuvra::viewer
