// The heading-numbering dialog: settings in, settings out, the two previews, the tab
// pages, and nothing of the design touched.
#include <QComboBox>
#include <QFrame>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QtTest>

#include "app/dialogs/heading_numbering_dialog.h"
#include "app/dialogs/numbering_preview.h"
#include "dialog_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

QStringList lines(QWidget& dlg, const char* name) {
    return child<QPlainTextEdit>(dlg, name)->toPlainText().split(QLatin1Char('\n'));
}

QString chapter(const AppFixture& f, const char* key) {
    return f.context.settings.readString("Chapter", key);
}

void writeChapter(const AppFixture& f, const char* key, const char* value) {
    f.context.settings.writeString("Chapter", key, QString::fromUtf8(value));
}

}  // namespace

class InpRenbanDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void previews_data();
    void previews();
    void emptySettingsOpenAndStoreZeros();
    void storedSettingsAreShownAndWrittenBack();
    void valuesThatTheControlsCannotTake();
    void choosingAStyleStoresItsPositionPlusOne();
    void methodPreviewFollowsTheOptionMarginPreviewFollowsPageThree();
    void marginChangeRefreshesItsPreview();
    void onlyTheSelectedPageIsEnabled();
    void cancelLeavesSettingsButStoresPosition();
};

void InpRenbanDialogTest::previews_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QList<int>>("margins");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("method 0") << 0 << QList<int>{0, 2, 4, 8}
                              << QStringList{"○○○", "  ○○○", "    ○○○", "        ○○○",
                                             "",    "○○○",   "  ○○○"};
    QTest::newRow("method 1") << 1 << QList<int>{0, 2, 4, 8}
                              << QStringList{"(章)○○○",         "  (節)○○○", "    (項)○○○",
                                             "        (No)○○○", "",          "(章)○○○",
                                             "  (節)○○○"};
    QTest::newRow("method 2 margins 0 2 4 8")
        << 2 << QList<int>{0, 2, 4, 8}
        << QStringList{"(章)○○○", "  (章)-(節)○○○", "    (章)-(節)-(項)○○○", "        (No)○○○",
                       "",        "(章)○○○",        "  (章)-(節)○○○"};
    QTest::newRow("method 3 other margins, negative as 0")
        << 3 << QList<int>{1, -3, 0, 10}
        << QStringList{" (章)○○○", "(章).(節)○○○", "(章).(節).(項)○○○", "          (No)○○○",
                       "",         " (章)○○○",     "(章).(節)○○○"};
}

void InpRenbanDialogTest::previews() {
    QFETCH(int, method);
    QFETCH(QList<int>, margins);
    QFETCH(QStringList, expected);
    QCOMPARE(marginPreview(method, {margins[0], margins[1], margins[2], margins[3]}), expected);
    if (margins == QList<int>{0, 2, 4, 8}) QCOMPARE(methodPreview(method), expected);
}

void InpRenbanDialogTest::emptySettingsOpenAndStoreZeros() {
    AppFixture f;
    DesignData d;
    frmInpRenban dlg(f.context, d);
    runDialog(dlg, [&] {
        QVERIFY(child<QRadioButton>(dlg, "optMethod0")->isChecked());
        QCOMPARE(field(dlg, "numInit")->text(), QStringLiteral("0"));
        for (const char* name : {"cboStyle0", "cboStyle1", "cboStyle2", "cboStyle3"})
            QCOMPARE(child<QComboBox>(dlg, name)->currentIndex(), -1);
        for (const char* name : {"numMargin0", "numMargin1", "numMargin2", "numMargin3"})
            QCOMPARE(field(dlg, name)->text(), QStringLiteral("0"));
        QCOMPARE(lines(dlg, "txtMethod"), methodPreview(0));
        QCOMPARE(child<QTabBar>(dlg, "TabStrip1")->currentIndex(), 0);
        dlg.cmdOk()->click();
    });
    for (const char* key : {"Method", "Init", "Style1", "Style2", "Style3", "Style4", "Margin1",
                            "Margin2", "Margin3", "Margin4"})
        QCOMPARE(chapter(f, key), QStringLiteral("0"));
    QCOMPARE(d, DesignData{});
}

void InpRenbanDialogTest::storedSettingsAreShownAndWrittenBack() {
    AppFixture f;
    DesignData d;
    const std::pair<const char*, const char*> stored[] = {
        {"Method", "2"}, {"Init", "5"},    {"Style1", "1"},  {"Style2", "3"},  {"Style3", "8"},
        {"Style4", "6"}, {"Margin1", "0"}, {"Margin2", "2"}, {"Margin3", "4"}, {"Margin4", "8"}};
    for (const auto& [key, value] : stored)
        writeChapter(f, key, value);
    frmInpRenban dlg(f.context, d);
    runDialog(dlg, [&] {
        QVERIFY(child<QRadioButton>(dlg, "optMethod2")->isChecked());
        QCOMPARE(field(dlg, "numInit")->text(), QStringLiteral("5"));
        QCOMPARE(child<QComboBox>(dlg, "cboStyle1")->currentText(),
                 QStringLiteral("1),2),3),.(99)"));
        QCOMPARE(child<QComboBox>(dlg, "cboStyle2")->currentText(), QStringLiteral("①,②,③,...⑳"));
        QCOMPARE(lines(dlg, "txtMargin"),
                 (QStringList{"(章)○○○", "  (章)-(節)○○○", "    (章)-(節)-(項)○○○",
                              "        (No)○○○", "", "(章)○○○", "  (章)-(節)○○○"}));
        dlg.cmdOk()->click();
    });
    for (const auto& [key, value] : stored)
        QCOMPARE(chapter(f, key), QString::fromUtf8(value));
}

void InpRenbanDialogTest::valuesThatTheControlsCannotTake() {
    // A method without an option and a style beyond the list leave their controls as
    // they were; the other values still load. OK keeps the stored method.
    AppFixture f;
    DesignData d;
    writeChapter(f, "Method", "7");
    writeChapter(f, "Style1", "12");
    writeChapter(f, "Style2", "2");
    writeChapter(f, "Margin3", "6");
    frmInpRenban dlg(f.context, d);
    runDialog(dlg, [&] {
        for (int m = 0; m < 4; ++m)
            QVERIFY(!child<QRadioButton>(
                         dlg, QByteArray("optMethod" + QByteArray::number(m)).constData())
                         ->isChecked());
        QCOMPARE(child<QComboBox>(dlg, "cboStyle0")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(dlg, "cboStyle1")->currentIndex(), 1);
        QCOMPARE(field(dlg, "numMargin2")->text(), QStringLiteral("6"));
        dlg.cmdOk()->click();
    });
    QCOMPARE(chapter(f, "Method"), QStringLiteral("7"));
    QCOMPARE(chapter(f, "Style1"), QStringLiteral("0"));
    QCOMPARE(chapter(f, "Style2"), QStringLiteral("2"));
    QCOMPARE(chapter(f, "Margin3"), QStringLiteral("6"));
}

void InpRenbanDialogTest::choosingAStyleStoresItsPositionPlusOne() {
    AppFixture f;
    DesignData d;
    frmInpRenban dlg(f.context, d);
    runDialog(dlg, [&] {
        child<QTabBar>(dlg, "TabStrip1")->setCurrentIndex(1);
        auto* section = child<QComboBox>(dlg, "cboStyle1");
        QCOMPARE(section->count(), 8);
        QCOMPARE(section->itemText(2), QStringLiteral("1),2),3),.(99)"));
        section->setCurrentIndex(2);
        clickOption(dlg, "optMethod3");  // on a page that is not in front: no effect
        QVERIFY(!child<QRadioButton>(dlg, "optMethod3")->isChecked());
        child<QTabBar>(dlg, "TabStrip1")->setCurrentIndex(0);
        clickOption(dlg, "optMethod3");
        dlg.cmdOk()->click();
    });
    QCOMPARE(chapter(f, "Style2"), QStringLiteral("3"));
    QCOMPARE(chapter(f, "Style1"), QStringLiteral("0"));
    QCOMPARE(chapter(f, "Method"), QStringLiteral("3"));
}

void InpRenbanDialogTest::methodPreviewFollowsTheOptionMarginPreviewFollowsPageThree() {
    AppFixture f;
    DesignData d;
    writeChapter(f, "Margin2", "2");
    frmInpRenban dlg(f.context, d);
    runDialog(dlg, [&] {
        const QStringList marginBefore = lines(dlg, "txtMargin");
        QCOMPARE(marginBefore, marginPreview(0, {0, 2, 0, 0}));
        clickOption(dlg, "optMethod1");
        QCOMPARE(lines(dlg, "txtMethod"), methodPreview(1));
        QCOMPARE(lines(dlg, "txtMargin"), marginBefore);  // not yet
        child<QTabBar>(dlg, "TabStrip1")->setCurrentIndex(2);
        QCOMPARE(lines(dlg, "txtMargin"), marginPreview(1, {0, 2, 0, 0}));
    });
}

void InpRenbanDialogTest::marginChangeRefreshesItsPreview() {
    AppFixture f;
    DesignData d;
    writeChapter(f, "Method", "3");
    frmInpRenban dlg(f.context, d);
    runDialog(dlg, [&] {
        child<QTabBar>(dlg, "TabStrip1")->setCurrentIndex(2);
        typeInto(field(dlg, "numMargin1"), QStringLiteral("3"));
        QCOMPARE(lines(dlg, "txtMargin"), marginPreview(3, {0, 3, 0, 0}));
        typeInto(field(dlg, "numMargin3"), QStringLiteral("11"));
        leave(field(dlg, "numMargin3"));
        QVERIFY(field(dlg, "numMargin3")->hasFocus());
        typeInto(field(dlg, "numMargin3"), QStringLiteral("10"));
        dlg.cmdOk()->click();
    });
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.messages.shown[0].text, QStringLiteral("入力範囲：0 ～ 10"));
    QCOMPARE(chapter(f, "Margin2"), QStringLiteral("3"));
    QCOMPARE(chapter(f, "Margin4"), QStringLiteral("10"));
}

void InpRenbanDialogTest::onlyTheSelectedPageIsEnabled() {
    AppFixture f;
    DesignData d;
    frmInpRenban dlg(f.context, d);
    runDialog(dlg, [&] {
        auto* tabs = child<QTabBar>(dlg, "TabStrip1");
        QCOMPARE(tabs->count(), 3);
        const QStringList captions{"表現方法", "連番種類", "左余白"};
        for (int t = 0; t < 3; ++t) {
            QCOMPARE(tabs->tabText(t), captions[t]);
            tabs->setCurrentIndex(t);
            for (int p = 0; p < 3; ++p) {
                auto* page = child<QFrame>(
                    dlg, QByteArray("fraTab" + QByteArray::number(p + 1)).constData());
                QCOMPARE(page->isEnabled(), p == t);
                QCOMPARE(page->isVisible(), p == t);
                QCOMPARE(page->frameShape(), QFrame::NoFrame);
            }
        }
    });
}

void InpRenbanDialogTest::cancelLeavesSettingsButStoresPosition() {
    AppFixture f;
    DesignData d;
    writeChapter(f, "Method", "1");
    writeChapter(f, "Style1", "2");
    const QByteArray before = readBytes(f.ini());
    frmInpRenban dlg(f.context, d);
    runDialog(dlg, [&] {
        clickOption(dlg, "optMethod3");
        typeInto(field(dlg, "numInit"), QStringLiteral("9"));
        child<QComboBox>(dlg, "cboStyle0")->setCurrentIndex(5);
        dlg.cmdCancel()->click();
    });
    QCOMPARE(chapter(f, "Method"), QStringLiteral("1"));
    QCOMPARE(chapter(f, "Style1"), QStringLiteral("2"));
    QVERIFY(chapter(f, "Init").isEmpty());
    QVERIFY(readBytes(f.ini()) != before);  // the position
    QVERIFY(!f.context.settings.readString("InpRenban", "Top").isEmpty());
    QCOMPARE(d, DesignData{});
}

QTEST_MAIN(InpRenbanDialogTest)
#include "heading_numbering_dialog_test.moc"
