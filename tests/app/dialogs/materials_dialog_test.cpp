// The materials dialog: the stored values as they are when it opens, the proposals of a
// new σck and of a bar-grade click, and the bond stress stored as decimal text.
#include <QtTest>

#include "app/dialogs/materials_dialog.h"
#include "dialog_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

struct Shown {
    QString Sca, Ta, Toa, Ec, Ssa;
};

Shown shown(QWidget& dlg) {
    return {field(dlg, "numSca")->text(), field(dlg, "numTa")->text(), field(dlg, "numToa")->text(),
            field(dlg, "numEc")->text(), field(dlg, "numSsa")->text()};
}

}  // namespace

class InpZairyoDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithStoredValuesNotProposals();
    void strengthProposals_data();
    void strengthProposals();
    void gradeClickProposesSsaAndToaOnly();
    void storedBondStressKeepsItsValueAsText();
    void userOverwritesAProposal();
    void unreadableBondStressTextIsKeptUnlessChanged();
    void rangesOfTheUnitWeights();
    void cancelChangesNothing();
};

void InpZairyoDialogTest::opensWithStoredValuesNotProposals() {
    AppFixture f;
    DesignData d;
    frmInpZairyo dlg(f.context, d);
    runDialog(dlg, [&] {
        const Shown s = shown(dlg);
        QCOMPARE(s.Sca, QStringLiteral("8.0"));
        QCOMPARE(s.Ta, QStringLiteral("0.42"));
        QCOMPARE(s.Toa, QStringLiteral("1.50"));
        QCOMPARE(s.Ec, QStringLiteral("23500"));
        QCOMPARE(s.Ssa, QStringLiteral("157"));  // the record's default, not SD295's 176
        QVERIFY(child<QRadioButton>(dlg, "optZai2")->isChecked());
        QCOMPARE(field(dlg, "numSck")->text(), QStringLiteral("21"));
        QCOMPARE(field(dlg, "numGsc")->text(), QStringLiteral("24.5"));
        QCOMPARE(field(dlg, "numEs")->text(), QStringLiteral("200000"));
    });
}

void InpZairyoDialogTest::strengthProposals_data() {
    QTest::addColumn<QString>("sck");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("Sca");
    QTest::addColumn<QString>("Ta");
    QTest::addColumn<QString>("Toa");
    QTest::addColumn<QString>("Ec");
    QTest::newRow("18") << "18" << 2 << "7.0"
                        << "0.40"
                        << "1.40"
                        << "22000";
    QTest::newRow("20") << "20" << 2 << "7.0"
                        << "0.40"
                        << "1.40"
                        << "22000";
    QTest::newRow("23") << "23" << 3 << "8.0"
                        << "0.42"
                        << "1.50"
                        << "23500";
    QTest::newRow("24 SD295") << "24" << 2 << "9.0"
                              << "0.45"
                              << "1.60"
                              << "25000";
    QTest::newRow("24 SR235 halves") << "24" << 1 << "9.0"
                                     << "0.45"
                                     << "0.80"
                                     << "25000";
    QTest::newRow("30") << "30" << 2 << "11.0"
                        << "0.50"
                        << "1.80"
                        << "28000";
    QTest::newRow("39") << "39" << 2 << "11.0"
                        << "0.50"
                        << "1.80"
                        << "28000";
    QTest::newRow("40 SR235") << "40" << 1 << "14.0"
                              << "0.55"
                              << "1.00"
                              << "31000";
}

void InpZairyoDialogTest::strengthProposals() {
    QFETCH(QString, sck);
    QFETCH(int, grade);
    QFETCH(QString, Sca);
    QFETCH(QString, Ta);
    QFETCH(QString, Toa);
    QFETCH(QString, Ec);
    AppFixture f;
    DesignData d;
    d.objInpZairyo.Zai = grade;
    frmInpZairyo dlg(f.context, d);
    runDialog(dlg, [&] {
        typeInto(field(dlg, "numSck"), sck);
        leave(field(dlg, "numSck"));
        const Shown s = shown(dlg);
        QCOMPARE(s.Sca, Sca);
        QCOMPARE(s.Ta, Ta);
        QCOMPARE(s.Toa, Toa);
        QCOMPARE(s.Ec, Ec);
        QCOMPARE(s.Ssa, QStringLiteral("157"));  // σck does not touch σsa
    });
}

void InpZairyoDialogTest::gradeClickProposesSsaAndToaOnly() {
    AppFixture f;
    DesignData d;
    frmInpZairyo dlg(f.context, d);
    runDialog(dlg, [&] {
        typeInto(field(dlg, "numSck"), QStringLiteral("30"));
        leave(field(dlg, "numSck"));
        Shown s = shown(dlg);
        QCOMPARE(s.Sca, QStringLiteral("11.0"));
        QCOMPARE(s.Ta, QStringLiteral("0.50"));
        QCOMPARE(s.Toa, QStringLiteral("1.80"));
        QCOMPARE(s.Ec, QStringLiteral("28000"));
        typeInto(field(dlg, "numSca"), QStringLiteral("10.5"));  // the user's own value
        clickOption(dlg, "optZai1");
        s = shown(dlg);
        QCOMPARE(s.Ssa, QStringLiteral("137"));
        QCOMPARE(s.Toa, QStringLiteral("0.90"));
        QCOMPARE(s.Sca, QStringLiteral("10.5"));
        QCOMPARE(s.Ta, QStringLiteral("0.50"));
        QCOMPARE(s.Ec, QStringLiteral("28000"));
        clickOption(dlg, "optZai3");
        QCOMPARE(shown(dlg).Ssa, QStringLiteral("196"));
        QCOMPARE(shown(dlg).Toa, QStringLiteral("1.80"));
        clickOption(dlg, "optZai2");
        QCOMPARE(shown(dlg).Ssa, QStringLiteral("176"));
        clickOption(dlg, "optZai1");
        dlg.cmdOk()->click();
    });
    const CInpZairyo& r = d.objInpZairyo;
    QCOMPARE(r.Sck, 30.0);
    QCOMPARE(r.Sca, 10.5);
    QCOMPARE(r.Ta, 0.5);
    QCOMPARE(r.Toa, std::string("0.9"));
    QCOMPARE(r.Ec, 28000.0);
    QCOMPARE(r.Zai, 1);
    QCOMPARE(r.Ssa, 137.0);
    QVERIFY(r.InpFlg);
}

void InpZairyoDialogTest::storedBondStressKeepsItsValueAsText() {
    AppFixture f;
    DesignData d;
    d.objInpZairyo.Toa = "1.70";
    d.objInpZairyo.Sck = 21;
    d.objInpZairyo.Zai = 2;
    d.objInpZairyo.InpFlg = false;
    frmInpZairyo dlg(f.context, d);
    runDialog(dlg, [&] {
        QCOMPARE(field(dlg, "numToa")->text(), QStringLiteral("1.70"));
        dlg.cmdOk()->click();
    });
    QCOMPARE(d.objInpZairyo.Toa, std::string("1.7"));
    QVERIFY(d.objInpZairyo.InpFlg);
    QCOMPARE(d.objInpZairyo.Ssa, 157.0);
}

void InpZairyoDialogTest::userOverwritesAProposal() {
    AppFixture f;
    DesignData d;
    frmInpZairyo dlg(f.context, d);
    runDialog(dlg, [&] {
        typeInto(field(dlg, "numSck"), QStringLiteral("24"));
        typeInto(field(dlg, "numToa"), QStringLiteral("0.75"));
        typeInto(field(dlg, "numEc"), QStringLiteral("26000"));
        dlg.cmdOk()->click();
    });
    QCOMPARE(d.objInpZairyo.Sck, 24.0);
    QCOMPARE(d.objInpZairyo.Sca, 9.0);
    QCOMPARE(d.objInpZairyo.Toa, std::string("0.75"));
    QCOMPARE(d.objInpZairyo.Ec, 26000.0);
}

void InpZairyoDialogTest::unreadableBondStressTextIsKeptUnlessChanged() {
    AppFixture f;
    DesignData d;
    d.objInpZairyo.Toa = "abc";
    {
        frmInpZairyo dlg(f.context, d);
        runDialog(dlg, [&] { dlg.cmdOk()->click(); });
        QCOMPARE(d.objInpZairyo.Toa, std::string("abc"));
    }
    {
        frmInpZairyo dlg(f.context, d);
        runDialog(dlg, [&] {
            clickOption(dlg, "optZai3");
            dlg.cmdOk()->click();
        });
        QCOMPARE(d.objInpZairyo.Toa, std::string("1.5"));
    }
}

void InpZairyoDialogTest::rangesOfTheUnitWeights() {
    const std::pair<const char*, const char*> cases[] = {
        {"numGsc", "入力範囲：0.0 ～ 99.0"},
        {"numGw", "入力範囲：0.0 ～ 99.0"},
        {"numGs", nullptr},  // up to 999999999
        {"numFai", nullptr},
        {"numSck", "入力範囲：0 ～ 99"},
        {"numSsa", nullptr},
    };
    for (const auto& [name, message] : cases) {
        AppFixture f;
        DesignData d;
        frmInpZairyo dlg(f.context, d);
        runDialog(dlg, [&] {
            typeInto(field(dlg, name), QStringLiteral("125"));
            leave(field(dlg, name));
        });
        if (message) {
            QCOMPARE(f.messages.shown.size(), std::size_t(1));
            QCOMPARE(f.messages.shown[0].text, QString::fromUtf8(message));
        } else {
            QCOMPARE(f.messages.shown.size(), std::size_t(0));
        }
    }
}

void InpZairyoDialogTest::cancelChangesNothing() {
    AppFixture f;
    DesignData d;
    const DesignData before = d;
    frmInpZairyo dlg(f.context, d);
    runDialog(dlg, [&] {
        typeInto(field(dlg, "numSck"), QStringLiteral("40"));
        clickOption(dlg, "optZai3");
        dlg.cmdCancel()->click();
    });
    QCOMPARE(d, before);
}

QTEST_MAIN(InpZairyoDialogTest)
#include "materials_dialog_test.moc"
