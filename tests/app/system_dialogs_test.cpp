// The file and page-setup dialog wrappers against the real Qt dialogs (offscreen).
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QtTest>

#include "app/file_dialog.h"
#include "app/page_setup_dialog.h"
#include "app_test_support.h"

using namespace nuvra::app;
using namespace nuvra::app::test;

class SystemDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void filterPairs_data();
    void filterPairs();
    void cancelKeepsFileName();
    void openReturnsChosenPathAndTitle();
    void saveAppendsDefaultExtension();
    void openDialogIsConfiguredFromProperties();
    void pageSetupReturnsMarginsInHundredthsOfMm();
    void pageSetupInThousandthsOfInches();
    void cancelledPageSetupChangesNothing();
};

void SystemDialogsTest::filterPairs_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("pairs");  // description, pattern, ...
    QTest::addColumn<QStringList>("qtFilters");
    QTest::newRow("input files") << "入力ﾃﾞｰﾀ(*.nvr)|*.nvr"
                                 << QStringList{"入力ﾃﾞｰﾀ(*.nvr)", "*.nvr"}
                                 << QStringList{"入力ﾃﾞｰﾀ(*.nvr)"};
    QTest::newRow("two pairs, several patterns")
        << "Text|*.txt;*.log|All|*.*" << QStringList{"Text", "*.txt;*.log", "All", "*.*"}
        << QStringList{"Text (*.txt *.log)", "All (*.*)"};
    QTest::newRow("description without pattern")
        << "Any" << QStringList{"Any", ""} << QStringList{"Any (*)"};
    QTest::newRow("empty") << "" << QStringList{} << QStringList{};
}

void SystemDialogsTest::filterPairs() {
    QFETCH(QString, filter);
    QFETCH(QStringList, pairs);
    QFETCH(QStringList, qtFilters);
    QStringList got;
    for (const auto& [d, p] : CFileDialog::filterPairs(filter))
        got << d << p;
    QCOMPARE(got, pairs);
    QCOMPARE(CFileDialog::nameFilters(filter), qtFilters);
}

void SystemDialogsTest::cancelKeepsFileName() {
    QTemporaryDir dir;
    CFileDialog d;
    d.FileName = dir.path() + QStringLiteral("/before.nvr");
    d.FileTitle = QStringLiteral("before.nvr");
    d.Filter = QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)|*.nvr");
    d.Flags = FileDialogFlags::Save;
    whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    QVERIFY(!d.Show(false));
    QCOMPARE(d.FileName, dir.path() + QStringLiteral("/before.nvr"));
    QCOMPARE(d.FileTitle, QStringLiteral("before.nvr"));
}

void SystemDialogsTest::openReturnsChosenPathAndTitle() {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/設計.nvr");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.close();
    CFileDialog d;
    d.InitialDir = dir.path();
    d.Filter = QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)|*.nvr");
    d.FilterIndex = 1;
    d.Flags = FileDialogFlags::Open;
    whenModal([path](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        QVERIFY(fd);
        fd->selectFile(path);
        static_cast<QDialog*>(fd)->accept();
    });
    QVERIFY(d.Show(true));
    QCOMPARE(d.FileName, path);
    QCOMPARE(d.FileTitle, QStringLiteral("設計.nvr"));
}

void SystemDialogsTest::saveAppendsDefaultExtension() {
    QTemporaryDir dir;
    CFileDialog d;
    d.InitialDir = dir.path();
    d.DefaultExt = QStringLiteral(".nvr");
    d.Filter = QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)|*.nvr");
    d.Flags = FileDialogFlags::Save;
    whenModal([](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        QVERIFY(fd);
        fd->selectFile(QStringLiteral("plan"));
        static_cast<QDialog*>(fd)->accept();
    });
    QVERIFY(d.Show(false));
    QCOMPARE(d.FileName, dir.path() + QStringLiteral("/plan.nvr"));
    QCOMPARE(d.FileTitle, QStringLiteral("plan.nvr"));
}

void SystemDialogsTest::openDialogIsConfiguredFromProperties() {
    QTemporaryDir dir;
    CFileDialog d;
    d.DialogTitle = QStringLiteral("ﾌｧｲﾙを開く...");
    d.InitialDir = dir.path();
    d.Filter = QStringLiteral("Text|*.txt|入力ﾃﾞｰﾀ(*.nvr)|*.nvr");
    d.FilterIndex = 2;
    d.Flags = FileDialogFlags::Open;
    QString title, selectedFilter, directory;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    whenModal([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        title = fd->windowTitle();
        selectedFilter = fd->selectedNameFilter();
        directory = fd->directory().absolutePath();
        mode = fd->fileMode();
        fd->reject();
    });
    QVERIFY(!d.Show(true));
    QCOMPARE(title, QStringLiteral("ﾌｧｲﾙを開く..."));
    QCOMPARE(selectedFilter, QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)"));
    QCOMPARE(directory, QDir(dir.path()).absolutePath());
    QCOMPARE(mode, QFileDialog::ExistingFile);
}

void SystemDialogsTest::pageSetupReturnsMarginsInHundredthsOfMm() {
    CPageSetupDialog d;
    d.Flags = PageSetupFlags::MarginsInHundredthsMm;
    QCOMPARE(d.Flags, 42);
    d.MarginTop = 1500;
    d.MarginLeft = 2000;
    d.Copies = 3;
    whenModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
    QVERIFY(d.Show());
    QCOMPARE(d.MarginTop, 1500);
    QCOMPARE(d.MarginLeft, 2000);
    QCOMPARE(d.MarginBottom, 0);
    QCOMPARE(d.MarginRight, 0);
    QCOMPARE(d.Copies, std::int16_t(3));
    QVERIFY(d.Orientation == 1 || d.Orientation == 2);
    QVERIFY(d.PaperWidth > 0 && d.PaperLength > 0);
}

void SystemDialogsTest::pageSetupInThousandthsOfInches() {
    CPageSetupDialog d;
    d.Flags = PageSetupFlags::Margins | PageSetupFlags::InThousandthsOfInches;
    d.MarginTop = 1000;  // one inch
    QPrinter printer;
    d.applyTo(printer, d.Flags);
    QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter).top(), 25.4);
    d.MarginTop = 0;
    d.readBack(printer, d.Flags);
    QCOMPARE(d.MarginTop, 1000);
}

void SystemDialogsTest::cancelledPageSetupChangesNothing() {
    CPageSetupDialog d;
    d.Flags = PageSetupFlags::MarginsInHundredthsMm;
    d.MarginTop = 1500;
    whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    QVERIFY(!d.Show());
    QCOMPARE(d.MarginTop, 1500);
    QCOMPARE(d.Orientation, std::int16_t(0));
    QVERIFY(d.DeviceName().isEmpty());
}

QTEST_MAIN(SystemDialogsTest)
#include "system_dialogs_test.moc"
