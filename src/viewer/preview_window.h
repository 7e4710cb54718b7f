// The preview window: one page at a time, page navigation, zoom, fit to width, print
// through the system's print dialog and export to PDF.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "render/report_document.h"
#include "render/report_font.h"
#include "viewer/viewer_settings.h"

class QAction;
class QLabel;
class QScrollArea;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace nuvra::viewer {

class PageView;

class PreviewWindow : public QMainWindow {
    Q_OBJECT
  public:
    /// Shows an opened document; the font must have been loaded. Window settings are
    /// read from and written to `settingsFolder` (none are kept when it is empty).
    PreviewWindow(std::unique_ptr<render::ReportDocument> doc, render::ReportFont font,
                  const QString& settingsFolder, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    int currentPage() const;
    int pageCount() const { return doc_->pageCount(); }
    double zoom() const;
    bool fitsWidth() const { return settings_.fitWidth; }
    PageView* pageView() const { return view_; }
    /// The outline panel: chapters with their sections; activating one shows its page.
    QTreeWidget* outline() const { return outline_; }

    /// Writes the whole report to a PDF file; false with a message box on failure.
    bool exportPdfTo(const QString& path, bool quiet = false);

  public slots:
    void goToPage(int index);
    void nextPage();
    void previousPage();
    void firstPage();
    void lastPage();
    void zoomIn();
    void zoomOut();
    void fitToWidth();
    void fitWholePage();
    void exportPdf();
    void print();
    void showProblems();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildActions();
    void buildOutline();
    void showHeading(QTreeWidgetItem* item);
    void setZoom(double zoom, bool fitWidth);
    void updateState();

    std::unique_ptr<render::ReportDocument> doc_;
    render::ReportFont font_;
    QString settingsFolder_;
    ViewerSettings settings_;
    PageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageCountLabel_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QTreeWidget* outline_ = nullptr;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QAction* problems_ = nullptr;
};

}  // namespace nuvra::viewer
