// The file and page-setup dialog wrappers against the real Qt dialogs (offscreen).
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "app/file_dialog.h"
#include "app/message_service.h"
#include "app/page_setup_dialog.h"
#include "app_test_support.h"
#include "render/japanese_ui.h"

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
    void qtTextsAreJapaneseWhateverTheLocale();
    void fileDialogStartsOnlyInBrowsableFolders_data();
    void fileDialogStartsOnlyInBrowsableFolders();
    void fileTypesComeFromTheNameAlone();
    void aboutBoxIsWideEnoughForItsTitle();
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

void SystemDialogsTest::qtTextsAreJapaneseWhateverTheLocale() {
    // The suite runs under LC_ALL=C: the texts must not depend on the system's language.
    QVERIFY(nuvra::render::installJapaneseUi(*QCoreApplication::instance()));
    QStringList texts;
    whenModal([&texts](QWidget* w) {
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            texts << b->text();
        w->close();
    });
    QMessageBox::question(nullptr, QStringLiteral("t"), QStringLiteral("q"),
                          QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY2(texts.contains(QStringLiteral("キャンセル")), qPrintable(texts.join(',')));

    // The open dialog: its buttons, its column headers whole, and the edit menu of a field.
    QTemporaryDir dir;
    CFileDialog d;
    d.InitialDir = dir.path();
    d.Filter = QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)|*.nvr");
    d.Flags = FileDialogFlags::Open;
    QStringList buttons, headers, menu;
    bool columnsWhole = true;
    whenModal([&](QWidget* w) {
        for (QPushButton* b : w->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
            buttons << b->text();
        auto* view = w->findChild<QTreeView*>(QStringLiteral("treeView"));
        QHeaderView* header = view->header();
        for (int c = 0; c < header->count(); ++c) {
            const QString h = header->model()->headerData(c, Qt::Horizontal).toString();
            headers << h;
            columnsWhole = columnsWhole &&
                           header->sectionSize(c) >= header->fontMetrics().horizontalAdvance(h);
        }
        QMenu* edit =
            w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->createStandardContextMenu();
        for (QAction* a : edit->actions())
            menu << a->text().section(QLatin1Char('\t'), 0, 0);  // without the shortcut
        delete edit;
        static_cast<QDialog*>(w)->reject();
    });
    QVERIFY(!d.Show(true));
    QVERIFY2(
        buttons.contains(QStringLiteral("開く(&O)")) || buttons.contains(QStringLiteral("開く")),
        qPrintable(buttons.join(',')));
    QVERIFY2(buttons.contains(QStringLiteral("キャンセル")), qPrintable(buttons.join(',')));
    QCOMPARE(headers.size(), 4);
    QVERIFY2(headers.contains(QStringLiteral("名前")), qPrintable(headers.join(',')));
    QVERIFY2(columnsWhole, qPrintable(headers.join(',')));
    QVERIFY2(menu.contains(QStringLiteral("元に戻す(&U)")), qPrintable(menu.join(',')));
    QVERIFY2(menu.contains(QStringLiteral("貼り付け(&P)")), qPrintable(menu.join(',')));
}

void SystemDialogsTest::fileDialogStartsOnlyInBrowsableFolders_data() {
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("kept");
    QTest::newRow("a folder of files") << QString() << true;
    QTest::newRow("/proc") << "/proc" << false;
    QTest::newRow("inside /proc") << "/proc/self" << false;
    QTest::newRow("/sys") << "/sys" << false;
    QTest::newRow("/dev") << "/dev" << false;
    QTest::newRow("gone") << "/no/such/folder" << false;
}

void SystemDialogsTest::fileDialogStartsOnlyInBrowsableFolders() {
    QFETCH(QString, initial);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    if (initial.isEmpty()) initial = dir.path();
    QCOMPARE(isBrowsableFolder(initial), kept);
    CFileDialog d;
    d.InitialDir = initial;
    d.Flags = FileDialogFlags::Open;
    QString directory;
    whenModal([&directory](QWidget* w) {
        directory = qobject_cast<QFileDialog*>(w)->directory().absolutePath();
        static_cast<QDialog*>(w)->reject();
    });
    QVERIFY(!d.Show(true));
    QCOMPARE(directory, kept ? QDir(initial).absolutePath() : QDir::homePath());
}

void SystemDialogsTest::fileTypesComeFromTheNameAlone() {
    // A PNG without its extension: Qt's provider reads the content to call it an image,
    // the dialogs' provider goes by the name and never opens the file.
    QTemporaryDir dir;
    const QString noName = dir.path() + QStringLiteral("/picture");
    const QString named = dir.path() + QStringLiteral("/picture.png");
    for (const QString& path : {noName, named}) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, '\0'));
    }
    QMimeDatabase db;
    const QString png = db.mimeTypeForName(QStringLiteral("image/png")).comment();
    NameOnlyIconProvider names;
    QCOMPARE(QFileIconProvider().type(QFileInfo(noName)), png);  // what the content says
    QVERIFY(names.type(QFileInfo(noName)) != png);
    QCOMPARE(names.type(QFileInfo(named)), png);
    QCOMPARE(names.type(QFileInfo(dir.path())), QStringLiteral("フォルダー"));
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

void SystemDialogsTest::aboutBoxIsWideEnoughForItsTitle() {
    // A message box sizes itself by its text; the window frame would cut a longer title.
    const QString title = QStringLiteral("バージョン情報　ヌブラの設計　U型水路の構造計算");
    int width = 0, titleWidth = 0;
    whenModal([&](QWidget* w) {
        width = w->width();
        titleWidth = w->fontMetrics().horizontalAdvance(title);
        w->close();
    });
    QtMessageService real;
    real.showAbout(nullptr, title, QStringLiteral("<p>1.0</p>"));
    QVERIFY2(width > titleWidth, qPrintable(QStringLiteral("%1 <= %2").arg(width).arg(titleWidth)));
}

QTEST_MAIN(SystemDialogsTest)
#include "system_dialogs_test.moc"
