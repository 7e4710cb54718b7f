#include "app/results/bar_arrangement_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/message_service.h"
#include "app/results/results_grid.h"
#include "calc/run/bar_selection.h"
#include "calc/run/result_lines.h"

namespace nuvra::app {
namespace {

using calc::CRcKukei;
using calc::SectionId;

SectionId sectionOfRow(int row) {
    return calc::kSectionIds[static_cast<std::size_t>(row - 1)];
}

QLabel* heading(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A number of an input cell, or nothing when the cell holds no whole number within the
// cell's limits.
bool cellNumber(const ResultsGrid& grid, int row, int column, int& value) {
    const QTableWidgetItem* item = grid.cell(row, column);
    if (!item) return false;
    bool ok = false;
    value = item->text().trimmed().toInt(&ok);
    return ok && value >= ResultsGrid::minimumOf(column) && value <= ResultsGrid::maximumOf(column);
}

}  // namespace

CInpHaikinS& barsOf(CInpHaikin& record, SectionId id) {
    return calc::RecordBars(record, id);
}

frmInpHaikin::frmInpHaikin(AppContext& context, DesignData& design, calc::ResultStore& results,
                           QWidget* parent)
    : InputDialog(context, design, QStringLiteral("InpHaikin"),
                  QStringLiteral("結果確認および配筋条件の変更"), parent),
      results_(results) {
    QVBoxLayout* content = contentLayout();
    auto* top = new QHBoxLayout;
    top->addWidget(heading(QStringLiteral("■ 応力度照査結果"), "lblTitle0", this));
    top->addStretch();
    cmdAutoBars_ = new QPushButton(QStringLiteral("自動配筋"), this);
    cmdAutoBars_->setObjectName(QStringLiteral("cmdAutoBars"));
    cmdAutoBars_->setAutoDefault(false);
    cmdAutoBars_->setToolTip(
        QStringLiteral("すべての応力度が許容値以内で鉄筋量が最小の径と間隔を選びます"));
    top->addWidget(cmdAutoBars_);
    content->addLayout(top);
    grid_ = new ResultsGrid(this);
    content->addWidget(grid_);
    buildLegend();

    content->addSpacing(6);
    content->addWidget(heading(QStringLiteral("■ 浮上りに対して"), "lblTitle1", this));
    lblFs_ = heading(QString(), "lblFs", this);
    lblFs_->setIndent(24);
    content->addWidget(lblFs_);
    content->addWidget(heading(QStringLiteral("■ 基礎地盤支持力に対して"), "lblTitle2", this));
    lblQmax_ = heading(QString(), "lblQmax", this);
    lblQmax_->setIndent(24);
    content->addWidget(lblQmax_);
    content->addSpacing(6);

    connect(grid_, &ResultsGrid::barsEdited, this, &frmInpHaikin::onBarsEdited);
    connect(cmdAutoBars_, &QPushButton::clicked, this, &frmInpHaikin::onAutoBars);
    grid_->setCurrentValueCell(1, ResultsGrid::Dia);
    grid_->setFocus();
}

void frmInpHaikin::buildLegend() {
    static const char* const kLegend[][2] = {
        {"σc", "；ｺﾝｸﾘｰﾄ圧縮応力度(N/mm2)"},  {"σs", "；鉄筋引張応力度(N/mm2)"},
        {"τ", "；ｺﾝｸﾘｰﾄせん断応力度(N/mm2)"}, {"τo", "；ｺﾝｸﾘｰﾄ付着応力度(N/mm2)"},
        {"Md", "；設計曲げﾓｰﾒﾝﾄ(kN･m)"},      {"Sd", "；設計せん断力(kN)"},
    };
    auto* legend = new QGridLayout;
    legend->setHorizontalSpacing(4);
    legend->setVerticalSpacing(2);
    for (int i = 0; i < 6; ++i) {
        const QByteArray n = QByteArray::number(i);
        auto* symbol =
            heading(QString::fromUtf8(kLegend[i][0]), ("lblKigou" + n).constData(), this);
        auto* memo = heading(QString::fromUtf8(kLegend[i][1]), ("lblMemo" + n).constData(), this);
        const int row = i / 2, pair = i % 2;
        legend->addWidget(symbol, row, pair * 3);
        legend->addWidget(memo, row, pair * 3 + 1);
    }
    legend->setColumnMinimumWidth(2, 24);
    legend->setColumnStretch(5, 1);
    contentLayout()->addLayout(legend);
}

CRcKukei& frmInpHaikin::section(int row) {
    return calc::SectionCheck(results_, sectionOfRow(row));
}

void frmInpHaikin::LoadData() {
    lblFs_->setText(results_.objUkiagari
                        ? QString::fromStdString(calc::FlotationLine(*results_.objUkiagari))
                        : QString());
    lblQmax_->setText(results_.objQmax
                          ? QString::fromStdString(calc::BearingLine(*results_.objQmax))
                          : QString());

    for (int row = 1; row <= ResultsGrid::kFaceRows; ++row) {
        const SectionId id = sectionOfRow(row);
        const bool calculated = calc::FindSection(results_, id) != nullptr;
        CRcKukei& rc = section(row);
        if (!calculated) {
            // No check of this face (a channel without footings): the empty check
            // carries the record's bars, so that OK gives back what the engineer
            // entered rather than zeros.
            const CInpHaikinS& bars = barsOf(design().objInpHaikin, id);
            rc.Dia = bars.Dia;
            rc.ctc = bars.ctc;
        }
        grid_->setNumber(row, ResultsGrid::Md, rc.Md);
        grid_->setNumber(row, ResultsGrid::Sd, rc.Sd);
        writeBars(row, rc);
        writeStresses(row, rc);
        for (int c = ResultsGrid::Sc; c <= ResultsGrid::T0; ++c)
            grid_->setFailing(row, c, false);
    }
    const CRcKukei& outer = section(1);
    grid_->setNumber(ResultsGrid::kAllowableRow, ResultsGrid::Sc, outer.Sca);
    grid_->setNumber(ResultsGrid::kAllowableRow, ResultsGrid::Ss, outer.Ssa);
    grid_->setNumber(ResultsGrid::kAllowableRow, ResultsGrid::Tc, outer.Tca);
    grid_->setNumber(ResultsGrid::kAllowableRow, ResultsGrid::T0, outer.Toa);

    // Until the first change only the wall's concrete stresses are marked.
    for (int row = 1; row <= 2; ++row)
        grid_->setFailing(row, ResultsGrid::Sc, section(row).HanteiSc() != "OK");
}

void frmInpHaikin::writeBars(int row, const CRcKukei& rc) {
    grid_->setNumber(row, ResultsGrid::Dia, rc.Dia);
    grid_->setNumber(row, ResultsGrid::Ctc, rc.ctc);
}

void frmInpHaikin::writeStresses(int row, const CRcKukei& rc) {
    grid_->setNumber(row, ResultsGrid::Sc, rc.Sc());
    grid_->setNumber(row, ResultsGrid::Ss, rc.Ss());
    grid_->setNumber(row, ResultsGrid::Tc, rc.Tc());
    grid_->setNumber(row, ResultsGrid::T0, rc.T0());
}

void frmInpHaikin::recolourStresses() {
    for (int row = 1; row <= ResultsGrid::kFaceRows; ++row) {
        const CRcKukei& rc = section(row);
        grid_->setFailing(row, ResultsGrid::Sc, rc.HanteiSc() != "OK");
        grid_->setFailing(row, ResultsGrid::Ss, rc.HanteiSs() != "OK");
        grid_->setFailing(row, ResultsGrid::Tc, rc.HanteiTc() != "OK");
        grid_->setFailing(row, ResultsGrid::T0, rc.HanteiTo() != "OK");
    }
}

void frmInpHaikin::onBarsEdited(int row, int /*column*/) {
    int dia = 0, ctc = 0;
    if (!cellNumber(*grid_, row, ResultsGrid::Dia, dia) ||
        !cellNumber(*grid_, row, ResultsGrid::Ctc, ctc)) {
        // An emptied cell, or text that is no whole number of the cell's range, is not a
        // change: the row shows again the bars its face was last calculated with.
        writeBars(row, section(row));
        return;
    }
    const CRcKukei& rc = calc::RecalculateSection(results_, sectionOfRow(row), dia, ctc);
    grid_->setFaceMarked(row, false);
    writeStresses(row, rc);
    recolourStresses();
    grid_->viewport()->update();
}

void frmInpHaikin::onAutoBars() {
    const auto choices = calc::SelectAllBars(results_, {});
    calc::ApplyBarChoices(results_, choices);
    QStringList missing;
    for (int row = 1; row <= ResultsGrid::kFaceRows; ++row) {
        const calc::BarChoice& c = choices[static_cast<std::size_t>(row - 1)];
        if (!c.checked) continue;
        const CRcKukei& rc = section(row);
        writeBars(row, rc);
        writeStresses(row, rc);
        grid_->setFaceMarked(row, !c.found);
        if (!c.found)
            missing << QString::fromUtf8(calc::MemberLabel(c.id)) + QStringLiteral("　") +
                           QString::fromUtf8(calc::FaceLabel(c.id));
    }
    recolourStresses();
    grid_->viewport()->update();
    if (!missing.isEmpty())
        messages().information(this,
                               QStringLiteral("許容応力度を満たす配筋が見つかりませんでした。\n") +
                                   missing.join(QLatin1Char('\n')) +
                                   QStringLiteral("\nこの部材の配筋は変更していません。"),
                               cmdAutoBars_->text());
}

void frmInpHaikin::SaveData(bool& /*Cancel*/) {
    CInpHaikin& record = design().objInpHaikin;
    for (int row = 1; row <= ResultsGrid::kFaceRows; ++row) {
        const CRcKukei& rc = section(row);
        CInpHaikinS& bars = barsOf(record, sectionOfRow(row));
        bars.Dia = rc.Dia;
        bars.ctc = rc.ctc;
    }
    record.InpFlg = true;
}

}  // namespace nuvra::app
