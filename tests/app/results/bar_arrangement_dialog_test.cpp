// The results dialog on the results of real calculation runs: what the grid shows and
// colours, the recalculation of one face as its bars change, the cells that take no
// input, and what OK and Cancel leave in the record and the result store.
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <functional>

#include "app/results/bar_arrangement_dialog.h"
#include "app/results/results_grid.h"
#include "app_test_support.h"
#include "calc/run/bar_selection.h"
#include "calc/run/calc_run.h"
#include "calc/run/result_lines.h"
#include "common/number_format.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;
using calc::CRcKukei;
using calc::SectionId;
using G = ResultsGrid;

namespace {

// The default design: no footings, no uplift, every face D16 at 300.
struct Run {
    AppFixture f;
    DesignData d;
    calc::ResultStore store;
    Run() {
        d.objInpHaikin.InpFlg = false;
        if (!calc::RunCalculation(d, store)) qFatal("the default design must calculate");
    }
    CRcKukei& face(int row) { return calc::SectionCheck(store, calc::kSectionIds[row - 1]); }
};

/// Shows the dialog, runs `act` while it is open, then closes it with OK or Cancel.
void runDialog(frmInpHaikin& dlg, const std::function<void()>& act, bool ok) {
    whenModal([&](QWidget*) {
        if (act) act();
        if (ok)
            dlg.cmdOk()->click();
        else
            dlg.reject();
    });
    dlg.showModal();
}

QString text(const G& g, int row, int column) {
    return g.cell(row, column)->text();
}

QString number2(double v) {
    return QString::fromStdString(formatPicture(v, "##0.00"));
}

/// The texts of every value cell, row by row.
QStringList snapshot(const G& g) {
    QStringList all;
    for (int r = 1; r <= G::kRows; ++r)
        for (int c = 1; c <= G::kValueColumns; ++c)
            all << text(g, r, c);
    return all;
}

/// Types into an input cell through its editor, as a user would, and confirms. F2 opens
/// the editor on the cell's value, which is then cleared; otherwise the first key opens it
/// and replaces the value.
void typeInto(G& g, int row, int column, const QString& typed, bool f2 = true) {
    g.setCurrentValueCell(row, column);
    g.setFocus();
    if (f2) {
        QTest::keyClick(&g, Qt::Key_F2);
        auto* editor = qobject_cast<QSpinBox*>(g.indexWidget(g.currentIndex()));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, typed);
    } else {
        QTest::keyClick(&g, typed[0].toLatin1());
        auto* editor = qobject_cast<QSpinBox*>(g.indexWidget(g.currentIndex()));
        QVERIFY(editor);
        QTest::keyClicks(editor, typed.mid(1));
    }
    QTest::keyClick(g.indexWidget(g.currentIndex()), Qt::Key_Return);
    QTest::qWait(10);  // the grid takes the entry once the editor has closed
}

void expectStresses(const G& g, int row, const CRcKukei& rc) {
    QCOMPARE(text(g, row, G::Sc), number2(rc.Sc()));
    QCOMPARE(text(g, row, G::Ss), number2(rc.Ss()));
    QCOMPARE(text(g, row, G::Tc), number2(rc.Tc()));
    QCOMPARE(text(g, row, G::T0), number2(rc.T0()));
}

}  // namespace

class InpHaikinDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheRunInTheGridAndLines();
    void colouringOnOpeningAndAfterFirstChange();
    void changedSpacingRecalculatesOnlyItsRow_data();
    void changedSpacingRecalculatesOnlyItsRow();
    void diameterOutsideBarTableFailsInRed();
    void channelWithoutFootings();
    void entryThatIsNoValueKeepsTheCell_data();
    void entryThatIsNoValueKeepsTheCell();
    void currentCellStaysOnInputCells();
    void okCopiesSixArrangementsCancelLeavesRecord();
    void autoBarsFillsTheGridOkStoresCancelDiscards();
    void autoBarsMarksAndNamesFaceWhereNothingPasses();
};

void InpHaikinDialogTest::showsTheRunInTheGridAndLines() {
    Run r;
    frmInpHaikin dlg(r.f.context, r.d, r.store);
    runDialog(dlg, {}, false);
    const G& g = *dlg.vaSpread1();

    QCOMPARE(dlg.windowTitle(), QStringLiteral("結果確認および配筋条件の変更"));
    QCOMPARE(dlg.lblFs()->text(),
             QString::fromStdString(calc::FlotationLine(*r.store.objUkiagari)));
    QCOMPARE(dlg.lblQmax()->text(), QString::fromStdString(calc::BearingLine(*r.store.objQmax)));
    QVERIFY(dlg.lblQmax()->text().startsWith(QStringLiteral("ｑmax = ")));
    QCOMPARE(dlg.findChild<QLabel*>("lblTitle0")->text(), QStringLiteral("■ 応力度照査結果"));
    QCOMPARE(dlg.findChild<QLabel*>("lblMemo4")->text(), QStringLiteral("；設計曲げﾓｰﾒﾝﾄ(kN･m)"));
    QVERIFY(!dlg.cmdHelp()->isEnabled());

    const QStringList headers{"Md", "Sd", "径(mm)", "ctc(mm)", "σc", "σs", "τ", "τo"};
    for (int c = 1; c <= G::kValueColumns; ++c)
        QCOMPARE(g.horizontalHeaderItem(c + 1)->text(), headers[c - 1]);
    QCOMPARE(g.item(2, 0)->text(), QStringLiteral("底　版"));
    QCOMPARE(g.item(5, 1)->text(), QStringLiteral("上側筋"));
    QCOMPARE(g.item(6, 0)->text(), QStringLiteral("許容値"));

    for (int row = 1; row <= 4; ++row) {
        const CRcKukei& rc = r.face(row);
        QCOMPARE(text(g, row, G::Md), number2(rc.Md));
        QCOMPARE(text(g, row, G::Sd), number2(rc.Sd));
        QCOMPARE(text(g, row, G::Dia), QStringLiteral("16"));
        QCOMPARE(text(g, row, G::Ctc), QStringLiteral("300"));
        expectStresses(g, row, rc);
    }
    const CRcKukei& outer = r.face(1);
    QCOMPARE(text(g, 7, G::Sc), number2(outer.Sca));
    QCOMPARE(text(g, 7, G::T0), number2(outer.Toa));
    QCOMPARE(text(g, 7, G::Md), QStringLiteral("-----"));
    QCOMPARE(text(g, 7, G::Ctc), QStringLiteral("-----"));

    // Only the bars of the six faces take input; the computed cells are light yellow.
    for (int row = 1; row <= G::kRows; ++row) {
        for (int c = 1; c <= G::kValueColumns; ++c) {
            const bool input = row <= 6 && (c == G::Dia || c == G::Ctc);
            QCOMPARE(bool(g.cell(row, c)->flags() & Qt::ItemIsEditable), input);
            const bool computed = !input && (row <= 6 || c >= G::Sc);
            QCOMPARE(g.cell(row, c)->background().color() == QColor(0xFF, 0xFF, 0xD0), computed);
        }
    }
}

void InpHaikinDialogTest::colouringOnOpeningAndAfterFirstChange() {
    Run r;
    // Failing stresses of several kinds: the wall's concrete (both faces) and the slab's
    // steel.
    r.face(1).Sca = 0.5;
    r.face(2).Sca = 0.5;
    r.face(3).Ssa = 10;
    for (int row : {1, 2, 3})
        r.face(row).Calc();
    QCOMPARE(r.face(3).HanteiSs(), std::string("OUT"));

    frmInpHaikin dlg(r.f.context, r.d, r.store);
    QStringList onOpening, afterChange;
    auto reds = [&dlg] {
        QStringList list;
        for (int row = 1; row <= 7; ++row)
            for (int c = 1; c <= 8; ++c)
                if (dlg.vaSpread1()->isFailing(row, c))
                    list << QStringLiteral("%1/%2").arg(row).arg(c);
        return list;
    };
    runDialog(
        dlg,
        [&] {
            onOpening = reds();
            // A change in row 4 recolours all six rows.
            dlg.vaSpread1()->cell(4, G::Ctc)->setText(QStringLiteral("250"));
            afterChange = reds();
        },
        false);
    QCOMPARE(onOpening, (QStringList{"1/5", "2/5"}));
    QCOMPARE(afterChange, (QStringList{"1/5", "2/5", "3/6", "5/5", "5/6", "5/7", "5/8", "6/5",
                                       "6/6", "6/7", "6/8"}));
}

void InpHaikinDialogTest::changedSpacingRecalculatesOnlyItsRow_data() {
    QTest::addColumn<int>("entry");  // 0 cell text set, 1 typed after F2, 2 typed over
    QTest::newRow("cell text set") << 0;
    QTest::newRow("typed after F2") << 1;
    QTest::newRow("typed over the value") << 2;
}

void InpHaikinDialogTest::changedSpacingRecalculatesOnlyItsRow() {
    QFETCH(int, entry);
    Run r;
    const double fs = r.store.objUkiagari->Fs();
    const CRcKukei before = r.face(3);
    CRcKukei expected = before;
    expected.ctc = 150;
    expected.Calc();
    QVERIFY(expected.Ss() != before.Ss());
    QVERIFY(expected.T0() != before.T0());
    const CRcKukei wallBefore = r.face(1);

    frmInpHaikin dlg(r.f.context, r.d, r.store);
    QStringList opened, changed;
    runDialog(
        dlg,
        [&] {
            G& g = *dlg.vaSpread1();
            opened = snapshot(g);
            if (entry == 0)
                g.cell(3, G::Ctc)->setText(QStringLiteral("150"));
            else
                typeInto(g, 3, G::Ctc, QStringLiteral("150"), entry == 1);
            changed = snapshot(g);
        },
        false);
    const G& g = *dlg.vaSpread1();

    QCOMPARE(text(g, 3, G::Ctc), QStringLiteral("150"));
    expectStresses(g, 3, expected);
    QCOMPARE(text(g, 3, G::Md), number2(before.Md));
    QCOMPARE(text(g, 3, G::Sd), number2(before.Sd));
    // Every cell outside row 3's bars and stresses is as it opened.
    for (int i = 0; i < opened.size(); ++i) {
        const int row = i / 8 + 1, c = i % 8 + 1;
        if (row == 3 && c >= G::Ctc) continue;
        QCOMPARE(changed[i], opened[i]);
    }
    // The store holds the recalculated face; nothing else was recalculated.
    QCOMPARE(r.face(3).ctc, 150.0);
    QCOMPARE(r.face(3).Ss(), expected.Ss());
    QCOMPARE(r.face(1).Sc(), wallBefore.Sc());
    QCOMPARE(r.store.objUkiagari->Fs(), fs);
}

void InpHaikinDialogTest::diameterOutsideBarTableFailsInRed() {
    Run r;
    frmInpHaikin dlg(r.f.context, r.d, r.store);
    runDialog(
        dlg, [&] { typeInto(*dlg.vaSpread1(), 1, G::Dia, QStringLiteral("20")); }, false);
    const G& g = *dlg.vaSpread1();
    QCOMPARE(text(g, 1, G::Dia), QStringLiteral("20"));
    QVERIFY(r.face(1).Error() != 0);
    for (int c = G::Sc; c <= G::T0; ++c) {
        QCOMPARE(text(g, 1, c), QStringLiteral("0.00"));
        QVERIFY(g.isFailing(1, c));
    }
    QVERIFY(!g.isFailing(2, G::Sc));
    QVERIFY(!g.isFailing(3, G::Ss));
}

void InpHaikinDialogTest::channelWithoutFootings() {
    Run r;
    QVERIFY(!r.store.blnFooting);
    QVERIFY(!calc::FindSection(r.store, SectionId::FootingSita));
    r.d.objInpHaikin.FootingSita = {19, 250};
    r.d.objInpHaikin.FootingUe = {22, 200};
    const CInpHaikin entered = r.d.objInpHaikin;

    frmInpHaikin dlg(r.f.context, r.d, r.store);
    bool blackOnOpening = true;
    runDialog(
        dlg,
        [&] {
            for (int row : {5, 6})
                for (int c = G::Sc; c <= G::T0; ++c)
                    blackOnOpening = blackOnOpening && !dlg.vaSpread1()->isFailing(row, c);
            dlg.vaSpread1()->cell(1, G::Ctc)->setText(QStringLiteral("250"));
        },
        true);
    const G& g = *dlg.vaSpread1();
    QVERIFY(blackOnOpening);
    for (int row : {5, 6}) {
        for (int c : {G::Md, G::Sd, G::Sc, G::Ss, G::Tc, G::T0})
            QCOMPARE(text(g, row, c), QStringLiteral("0.00"));
        for (int c = G::Sc; c <= G::T0; ++c)
            QVERIFY(g.isFailing(row, c));  // their checks report "OUT"
    }
    // The empty checks carry the entered bars, and OK gives them back unchanged.
    QCOMPARE(text(g, 5, G::Dia), QStringLiteral("19"));
    QCOMPARE(text(g, 6, G::Ctc), QStringLiteral("200"));
    QCOMPARE(r.d.objInpHaikin.FootingSita, entered.FootingSita);
    QCOMPARE(r.d.objInpHaikin.FootingUe, entered.FootingUe);
    QCOMPARE(r.d.objInpHaikin.TateSoto.ctc, 250.0);
    QVERIFY(r.d.objInpHaikin.InpFlg);
}

void InpHaikinDialogTest::entryThatIsNoValueKeepsTheCell_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("typed");
    QTest::newRow("emptied spacing") << int(G::Ctc) << QString() << false;
    QTest::newRow("emptied diameter") << int(G::Dia) << QString() << false;
    QTest::newRow("blanks") << int(G::Dia) << QStringLiteral("  ") << false;
    QTest::newRow("not a number") << int(G::Ctc) << QStringLiteral("abc") << false;
    QTest::newRow("decimal") << int(G::Dia) << QStringLiteral("12.5") << false;
    QTest::newRow("spacing below 100") << int(G::Ctc) << QStringLiteral("50") << false;
    QTest::newRow("spacing above 1000") << int(G::Ctc) << QStringLiteral("1001") << false;
    QTest::newRow("diameter above 99") << int(G::Dia) << QStringLiteral("100") << false;
    QTest::newRow("editor emptied") << int(G::Ctc) << QString() << true;
    QTest::newRow("editor left below 100") << int(G::Ctc) << QStringLiteral("50") << true;
}

void InpHaikinDialogTest::entryThatIsNoValueKeepsTheCell() {
    QFETCH(int, column);
    QFETCH(QString, entry);
    QFETCH(bool, typed);
    Run r;
    r.face(3).Ssa = 10;  // a failing stress that only a recolouring shows
    r.face(3).Calc();
    const CRcKukei before = r.face(2);
    frmInpHaikin dlg(r.f.context, r.d, r.store);
    QStringList opened, after;
    runDialog(
        dlg,
        [&] {
            G& g = *dlg.vaSpread1();
            opened = snapshot(g);
            if (typed)
                typeInto(g, 2, column, entry);
            else
                g.cell(2, column)->setText(entry);
            after = snapshot(g);
        },
        false);
    QCOMPARE(after, opened);
    QVERIFY(!dlg.vaSpread1()->isFailing(3, G::Ss));  // no change, so no recolouring
    QCOMPARE(r.face(2).Dia, before.Dia);
    QCOMPARE(r.face(2).ctc, before.ctc);
}

void InpHaikinDialogTest::currentCellStaysOnInputCells() {
    Run r;
    frmInpHaikin dlg(r.f.context, r.d, r.store);
    QList<QPoint> seen;
    QList<bool> highlighted;  // the current cell is the selected one after each move
    runDialog(
        dlg,
        [&] {
            G& g = *dlg.vaSpread1();
            auto at = [&g, &highlighted] {
                const QModelIndexList sel = g.selectionModel()->selectedIndexes();
                highlighted << (sel.size() == 1 && sel.front() == g.currentIndex());
                return QPoint(g.currentValueColumn(), g.currentRowNumber());
            };
            seen << at();            // opened on row 1's diameter
            g.setCurrentCell(0, 0);  // a label
            seen << at();
            g.setCurrentValueCell(2, G::Ctc);
            g.setCurrentCell(1, 8);  // a stress
            seen << at();
            g.setFocus();
            QTest::keyClick(&g, Qt::Key_Right);  // into σc
            seen << at();
            QTest::keyClick(&g, Qt::Key_Left);
            seen << at();
            g.setCurrentValueCell(6, G::Dia);
            QTest::keyClick(&g, Qt::Key_Down);  // into the allowables
            seen << at();
            const QRect md = g.visualItemRect(g.cell(4, G::Md));
            QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, md.center());
            seen << at();
            const QRect ctc = g.visualItemRect(g.cell(4, G::Ctc));
            QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, ctc.center());
            seen << at();
        },
        false);
    QCOMPARE(seen, (QList<QPoint>{{G::Dia, 1},
                                  {G::Dia, 1},
                                  {G::Ctc, 2},
                                  {G::Ctc, 2},
                                  {G::Dia, 2},
                                  {G::Dia, 6},
                                  {G::Dia, 6},
                                  {G::Ctc, 4}}));
    QCOMPARE(highlighted, QList<bool>(seen.size(), true));
}

void InpHaikinDialogTest::okCopiesSixArrangementsCancelLeavesRecord() {
    Run r;
    const CInpHaikin entered = r.d.objInpHaikin;
    {
        frmInpHaikin dlg(r.f.context, r.d, r.store);
        runDialog(
            dlg,
            [&] {
                dlg.vaSpread1()->cell(2, G::Dia)->setText(QStringLiteral("19"));
                dlg.vaSpread1()->cell(4, G::Ctc)->setText(QStringLiteral("200"));
            },
            false);
    }
    QCOMPARE(r.d.objInpHaikin, entered);  // Cancel: the record as it was, InpFlg included
    QCOMPARE(r.face(2).Dia, 19.0);        // the edits stay in the store until the next run

    frmInpHaikin dlg(r.f.context, r.d, r.store);
    QString reopenedDia;
    runDialog(
        dlg,
        [&] {
            reopenedDia = text(*dlg.vaSpread1(), 2, G::Dia);
            dlg.vaSpread1()->cell(6, G::Ctc)->setText(QStringLiteral("125"));
        },
        true);
    QCOMPARE(reopenedDia, QStringLiteral("19"));
    const CInpHaikin& h = r.d.objInpHaikin;
    QVERIFY(h.InpFlg);
    QCOMPARE(h.TateSoto, entered.TateSoto);
    QCOMPARE(h.TateUchi, (CInpHaikinS{19, 300}));
    QCOMPARE(h.SokoSita, entered.SokoSita);
    QCOMPARE(h.SokoUe, (CInpHaikinS{16, 200}));
    QCOMPARE(h.FootingSita, entered.FootingSita);
    QCOMPARE(h.FootingUe, (CInpHaikinS{16, 125}));
    // The dialog never writes its position.
    QCOMPARE(r.f.context.settings.readString("InpHaikin", "Top"), QString());
}

void InpHaikinDialogTest::autoBarsFillsTheGridOkStoresCancelDiscards() {
    for (const bool ok : {false, true}) {
        Run r;
        r.d.objInpJyoken.TB = 0.5;  // footings: all six faces take part
        r.store = {};
        QVERIFY(calc::RunCalculation(r.d, r.store));
        const CInpHaikin entered = r.d.objInpHaikin;
        // What the selection must find, on an untouched copy of the run.
        calc::ResultStore copy;
        QVERIFY(calc::RunCalculation(r.d, copy));
        const auto expected = calc::SelectAllBars(copy, {});

        frmInpHaikin dlg(r.f.context, r.d, r.store);
        QCOMPARE(dlg.cmdAutoBars()->text(), QStringLiteral("自動配筋"));
        bool edited = false;
        runDialog(
            dlg,
            [&] {
                G& g = *dlg.vaSpread1();
                QTest::mouseClick(dlg.cmdAutoBars(), Qt::LeftButton);
                for (int row = 1; row <= 6; ++row) {
                    const calc::BarChoice& c = expected[static_cast<std::size_t>(row - 1)];
                    QVERIFY(c.checked && c.found);
                    QCOMPARE(text(g, row, G::Dia), QString::number(c.Dia));
                    QCOMPARE(text(g, row, G::Ctc), QString::number(c.ctc));
                    expectStresses(g, row, r.face(row));
                    QVERIFY(calc::PassesAll(r.face(row)));
                    QVERIFY(!g.isFaceMarked(row));
                    for (int col = G::Sc; col <= G::T0; ++col)
                        QVERIFY(!g.isFailing(row, col));
                }
                // The engineer may still change a cell afterwards.
                typeInto(g, 3, G::Ctc, QStringLiteral("100"));
                edited = r.face(3).ctc == 100;
            },
            ok);
        QVERIFY(edited);
        QVERIFY(r.f.messages.shown.empty());
        if (!ok) {
            QCOMPARE(r.d.objInpHaikin, entered);
            continue;
        }
        const CInpHaikin& h = r.d.objInpHaikin;
        QCOMPARE(h.TateSoto, (CInpHaikinS{expected[0].Dia, expected[0].ctc}));
        QCOMPARE(h.TateUchi, (CInpHaikinS{expected[1].Dia, expected[1].ctc}));
        QCOMPARE(h.SokoSita, (CInpHaikinS{expected[2].Dia, 100}));
        QCOMPARE(h.SokoUe, (CInpHaikinS{expected[3].Dia, expected[3].ctc}));
        QCOMPARE(h.FootingSita, (CInpHaikinS{expected[4].Dia, expected[4].ctc}));
        QCOMPARE(h.FootingUe, (CInpHaikinS{expected[5].Dia, expected[5].ctc}));
    }
}

void InpHaikinDialogTest::autoBarsMarksAndNamesFaceWhereNothingPasses() {
    Run r;  // no footings: rows 5 and 6 take no part
    CRcKukei& wall = r.face(1);
    wall.Md = 900;  // beyond any bar of the list in a 300 mm wall
    wall.Calc();
    frmInpHaikin dlg(r.f.context, r.d, r.store);
    QStringList footingBars;
    runDialog(
        dlg,
        [&] {
            G& g = *dlg.vaSpread1();
            footingBars << text(g, 5, G::Dia) << text(g, 5, G::Ctc);
            dlg.cmdAutoBars()->click();
            QVERIFY(g.isFaceMarked(1));
            QCOMPARE(text(g, 1, G::Dia), QStringLiteral("16"));
            QCOMPARE(text(g, 1, G::Ctc), QStringLiteral("300"));
            QVERIFY(g.isFailing(1, G::Ss));
            QVERIFY(!g.isFaceMarked(2) && !g.isFaceMarked(5));
            QVERIFY(calc::PassesAll(r.face(2)));
            QCOMPARE(QStringList() << text(g, 5, G::Dia) << text(g, 5, G::Ctc), footingBars);
            // A change of the marked row's bars clears its mark.
            typeInto(g, 1, G::Dia, QStringLiteral("19"));
            QVERIFY(!g.isFaceMarked(1));
        },
        false);
    QCOMPARE(r.f.messages.shown.size(), std::size_t{1});
    const ShownMessage& m = r.f.messages.shown[0];
    QVERIFY(m.text.contains(QStringLiteral("たて壁　外側筋")));
    QVERIFY(!m.text.contains(QStringLiteral("内側筋")));
    QCOMPARE(m.title, QStringLiteral("自動配筋"));
    QCOMPARE(m.icon, MsgIcon::Information);
}

QTEST_MAIN(InpHaikinDialogTest)
#include "bar_arrangement_dialog_test.moc"
