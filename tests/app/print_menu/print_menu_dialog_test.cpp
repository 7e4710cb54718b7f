// The print menu on real generations: the boxes as stored and as the design allows, the
// check buttons, the print button's combined file and viewer start, the failure message,
// and the files that live exactly as long as the window.
#include <QCheckBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/print_menu/print_menu_dialog.h"
#include "app_test_support.h"
#include "calc/run/calc_run.h"
#include "print_test_support.h"
#include "report/report_generation.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

// A calculated design and its print menu, in an application folder with the data files
// and the stand-in viewer.
struct Menu {
    AppFixture f;
    DesignData d;
    calc::ResultStore store;
    std::unique_ptr<frmMenuPrint> menu;

    explicit Menu(bool sample, const QString& stored = QString()) {
        if (!installDataFiles(f.appFolder())) qFatal("data files missing in the build");
        installStandInViewer(f.appFolder());
        if (sample) d = sampleDesign();
        if (!calc::RunCalculation(d, store)) qFatal("the design must calculate");
        for (int i = 0; i < stored.size(); ++i)
            f.context.settings.writeString("MenuPrint", QByteArray::number(i).constData(),
                                           stored.mid(i, 1));
        menu = std::make_unique<frmMenuPrint>(f.context, d, store);
        menu->prepare();
    }
    QString states() const {
        QString s;
        for (int i = 0; i < frmMenuPrint::kItems; ++i)
            s += menu->chkPrintItem(i)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
    QString enabled() const {
        QString s;
        for (int i = 0; i < frmMenuPrint::kItems; ++i)
            s += menu->chkPrintItem(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
    void choose(const QString& states) {
        for (int i = 0; i < frmMenuPrint::kItems; ++i)
            menu->chkPrintItem(i)->setChecked(states[i] == QLatin1Char('1'));
    }
    QString storedStates() const {
        QString s;
        for (int i = 0; i < frmMenuPrint::kItems; ++i)
            s += f.context.settings.readString("MenuPrint", QByteArray::number(i).constData());
        return s;
    }
    QByteArray chapter(int index) { return readBytes(file(index)); }
    QString file(int index) {
        return QString::fromStdString(menu->generation().ChapterFile(index));
    }
};

}  // namespace

class MenuPrintDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void windowContent();
    void storedStatesAndChaptersThatApply_data();
    void storedStatesAndChaptersThatApply();
    void checkButtons_data();
    void checkButtons();
    void nothingChosenBeepsAndStartsNothing();
    void printJoinsChosenChaptersAndStartsViewer_data();
    void printJoinsChosenChaptersAndStartsViewer();
    void foldersWithBlanksStayOneArgumentEach();
    void generationFailureIsShownOnceAndPrintStillWorks();
    void closingDeletesEveryGeneratedFile();
};

void MenuPrintDialogTest::windowContent() {
    Menu m(true);
    frmMenuPrint& w = *m.menu;
    QCOMPARE(w.windowTitle(), QStringLiteral("検討結果の印刷"));
    const QStringList captions{
        "設計条件",     "外力の計算", "浮上に対する検討", "基礎地盤支持力の検討",
        "たて壁の設計", "底版の設計", "フーチングの設計", "たて壁鉄筋の段落としの検討",
        "照査結果一覧"};
    for (int i = 0; i < frmMenuPrint::kItems; ++i)
        QCOMPARE(w.chkPrintItem(i)->text(), captions[i]);
    QCOMPARE(w.cmdCheck(0)->text(), QStringLiteral("全項目選択"));
    QCOMPARE(w.cmdCheck(1)->text(), QStringLiteral("全項目選択解除"));
    QCOMPARE(w.cmdCheck(2)->text(), QStringLiteral("全項目選択反転"));
    QCOMPARE(w.cmdPreview()->text(), QStringLiteral("印刷(&P)"));
    QCOMPARE(w.cmdClose()->text(), QStringLiteral("閉じる(&C)"));
    QCOMPARE(w.cmdHelp()->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    QVERIFY(w.cmdPreview()->isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());  // the busy cursor is gone
    QVERIFY(m.f.messages.shown.empty());
    QCOMPARE(w.viewerProgram(), m.f.appFolder() + QStringLiteral("/ospex"));
}

void MenuPrintDialogTest::storedStatesAndChaptersThatApply_data() {
    QTest::addColumn<bool>("sample");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("opened");
    // The example design has uplift and footings; the default design has neither, so
    // its flotation and footing boxes are cleared and written back as 0.
    // Settings written before the summary existed hold eight states: the summary box
    // (the ninth) then starts ticked.
    QTest::newRow("all apply") << true << "10100011"
                               << "111111111"
                               << "101000111";
    QTest::newRow("nothing stored") << true << ""
                                    << "111111111"
                                    << "000000001";
    QTest::newRow("no uplift, no footings") << false << "11111111"
                                            << "110111011"
                                            << "110111011";
    QTest::newRow("footing box stored as 1") << false << "00000010"
                                             << "110111011"
                                             << "000000001";
    QTest::newRow("summary turned off") << true << "101000110"
                                        << "111111111"
                                        << "101000110";
}

void MenuPrintDialogTest::storedStatesAndChaptersThatApply() {
    QFETCH(bool, sample);
    QFETCH(QString, stored);
    QFETCH(QString, enabled);
    QFETCH(QString, opened);
    Menu m(sample, stored);
    QCOMPARE(m.enabled(), enabled);
    QCOMPARE(m.states(), opened);
    m.menu->cmdClose()->click();
    QCOMPARE(m.storedStates(), opened);
    QVERIFY(!m.f.context.settings.readString("MenuPrint", "Top").isEmpty());
    QVERIFY(!m.f.context.settings.readString("MenuPrint", "Left").isEmpty());
}

void MenuPrintDialogTest::checkButtons_data() {
    QTest::addColumn<bool>("sample");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("after");
    QTest::newRow("select all") << true << "100000010" << 0 << "111111111";
    QTest::newRow("select all skips disabled") << false << "100000010" << 0 << "110111011";
    QTest::newRow("clear all") << true << "110110110" << 1 << "000000000";
    QTest::newRow("invert") << true << "100000010" << 2 << "011111101";
    QTest::newRow("invert skips disabled") << false << "100000010" << 2 << "010111001";
}

void MenuPrintDialogTest::checkButtons() {
    QFETCH(bool, sample);
    QFETCH(QString, before);
    QFETCH(int, button);
    QFETCH(QString, after);
    Menu m(sample);
    m.choose(before);
    m.menu->cmdCheck(button)->click();
    QCOMPARE(m.states(), after);
}

void MenuPrintDialogTest::nothingChosenBeepsAndStartsNothing() {
    Menu m(true, QStringLiteral("111111111"));
    m.menu->cmdCheck(1)->click();
    m.menu->cmdPreview()->click();
    QCOMPARE(m.f.messages.beeps, 1);
    QCOMPARE(m.f.messages.shown.size(), std::size_t(1));
    QCOMPARE(m.f.messages.shown[0].text, QStringLiteral("印刷項目はひとつ以上選択して下さい。"));
    QCOMPARE(m.f.messages.shown[0].title, QStringLiteral("検討結果の印刷"));
    QCOMPARE(m.f.messages.shown[0].icon, MsgIcon::Information);
    QCOMPARE(QFileInfo(m.file(frmMenuPrint::kItems)).size(), 0);
    QTest::qWait(300);
    QVERIFY(!QFile::exists(m.f.appFolder() + QStringLiteral("/viewer-log.txt")));
}

void MenuPrintDialogTest::printJoinsChosenChaptersAndStartsViewer_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QList<int>>("joined");
    QTest::newRow("design conditions and walls") << "100010000" << QList<int>{0, 4};
    QTest::newRow("one chapter") << "000100000" << QList<int>{3};
    QTest::newRow("three chapters") << "101000010" << QList<int>{0, 2, 7};
    QTest::newRow("summary") << "000000001" << QList<int>{8};
}

void MenuPrintDialogTest::printJoinsChosenChaptersAndStartsViewer() {
    QFETCH(QString, chosen);
    QFETCH(QList<int>, joined);
    Menu m(true);
    m.choose(chosen);
    m.menu->cmdPreview()->click();

    QByteArray expected;
    for (int i : joined) {
        QVERIFY(!m.chapter(i).isEmpty());
        if (!expected.isEmpty()) expected += '\f';
        expected += m.chapter(i);
    }
    const QString combined = m.file(frmMenuPrint::kItems);
    QCOMPARE(readBytes(combined), expected);

    const QString ini =
        QStringLiteral("/INI=") + QString::fromStdString(m.f.context.paths.UserSettingsFolder);
    QStringList starts = viewerStarts(m.f.appFolder(), 1);
    QCOMPARE(starts, QStringList{QStringLiteral("[%1][%2]").arg(ini, combined)});
    QCOMPARE(readBytes(m.f.appFolder() + QStringLiteral("/viewer-received.prn")), expected);

    // Pressing again rebuilds the combined file and starts a further viewer.
    m.menu->cmdPreview()->click();
    starts = viewerStarts(m.f.appFolder(), 2);
    QCOMPARE(starts.size(), 2);
    QCOMPARE(readBytes(combined), expected);
    QVERIFY(m.menu->isEnabled());
}

void MenuPrintDialogTest::foldersWithBlanksStayOneArgumentEach() {
    QCOMPARE(
        viewerArguments(QStringLiteral("/home/a b/Zantrel/Nuvra"), QStringLiteral("/tmp/x y")),
        (QStringList{QStringLiteral("/INI=/home/a b/Zantrel/Nuvra"), QStringLiteral("/tmp/x y")}));

    QTemporaryDir root;
    RecordingMessages messages;
    ScriptedDialogs dialogs;
    AppContext context(prepareAppPaths(root.path() + QStringLiteral("/program files"),
                                       root.path() + QStringLiteral("/local data")),
                       messages, dialogs);
    const QString app = QString::fromStdString(context.paths.applicationFolder);
    QVERIFY(installDataFiles(app));
    installStandInViewer(app);
    DesignData d = sampleDesign();
    calc::ResultStore store;
    QVERIFY(calc::RunCalculation(d, store));
    frmMenuPrint menu(context, d, store);
    menu.prepare();
    menu.chkPrintItem(5)->setChecked(true);
    menu.cmdPreview()->click();
    const QStringList starts = viewerStarts(app, 1);
    QCOMPARE(starts, QStringList{QStringLiteral("[/INI=%1/local data/Zantrel/Nuvra][%2]")
                                     .arg(root.path(), QString::fromStdString(
                                                           menu.generation().CombinedFile()))});
}

void MenuPrintDialogTest::generationFailureIsShownOnceAndPrintStillWorks() {
    AppFixture f;  // an application folder without the template file
    installStandInViewer(f.appFolder());
    DesignData d = sampleDesign();
    calc::ResultStore store;
    QVERIFY(calc::RunCalculation(d, store));
    frmMenuPrint menu(f.context, d, store);
    menu.prepare();

    report::GenerationOptions options;
    options.AppFolder = f.context.paths.applicationFolder;
    report::ReportGeneration independent(options);
    const std::string message = independent.Generate(d, store).Message;
    QVERIFY(!message.empty());

    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    const ShownMessage& shown = f.messages.shown[0];
    QCOMPARE(shown.text, QString::fromStdString(message));
    QVERIFY(shown.text.startsWith(QStringLiteral("\n･『設計条件』の印刷ﾌｧｲﾙ生成ｴﾗｰ")));
    QCOMPARE(shown.title, QStringLiteral("ヌブラの設計"));
    QCOMPARE(shown.icon, MsgIcon::Critical);

    QVERIFY(menu.cmdPreview()->isEnabled());
    menu.chkPrintItem(0)->setChecked(true);
    menu.cmdPreview()->click();
    QCOMPARE(viewerStarts(f.appFolder(), 1).size(), 1);
}

void MenuPrintDialogTest::closingDeletesEveryGeneratedFile() {
    Menu m(true);
    QStringList files;
    for (int i = 0; i <= frmMenuPrint::kItems; ++i)
        files << m.file(i);
    report::FigureModel& figures = m.menu->generation().Figures();
    QVERIFY(figures.FigureFileCount() > 0);
    for (int i = 1; i <= figures.FigureFileCount(); ++i)
        files << QString::fromStdString(figures.FigureFile(i));
    for (const QString& file : files)
        QVERIFY2(QFile::exists(file), qPrintable(file));

    m.choose(QStringLiteral("111111111"));
    m.menu->cmdPreview()->click();
    viewerStarts(m.f.appFolder(), 1);
    m.menu->cmdClose()->click();
    for (const QString& file : files)
        QVERIFY2(!QFile::exists(file), qPrintable(file));
    QCOMPARE(m.storedStates(), QStringLiteral("111111111"));
}

QTEST_MAIN(MenuPrintDialogTest)
#include "print_menu_dialog_test.moc"
