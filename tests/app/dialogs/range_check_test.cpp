// A value out of range never gets past its field: every way of leaving it (an option
// that disables it, a tab that hides it, the Tab key, a button) runs the check before
// anything else happens, and OK checks every field, reachable or not, showing the bad
// one before its message. No record or setting receives the value.
#include <QTabBar>
#include <QtTest>
#include <memory>

#include "app/input_dialog_registry.h"
#include "calc/run/result_store.h"
#include "dialog_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

/// A fresh dialog of the tag, as the main window makes it.
std::unique_ptr<InputDialog> makeDialog(const QString& tag, AppFixture& f, DesignData& d) {
    static calc::ResultStore results;
    InputDialogRegistry registry;
    registerInputDialogs(registry, results);
    return registry.create(tag, f.context, d, nullptr);
}

void selectPage(QWidget& dlg, int page) {
    if (page >= 0) child<QTabBar>(dlg, "TabStrip1")->setCurrentIndex(page);
}

/// Leaves the focused field the way the row names: "option:NAME", "tab:INDEX" (a click
/// on that tab), "key:tab", "button:NAME".
void leaveBy(QWidget& dlg, QWidget* from, const QString& how) {
    const QString what = how.section(QLatin1Char(':'), 1);
    if (how.startsWith(QLatin1String("option:"))) {
        clickOption(dlg, what.toUtf8().constData());
    } else if (how.startsWith(QLatin1String("tab:"))) {
        auto* tabs = child<QTabBar>(dlg, "TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(what.toInt()).center());
    } else if (how == QLatin1String("key:tab")) {
        QTest::keyClick(from, Qt::Key_Tab);
    } else if (how.startsWith(QLatin1String("button:"))) {
        QTest::mouseClick(child<QPushButton>(dlg, what.toUtf8().constData()), Qt::LeftButton);
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

class RangeCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWayOutOfAFieldIsChecked_data();
    void everyWayOutOfAFieldIsChecked();
    void okShowsAHiddenOrDisabledBadValue_data();
    void okShowsAHiddenOrDisabledBadValue();
};

void RangeCheckTest::everyWayOutOfAFieldIsChecked_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("page");  // tab page to type on; -1 without pages
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("message");  // empty: none
    QTest::addColumn<QString>("keptOption");

    const QString gamma2 = QStringLiteral("入力範囲：0.00 ～ 99.90");
    const QString margin = QStringLiteral("入力範囲：0 ～ 10");
    QTest::newRow("γ2, then 直接入力") << "InpKiso" << -1 << "numG2"
                                       << "120"
                                       << "option:optSiji2" << gamma2 << "optSiji1";
    QTest::newRow("γ2, then the Tab key") << "InpKiso" << -1 << "numG2"
                                          << "120"
                                          << "key:tab" << gamma2 << "optSiji1";
    QTest::newRow("γ2, then OK") << "InpKiso" << -1 << "numG2"
                                 << "120"
                                 << "button:cmdOk" << gamma2 << "optSiji1";
    QTest::newRow("γ2, then Cancel") << "InpKiso" << -1 << "numG2"
                                     << "120"
                                     << "button:cmdCancel" << QString() << QString();
    QTest::newRow("γ2 in range, then 直接入力") << "InpKiso" << -1 << "numG2"
                                                << "18"
                                                << "option:optSiji2" << QString() << "optSiji2";
    QTest::newRow("X, then 台形") << "InpMorido" << -1 << "numX"
                                  << "100"
                                  << "option:optMorido2"
                                  << QStringLiteral("入力範囲：0.00 ～ 99.99") << "optMorido1";
    QTest::newRow("margin, then another tab") << "InpRenban" << 2 << "numMargin1"
                                              << "11"
                                              << "tab:0" << margin << QString();
    QTest::newRow("margin, then the Tab key") << "InpRenban" << 2 << "numMargin3"
                                              << "11"
                                              << "key:tab" << margin << QString();
    QTest::newRow("initial value, then another tab")
        << "InpRenban" << 0 << "numInit"
        << "100"
        << "tab:1" << QStringLiteral("入力範囲：0 ～ 99") << QString();
}

void RangeCheckTest::everyWayOutOfAFieldIsChecked() {
    QFETCH(QString, tag);
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, message);
    QFETCH(QString, keptOption);
    AppFixture f;
    DesignData d;
    d.objInpKiso.Siji = 1;
    d.objInpMorido.Morido = 1;
    const DesignData before = d;
    std::unique_ptr<InputDialog> dlg = makeDialog(tag, f, d);
    QVERIFY(dlg);
    NumericField* numeric = field(*dlg, name.toUtf8().constData());
    runDialog(*dlg, [&] {
        selectPage(*dlg, page);
        typeInto(numeric, typed);
        leaveBy(*dlg, numeric, how);
        if (!message.isEmpty()) {
            QVERIFY(dlg->isVisible());
            QVERIFY(numeric->hasFocus());
            QVERIFY(numeric->isEnabled());
            QVERIFY(numeric->isVisible());
            if (page >= 0) QCOMPARE(child<QTabBar>(*dlg, "TabStrip1")->currentIndex(), page);
        }
        // The option clicked on the way out did not act on the bad value.
        if (!keptOption.isEmpty())
            QVERIFY(child<QRadioButton>(*dlg, keptOption.toUtf8().constData())->isChecked());
    });
    if (message.isEmpty()) {
        QCOMPARE(f.messages.shown.size(), std::size_t(0));
        return;
    }
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.messages.shown[0].text, message);
    QCOMPARE(f.messages.beeps, 1);
    QCOMPARE(d, before);
    QVERIFY(f.context.settings.readString("Chapter", "Method").isEmpty());
}

void RangeCheckTest::okShowsAHiddenOrDisabledBadValue_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("page");  // the page shown for it; -1 without pages

    QTest::newRow("γ2 behind 直接入力")
        << "InpKiso"
        << "numG2" << QStringLiteral("入力範囲：0.00 ～ 99.90") << -1;
    QTest::newRow("ｑa behind the formula")
        << "InpKiso"
        << "numQa" << QStringLiteral("入力範囲：0 ～ 9999") << -1;
    QTest::newRow("X behind 台形") << "InpMorido"
                                   << "numX" << QStringLiteral("入力範囲：0.00 ～ 99.99") << -1;
    QTest::newRow("a margin on the third page")
        << "InpRenban"
        << "numMargin1" << QStringLiteral("入力範囲：0 ～ 10") << 2;
}

void RangeCheckTest::okShowsAHiddenOrDisabledBadValue() {
    QFETCH(QString, tag);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(int, page);
    AppFixture f;
    DesignData d;
    // Values read from a file or the settings, out of range behind a disabled frame or
    // on a page not shown.
    d.objInpKiso.Siji = name == QLatin1String("numQa") ? 1 : 2;
    d.objInpKiso.G2 = 120;
    d.objInpKiso.Qa = name == QLatin1String("numQa") ? 12000 : 150;
    if (name == QLatin1String("numQa")) d.objInpKiso.G2 = 18;
    d.objInpMorido.Morido = 2;
    d.objInpMorido.x = 150;
    f.context.settings.writeString("Chapter", "Margin2", QStringLiteral("11"));
    const DesignData before = d;
    std::unique_ptr<InputDialog> dlg = makeDialog(tag, f, d);
    QVERIFY(dlg);
    NumericField* numeric = field(*dlg, name.toUtf8().constData());
    runDialog(*dlg, [&] {
        QVERIFY(!numeric->isEnabled() || !numeric->isVisible());
        QTest::mouseClick(dlg->cmdOk(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(dlg->isVisible());
        QVERIFY(numeric->isEnabled());
        QVERIFY(numeric->isVisible());
        QVERIFY(numeric->hasFocus());
        if (page >= 0) QCOMPARE(child<QTabBar>(*dlg, "TabStrip1")->currentIndex(), page);
    });
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.messages.shown[0].text, message);
    QCOMPARE(d, before);
    QVERIFY(f.context.settings.readString("Chapter", "Method").isEmpty());
}

QTEST_MAIN(RangeCheckTest)
#include "range_check_test.moc"
