// The embankment, ground and cover dialogs: option groups that enable one frame and
// keep the values of the other, the sketches in front, and the plain field transfer.
#include <QGroupBox>
#include <QStackedWidget>
#include <QtTest>

#include "app/dialogs/cover_dialog.h"
#include "app/dialogs/embankment_dialog.h"
#include "app/dialogs/foundation_dialog.h"
#include "dialog_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

CInpMorido sampleMorido(int option) {
    CInpMorido r;
    r.Morido = option;
    r.x = 0.5;
    r.Q = 10;
    r.X1 = 1.25;
    r.X2 = 3;
    r.Ho = 1.5;
    r.G = 19;
    r.Qd = 5;
    return r;
}

}  // namespace

class OptionDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void moridoOpensWithTheStoredChoice_data();
    void moridoOpensWithTheStoredChoice();
    void moridoSwitchingKeepsAndStoresBothGroups();
    void moridoRangeOfTheLoad();
    void kisoOpensWithTheStoredChoice_data();
    void kisoOpensWithTheStoredChoice();
    void kisoSwitchingKeepsValues();
    void kisoGamma2ShowsTwoDecimals();
    void kaburiTransfersTheFourCovers();
    void cancelChangesNothing();
};

void OptionDialogsTest::moridoOpensWithTheStoredChoice_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << 1 << true;
    QTest::newRow("embankment") << 2 << false;
    QTest::newRow("code outside the options") << 9 << false;
}

void OptionDialogsTest::moridoOpensWithTheStoredChoice() {
    QFETCH(int, stored);
    QFETCH(bool, horizontal);
    AppFixture f;
    DesignData d;
    d.objInpMorido = sampleMorido(stored);
    frmInpMorido dlg(f.context, d);
    runDialog(dlg, [&] {
        auto* sketches = child<QStackedWidget>(dlg, "picSketches");
        QCOMPARE(sketches->currentWidget()->objectName(),
                 horizontal ? QStringLiteral("picHorizontal") : QStringLiteral("picEmbankment"));
        for (const char* name : {"numX", "numQ"})
            QCOMPARE(field(dlg, name)->isEnabled(), horizontal);
        for (const char* name : {"numX1", "numX2", "numHo", "numG", "numQd"})
            QCOMPARE(field(dlg, name)->isEnabled(), !horizontal);
        QCOMPARE(field(dlg, "numX1")->text(), QStringLiteral("1.25"));
        QCOMPARE(field(dlg, "numQ")->text(), QStringLiteral("10.0"));
    });
}

void OptionDialogsTest::moridoSwitchingKeepsAndStoresBothGroups() {
    AppFixture f;
    DesignData d;
    d.objInpMorido = sampleMorido(1);
    frmInpMorido dlg(f.context, d);
    runDialog(dlg, [&] {
        typeInto(field(dlg, "numX"), QStringLiteral("0.75"));
        clickOption(dlg, "optMorido2");
        QVERIFY(!field(dlg, "numX")->isEnabled());
        QCOMPARE(field(dlg, "numX")->text(), QStringLiteral("0.75"));
        QCOMPARE(child<QStackedWidget>(dlg, "picSketches")->currentWidget()->objectName(),
                 QStringLiteral("picEmbankment"));
        typeInto(field(dlg, "numHo"), QStringLiteral("2"));
        clickOption(dlg, "optMorido1");
        QVERIFY(!field(dlg, "numHo")->isEnabled());
        clickOption(dlg, "optMorido2");
        dlg.cmdOk()->click();
    });
    const CInpMorido& r = d.objInpMorido;
    QCOMPARE(r.Morido, 2);
    QCOMPARE(r.x, 0.75);  // disabled, stored as it stands
    QCOMPARE(r.Q, 10.0);
    QCOMPARE(r.X1, 1.25);
    QCOMPARE(r.X2, 3.0);
    QCOMPARE(r.Ho, 2.0);
    QCOMPARE(r.G, 19.0);
    QCOMPARE(r.Qd, 5.0);
    QVERIFY(r.InpFlg);
}

void OptionDialogsTest::moridoRangeOfTheLoad() {
    AppFixture f;
    DesignData d;
    frmInpMorido dlg(f.context, d);
    runDialog(dlg, [&] {
        typeInto(field(dlg, "numQ"), QStringLiteral("1000"));
        leave(field(dlg, "numQ"));
        QVERIFY(field(dlg, "numQ")->hasFocus());
    });
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.messages.shown[0].text, QStringLiteral("入力範囲：0.0 ～ 999.9"));
}

void OptionDialogsTest::kisoOpensWithTheStoredChoice_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("formula");
    QTest::newRow("formula") << 1 << true;
    QTest::newRow("direct") << 2 << false;
}

void OptionDialogsTest::kisoOpensWithTheStoredChoice() {
    QFETCH(int, stored);
    QFETCH(bool, formula);
    AppFixture f;
    DesignData d;
    d.objInpKiso.Siji = stored;
    frmInpKiso dlg(f.context, d);
    runDialog(dlg, [&] {
        QCOMPARE(child<QGroupBox>(dlg, "fraFormula")->isEnabled(), formula);
        QCOMPARE(child<QGroupBox>(dlg, "fraDirect")->isEnabled(), !formula);
        QCOMPARE(field(dlg, "numQa")->isEnabled(), !formula);
        QCOMPARE(field(dlg, "numC")->isEnabled(), formula);
        QCOMPARE(field(dlg, "numQa")->text(), QStringLiteral("50"));
        QCOMPARE(field(dlg, "numDf")->text(), QStringLiteral("3.00"));
    });
}

void OptionDialogsTest::kisoSwitchingKeepsValues() {
    AppFixture f;
    DesignData d;
    d.objInpKiso.C = 12.5;
    d.objInpKiso.Fai = 28;
    d.objInpKiso.G1 = 9;
    d.objInpKiso.G2 = 16.5;
    d.objInpKiso.Df = 1.2;
    d.objInpKiso.Qa = 120;
    frmInpKiso dlg(f.context, d);
    runDialog(dlg, [&] {
        typeInto(field(dlg, "numQa"), QStringLiteral("150"));
        clickOption(dlg, "optSiji1");
        typeInto(field(dlg, "numC"), QStringLiteral("15"));
        clickOption(dlg, "optSiji2");
        dlg.cmdOk()->click();
    });
    const CInpKiso& r = d.objInpKiso;
    QCOMPARE(r.Siji, 2);
    QCOMPARE(r.C, 15.0);
    QCOMPARE(r.Fai, 28.0);
    QCOMPARE(r.G1, 9.0);
    QCOMPARE(r.G2, 16.5);
    QCOMPARE(r.Df, 1.2);
    QCOMPARE(r.Qa, 150.0);
    QVERIFY(r.InpFlg);
}

void OptionDialogsTest::kisoGamma2ShowsTwoDecimals() {
    AppFixture f;
    DesignData d;
    d.objInpKiso.Siji = 1;
    frmInpKiso dlg(f.context, d);
    runDialog(dlg, [&] {
        QCOMPARE(field(dlg, "numG2")->text(), QStringLiteral("15.00"));
        typeInto(field(dlg, "numG2"), QStringLiteral("120"));
        leave(field(dlg, "numG2"));
        QVERIFY(field(dlg, "numG2")->hasFocus());
    });
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.messages.shown[0].text, QStringLiteral("入力範囲：0.00 ～ 99.90"));
}

void OptionDialogsTest::kaburiTransfersTheFourCovers() {
    AppFixture f;
    DesignData d;
    d.objInpKaburi.InpFlg = false;
    d.objInpKaburi.TateUchi = 60;
    frmInpKaburi dlg(f.context, d);
    runDialog(dlg, [&] {
        QCOMPARE(field(dlg, "numTateUchi")->text(), QStringLiteral("60"));
        QCOMPARE(field(dlg, "numSokoSita")->text(), QStringLiteral("100"));
        typeInto(field(dlg, "numTateSoto"), QStringLiteral("75"));
        typeInto(field(dlg, "numSokoUe"), QStringLiteral("80"));
        typeInto(field(dlg, "numSokoSita"), QStringLiteral("1000"));
        leave(field(dlg, "numSokoSita"));
        QCOMPARE(f.messages.shown.at(0).text, QStringLiteral("入力範囲：0 ～ 999"));
        typeInto(field(dlg, "numSokoSita"), QStringLiteral("120"));
        dlg.cmdOk()->click();
    });
    const CInpKaburi& r = d.objInpKaburi;
    QCOMPARE(r.TateSoto, 75.0);
    QCOMPARE(r.TateUchi, 60.0);
    QCOMPARE(r.SokoUe, 80.0);
    QCOMPARE(r.SokoSita, 120.0);
    QVERIFY(r.InpFlg);
}

void OptionDialogsTest::cancelChangesNothing() {
    AppFixture f;
    DesignData d;
    d.objInpMorido = sampleMorido(1);
    const DesignData before = d;
    {
        frmInpMorido dlg(f.context, d);
        runDialog(dlg, [&] {
            clickOption(dlg, "optMorido2");
            typeInto(field(dlg, "numHo"), QStringLiteral("4"));
            dlg.cmdCancel()->click();
        });
    }
    {
        frmInpKiso dlg(f.context, d);
        runDialog(dlg, [&] {
            clickOption(dlg, "optSiji1");
            typeInto(field(dlg, "numC"), QStringLiteral("4"));
            dlg.cmdCancel()->click();
        });
    }
    {
        frmInpKaburi dlg(f.context, d);
        runDialog(dlg, [&] {
            typeInto(field(dlg, "numTateSoto"), QStringLiteral("4"));
            dlg.cmdCancel()->click();
        });
    }
    QCOMPARE(d, before);
    for (const char* section : {"InpMorido", "InpKiso", "InpKaburi"})
        QVERIFY(!f.context.settings.readString(section, "Left").isEmpty());
}

QTEST_MAIN(OptionDialogsTest)
#include "option_dialogs_test.moc"
