// Shows one page of the report on its paper, at a zoom (1.0 is the real size).
#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "render/page_painter.h"
#include "render/report_document.h"

namespace nuvra::render {
class ReportFont;
}

namespace nuvra::viewer {

class PageView : public QWidget {
    Q_OBJECT
  public:
    /// Grey space around the paper, in pixels.
    static constexpr int kGap = 16;

    PageView(const render::ReportDocument& doc, render::ReportFont& font,
             QWidget* parent = nullptr);

    /// Shows page `index` (0-based); false with error() set when it cannot be read.
    bool setPage(int index);
    int page() const { return index_; }
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    /// The zoom at which the paper fills a viewport `width` pixels wide.
    double zoomForWidth(int width) const;
    /// The zoom at which the whole paper fits a viewport.
    double zoomForSize(const QSize& size) const;

    const QString& error() const { return error_; }
    /// Problems met while painting the shown page.
    const std::vector<std::string>& problems() const { return problems_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double pixelsPerMm() const;

    const render::ReportDocument& doc_;
    render::PagePainter painter_;
    render::Page page_;
    int index_ = -1;
    double zoom_ = 1.0;
    QString error_;
    std::vector<std::string> problems_;
};

}  // namespace nuvra::viewer
