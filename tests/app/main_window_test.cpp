// The main window: start-up, the command panel and its states, the dialog protocol as
// the window drives it, page setup, About and the ways out.
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QtTest>

#include "app/calculation_failure.h"
#include "app/document_controller.h"
#include "app/input_dialog.h"
#include "app/main_window.h"
#include "app/recent_files.h"
#include "app/window_placement.h"
#include "app_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

/// A dialog that records the protocol and confirms or refuses as told.
class ProbeDialog : public InputDialog {
  public:
    ProbeDialog(AppContext& c, DesignData& d, const QString& tag, int* loads, bool refuse)
        : InputDialog(c, d, tag, QStringLiteral("probe ") + tag), loads_(loads), refuse_(refuse) {}

  protected:
    void LoadData() override { ++*loads_; }
    void SaveData(bool& Cancel) override { Cancel = refuse_; }

  private:
    int* loads_;
    bool refuse_;
};

void registerProbe(MainWindow& w, const QString& tag, int* loads, bool refuse = false) {
    w.inputDialogs().add(tag, [tag, loads, refuse](AppContext& c, DesignData& d, QWidget* p) {
        auto dlg = std::make_unique<ProbeDialog>(c, d, tag, loads, refuse);
        dlg->setParent(p, dlg->windowFlags());
        return std::unique_ptr<InputDialog>(std::move(dlg));
    });
}

/// Presses OK (or Cancel) in the dialog that the next command opens.
void answerDialog(bool ok) {
    whenModal([ok](QWidget* w) {
        if (auto* d = qobject_cast<InputDialog*>(w)) (ok ? d->cmdOk() : d->cmdCancel())->click();
        // A refused OK leaves the dialog open: close it the way the user would.
        if (w->isVisible()) QTimer::singleShot(0, w, [w] { w->close(); });
    });
}

QColor captionColour(QPushButton* b) {
    return b->palette().color(QPalette::Active, QPalette::ButtonText);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startsCentredWithoutSettings();
    void startsWhereSettingsSay_data();
    void startsWhereSettingsSay();
    void panelMenuAndToolbarAreComplete();
    void startUpColoursAndStates();
    void refreshFollowsConfirmedRecords_data();
    void refreshFollowsConfirmedRecords();
    void confirmingThreeDialogsEnablesResultsAndPrint();
    void refusedOrCancelledDialogChangesNothing();
    void numberingDialogLeavesModifiedAlone();
    void resultsCommandOpensResultsOnlyAfterSuccessfulRun();
    void pageSetupStoresMarginsInMillimetres();
    void cancelledPageSetupWritesNothing();
    void aboutShowsProductAndVersion();
    void exitStoresPositionInTwips();
    void exitPaths_data();
    void exitPaths();
};

void MainWindowTest::startsCentredWithoutSettings() {
    AppFixture f;
    MainWindow w(f.context);
    const double tpp = twipsPerPixel();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize size = w.frameGeometry().size();
    auto centred = [tpp](int screenPx, int windowPx) {
        const std::int64_t s = std::llround(screenPx * tpp), win = std::llround(windowPx * tpp);
        return static_cast<int>(std::lround(std::max<std::int64_t>(0, (s - win) / 2) / tpp));
    };
    QCOMPARE(w.pos(), QPoint(centred(screen.width(), size.width()),
                             centred(screen.height(), size.height())));
    QCOMPARE(w.windowTitle(), QStringLiteral("ヌブラの設計"));
    QVERIFY(!w.document().IsModified());
    QVERIFY(w.document().CurrentFileName().isEmpty());
    QCOMPARE(w.document().design(), DesignData{});
}

void MainWindowTest::startsWhereSettingsSay_data() {
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<bool>("topKept");
    QTest::addColumn<bool>("leftKept");
    QTest::newRow("both kept") << "1500"
                               << "3000" << true << true;
    QTest::newRow("fraction read as integer") << "1500.7"
                                              << "3000" << true << true;
    QTest::newRow("negative centres") << "-300"
                                      << "3000" << false << true;
    QTest::newRow("zero centres") << "0"
                                  << "0" << false << false;
    QTest::newRow("beyond the screen centres") << "999999"
                                               << "999999" << false << false;
}

void MainWindowTest::startsWhereSettingsSay() {
    QFETCH(QString, top);
    QFETCH(QString, left);
    QFETCH(bool, topKept);
    QFETCH(bool, leftKept);
    AppFixture f;
    f.context.settings.writeString("MenuMain", "Top", top);
    f.context.settings.writeString("MenuMain", "Left", left);
    MainWindow w(f.context);
    const double tpp = twipsPerPixel();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize size = w.frameGeometry().size();
    const int expectTop =
        topKept
            ? static_cast<int>(std::lround(1500 / tpp))
            : static_cast<int>(std::lround(placedCoordinate(0, std::llround(screen.height() * tpp),
                                                            std::llround(size.height() * tpp),
                                                            PlacementRule::MainWindow) /
                                           tpp));
    const int expectLeft =
        leftKept
            ? static_cast<int>(std::lround(3000 / tpp))
            : static_cast<int>(std::lround(placedCoordinate(0, std::llround(screen.width() * tpp),
                                                            std::llround(size.width() * tpp),
                                                            PlacementRule::MainWindow) /
                                           tpp));
    QCOMPARE(w.pos(), QPoint(expectLeft, expectTop));
}

void MainWindowTest::panelMenuAndToolbarAreComplete() {
    AppFixture f;
    MainWindow w(f.context);
    QCOMPARE(w.menuFrame()->title(), QStringLiteral("ﾒｲﾝﾒﾆｭｰ"));
    const char* tags[] = {"InpJyoken", "InpMorido", "InpKiso",   "InpKaburi",
                          "InpZairyo", "InpKekka",  "MenuPrint", "InpRenban"};
    const char* captions[] = {"設計条件の入力",     "盛土形状の入力",
                              "基礎地盤条件の入力", "鉄筋かぶりの入力",
                              "材料条件の入力",     "結果確認および配筋条件の変更",
                              "　　計算結果の印刷", "連番条件設定"};
    for (int i = 0; i < MainWindow::CommandCount; ++i) {
        QCOMPARE(w.cmdMenu(i)->property("tag").toString(), QString::fromUtf8(tags[i]));
        QCOMPARE(w.cmdMenu(i)->text(), QString::fromUtf8(captions[i]));
    }
    QCOMPARE(w.cmdExit()->text(), QStringLiteral("  ﾌﾟﾛｸﾞﾗﾑ終了"));

    QCOMPARE(w.mnuFile()->title(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    QStringList items;
    for (QAction* a : w.mnuFile()->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(items, QStringList({"新規作成(&N)", "ﾌｧｲﾙを開く(&O)...",
                                 "ﾌｧｲﾙに名前を付けて保存(&A)...", "ﾌｧｲﾙの上書き保存(&S)...", "-",
                                 "&1", "&2", "&3", "&4", "-", "ﾌﾟﾛｸﾞﾗﾑ終了(&X)"}));
    QVERIFY(w.findChild<QAction*>(QStringLiteral("mnuAbout")));
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("mnuAbout"))->text(), QStringLiteral("&?"));

    QStringList keys, tips;
    for (QAction* a : w.tbrMenu()->actions()) {
        keys << a->objectName();
        tips << a->toolTip();
    }
    QCOMPARE(keys, QStringList({"New", "Open", "SaveAs", "Save", "Printer"}));
    QCOMPARE(tips, QStringList({"新規作成", "ﾌｧｲﾙを開く...", "ﾌｧｲﾙに名前を付けて保存...",
                                "ﾌｧｲﾙの上書き保存", "ﾍﾟｰｼﾞの設定"}));
}

void MainWindowTest::startUpColoursAndStates() {
    AppFixture f;
    MainWindow w(f.context);
    const QColor highlight = w.palette().color(QPalette::Active, QPalette::Highlight);
    const QColor normal = w.palette().color(QPalette::Active, QPalette::ButtonText);
    QVERIFY(highlight != normal);
    for (int i : {0, 1, 2})
        QCOMPARE(captionColour(w.cmdMenu(i)), normal);
    for (int i : {3, 4})
        QCOMPARE(captionColour(w.cmdMenu(i)), highlight);
    QVERIFY(!w.cmdMenu(MainWindow::InpKekka)->isEnabled());
    QVERIFY(!w.cmdMenu(MainWindow::MenuPrint)->isEnabled());
    QVERIFY(w.cmdMenu(MainWindow::InpRenban)->isEnabled());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!w.recentFiles().item(i)->isEnabled());
        QCOMPARE(w.recentFiles().item(i)->text(), QStringLiteral("&%1").arg(i + 1));
    }
}

void MainWindowTest::refreshFollowsConfirmedRecords_data() {
    QTest::addColumn<int>("flags");  // bits: Jyoken Morido Kiso Kaburi Zairyo Haikin
    QTest::addColumn<bool>("resultsEnabled");
    QTest::addColumn<bool>("resultsHighlighted");
    QTest::addColumn<bool>("printEnabled");
    QTest::newRow("nothing confirmed") << 0 << false << false << false;
    QTest::newRow("five inputs, bars confirmed") << 0b111111 << true << true << true;
    QTest::newRow("five inputs, bars not confirmed") << 0b011111 << true << false << false;
    QTest::newRow("materials missing") << 0b101111 << false << false << false;
    QTest::newRow("conditions missing") << 0b111110 << false << false << false;
}

void MainWindowTest::refreshFollowsConfirmedRecords() {
    QFETCH(int, flags);
    QFETCH(bool, resultsEnabled);
    QFETCH(bool, resultsHighlighted);
    QFETCH(bool, printEnabled);
    AppFixture f;
    MainWindow w(f.context);
    DesignData& d = w.document().design();
    bool* bits[] = {&d.objInpJyoken.InpFlg, &d.objInpMorido.InpFlg, &d.objInpKiso.InpFlg,
                    &d.objInpKaburi.InpFlg, &d.objInpZairyo.InpFlg, &d.objInpHaikin.InpFlg};
    for (int i = 0; i < 6; ++i)
        *bits[i] = (flags >> i) & 1;
    w.RefreshMenuButtons();
    const QColor highlight = w.palette().color(QPalette::Active, QPalette::Highlight);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(captionColour(w.cmdMenu(i)) == highlight, bool((flags >> i) & 1));
    QCOMPARE(w.cmdMenu(MainWindow::InpKekka)->isEnabled(), resultsEnabled);
    if (resultsEnabled)
        QCOMPARE(captionColour(w.cmdMenu(MainWindow::InpKekka)) == highlight, resultsHighlighted);
    QCOMPARE(w.cmdMenu(MainWindow::MenuPrint)->isEnabled(), printEnabled);
    QVERIFY(w.cmdMenu(MainWindow::InpRenban)->isEnabled());
}

void MainWindowTest::confirmingThreeDialogsEnablesResultsAndPrint() {
    AppFixture f;
    MainWindow w(f.context);
    int loads = 0;
    for (const char* tag : {"InpJyoken", "InpMorido", "InpKiso"})
        registerProbe(w, QString::fromLatin1(tag), &loads);
    for (int i : {0, 1, 2}) {
        QVERIFY(!w.cmdMenu(MainWindow::InpKekka)->isEnabled());
        answerDialog(true);
        w.cmdMenu(i)->click();
        QVERIFY(w.isEnabled());
    }
    QCOMPARE(loads, 3);
    const DesignData& d = w.document().design();
    QVERIFY(d.objInpJyoken.InpFlg && d.objInpMorido.InpFlg && d.objInpKiso.InpFlg);
    QVERIFY(w.document().IsModified());
    QVERIFY(w.cmdMenu(MainWindow::InpKekka)->isEnabled());
    QVERIFY(w.cmdMenu(MainWindow::MenuPrint)->isEnabled());
}

void MainWindowTest::refusedOrCancelledDialogChangesNothing() {
    AppFixture f;
    MainWindow w(f.context);
    int loads = 0;
    registerProbe(w, QStringLiteral("InpJyoken"), &loads, /*refuse=*/true);
    answerDialog(true);  // OK is refused by SaveData
    w.cmdMenu(MainWindow::InpJyoken)->click();
    answerDialog(false);
    w.cmdMenu(MainWindow::InpJyoken)->click();
    QCOMPARE(loads, 2);
    QVERIFY(!w.document().design().objInpJyoken.InpFlg);
    QVERIFY(!w.document().IsModified());
    // Another dialog cancelled changes nothing either.
    answerDialog(false);
    w.cmdMenu(MainWindow::InpMorido)->click();
    QVERIFY(!w.document().design().objInpMorido.InpFlg);
    QVERIFY(!w.document().IsModified());
}

void MainWindowTest::numberingDialogLeavesModifiedAlone() {
    AppFixture f;
    MainWindow w(f.context);
    int loads = 0;
    registerProbe(w, QStringLiteral("InpRenban"), &loads);
    answerDialog(true);
    w.cmdMenu(MainWindow::InpRenban)->click();
    QCOMPARE(loads, 1);
    QVERIFY(!w.document().IsModified());
    QCOMPARE(w.document().design(), DesignData{});
}

void MainWindowTest::resultsCommandOpensResultsOnlyAfterSuccessfulRun() {
    AppFixture f;
    MainWindow w(f.context);
    int loads = 0, printMenus = 0;
    registerProbe(w, QStringLiteral("InpHaikin"), &loads);
    w.calculation().openPrintMenu = [&printMenus](QWidget*) { ++printMenus; };
    DesignData& d = w.document().design();
    d.objInpJyoken.InpFlg = d.objInpMorido.InpFlg = d.objInpKiso.InpFlg = true;
    d.objInpHaikin.InpFlg = false;
    w.RefreshMenuButtons();

    answerDialog(true);
    w.cmdMenu(MainWindow::InpKekka)->click();
    QCOMPARE(loads, 1);
    QVERIFY(w.calculation().results().objUkiagari != nullptr);  // the run filled the store
    QVERIFY(d.objInpHaikin.InpFlg);  // OK in the results dialog confirms the bars
    QVERIFY(w.document().IsModified());
    QVERIFY(w.cmdMenu(MainWindow::MenuPrint)->isEnabled());
    w.cmdMenu(MainWindow::MenuPrint)->click();
    QCOMPARE(printMenus, 1);

    // A design the calculation cannot handle opens neither window, and says which step
    // stopped on what.
    QVERIFY(f.messages.shown.empty());
    d.objInpJyoken.H = 0;
    QVERIFY(!w.calculation().runCalculation(d));
    w.cmdMenu(MainWindow::InpKekka)->click();
    w.cmdMenu(MainWindow::MenuPrint)->click();
    QCOMPARE(loads, 1);
    QCOMPARE(printMenus, 1);
    QVERIFY(w.isEnabled());
    QCOMPARE(f.messages.shown.size(), std::size_t(2));
    const QString stopped = QStringLiteral(
        "･外力の計算でエラーが発生しました（basCalcGairyoku、エラー 11：0 による除算）");
    const struct {
        QString consequence;
    } expected[] = {{QStringLiteral("結果を表示できません")},
                    {QStringLiteral("計算書を作成できません")}};
    for (std::size_t i = 0; i < 2; ++i) {
        const ShownMessage& m = f.messages.shown[i];
        QCOMPARE(m.icon, MsgIcon::Critical);
        QCOMPARE(m.title, QStringLiteral("ヌブラの設計"));
        const QStringList lines = m.text.split(QLatin1Char('\n'));
        QCOMPARE(lines[0], QStringLiteral("計算の途中でエラーが発生したため、") +
                               expected[i].consequence + QStringLiteral("。"));
        QCOMPARE(lines[2], stopped);
        // The steps that depend on the loads are named after it, in the run's order.
        QVERIFY(lines.indexOf(QStringLiteral("･たて壁の断面力の計算でエラーが発生しました"
                                             "（basCalcTatekabe、エラー 5：計算できない値"
                                             "（負の数の平方根など））")) > 2);
    }
    // A run that succeeds has nothing to report.
    d.objInpJyoken.H = 2;
    QVERIFY(w.calculation().runCalculation(d));
    QVERIFY(failedCalculationSteps(w.calculation().results()).isEmpty());
}

void MainWindowTest::pageSetupStoresMarginsInMillimetres() {
    AppFixture f;
    f.context.settings.writeString("Printer", "MarginTop(mm)", QStringLiteral("20"));
    f.context.settings.writeString("Printer", "MarginLeft(mm)", QStringLiteral("25"));
    f.dialogs.pageSetup = [](CPageSetupDialog& d) {
        d.MarginTop = 1500;
        d.MarginLeft = 1250;  // 12.5 mm is stored rounded half away from zero
        return true;
    };
    MainWindow w(f.context);
    w.findChild<QAction*>(QStringLiteral("Printer"))->trigger();
    QCOMPARE(f.dialogs.pageRequests.size(), std::size_t(1));
    const CPageSetupDialog& asked = f.dialogs.pageRequests[0];
    QCOMPARE(asked.Flags, 42);
    QCOMPARE(asked.MarginTop, 2000);
    QCOMPARE(asked.MarginLeft, 2500);
    QCOMPARE(asked.MarginBottom, 0);
    QCOMPARE(asked.MarginRight, 0);
    QCOMPARE(f.context.settings.readString("Printer", "MarginTop(mm)"), QStringLiteral("15"));
    QCOMPARE(f.context.settings.readString("Printer", "MarginLeft(mm)"), QStringLiteral("13"));
    QVERIFY(w.isEnabled());
}

void MainWindowTest::cancelledPageSetupWritesNothing() {
    AppFixture f;
    MainWindow w(f.context);
    w.pageSetup();
    QCOMPARE(f.dialogs.pageRequests.size(), std::size_t(1));
    QCOMPARE(f.dialogs.pageRequests[0].MarginTop, 0);
    QVERIFY(f.context.settings.readString("Printer", "MarginTop(mm)").isEmpty());
    QVERIFY(w.isEnabled());
}

void MainWindowTest::aboutShowsProductAndVersion() {
    AppFixture f;
    MainWindow w(f.context);
    w.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(f.messages.aboutText.contains(QStringLiteral("Nuvra")));
    QVERIFY(f.messages.aboutText.contains(QStringLiteral(NUVRA_TEST_VERSION)));
}

void MainWindowTest::exitStoresPositionInTwips() {
    AppFixture f;
    MainWindow w(f.context);
    w.move(100, 40);
    QVERIFY(w.close());
    const double tpp = twipsPerPixel();
    QCOMPARE(f.context.settings.readLong("MenuMain", "Top"), std::lround(40 * tpp));
    QCOMPARE(f.context.settings.readLong("MenuMain", "Left"), std::lround(100 * tpp));
    // The next start comes back there.
    MainWindow again(f.context);
    QCOMPARE(again.pos(), QPoint(100, 40));
}

void MainWindowTest::exitPaths_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<int>("answer");            // MsgResult to the exit question
    QTest::addColumn<QString>("saveAsChoice");  // empty: save-as cancelled
    QTest::addColumn<bool>("folderGone");       // the file's folder was removed
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("unmodified closes without asking")
        << false << true << -1 << "" << false << true << false;
    QTest::newRow("no discards") << true << true << int(MsgResult::No) << "" << false << true
                                 << false;
    QTest::newRow("cancel stays") << true << true << int(MsgResult::Cancel) << "" << false << false
                                  << false;
    QTest::newRow("yes saves titled")
        << true << true << int(MsgResult::Yes) << "" << false << true << true;
    QTest::newRow("yes, save fails, stays")
        << true << true << int(MsgResult::Yes) << "" << true << false << false;
    QTest::newRow("yes untitled, save as")
        << true << false << int(MsgResult::Yes) << "b.nvr" << false << true << true;
    QTest::newRow("yes untitled, save as cancelled, stays")
        << true << false << int(MsgResult::Yes) << "" << false << false << false;
    QTest::newRow("yes untitled, save as fails, stays")
        << true << false << int(MsgResult::Yes) << "gone/b.nvr" << false << false << false;
}

void MainWindowTest::exitPaths() {
    QFETCH(bool, modified);
    QFETCH(bool, titled);
    QFETCH(int, answer);
    QFETCH(QString, saveAsChoice);
    QFETCH(bool, folderGone);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    AppFixture f;
    QDir(f.root.path()).mkpath(QStringLiteral("work"));
    const QString path = f.file(QStringLiteral("work/a.nvr"));
    MainWindow w(f.context);
    if (titled) {
        f.dialogs.files.push_back(path);
        QVERIFY(w.document().saveAs());
        QVERIFY(QFile::remove(path));
    }
    if (folderGone) QVERIFY(QDir(f.file(QStringLiteral("work"))).removeRecursively());
    w.document().setModified(modified);
    w.document().design().objInpJyoken.Title = "水路";
    if (!saveAsChoice.isEmpty()) f.dialogs.files.push_back(f.file(saveAsChoice));
    if (answer >= 0) f.messages.answers.push_back(MsgResult(answer));
    const std::size_t before = f.messages.shown.size();

    w.show();
    QCOMPARE(w.close(), closes);
    QCOMPARE(w.isVisible(), !closes);
    if (modified) {
        QVERIFY(f.messages.shown.size() > before);
        const ShownMessage& q = f.messages.shown[before];
        QCOMPARE(q.title, QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ終了"));
        QCOMPARE(q.text, QStringLiteral("現在編集中の入力ﾃﾞｰﾀがあります。上書き保存してから終了しま"
                                        "すか？\n\n編集中のﾌｧｲﾙ名：") +
                             (titled ? path : QString()));
        QCOMPARE(q.icon, MsgIcon::Information);
        QCOMPARE(q.buttons, MsgButtons::YesNoCancel);
    } else {
        QCOMPARE(f.messages.shown.size(), before);
    }
    if (titled || !saveAsChoice.isEmpty())
        QCOMPARE(QFileInfo(titled ? path : f.file(saveAsChoice)).isFile(), written);
    else
        QVERIFY(QDir(f.root.path()).entryList({QStringLiteral("*.nvr")}).isEmpty());
    // A stopped exit keeps everything, the unsaved edit included.
    if (!closes) {
        QVERIFY(w.document().IsModified());
        QCOMPARE(w.document().design().objInpJyoken.Title, std::string("水路"));
        QVERIFY(f.context.settings.readString("MenuMain", "Top").isEmpty());
    } else {
        QVERIFY(!f.context.settings.readString("MenuMain", "Top").isEmpty());
    }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
