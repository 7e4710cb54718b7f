// The design-conditions dialog: every field between record and controls, the title's
// limits, the water-level rule that refuses OK, and Cancel.
#include <QtTest>

#include "app/dialogs/design_conditions_dialog.h"
#include "app/widgets/title_field.h"
#include "design/rules.h"
#include "dialog_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

class InpJyokenDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheRecord();
    void okStoresEveryField();
    void waterLevelRule_data();
    void waterLevelRule();
    void okRefusesAnEntryOutOfRange();
    void storedValueOutOfRangeMustBeCorrected();
    void cancelChangesNothing();
};

void InpJyokenDialogTest::showsTheRecord() {
    AppFixture f;
    DesignData d;
    CInpJyoken& r = d.objInpJyoken;
    r.Title = "北側幹線水路";
    r.H = 2.5;
    r.B = 1.8;
    r.T1 = 0.25;
    r.T2 = 0.35;
    r.T3 = 0.4;
    r.T4 = 0.15;
    r.TB = 0.5;
    r.HW = 1.2;
    r.HWi = 2.25;
    r.Fa = 1.2;
    r.Kento = 2;
    frmInpJyoken dlg(f.context, d);
    runDialog(dlg, [&] {
        QCOMPARE(dlg.windowTitle(), QStringLiteral("設計条件の入力"));
        QCOMPARE(child<TitleField>(dlg, "txtTitle")->text(), QStringLiteral("北側幹線水路"));
        const std::pair<const char*, const char*> shown[] = {
            {"numH", "2.50"},   {"numB", "1.80"},  {"numT1", "0.25"}, {"numT2", "0.35"},
            {"numT3", "0.40"},  {"numT4", "0.15"}, {"numTB", "0.50"}, {"numHW", "1.20"},
            {"numHwi", "2.25"}, {"numFa", "1.2"}};
        for (const auto& [name, text] : shown)
            QCOMPARE(field(dlg, name)->text(), QString(text));
        QVERIFY(child<QRadioButton>(dlg, "optKento2")->isChecked());
        QVERIFY(!child<QRadioButton>(dlg, "optKento1")->isChecked());
        QCOMPARE(child<QRadioButton>(dlg, "optKento3")->text(),
                 QStringLiteral("ケースⅠ・Ⅱ・Ⅲで行う"));
        QCOMPARE(field(dlg, "numHwi")->caption(), QStringLiteral("満水時の内水高　　　  ＨWi(m)"));
    });
    QCOMPARE(d.objInpJyoken, r);  // opening and cancelling leave the record
}

void InpJyokenDialogTest::okStoresEveryField() {
    AppFixture f;
    DesignData d;
    frmInpJyoken dlg(f.context, d);
    int saved = 0;
    connect(&dlg, &InputDialog::dataSaved, [&saved] { ++saved; });
    const int result = runDialog(dlg, [&] {
        auto* title = child<TitleField>(dlg, "txtTitle");
        typeInto(title, QStringLiteral("南水路 \"改修\""));  // the quote is refused
        const std::pair<const char*, const char*> typed[] = {
            {"numH", "3"},     {"numB", "2.5"},   {"numT1", "0.2"}, {"numT2", "0.35"},
            {"numT3", "0.4"},  {"numT4", "0.15"}, {"numTB", "0.6"}, {"numHW", "1.75"},
            {"numHwi", "2.8"}, {"numFa", "1.2"}};
        for (const auto& [name, text] : typed) {
            typeInto(field(dlg, name), QString(text));
            leave(field(dlg, name));
        }
        clickOption(dlg, "optKento3");
        dlg.cmdOk()->click();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(saved, 1);
    const CInpJyoken& r = d.objInpJyoken;
    QCOMPARE(r.Title, std::string("南水路 改修"));
    QCOMPARE(r.H, 3.0);
    QCOMPARE(r.B, 2.5);
    QCOMPARE(r.T1, 0.2);
    QCOMPARE(r.T2, 0.35);
    QCOMPARE(r.T3, 0.4);
    QCOMPARE(r.T4, 0.15);
    QCOMPARE(r.TB, 0.6);
    QCOMPARE(r.HW, 1.75);
    QCOMPARE(r.HWi, 2.8);
    QCOMPARE(r.Fa, 1.2);
    QCOMPARE(r.Kento, 3);
    QVERIFY(r.InpFlg);
    // Only the refused quote was reported; every number was in range.
    QCOMPARE(f.messages.shown.size(), std::size_t(2));
    QCOMPARE(f.messages.shown[0].text, TitleField::refusedCharacterMessage(QStringLiteral("\"")));
}

void InpJyokenDialogTest::waterLevelRule_data() {
    QTest::addColumn<QString>("H");
    QTest::addColumn<QString>("T4");
    QTest::addColumn<QString>("HWi");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("HWi above H") << "2.00"
                                 << "0.10"
                                 << "2.50" << false;
    QTest::newRow("HWi one hundredth above H") << "2.00"
                                               << "0.10"
                                               << "2.01" << false;
    QTest::newRow("HWi equal to H") << "2.00"
                                    << "0.10"
                                    << "2.00" << true;
    QTest::newRow("HWi equal to T4") << "2.00"
                                     << "0.10"
                                     << "0.10" << true;
    QTest::newRow("HWi below T4") << "2.00"
                                  << "0.10"
                                  << "0.09" << false;
    QTest::newRow("all zero") << "0"
                              << "0"
                              << "0" << true;
}

void InpJyokenDialogTest::waterLevelRule() {
    QFETCH(QString, H);
    QFETCH(QString, T4);
    QFETCH(QString, HWi);
    QFETCH(bool, accepted);
    AppFixture f;
    DesignData d;
    d.objInpJyoken.Title = "元の件名";
    const DesignData before = d;
    frmInpJyoken dlg(f.context, d);
    int saved = 0;
    connect(&dlg, &InputDialog::dataSaved, [&saved] { ++saved; });
    bool openAfterOk = false;
    runDialog(dlg, [&] {
        typeInto(child<TitleField>(dlg, "txtTitle"), QStringLiteral("変更"));
        typeInto(field(dlg, "numH"), H);
        typeInto(field(dlg, "numT4"), T4);
        typeInto(field(dlg, "numHwi"), HWi);
        dlg.cmdOk()->click();
        openAfterOk = dlg.isVisible();
    });
    if (accepted) {
        QVERIFY(!openAfterOk);
        QCOMPARE(saved, 1);
        QVERIFY(d.objInpJyoken.InpFlg);
        QCOMPARE(d.objInpJyoken.Title, std::string("変更"));
        QCOMPARE(f.messages.shown.size(), std::size_t(0));
        return;
    }
    QVERIFY(openAfterOk);
    QCOMPARE(saved, 0);
    QCOMPARE(d, before);  // InpFlg included
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.messages.shown[0].text,
             QStringLiteral("内水位高HWiが許容範囲外です。ハンチ(T4)≦(HWi)≦内空高(H) "));
    QCOMPARE(f.messages.shown[0].title, QStringLiteral("設計条件の入力"));
    QCOMPARE(f.messages.shown[0].icon, MsgIcon::Information);
}

void InpJyokenDialogTest::okRefusesAnEntryOutOfRange() {
    // OK pressed with Enter while the field still holds 1.3: the field is not left, so
    // the range check runs at OK.
    AppFixture f;
    DesignData d;
    const DesignData before = d;
    frmInpJyoken dlg(f.context, d);
    bool focusKept = false;
    runDialog(dlg, [&] {
        typeInto(field(dlg, "numFa"), QStringLiteral("1.3"));
        QTest::keyClick(field(dlg, "numFa"), Qt::Key_Return);
        focusKept = field(dlg, "numFa")->hasFocus() && dlg.isVisible();
    });
    QVERIFY(focusKept);
    QCOMPARE(d, before);
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.messages.shown[0].text, QStringLiteral("入力範囲：1.1 ～ 1.2"));
    QCOMPARE(f.messages.beeps, 1);
}

void InpJyokenDialogTest::storedValueOutOfRangeMustBeCorrected() {
    // Values read from a file are not range-checked, but OK does not store them again:
    // the first is shown with its range until it is corrected.
    AppFixture f;
    DesignData d;
    d.objInpJyoken.B = 150;
    d.objInpJyoken.Fa = 1.5;
    d.objInpJyoken.Kento = 7;  // no option for it
    frmInpJyoken dlg(f.context, d);
    runDialog(dlg, [&] {
        dlg.cmdOk()->click();
        QVERIFY(field(dlg, "numB")->hasFocus());
        QCOMPARE(d.objInpJyoken.B, 150.0);  // nothing stored
        QVERIFY(!d.objInpJyoken.InpFlg);
        typeInto(field(dlg, "numB"), QStringLiteral("1.8"));
        dlg.cmdOk()->click();
        QVERIFY(field(dlg, "numFa")->hasFocus());
        typeInto(field(dlg, "numFa"), QStringLiteral("1.2"));
        dlg.cmdOk()->click();
        QVERIFY(!dlg.isVisible());
    });
    QCOMPARE(f.messages.shown.size(), std::size_t(2));
    QCOMPARE(f.messages.shown[0].text, QStringLiteral("入力範囲：0.00 ～ 99.00"));
    QCOMPARE(f.messages.shown[1].text, QStringLiteral("入力範囲：1.1 ～ 1.2"));
    QCOMPARE(d.objInpJyoken.B, 1.8);
    QCOMPARE(d.objInpJyoken.Fa, 1.2);
    QCOMPARE(d.objInpJyoken.Kento, 0);  // no option set: stored as 0
    QVERIFY(d.objInpJyoken.InpFlg);
}

void InpJyokenDialogTest::cancelChangesNothing() {
    AppFixture f;
    DesignData d;
    const DesignData before = d;
    frmInpJyoken dlg(f.context, d);
    int saved = 0;
    connect(&dlg, &InputDialog::dataSaved, [&saved] { ++saved; });
    const int result = runDialog(dlg, [&] {
        typeInto(field(dlg, "numH"), QStringLiteral("5"));
        typeInto(field(dlg, "numFa"), QStringLiteral("1.9"));  // out of range, then Cancel
        QTest::mouseClick(dlg.cmdCancel(), Qt::LeftButton);
    });
    QCoreApplication::processEvents();
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(saved, 0);
    QCOMPARE(d, before);
    QCOMPARE(f.messages.shown.size(), std::size_t(0));
    // The position is stored all the same.
    QVERIFY(!f.context.settings.readString("InpJyoken", "Top").isEmpty());
}

QTEST_MAIN(InpJyokenDialogTest)
#include "design_conditions_dialog_test.moc"
