#include "viewer/preview_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QWheelEvent>
#include <cmath>

#include "render/pdf_export.h"
#include "viewer/page_view.h"

namespace nuvra::viewer {
namespace {

const QString kTitle = QStringLiteral("印刷プレビュー");
constexpr double kZoomStep = 1.25;
constexpr int kProgressFrom = 20;  // pages before a progress dialog is worth showing
constexpr int kPageRole = Qt::UserRole;
constexpr int kRowRole = Qt::UserRole + 1;

QString joinLines(const std::vector<std::string>& lines, std::size_t total) {
    QString text;
    for (const auto& l : lines)
        text += QString::fromStdString(l) + QLatin1Char('\n');
    if (total > lines.size()) text += QStringLiteral("ほか %1 件").arg(total - lines.size());
    return text;
}

}  // namespace

PreviewWindow::PreviewWindow(std::unique_ptr<render::ReportDocument> doc, render::ReportFont font,
                             const QString& settingsFolder, QWidget* parent)
    : QMainWindow(parent),
      doc_(std::move(doc)),
      font_(std::move(font)),
      settingsFolder_(settingsFolder) {
    settings_ = ViewerSettings::load(settingsFolder_);
    setWindowTitle(kTitle + QStringLiteral(" - ") +
                   QFileInfo(QString::fromStdString(doc_->path())).fileName());

    view_ = new PageView(*doc_, font_, this);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->viewport()->installEventFilter(this);
    setCentralWidget(scroll_);
    scroll_->setFocus();
    buildActions();
    buildOutline();

    if (!settings_.geometry.isEmpty())
        restoreGeometry(settings_.geometry);
    else
        resize(900, 1000);
    view_->setPage(0);
    setZoom(settings_.zoom, settings_.fitWidth);
    updateState();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildActions() {
    QToolBar* bar = addToolBar(QStringLiteral("操作"));
    bar->setMovable(false);
    auto add = [this, bar](const QString& text, QKeySequence key, auto slot) {
        QAction* a = bar->addAction(text);
        if (!key.isEmpty()) a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    add(QStringLiteral("印刷(&P)..."), QKeySequence::Print, &PreviewWindow::print);
    add(QStringLiteral("PDF出力(&E)..."), QKeySequence(Qt::CTRL | Qt::Key_E),
        &PreviewWindow::exportPdf);
    bar->addSeparator();
    first_ = add(QStringLiteral("先頭"), QKeySequence(Qt::CTRL | Qt::Key_Home),
                 &PreviewWindow::firstPage);
    previous_ =
        add(QStringLiteral("前へ"), QKeySequence(Qt::Key_PageUp), &PreviewWindow::previousPage);
    pageBox_ = new QSpinBox(this);
    pageBox_->setRange(1, pageCount());
    pageBox_->setKeyboardTracking(false);
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int v) { goToPage(v - 1); });
    bar->addWidget(pageBox_);
    pageCountLabel_ = new QLabel(QStringLiteral(" / %1 ").arg(pageCount()), this);
    bar->addWidget(pageCountLabel_);
    next_ = add(QStringLiteral("次へ"), QKeySequence(Qt::Key_PageDown), &PreviewWindow::nextPage);
    last_ =
        add(QStringLiteral("最後"), QKeySequence(Qt::CTRL | Qt::Key_End), &PreviewWindow::lastPage);
    bar->addSeparator();
    add(QStringLiteral("縮小"), QKeySequence::ZoomOut, &PreviewWindow::zoomOut);
    add(QStringLiteral("拡大"), QKeySequence::ZoomIn, &PreviewWindow::zoomIn);
    add(QStringLiteral("幅に合わせる"), QKeySequence(Qt::CTRL | Qt::Key_1),
        &PreviewWindow::fitToWidth);
    add(QStringLiteral("ページ全体"), QKeySequence(Qt::CTRL | Qt::Key_0),
        &PreviewWindow::fitWholePage);
    zoomLabel_ = new QLabel(this);
    bar->addWidget(zoomLabel_);
    bar->addSeparator();
    problems_ = add(QStringLiteral("問題の一覧"), QKeySequence(), &PreviewWindow::showProblems);
    add(QStringLiteral("閉じる(&C)"), QKeySequence(Qt::Key_Escape), &QWidget::close);

    if (doc_->warningCount() > 0)
        statusBar()->showMessage(
            QStringLiteral("印刷ファイルに %1 件の問題があります（問題の一覧）")
                .arg(doc_->warningCount()));
}

void PreviewWindow::buildOutline() {
    outline_ = new QTreeWidget(this);
    outline_->setHeaderHidden(true);
    outline_->setColumnCount(1);
    outline_->setUniformRowHeights(true);
    QTreeWidgetItem* chapter = nullptr;
    for (const render::Heading& h : doc_->headings()) {
        auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(h.text)));
        item->setData(0, kPageRole, h.page);
        item->setData(0, kRowRole, h.row);
        item->setToolTip(0, QStringLiteral("%1 ページ").arg(h.page + 1));
        if (h.level >= 2 && chapter) {
            chapter->addChild(item);
        } else {
            outline_->addTopLevelItem(item);
            chapter = item;
        }
    }
    outline_->expandAll();
    connect(outline_, &QTreeWidget::itemActivated, this, &PreviewWindow::showHeading);
    connect(outline_, &QTreeWidget::itemClicked, this, &PreviewWindow::showHeading);
    auto* dock = new QDockWidget(QStringLiteral("目次"), this);
    dock->setObjectName(QStringLiteral("outline"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    dock->setWidget(outline_);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    // A report without headings has nothing to list.
    if (doc_->headings().empty()) dock->hide();
}

void PreviewWindow::showHeading(QTreeWidgetItem* item) {
    if (!item) return;
    goToPage(item->data(0, kPageRole).toInt());
    // Scroll so that the heading's row stands near the top of the view.
    const render::PageGeometry& g = doc_->geometry();
    double mm = g.rowTopMm(item->data(0, kRowRole).toInt()) - 2.0 * g.linePitchMm;
    double perMm = (view_->height() - 2.0 * PageView::kGap) / render::PageGeometry::kPaperHeightMm;
    int y = static_cast<int>(std::lround(PageView::kGap + std::max(0.0, mm) * perMm));
    scroll_->verticalScrollBar()->setValue(std::min(y, scroll_->verticalScrollBar()->maximum()));
}

int PreviewWindow::currentPage() const {
    return view_->page();
}
double PreviewWindow::zoom() const {
    return view_->zoom();
}

void PreviewWindow::goToPage(int index) {
    index = std::clamp(index, 0, pageCount() - 1);
    if (index == view_->page()) return;
    if (!view_->setPage(index)) {
        QMessageBox::critical(this, kTitle, view_->error());
        return;
    }
    scroll_->verticalScrollBar()->setValue(0);
    updateState();
}

void PreviewWindow::nextPage() {
    goToPage(currentPage() + 1);
}
void PreviewWindow::previousPage() {
    goToPage(currentPage() - 1);
}
void PreviewWindow::firstPage() {
    goToPage(0);
}
void PreviewWindow::lastPage() {
    goToPage(pageCount() - 1);
}
void PreviewWindow::zoomIn() {
    setZoom(zoom() * kZoomStep, false);
}
void PreviewWindow::zoomOut() {
    setZoom(zoom() / kZoomStep, false);
}
void PreviewWindow::fitToWidth() {
    setZoom(zoom(), true);
}

void PreviewWindow::fitWholePage() {
    setZoom(view_->zoomForSize(scroll_->viewport()->size()), false);
}

void PreviewWindow::setZoom(double zoom, bool fitWidth) {
    settings_.fitWidth = fitWidth;
    if (fitWidth) zoom = view_->zoomForWidth(scroll_->viewport()->width());
    view_->setZoom(zoom);
    settings_.zoom = view_->zoom();
    updateState();
}

void PreviewWindow::updateState() {
    const int page = currentPage();
    {
        QSignalBlocker block(pageBox_);
        pageBox_->setValue(page + 1);
    }
    first_->setEnabled(page > 0);
    previous_->setEnabled(page > 0);
    next_->setEnabled(page + 1 < pageCount());
    last_->setEnabled(page + 1 < pageCount());
    problems_->setEnabled(doc_->warningCount() > 0);
    zoomLabel_->setText(QStringLiteral(" %1% ").arg(std::lround(zoom() * 100)));
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    // Fitting follows the viewport itself: it gets its size only once the window's
    // layout has settled, after the window's own resize.
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && settings_.fitWidth)
        setZoom(zoom(), true);
    if (watched == scroll_->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() > 0)
                zoomIn();
            else if (wheel->angleDelta().y() < 0)
                zoomOut();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool PreviewWindow::exportPdfTo(const QString& path, bool quiet) {
    std::unique_ptr<QProgressDialog> progress;
    if (!quiet && pageCount() >= kProgressFrom) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("PDF を書き出しています..."),
                                                     QStringLiteral("中止"), 0, pageCount(), this);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(300);
    }
    auto r = render::writePdf(*doc_, path.toStdString(), [&progress](int done, int) {
        if (!progress) return true;
        progress->setValue(done);
        return !progress->wasCanceled();
    });
    if (!r.ok) {
        if (!quiet) QMessageBox::critical(this, kTitle, QString::fromStdString(r.error));
        return false;
    }
    settings_.pdfFolder = QFileInfo(path).absolutePath();
    statusBar()->showMessage(
        QStringLiteral("%1 に %2 ページを書き出しました").arg(path).arg(r.pages), 8000);
    return true;
}

void PreviewWindow::exportPdf() {
    QString folder = settings_.pdfFolder.isEmpty() ? QDir::homePath() : settings_.pdfFolder;
    QString name =
        QFileInfo(QString::fromStdString(doc_->path())).completeBaseName() + QStringLiteral(".pdf");
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("PDF出力"), QDir(folder).filePath(name),
                                     QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    exportPdfTo(path);
}

void PreviewWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QFileInfo(QString::fromStdString(doc_->path())).fileName());
    printer.setFromTo(1, pageCount());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    if (dialog.exec() != QDialog::Accepted) return;
    int first = 0, last = pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange) {
        first = printer.fromPage() - 1;
        last = printer.toPage() - 1;
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = currentPage();
    }
    QProgressDialog progress(QStringLiteral("印刷しています..."), QStringLiteral("中止"), 0,
                             last - first + 1, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    auto r = render::printPages(*doc_, printer, first, last, [&progress](int done, int) {
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    if (!r.ok) QMessageBox::critical(this, kTitle, QString::fromStdString(r.error));
}

void PreviewWindow::showProblems() {
    QMessageBox box(QMessageBox::Warning, kTitle, QStringLiteral("印刷ファイルの問題"),
                    QMessageBox::Ok, this);
    box.setInformativeText(QStringLiteral("次の箇所は表示できないか、形を変えて表示しています。"));
    box.setDetailedText(joinLines(doc_->warnings(), doc_->warningCount()));
    box.exec();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    settings_.geometry = saveGeometry();
    settings_.save(settingsFolder_);
    event->accept();
}

}  // namespace nuvra::viewer
