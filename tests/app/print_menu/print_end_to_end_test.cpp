// The whole way through the program: open the example design, change a slab spacing in
// the results dialog, confirm it, print two chapters from the print menu and check what
// the viewer was handed.
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "app/document_controller.h"
#include "app/main_window.h"
#include "app/print_menu/print_menu_dialog.h"
#include "app/results/results_grid.h"
#include "app_test_support.h"
#include "common/cp932.h"
#include "print_test_support.h"
#include "report/report_generation.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

class PrintEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void sampleFromResultsToViewer();
};

void PrintEndToEndTest::sampleFromResultsToViewer() {
    AppFixture f;
    QVERIFY(installDataFiles(f.appFolder()));
    installStandInViewer(f.appFolder());
    MainWindow w(f.context);
    f.dialogs.files.push_back(samplePath());
    w.document().open();
    QCOMPARE(w.document().CurrentFileName(), samplePath());
    DesignData& d = w.document().design();
    QCOMPARE(d.objInpHaikin.SokoSita.ctc, 250.0);
    QVERIFY(w.cmdMenu(MainWindow::InpKekka)->isEnabled());

    // Results: the slab's lower bars from 250 to 150 mm, then OK.
    QString ssBefore, ssAfter;
    bool resultsOpened = false;
    whenModal([&](QWidget* dialog) {
        resultsOpened = dialog->objectName() == QLatin1String("frmInpHaikin");
        auto* grid = dialog->findChild<ResultsGrid*>(QStringLiteral("vaSpread1"));
        if (grid) {
            ssBefore = grid->cell(3, ResultsGrid::Ss)->text();
            grid->cell(3, ResultsGrid::Ctc)->setText(QStringLiteral("150"));
            ssAfter = grid->cell(3, ResultsGrid::Ss)->text();
        }
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    w.cmdMenu(MainWindow::InpKekka)->click();
    QVERIFY(resultsOpened);
    QCOMPARE(ssBefore, QStringLiteral("102.95"));
    QVERIFY(ssAfter != ssBefore);
    QCOMPARE(d.objInpHaikin.SokoSita.ctc, 150.0);
    QVERIFY(d.objInpHaikin.InpFlg);
    QVERIFY(w.document().IsModified());
    QVERIFY(w.cmdMenu(MainWindow::MenuPrint)->isEnabled());

    // Print: the design conditions and the slab.
    QString combinedPath;
    QByteArray combined, conditions, slab;
    QStringList starts;
    whenModal([&](QWidget* window) {
        auto* menu = qobject_cast<frmMenuPrint*>(window);
        if (menu) {
            menu->cmdCheck(1)->click();
            menu->chkPrintItem(0)->setChecked(true);
            menu->chkPrintItem(5)->setChecked(true);
            menu->cmdPreview()->click();
            starts = viewerStarts(f.appFolder(), 1);
            combinedPath = QString::fromStdString(menu->generation().CombinedFile());
            combined = readBytes(combinedPath);
            conditions = readBytes(QString::fromStdString(menu->generation().ChapterFile(0)));
            slab = readBytes(QString::fromStdString(menu->generation().ChapterFile(5)));
        }
        window->close();
    });
    w.cmdMenu(MainWindow::MenuPrint)->click();

    QVERIFY(!conditions.isEmpty());
    QVERIFY(!slab.isEmpty());
    QCOMPARE(combined, conditions + '\f' + slab);
    QCOMPARE(starts,
             QStringList{QStringLiteral("[/INI=%1][%2]")
                             .arg(QString::fromStdString(f.context.paths.UserSettingsFolder),
                                  combinedPath)});
    QCOMPARE(readBytes(f.appFolder() + QStringLiteral("/viewer-received.prn")), combined);
    QVERIFY(!QFile::exists(combinedPath));  // deleted when the menu closed

    // The print command ran on the confirmed bars: the slab chapter spaces them at 150.
    const QString text = QString::fromStdString(fromCp932Lossy(slab.toStdString()));
    bool spacingShown = false;
    for (const QString& line : text.split(QStringLiteral("\r\n")))
        if (line.contains(QStringLiteral("鉄筋間隔")) && line.contains(QStringLiteral(" 150 ")))
            spacingShown = true;
    QVERIFY(spacingShown);
    QCOMPARE(f.context.settings.readString("MenuPrint", "5"), QStringLiteral("1"));
}

QTEST_MAIN(PrintEndToEndTest)
#include "print_end_to_end_test.moc"
