// The preview window on the offscreen platform: paging, zoom, export, settings.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "render/report_document.h"
#include "render/report_font.h"
#include "sample_files.h"
#include "viewer/page_view.h"
#include "viewer/preview_window.h"

using nuvra::render::ReportDocument;
using nuvra::render::ReportFont;
using nuvra::viewer::PreviewWindow;

class PreviewWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir data_;
    QTemporaryDir settings_;

    std::unique_ptr<PreviewWindow> makeWindow(const QString& printFile = QString()) {
        auto doc = std::make_unique<ReportDocument>();
        std::string error;
        nuvra::render::RenderOptions o{data_.path().toStdString(), std::nullopt, std::nullopt};
        QString file =
            printFile.isEmpty() ? data_.filePath(QStringLiteral("report.prn")) : printFile;
        if (!doc->open(file.toStdString(), o, error)) qFatal("%s", error.c_str());
        ReportFont font;
        if (!font.load(error)) qFatal("%s", error.c_str());
        auto w = std::make_unique<PreviewWindow>(std::move(doc), std::move(font), settings_.path());
        w->resize(800, 900);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) qFatal("window not shown");
        return w;
    }

  private slots:
    void initTestCase() { nuvra::render::test::writeSampleFiles(data_.path().toStdString()); }

    void navigatesWithinThePages() {
        auto w = makeWindow();
        QCOMPARE(w->pageCount(), 4);
        QCOMPARE(w->currentPage(), 0);
        w->previousPage();
        QCOMPARE(w->currentPage(), 0);
        w->nextPage();
        QCOMPARE(w->currentPage(), 1);
        w->lastPage();
        QCOMPARE(w->currentPage(), 3);
        w->nextPage();
        QCOMPARE(w->currentPage(), 3);
        w->goToPage(99);
        QCOMPARE(w->currentPage(), 3);
        w->firstPage();
        QCOMPARE(w->currentPage(), 0);
        // The keys act as the buttons do.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_PageDown);
        QCOMPARE(w->currentPage(), 1);
        QTest::keyClick(w.get(), Qt::Key_PageUp);
        QCOMPARE(w->currentPage(), 0);
    }

    void theOutlineJumpsToChaptersAndSections() {
        auto w = makeWindow();
        QTreeWidget* tree = w->outline();
        QVERIFY(tree);
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("1. 設計条件"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 2);
        QCOMPARE(tree->topLevelItem(1)->childCount(), 2);
        QCOMPARE(tree->topLevelItem(2)->childCount(), 0);
        // "2.2 土圧" stands on the third page, chapter 3 on the fourth.
        QTreeWidgetItem* earth = tree->topLevelItem(1)->child(1);
        QCOMPARE(earth->text(0), QStringLiteral("2.2 土圧"));
        emit tree->itemActivated(earth, 0);
        QCOMPARE(w->currentPage(), 2);
        emit tree->itemActivated(tree->topLevelItem(2), 0);
        QCOMPARE(w->currentPage(), 3);
        emit tree->itemActivated(tree->topLevelItem(0)->child(0), 0);
        QCOMPARE(w->currentPage(), 0);
    }

    void zoomsAndFitsTheWidth() {
        auto w = makeWindow();
        w->fitToWidth();
        QVERIFY(w->fitsWidth());
        double fit = w->zoom();
        w->zoomIn();
        QVERIFY(!w->fitsWidth());
        QVERIFY(w->zoom() > fit);
        w->zoomOut();
        w->zoomOut();
        QVERIFY(w->zoom() < fit);
        w->fitToWidth();
        QCOMPARE(w->zoom(), fit);
        // Fitted, the paper and its gaps fill the width beside the outline panel, less the
        // scroll area's frame.
        const int room = w->width() - w->outline()->parentWidget()->width();
        QVERIFY(w->pageView()->width() <= room);
        QVERIFY(w->pageView()->width() > room - 40);
    }

    void paintsEveryPageWithoutNewProblems() {
        auto w = makeWindow();
        for (int i = 0; i < w->pageCount(); ++i) {
            w->goToPage(i);
            QImage image(w->pageView()->size(), QImage::Format_ARGB32);
            w->pageView()->render(&image);
            // Pages 1-3 draw cleanly; page 4 holds the three broken figures.
            QCOMPARE(static_cast<int>(w->pageView()->problems().size()), i == 3 ? 3 : 0);
        }
    }

    void exportsThePdf() {
        auto w = makeWindow();
        QString pdf = settings_.filePath(QStringLiteral("out.pdf"));
        QVERIFY(w->exportPdfTo(pdf, true));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(5), QByteArray("%PDF-"));
        QVERIFY(!w->exportPdfTo(settings_.filePath(QStringLiteral("missing/dir/x.pdf")), true));
    }

    void keepsItsSettingsInTheGivenFolder() {
        {
            auto w = makeWindow();
            w->zoomIn();
            w->close();
        }
        QSettings ini(settings_.filePath(QStringLiteral("Ospex.ini")), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("View/FitWidth")).toBool(), false);
        double saved = ini.value(QStringLiteral("View/Zoom")).toDouble();
        QVERIFY(saved > 0.1);
        auto again = makeWindow();
        QVERIFY(!again->fitsWidth());
        QVERIFY2(std::abs(again->zoom() - saved) < 1e-9,
                 qPrintable(QString::number(again->zoom()) + " " + QString::number(saved)));
        again->fitToWidth();
        again->close();
    }
};

QTEST_MAIN(PreviewWindowTest)
#include "preview_window_test.moc"
