#include "app/dialogs/materials_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "calc/common/arith.h"
#include "calc/members/section_fill.h"
#include "common/number_format.h"
#include "design/rules.h"

namespace nuvra::app {
namespace {

constexpr double kBackfillMax = 999999999;

QFrame* rule(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 4, 8, 0);
    return l;
}

}  // namespace

frmInpZairyo::frmInpZairyo(AppContext& context, DesignData& design, QWidget* parent)
    : RecordDialog(context, design, QStringLiteral("InpZairyo"), QStringLiteral("材料条件の入力"),
                   parent) {
    numGsc_ = makeField("numGsc", {"#0.0", nullptr, 0, 99}, QStringLiteral("ヌブラ　　γsc(kN/m3)"));
    numGs_ = makeField("numGs", {"#0.0", nullptr, 0, kBackfillMax},
                       QStringLiteral("湿潤重量　γｓ(kN/m3)"));
    numGt_ = makeField("numGt", {"#0.0", nullptr, 0, kBackfillMax},
                       QStringLiteral("飽和重量　γt(kN/m3)"));
    numGd_ = makeField("numGd", {"#0.0", nullptr, 0, kBackfillMax},
                       QStringLiteral("水中重量　γ’(kN/m3)"));
    numFai_ = makeField("numFai", {"#0.0", nullptr, 0, kBackfillMax},
                        QStringLiteral("内部摩擦角　φ(度)"));
    numGw_ = makeField("numGw", {"#0.0", nullptr, 0, 99}, QStringLiteral("水　γw(kN/m3)"));
    numSck_ =
        makeField("numSck", {"#0", nullptr, 0, 99}, QStringLiteral("設計基準強度　σck(N/mm2)"));
    numSca_ = makeField("numSca", {"#0.0", nullptr, 0, 99.9},
                        QStringLiteral("許容曲げ圧縮応力度　σca(N/mm2)"));
    numTa_ = makeField("numTa", {"#0.00", nullptr, 0, 99.99},
                       QStringLiteral("許容せん断応力度  τa(N/mm2)"));
    numToa_ = makeField("numToa", {"#0.00", nullptr, 0, 99.99},
                        QStringLiteral("許容付着応力度　τoa(N/mm2)"));
    numEc_ =
        makeField("numEc", {"####0", nullptr, 0, 99999}, QStringLiteral("ヤング係数　Ｅc(N/mm2)"));
    optZai_ = makeOptions(
        "optZai", {QStringLiteral("SR235"), QStringLiteral("SD295"), QStringLiteral("SD345")}, 1);
    numSsa_ =
        makeField("numSsa", {"##0", nullptr, 0, 999}, QStringLiteral("許容引張応力度　σsa(N/mm2)"));
    numEs_ = makeField("numEs", {"#####0", nullptr, 0, 200000},
                       QStringLiteral("ヤング係数　Ｅs(N/mm2)"));

    // A ruled table: block heading, the backfill sub-heading, caption, field.
    auto* table = new QFrame(this);
    table->setObjectName(QStringLiteral("fraTable"));
    table->setFrameShape(QFrame::Box);
    auto* g = new QGridLayout(table);
    g->setColumnStretch(2, 1);
    g->setVerticalSpacing(4);
    auto fieldRow = [this, g](int row, NumericField* f, bool underSubHeading) {
        QLabel* l = captionLabel(f->caption(), this);
        l->setBuddy(f);
        if (underSubHeading)
            g->addWidget(l, row, 2);
        else
            g->addWidget(l, row, 1, 1, 2);
        g->addWidget(f, row, 3);
    };
    g->addWidget(heading(QStringLiteral("■ 単位体積重量"), this), 0, 0, 6, 1);
    fieldRow(0, numGsc_, false);
    g->addWidget(heading(QStringLiteral("埋戻し土"), this), 1, 1, 4, 1);
    fieldRow(1, numGs_, true);
    fieldRow(2, numGt_, true);
    fieldRow(3, numGd_, true);
    fieldRow(4, numFai_, true);
    fieldRow(5, numGw_, false);
    g->addWidget(rule(this), 6, 0, 1, 4);
    g->addWidget(heading(QStringLiteral("■ コンクリート"), this), 7, 0, 5, 1);
    int row = 7;
    for (NumericField* f : {numSck_, numSca_, numTa_, numToa_, numEc_})
        fieldRow(row++, f, false);
    g->addWidget(rule(this), 12, 0, 1, 4);
    g->addWidget(heading(QStringLiteral("■ 鉄　筋"), this), 13, 0, 3, 1);
    auto* grade = new QGroupBox(QStringLiteral("材　質"), this);
    grade->setObjectName(QStringLiteral("fraZai"));
    auto* gradeLayout = new QHBoxLayout(grade);
    for (QAbstractButton* b : optZai_->buttons())
        gradeLayout->addWidget(b);
    gradeLayout->addStretch();
    g->addWidget(grade, 13, 1, 1, 3);
    fieldRow(14, numSsa_, false);
    fieldRow(15, numEs_, false);
    contentLayout()->addWidget(table);

    connect(numSck_, &NumericField::valueEdited, this, &frmInpZairyo::numSckChange);
    connect(optZai_, &QButtonGroup::idClicked, this, &frmInpZairyo::optZaiClick);
    connect(numToa_, &NumericField::valueEdited, this, [this] { toaChanged_ = true; });
    unifyFieldWidths();
}

void frmInpZairyo::numSckChange() {
    const ConcreteAllowables a = proposeAllowables(numSck_->value(), SelectedOptionIndex(optZai_));
    numSca_->setValue(a.Sca);
    numTa_->setValue(a.Ta);
    numToa_->setValue(a.Toa);
    numEc_->setValue(a.Ec);
    toaChanged_ = true;
}

void frmInpZairyo::optZaiClick(int grade) {
    numSsa_->setValue(proposeSsa(grade));
    numToa_->setValue(proposeToa(numSck_->value(), grade));
    toaChanged_ = true;
}

void frmInpZairyo::LoadData() {
    // The controls are filled without raising their change handlers, so no proposal
    // replaces a stored value.
    const CInpZairyo& r = design().objInpZairyo;
    numGsc_->setValue(r.Gsc);
    numGs_->setValue(r.Gs);
    numGt_->setValue(r.Gt);
    numGd_->setValue(r.Gd);
    numFai_->setValue(r.Fai);
    numGw_->setValue(r.Gw);
    numSck_->setValue(r.Sck);
    numSca_->setValue(r.Sca);
    numTa_->setValue(r.Ta);
    try {
        numToa_->setValue(calc::ToaNumber(r.Toa));
    } catch (const calc::ArithmeticFault&) {
        toaUnreadable_ = true;
        numToa_->setValue(0);
    }
    numEc_->setValue(r.Ec);
    setSelectedOption(optZai_, r.Zai);
    numSsa_->setValue(r.Ssa);
    numEs_->setValue(r.Es);
}

void frmInpZairyo::SaveData(bool& Cancel) {
    if (!allValuesInRange()) {
        Cancel = true;
        return;
    }
    CInpZairyo& r = design().objInpZairyo;
    r.Gsc = numGsc_->value();
    r.Gs = numGs_->value();
    r.Gt = numGt_->value();
    r.Gd = numGd_->value();
    r.Fai = numFai_->value();
    r.Gw = numGw_->value();
    r.Sck = numSck_->value();
    r.Sca = numSca_->value();
    r.Ta = numTa_->value();
    if (!toaUnreadable_ || toaChanged_) r.Toa = decimalText(numToa_->value());
    r.Ec = numEc_->value();
    r.Zai = SelectedOptionIndex(optZai_);
    r.Ssa = numSsa_->value();
    r.Es = numEs_->value();
    r.InpFlg = true;
}

}  // namespace nuvra::app
