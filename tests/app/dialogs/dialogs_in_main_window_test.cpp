// The dialogs as the main window opens them: OK confirms the record and marks the
// design modified, Cancel changes nothing, and the results and print commands become
// available once design conditions, embankment and ground are confirmed.
#include <QtTest>

#include "app/document_controller.h"
#include "app/main_window.h"
#include "app/window_placement.h"
#include "dialog_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

/// Presses OK (or Cancel) in the dialog the next command opens; reports its class.
void answer(bool ok, QString* opened = nullptr) {
    whenModal([ok, opened](QWidget* w) {
        if (opened) *opened = w->objectName();
        if (auto* d = qobject_cast<InputDialog*>(w)) (ok ? d->cmdOk() : d->cmdCancel())->click();
        if (w->isVisible()) QTimer::singleShot(0, w, [w] { w->close(); });
    });
}

}  // namespace

class DialogsInMainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void everyCommandOpensItsDialog_data();
    void everyCommandOpensItsDialog();
    void threeConfirmationsEnableResultsAndPrint();
    void cancelChangesNothing();
    void numberingDialogLeavesTheDesignAlone();
    void positionIsKeptInTwips();
};

void DialogsInMainWindowTest::everyCommandOpensItsDialog_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::newRow("InpJyoken") << int(MainWindow::InpJyoken) << "frmInpJyoken"
                               << "設計条件の入力";
    QTest::newRow("InpMorido") << int(MainWindow::InpMorido) << "frmInpMorido"
                               << "盛土形状の入力";
    QTest::newRow("InpKiso") << int(MainWindow::InpKiso) << "frmInpKiso"
                             << "基礎地盤条件の入力";
    QTest::newRow("InpKaburi") << int(MainWindow::InpKaburi) << "frmInpKaburi"
                               << "鉄筋かぶりの入力";
    QTest::newRow("InpZairyo") << int(MainWindow::InpZairyo) << "frmInpZairyo"
                               << "材料条件の入力";
    QTest::newRow("InpRenban") << int(MainWindow::InpRenban) << "frmInpRenban"
                               << "連番条件設定";
}

void DialogsInMainWindowTest::everyCommandOpensItsDialog() {
    QFETCH(int, command);
    QFETCH(QString, form);
    QFETCH(QString, caption);
    AppFixture f;
    MainWindow w(f.context);
    QString opened, title;
    bool helpEnabled = true;
    whenModal([&](QWidget* dlg) {
        opened = dlg->objectName();
        title = dlg->windowTitle();
        helpEnabled = static_cast<InputDialog*>(dlg)->cmdHelp()->isEnabled();
        static_cast<InputDialog*>(dlg)->cmdCancel()->click();
    });
    w.runMenuCommand(command);
    QCOMPARE(opened, form);
    QCOMPARE(title, caption);
    QVERIFY(!helpEnabled);
}

void DialogsInMainWindowTest::threeConfirmationsEnableResultsAndPrint() {
    AppFixture f;
    MainWindow w(f.context);
    const DesignData& d = w.document().design();
    QVERIFY(!w.cmdMenu(MainWindow::InpKekka)->isEnabled());
    QVERIFY(!w.cmdMenu(MainWindow::MenuPrint)->isEnabled());
    const MainWindow::Command required[] = {MainWindow::InpJyoken, MainWindow::InpMorido,
                                            MainWindow::InpKiso};
    for (MainWindow::Command c : required) {
        QVERIFY(!w.cmdMenu(MainWindow::InpKekka)->isEnabled());
        answer(true);
        w.runMenuCommand(c);
    }
    QVERIFY(d.objInpJyoken.InpFlg && d.objInpMorido.InpFlg && d.objInpKiso.InpFlg);
    QVERIFY(w.document().IsModified());
    QVERIFY(w.cmdMenu(MainWindow::InpKekka)->isEnabled());
    QVERIFY(w.cmdMenu(MainWindow::MenuPrint)->isEnabled());
    QCOMPARE(f.messages.shown.size(), std::size_t(0));
}

void DialogsInMainWindowTest::cancelChangesNothing() {
    AppFixture f;
    MainWindow w(f.context);
    const DesignData before = w.document().design();
    for (int c = MainWindow::InpJyoken; c <= MainWindow::InpZairyo; ++c) {
        answer(false);
        w.runMenuCommand(c);
    }
    QCOMPARE(w.document().design(), before);
    QVERIFY(!w.document().IsModified());
    QVERIFY(!w.cmdMenu(MainWindow::InpKekka)->isEnabled());
}

void DialogsInMainWindowTest::numberingDialogLeavesTheDesignAlone() {
    AppFixture f;
    MainWindow w(f.context);
    const DesignData before = w.document().design();
    answer(true);
    w.runMenuCommand(MainWindow::InpRenban);
    QCOMPARE(f.context.settings.readString("Chapter", "Method"), QStringLiteral("0"));
    QCOMPARE(w.document().design(), before);
    QVERIFY(!w.document().IsModified());
}

void DialogsInMainWindowTest::positionIsKeptInTwips() {
    AppFixture f;
    f.context.settings.writeString("InpKaburi", "Top", QStringLiteral("1500"));
    f.context.settings.writeString("InpKaburi", "Left", QStringLiteral("3000"));
    MainWindow w(f.context);
    QPoint shownAt;
    whenModal([&](QWidget* dlg) {
        shownAt = dlg->pos();
        static_cast<InputDialog*>(dlg)->cmdCancel()->click();
    });
    w.runMenuCommand(MainWindow::InpKaburi);
    const double tpp = twipsPerPixel();
    QCOMPARE(shownAt.y(), qRound(1500 / tpp));
    QCOMPARE(shownAt.x(), qRound(3000 / tpp));
    QCOMPARE(f.context.settings.readLong("InpKaburi", "Top"), 1500);
    QCOMPARE(f.context.settings.readLong("InpKaburi", "Left"), 3000);
}

QTEST_MAIN(DialogsInMainWindowTest)
#include "dialogs_in_main_window_test.moc"
