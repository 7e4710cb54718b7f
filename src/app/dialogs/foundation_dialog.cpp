#include "app/dialogs/foundation_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace nuvra::app {

frmInpKiso::frmInpKiso(AppContext& context, DesignData& design, QWidget* parent)
    : RecordDialog(context, design, QStringLiteral("InpKiso"), QStringLiteral("基礎地盤条件の入力"),
                   parent) {
    optSiji_ = makeOptions(
        "optSiji",
        {QStringLiteral("テルツァギーの修正支持力公式による"), QStringLiteral("直接入力")}, 1);
    numC_ = makeField("numC", {"##0.0", nullptr, 0, 999.9},
                      QStringLiteral("基礎荷重面下にある地盤の粘着力 Ｃ(kN/m2)"));
    numFai_ = makeField("numFai", {"#0.0", nullptr, 0, 99.9},
                        QStringLiteral("基礎荷重面下にある地盤の内部摩擦角 φ(度)"));
    numG1_ = makeField("numG1", {"#0.0", nullptr, 0, 99.9},
                       QStringLiteral("基礎荷重面下にある地盤の単位体積重量 γ1(kN/m3)"));
    // Entered to 0.1, shown to 0.01.
    numG2_ = makeField("numG2", {"#0.0", "#0.00", 0, 99.9},
                       QStringLiteral("基礎荷重面より上方にある地盤の単位体積重量 γ2(kN/m3)"));
    numDf_ = makeField("numDf", {"#0.00", nullptr, 0, 99},
                       QStringLiteral("基礎に近接した最低地盤面から基礎載荷面までの深さ Ｄf(m)"));
    numQa_ =
        makeField("numQa", {"###0", nullptr, 0, 9999}, QStringLiteral("許容支持力 ｑa(kN/m2)"));

    for (QAbstractButton* b : optSiji_->buttons())
        contentLayout()->addWidget(b);

    fraFormula_ = new QGroupBox(QStringLiteral("■テルツァギーの修正支持力公式による"), this);
    fraFormula_->setObjectName(QStringLiteral("fraFormula"));
    auto* g1 = new QGridLayout(fraFormula_);
    g1->setColumnStretch(0, 1);
    int row = 0;
    for (NumericField* f : {numC_, numFai_, numG1_, numG2_, numDf_})
        addRow(g1, row++, f);
    contentLayout()->addWidget(fraFormula_);

    fraDirect_ = new QGroupBox(QStringLiteral("■直接入力"), this);
    fraDirect_->setObjectName(QStringLiteral("fraDirect"));
    auto* g2 = new QGridLayout(fraDirect_);
    g2->setColumnStretch(0, 1);
    addRow(g2, 0, numQa_);
    contentLayout()->addWidget(fraDirect_);

    connect(optSiji_, &QButtonGroup::idClicked, this, &frmInpKiso::optSijiClick);
    unifyFieldWidths();
}

void frmInpKiso::optSijiClick(int index) {
    const bool formula = index == 1;
    fraFormula_->setEnabled(formula);
    fraDirect_->setEnabled(!formula);
    numQa_->setEnabled(!formula);
}

void frmInpKiso::LoadData() {
    const CInpKiso& r = design().objInpKiso;
    setSelectedOption(optSiji_, r.Siji);
    numC_->setValue(r.C);
    numFai_->setValue(r.Fai);
    numG1_->setValue(r.G1);
    numG2_->setValue(r.G2);
    numDf_->setValue(r.Df);
    numQa_->setValue(r.Qa);
    optSijiClick(SelectedOptionIndex(optSiji_));
}

void frmInpKiso::SaveData(bool& Cancel) {
    if (!allValuesInRange()) {
        Cancel = true;
        return;
    }
    CInpKiso& r = design().objInpKiso;
    r.Siji = SelectedOptionIndex(optSiji_);
    r.C = numC_->value();
    r.Fai = numFai_->value();
    r.G1 = numG1_->value();
    r.G2 = numG2_->value();
    r.Df = numDf_->value();
    r.Qa = numQa_->value();
    r.InpFlg = true;
}

}  // namespace nuvra::app
