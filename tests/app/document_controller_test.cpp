// The document commands: new, open, open recent, save, save as, with their messages,
// captions, recent-file list and remembered folder.
#include <QAction>
#include <QPushButton>
#include <QtTest>

#include "app/document_controller.h"
#include "app/main_window.h"
#include "app/recent_files.h"
#include "app_test_support.h"
#include "design/input_file.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

const QString kAdvice =
    QStringLiteral("\n\nお問い合わせの際は，上記ｴﾗｰﾒｯｾｰｼﾞおよびｴﾗｰｺｰﾄﾞをお知らせください。");

QString readFailure(const QString& code) {
    return QStringLiteral("指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。（ｴﾗｰｺｰﾄﾞ ： ") +
           code + QStringLiteral("）") + kAdvice;
}

QString writeFailure(const QString& code) {
    return QStringLiteral("入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。（ｴﾗｰｺｰﾄﾞ ： ") + code +
           QStringLiteral("）") + kAdvice;
}

/// Writes a design with the given title to path (through the core's writer).
void writeDesign(const QString& path, const std::string& title) {
    DesignData d;
    d.objInpJyoken.Title = title;
    d.objInpJyoken.InpFlg = true;
    QVERIFY(SaveInputFile(d, path.toStdString()).ok);
}

}  // namespace

class DocumentTest : public QObject {
    Q_OBJECT
  private slots:
    void newDesignAsksAndResets();
    void openReadsFileAndUpdatesCaptionAndList();
    void openDialogIsAskedAsExpected();
    void cancelledOpenStillStoresFolder();
    void openFailures_data();
    void openFailures();
    void recentFileMissingShowsVersionThenReadMessage();
    void recentOpenKeepsOrder();
    void openingSameFileTwiceAndAFifthFile();
    void openOverModifiedDesignAsksToSave_data();
    void openOverModifiedDesignAsksToSave();
    void saveWritesOrReports();
    void saveAsSetsCaptionAndClearsModified();
    void cancelledSaveAsChangesNothing();
    void pathsTheSettingsCannotHoldStayOutOfTheList_data();
    void pathsTheSettingsCannotHoldStayOutOfTheList();
    void unsuitableFoldersAreNotOfferedAgain_data();
    void unsuitableFoldersAreNotOfferedAgain();
};

void DocumentTest::newDesignAsksAndResets() {
    AppFixture f;
    MainWindow w(f.context);
    const QString path = f.file(QStringLiteral("x.nvr"));
    f.dialogs.files.push_back(path);
    QVERIFY(w.document().saveAs());
    w.document().design().objInpJyoken.H = 5;
    w.document().design().objInpJyoken.InpFlg = true;
    w.document().setModified(true);

    f.messages.answers.push_back(MsgResult::Cancel);
    w.findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
    QCOMPARE(w.document().design().objInpJyoken.H, 5.0);
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計 - x.nvr"));

    f.messages.answers.push_back(MsgResult::Ok);
    w.findChild<QAction*>(QStringLiteral("New"))->trigger();
    QCOMPARE(w.document().design(), DesignData{});
    QVERIFY(w.document().CurrentFileName().isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計"));
    QVERIFY(w.document().IsModified());  // a new design keeps the flag as it was
    QVERIFY(!w.cmdMenu(MainWindow::InpKekka)->isEnabled());

    const ShownMessage& q = f.messages.shown.back();
    QCOMPARE(q.text, QStringLiteral("現在編集中の入力ﾃﾞｰﾀを全て破棄し，入力ﾃﾞｰﾀを初期化します。"));
    QCOMPARE(q.title, QStringLiteral("新規作成"));
    QCOMPARE(q.icon, MsgIcon::Information);
    QCOMPARE(q.buttons, MsgButtons::OkCancel);
}

void DocumentTest::openReadsFileAndUpdatesCaptionAndList() {
    AppFixture f;
    QDir(f.root.path()).mkpath(QStringLiteral("設計"));
    const QString path = f.file(QStringLiteral("設計/北側水路.nvr"));
    writeDesign(path, "北側水路");
    MainWindow w(f.context);
    f.dialogs.files.push_back(path);
    w.findChild<QAction*>(QStringLiteral("Open"))->trigger();
    QCOMPARE(w.document().design().objInpJyoken.Title, std::string("北側水路"));
    QCOMPARE(w.document().CurrentFileName(), path);
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計 - 北側水路.nvr"));
    QCOMPARE(w.recentFiles().entry(0), path);
    QCOMPARE(w.recentFiles().item(0)->text(), QStringLiteral("&1 ") + path);
    QVERIFY(w.recentFiles().item(0)->isEnabled());
    QCOMPARE(f.context.settings.readString("FileName", "InitDir"), f.file(QStringLiteral("設計")));
    QVERIFY(f.messages.shown.empty());
    QVERIFY(!w.document().IsModified());
    QCOMPARE(w.cmdMenu(0)->palette().color(QPalette::Active, QPalette::ButtonText),
             w.palette().color(QPalette::Active, QPalette::Highlight));  // refreshed
}

void DocumentTest::openDialogIsAskedAsExpected() {
    AppFixture f;
    MainWindow w(f.context);
    w.document().open();  // no InitDir yet: the application folder
    QDir(f.root.path()).mkpath(QStringLiteral("設計"));
    f.context.settings.writeString("FileName", "InitDir", f.file(QStringLiteral("設計")));
    w.document().open();
    QCOMPARE(f.dialogs.fileRequests.size(), std::size_t(2));
    const auto& first = f.dialogs.fileRequests[0];
    QVERIFY(first.fOpen);
    QCOMPARE(first.dialog.DialogTitle, QStringLiteral("ﾌｧｲﾙを開く..."));
    QCOMPARE(first.dialog.DefaultExt, QStringLiteral(".nvr"));
    QCOMPARE(first.dialog.Filter, QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)|*.nvr"));
    QCOMPARE(first.dialog.FilterIndex, std::int16_t(1));
    QVERIFY(first.dialog.FileName.isEmpty());
    QCOMPARE(first.dialog.Flags, 6148);
    QCOMPARE(first.dialog.InitialDir, f.appFolder());
    QCOMPARE(f.dialogs.fileRequests[1].dialog.InitialDir, f.file(QStringLiteral("設計")));

    w.document().saveAs();
    const auto& save = f.dialogs.fileRequests[2];
    QVERIFY(!save.fOpen);
    QCOMPARE(save.dialog.DialogTitle, QStringLiteral("ﾌｧｲﾙに名前を付けて保存..."));
    QCOMPARE(save.dialog.Filter, QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)|*.nvr"));
    QVERIFY(save.dialog.InitialDir.isEmpty());
    QVERIFY(save.dialog.Flags & FileDialogFlags::OverwritePrompt);
    QVERIFY(save.dialog.Flags & FileDialogFlags::PathMustExist);
    QVERIFY(save.dialog.Flags & FileDialogFlags::HideReadOnly);
}

void DocumentTest::cancelledOpenStillStoresFolder() {
    AppFixture f;
    MainWindow w(f.context);
    w.document().open();
    QCOMPARE(f.context.settings.readString("FileName", "InitDir"), f.appFolder());
    QVERIFY(f.messages.shown.empty());
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計"));
}

void DocumentTest::openFailures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");  // null: no file
    QTest::addColumn<QString>("versionMessage");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("recordsReset");
    const QByteArray header = QByteArray("ZANTREL INPUT FILE FORMAT V1\x81\x46x\r\n") +
                              "PRODUCT NAME                   [x]\r\n";
    QTest::newRow("wrong extension") << "a.txt" << QByteArray("x") << ""
                                     << "0" << false;
    QTest::newRow("unsupported version")
        << "b.nvr" << header + "INPUT FILE VERSION             [2.00]\r\n"
        << "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.2.00）には現在対応しておりません。"
        << "0" << false;
    QTest::newRow("cut short") << "c.nvr"
                               << header +
                                      "INPUT FILE VERSION             [1.00]\r\n#TRUE#\r\n\"t\"\r\n"
                               << ""
                               << "62" << true;
}

void DocumentTest::openFailures() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, versionMessage);
    QFETCH(QString, code);
    QFETCH(bool, recordsReset);
    AppFixture f;
    const QString good = f.file(QStringLiteral("good.nvr"));
    writeDesign(good, "good");
    const QString bad = f.file(name);
    {
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    MainWindow w(f.context);
    f.dialogs.files = {good, bad};
    w.document().open();
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計 - good.nvr"));
    w.document().design().objInpKiso.InpFlg = true;
    w.document().open();

    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計"));
    QVERIFY(w.document().CurrentFileName().isEmpty());
    QCOMPARE(w.document().design().objInpKiso.InpFlg, !recordsReset);
    QCOMPARE(w.document().design().objInpJyoken.Title,
             std::string(recordsReset ? "(未定義)" : "good"));
    std::size_t i = 0;
    if (!versionMessage.isEmpty()) {
        QCOMPARE(f.messages.shown.size(), std::size_t(2));
        QCOMPARE(f.messages.shown[0].text, versionMessage);
        QCOMPARE(f.messages.shown[0].title, QStringLiteral("ﾌｧｲﾙを開く"));
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::Critical);
        i = 1;
    } else {
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
    }
    QCOMPARE(f.messages.shown[i].text, readFailure(code));
    QCOMPARE(f.messages.shown[i].title, QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ読み込みｴﾗｰ"));
    QCOMPARE(f.messages.shown[i].icon, MsgIcon::Critical);
    QCOMPARE(f.messages.shown[i].buttons, MsgButtons::Ok);
    QCOMPARE(w.recentFiles().entry(0), good);  // a failed open does not join the list
    QVERIFY(w.recentFiles().entry(1).isEmpty());
}

void DocumentTest::recentFileMissingShowsVersionThenReadMessage() {
    AppFixture f;
    f.context.settings.writeString("FileName", "FileName1", f.file(QStringLiteral("gone.nvr")));
    MainWindow w(f.context);
    QVERIFY(w.recentFiles().item(0)->isEnabled());
    w.recentFiles().item(0)->trigger();
    QCOMPARE(f.messages.shown.size(), std::size_t(2));
    QCOMPARE(f.messages.shown[0].text,
             QStringLiteral("入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.error）には現在対応しておりません。"));
    QCOMPARE(f.messages.shown[0].title, QStringLiteral("ﾌｧｲﾙを開く"));
    QCOMPARE(f.messages.shown[1].text, readFailure(QStringLiteral("0")));
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計"));
    QVERIFY(f.context.settings.readString("FileName", "InitDir").isEmpty());
}

void DocumentTest::recentOpenKeepsOrder() {
    AppFixture f;
    QDir(f.root.path()).mkpath(QStringLiteral("sub"));
    const QString a = f.file(QStringLiteral("a.nvr"));
    const QString b = f.file(QStringLiteral("sub/b.nvr"));
    writeDesign(a, "a");
    writeDesign(b, "b");
    f.context.settings.writeString("FileName", "FileName1", a);
    f.context.settings.writeString("FileName", "FileName2", b);
    MainWindow w(f.context);
    w.recentFiles().item(1)->trigger();
    QCOMPARE(w.document().design().objInpJyoken.Title, std::string("b"));
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計 - b.nvr"));
    QCOMPARE(w.document().CurrentFileName(), b);
    QCOMPARE(w.recentFiles().entry(0), a);
    QCOMPARE(w.recentFiles().entry(1), b);
    QCOMPARE(f.context.settings.readString("FileName", "InitDir"), f.file(QStringLiteral("sub")));
    QVERIFY(f.messages.shown.empty());
}

void DocumentTest::openingSameFileTwiceAndAFifthFile() {
    AppFixture f;
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << f.file(QStringLiteral("設計%1.nvr").arg(i));
        writeDesign(paths.back(), "d");
    }
    MainWindow w(f.context);
    for (const QString& p : {paths[0], paths[1], paths[0]}) {
        f.dialogs.files.push_back(p);
        w.document().open();
    }
    QCOMPARE(w.recentFiles().entry(0), paths[0]);
    QCOMPARE(w.recentFiles().entry(1), paths[1]);
    QVERIFY(w.recentFiles().entry(2).isEmpty());
    QVERIFY(!w.recentFiles().item(2)->isEnabled());
    for (const QString& p : {paths[2], paths[3], paths[4]}) {
        f.dialogs.files.push_back(p);
        w.document().open();
    }
    QCOMPARE(w.recentFiles().read(), (RecentList{paths[4], paths[3], paths[2], paths[0]}));
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.recentFiles().item(i)->isEnabled());
    QCOMPARE(w.recentFiles().item(3)->text(), QStringLiteral("&4 ") + paths[0]);
}

void DocumentTest::openOverModifiedDesignAsksToSave_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAsChoice");  // empty: cancelled
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("savedFirst");
    QTest::newRow("no: open without saving") << int(MsgResult::No) << "" << true << false;
    QTest::newRow("cancel: keep the design") << int(MsgResult::Cancel) << "" << false << false;
    QTest::newRow("yes: save, then open") << int(MsgResult::Yes) << "mine.nvr" << true << true;
    QTest::newRow("yes, save as cancelled: keep") << int(MsgResult::Yes) << "" << false << false;
    QTest::newRow("yes, save fails: keep")
        << int(MsgResult::Yes) << "gone/mine.nvr" << false << false;
}

void DocumentTest::openOverModifiedDesignAsksToSave() {
    QFETCH(int, answer);
    QFETCH(QString, saveAsChoice);
    QFETCH(bool, opened);
    QFETCH(bool, savedFirst);
    AppFixture f;
    const QString other = f.file(QStringLiteral("other.nvr"));
    writeDesign(other, "other");
    MainWindow w(f.context);
    w.document().design().objInpJyoken.Title = "mine";
    w.document().setModified(true);
    f.messages.answers.push_back(MsgResult(answer));
    f.dialogs.files.push_back(saveAsChoice.isEmpty() ? QString() : f.file(saveAsChoice));
    if (answer != int(MsgResult::Yes)) f.dialogs.files.clear();
    f.dialogs.files.push_back(other);
    w.document().open();

    QCOMPARE(f.messages.shown[0].title, QStringLiteral("ﾌｧｲﾙを開く"));
    QCOMPARE(f.messages.shown[0].buttons, MsgButtons::YesNoCancel);
    QCOMPARE(w.document().design().objInpJyoken.Title, std::string(opened ? "other" : "mine"));
    QCOMPARE(w.document().IsModified(), !opened);
    QCOMPARE(QFile::exists(f.file(QStringLiteral("mine.nvr"))), savedFirst);
}

void DocumentTest::saveWritesOrReports() {
    AppFixture f;
    QDir(f.root.path()).mkpath(QStringLiteral("w"));
    const QString path = f.file(QStringLiteral("w/s.nvr"));
    MainWindow w(f.context);
    f.dialogs.files.push_back(path);
    w.document().setModified(true);
    QVERIFY(w.document().save());  // untitled: save as
    QCOMPARE(f.dialogs.fileRequests.size(), std::size_t(1));
    QVERIFY(!w.document().IsModified());

    w.document().design().objInpJyoken.H = 3.5;
    w.document().setModified(true);
    w.findChild<QAction*>(QStringLiteral("mnuFileSave"))->trigger();
    QCOMPARE(f.dialogs.fileRequests.size(), std::size_t(1));  // titled: no dialog
    QVERIFY(!w.document().IsModified());
    DesignData back;
    QVERIFY(LoadInputFile(back, path.toStdString()).ok);
    QCOMPARE(back.objInpJyoken.H, 3.5);

    // The folder disappears: the save fails, the document state stays.
    QVERIFY(QDir(f.file(QStringLiteral("w"))).removeRecursively());
    w.document().setModified(true);
    QVERIFY(!w.document().save());
    QVERIFY(w.document().IsModified());
    QCOMPARE(w.document().CurrentFileName(), path);
    QCOMPARE(f.messages.shown.back().text, writeFailure(QStringLiteral("76")));
    QCOMPARE(f.messages.shown.back().title, QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ書き込みｴﾗｰ"));
    QCOMPARE(f.messages.shown.back().icon, MsgIcon::Critical);
}

void DocumentTest::saveAsSetsCaptionAndClearsModified() {
    AppFixture f;
    QDir(f.root.path()).mkpath(QStringLiteral("d"));
    const QString path = f.file(QStringLiteral("d/名前.nvr"));
    MainWindow w(f.context);
    w.document().setModified(true);
    f.dialogs.files.push_back(path);
    w.findChild<QAction*>(QStringLiteral("SaveAs"))->trigger();
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計 - 名前.nvr"));
    QCOMPARE(w.document().CurrentFileName(), path);
    QVERIFY(!w.document().IsModified());
    QCOMPARE(w.recentFiles().entry(0), path);
    QCOMPARE(f.context.settings.readString("FileName", "InitDir"), f.file(QStringLiteral("d")));
    // The next save as offers the current name.
    f.dialogs.files.push_back(QString());
    w.document().saveAs();
    QCOMPARE(f.dialogs.fileRequests.back().dialog.FileName, path);
}

void DocumentTest::cancelledSaveAsChangesNothing() {
    AppFixture f;
    MainWindow w(f.context);
    w.document().setModified(true);
    QVERIFY(!w.document().saveAs());
    QVERIFY(w.document().IsModified());
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計"));
    QVERIFY(w.recentFiles().entry(0).isEmpty());
    QVERIFY(f.messages.shown.empty());
}

void DocumentTest::pathsTheSettingsCannotHoldStayOutOfTheList_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("listed");
    QTest::newRow("a folder in CP932") << QStringLiteral("水路") << true;
    QTest::newRow("é has no CP932 form") << QStringLiteral("café") << false;
    QTest::newRow("longer than a settings read") << QString(130, QLatin1Char('d')) << false;
}

void DocumentTest::pathsTheSettingsCannotHoldStayOutOfTheList() {
    QFETCH(QString, folder);
    QFETCH(bool, listed);
    AppFixture f;
    QDir(f.root.path()).mkpath(folder);
    const QString path = f.file(folder + QStringLiteral("/x.nvr"));
    writeDesign(path, "x");
    const RecentList old{QStringLiteral("/d/1.nvr"), QStringLiteral("/d/2.nvr"),
                         QStringLiteral("/d/3.nvr"), QStringLiteral("/d/4.nvr")};
    for (int i = 0; i < 4; ++i)
        f.context.settings.writeString(
            "FileName", QByteArray("FileName" + QByteArray::number(i + 1)).constData(),
            old[static_cast<std::size_t>(i)]);
    MainWindow w(f.context);
    const RecentList expected = listed ? RecentList{path, old[0], old[1], old[2]} : old;
    // Opened, saved and saved under the same name: the list is whole each time.
    f.dialogs.files = {path, path};
    w.document().open();
    QCOMPARE(w.document().design().objInpJyoken.Title, std::string("x"));
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計 - x.nvr"));
    QCOMPARE(w.recentFiles().read(), expected);
    QVERIFY(w.document().save());
    QVERIFY(w.document().saveAs());
    QCOMPARE(w.recentFiles().read(), expected);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.recentFiles().item(i)->text(),
                 QStringLiteral("&%1 ").arg(i + 1) + expected[static_cast<std::size_t>(i)]);
    QVERIFY(f.messages.shown.empty());
    QCOMPARE(storableInSettings(path), listed);
}

void DocumentTest::unsuitableFoldersAreNotOfferedAgain_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("offered");
    QTest::newRow("a folder of files") << QString() << true;
    QTest::newRow("/proc") << "/proc" << false;
    QTest::newRow("/sys/kernel") << "/sys/kernel" << false;
    QTest::newRow("/dev") << "/dev" << false;
    QTest::newRow("a folder that has gone") << "/no/such/folder" << false;
}

void DocumentTest::unsuitableFoldersAreNotOfferedAgain() {
    QFETCH(QString, stored);
    QFETCH(bool, offered);
    AppFixture f;
    if (stored.isEmpty()) stored = f.root.path();
    f.context.settings.writeString("FileName", "InitDir", stored);
    MainWindow w(f.context);
    w.document().open();
    QCOMPARE(f.dialogs.fileRequests.back().dialog.InitialDir, offered ? stored : QDir::homePath());

    // A save that fails in /proc does not make /proc the folder of the next dialog.
    f.dialogs.files = {QStringLiteral("/proc/x.nvr")};
    QVERIFY(!w.document().saveAs());
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.context.settings.readString("FileName", "InitDir"), f.appFolder());
    w.document().open();
    QCOMPARE(f.dialogs.fileRequests.back().dialog.InitialDir, f.appFolder());
}

QTEST_MAIN(DocumentTest)
#include "document_controller_test.moc"
