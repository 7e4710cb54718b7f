#include "app/dialogs/design_conditions_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/dialogs/section_sketch.h"
#include "app/message_service.h"
#include "app/widgets/title_field.h"
#include "design/rules.h"

namespace nuvra::app {
namespace {

constexpr NumericFieldSpec kLength{"#0.00", nullptr, 0, 99};
constexpr NumericFieldSpec kFa{"#0.0", nullptr, 1.1, 1.2};

}  // namespace

frmInpJyoken::frmInpJyoken(AppContext& context, DesignData& design, QWidget* parent)
    : RecordDialog(context, design, QStringLiteral("InpJyoken"), QStringLiteral("設計条件の入力"),
                   parent) {
    txtTitle_ = new TitleField(messages(), kTitleBytes, this);
    txtTitle_->setObjectName(QStringLiteral("txtTitle"));
    numH_ = makeField("numH", kLength, QStringLiteral("断面内空高　　　     　　Ｈ(m)"));
    numB_ = makeField("numB", kLength, QStringLiteral("断面内空幅　　　     　　Ｂ(m)"));
    numT1_ = makeField("numT1", kLength, QStringLiteral("部材厚　　たて壁天端　T1(m)"));
    numT2_ = makeField("numT2", kLength, QStringLiteral("　　　　　　 たて壁付け根T2(m)"));
    numT3_ = makeField("numT3", kLength, QStringLiteral("底版厚　　　     　　　　　T3(m)"));
    numT4_ = makeField("numT4", kLength, QStringLiteral("ハンチ　　　     　　　　 　T4(m)"));
    numTB_ = makeField("numTB", kLength, QStringLiteral("フーチング長　　　　　　　TB(m)"));
    numHW_ = makeField("numHW", kLength, QStringLiteral("設計地下水位高　　 　  ＨW(m)"));
    numHwi_ = makeField("numHwi", kLength, QStringLiteral("満水時の内水高　　　  ＨWi(m)"));
    numFa_ = makeField("numFa", kFa, QStringLiteral("浮上に対する許容安全率Fa"));
    optKento_ = makeOptions("optKento",
                            {QStringLiteral("ケースⅠ・Ⅲで行う"), QStringLiteral("ケースⅠ・Ⅱで行う"),
                             QStringLiteral("ケースⅠ・Ⅱ・Ⅲで行う")},
                            1);

    auto* titleRow = new QHBoxLayout;
    auto* titleLabel = new QLabel(QStringLiteral("件名"), this);
    titleLabel->setBuddy(txtTitle_);
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(txtTitle_, 1);
    contentLayout()->addLayout(titleRow);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("■部材寸法"), this));
    auto* grid = new QGridLayout;
    grid->setContentsMargins(12, 0, 0, 0);
    grid->setColumnStretch(0, 1);
    int row = 0;
    for (NumericField* f :
         {numH_, numB_, numT1_, numT2_, numT3_, numT4_, numTB_, numHW_, numHwi_}) {
        QLabel* l = addRow(grid, row++, f);
        // The root thickness continues the wall-thickness row above it.
        if (f == numT2_)
            l->setIndent(l->fontMetrics().horizontalAdvance(QStringLiteral("部材厚 ")));
    }
    left->addLayout(grid);
    left->addSpacing(6);

    auto* faRow = new QHBoxLayout;
    auto* faLabel = new QLabel(QStringLiteral("■浮上に対する許容安全率Fa"), this);
    faLabel->setBuddy(numFa_);
    faRow->addWidget(faLabel);
    faRow->addStretch();
    faRow->addWidget(numFa_);
    left->addLayout(faRow);
    left->addSpacing(6);

    auto* kento = new QGroupBox(QStringLiteral("部材断面の検討ケース"), this);
    kento->setObjectName(QStringLiteral("fraKento"));
    auto* kentoLayout = new QVBoxLayout(kento);
    for (QAbstractButton* b : optKento_->buttons())
        kentoLayout->addWidget(b);
    left->addWidget(kento);
    left->addStretch();
    body->addLayout(left);

    auto* sketch = new SectionSketch(this);
    sketch->setObjectName(QStringLiteral("picSection"));
    body->addWidget(sketch, 0, Qt::AlignTop);
    contentLayout()->addLayout(body);
    unifyFieldWidths();
}

void frmInpJyoken::LoadData() {
    const CInpJyoken& r = design().objInpJyoken;
    txtTitle_->setStoredText(QString::fromStdString(r.Title));
    numH_->setValue(r.H);
    numB_->setValue(r.B);
    numT1_->setValue(r.T1);
    numT2_->setValue(r.T2);
    numT3_->setValue(r.T3);
    numT4_->setValue(r.T4);
    numTB_->setValue(r.TB);
    numHW_->setValue(r.HW);
    numHwi_->setValue(r.HWi);
    numFa_->setValue(r.Fa);
    setSelectedOption(optKento_, r.Kento);
}

void frmInpJyoken::SaveData(bool& Cancel) {
    if (!allValuesInRange()) {
        Cancel = true;
        return;
    }
    if (!checkInnerWaterRule(numH_->value(), numT4_->value(), numHwi_->value())) {
        Cancel = true;
        messages().information(this, QString::fromUtf8(kMsgHWiOutOfRange), windowTitle());
        return;
    }
    CInpJyoken& r = design().objInpJyoken;
    r.Title = txtTitle_->text().toStdString();
    r.H = numH_->value();
    r.B = numB_->value();
    r.T1 = numT1_->value();
    r.T2 = numT2_->value();
    r.T3 = numT3_->value();
    r.T4 = numT4_->value();
    r.TB = numTB_->value();
    r.HW = numHW_->value();
    r.HWi = numHwi_->value();
    r.Fa = numFa_->value();
    r.Kento = SelectedOptionIndex(optKento_);
    r.InpFlg = true;
}

}  // namespace nuvra::app
