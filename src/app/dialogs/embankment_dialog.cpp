#include "app/dialogs/embankment_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/dialogs/load_sketches.h"

namespace nuvra::app {
namespace {

constexpr NumericFieldSpec kPosition{"#0.00", nullptr, 0, 99.99};
constexpr NumericFieldSpec kLoad{"##0.0", nullptr, 0, 999.9};
constexpr NumericFieldSpec kUnitWeight{"#0.0", nullptr, 0, 99};

}  // namespace

frmInpMorido::frmInpMorido(AppContext& context, DesignData& design, QWidget* parent)
    : RecordDialog(context, design, QStringLiteral("InpMorido"), QStringLiteral("盛土形状の入力"),
                   parent) {
    optMorido_ = makeOptions("optMorido", {QStringLiteral("水平"), QStringLiteral("台形")}, 1);
    numX_ = makeField("numX", kPosition, QStringLiteral("壁背面からの載荷位置　X(m)"));
    numQ_ = makeField("numQ", kLoad, QStringLiteral("載荷重　Q(kN/m2)"));
    numX1_ = makeField("numX1", kPosition, QStringLiteral("壁背面からの盛土開始位置　X1(m)"));
    numX2_ = makeField("numX2", kPosition, QStringLiteral("盛土傾斜部幅　X2(m)"));
    numHo_ = makeField("numHo", kPosition, QStringLiteral("盛土高　Ho(m)"));
    numG_ = makeField("numG", kUnitWeight, QStringLiteral("盛土部単位体積重量　γ(kN/m3)"));
    numQd_ = makeField("numQd", kLoad, QStringLiteral("載荷重　Q(kN/m2)"));

    auto* options = new QHBoxLayout;
    for (QAbstractButton* b : optMorido_->buttons())
        options->addWidget(b);
    options->addStretch();
    contentLayout()->addLayout(options);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    fraHorizontal_ = new QGroupBox(QStringLiteral("■水平"), this);
    fraHorizontal_->setObjectName(QStringLiteral("fraHorizontal"));
    auto* g1 = new QGridLayout(fraHorizontal_);
    g1->setColumnStretch(0, 1);
    addRow(g1, 0, numX_);
    addRow(g1, 1, numQ_);
    fraEmbankment_ = new QGroupBox(QStringLiteral("■台形"), this);
    fraEmbankment_->setObjectName(QStringLiteral("fraEmbankment"));
    auto* g2 = new QGridLayout(fraEmbankment_);
    g2->setColumnStretch(0, 1);
    int row = 0;
    for (NumericField* f : {numX1_, numX2_, numHo_, numG_, numQd_})
        addRow(g2, row++, f);
    left->addWidget(fraHorizontal_);
    left->addWidget(fraEmbankment_);
    left->addStretch();
    body->addLayout(left);

    // Both sketches in one place; the option brings one to the front.
    sketches_ = new QStackedWidget(this);
    sketches_->setObjectName(QStringLiteral("picSketches"));
    picHorizontal_ = new SurchargeSketch(sketches_);
    picHorizontal_->setObjectName(QStringLiteral("picHorizontal"));
    picEmbankment_ = new EmbankmentSketch(sketches_);
    picEmbankment_->setObjectName(QStringLiteral("picEmbankment"));
    sketches_->addWidget(picHorizontal_);
    sketches_->addWidget(picEmbankment_);
    body->addWidget(sketches_, 0, Qt::AlignTop);
    contentLayout()->addLayout(body);

    connect(optMorido_, &QButtonGroup::idClicked, this, &frmInpMorido::optMoridoClick);
    unifyFieldWidths();
}

void frmInpMorido::optMoridoClick(int index) {
    const bool horizontal = index == 1;
    sketches_->setCurrentWidget(horizontal ? picHorizontal_ : picEmbankment_);
    // Disabling a frame disables its fields; their values stay.
    fraHorizontal_->setEnabled(horizontal);
    fraEmbankment_->setEnabled(!horizontal);
}

void frmInpMorido::LoadData() {
    const CInpMorido& r = design().objInpMorido;
    setSelectedOption(optMorido_, r.Morido);
    numX_->setValue(r.x);
    numQ_->setValue(r.Q);
    numX1_->setValue(r.X1);
    numX2_->setValue(r.X2);
    numHo_->setValue(r.Ho);
    numG_->setValue(r.G);
    numQd_->setValue(r.Qd);
    optMoridoClick(SelectedOptionIndex(optMorido_));
}

void frmInpMorido::SaveData(bool& Cancel) {
    if (!allValuesInRange()) {
        Cancel = true;
        return;
    }
    CInpMorido& r = design().objInpMorido;
    r.Morido = SelectedOptionIndex(optMorido_);
    r.x = numX_->value();
    r.Q = numQ_->value();
    r.X1 = numX1_->value();
    r.X2 = numX2_->value();
    r.Ho = numHo_->value();
    r.G = numG_->value();
    r.Qd = numQd_->value();
    r.InpFlg = true;
}

}  // namespace nuvra::app
