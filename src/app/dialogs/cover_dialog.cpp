#include "app/dialogs/cover_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/dialogs/cover_sketch.h"

namespace nuvra::app {
namespace {

constexpr NumericFieldSpec kCover{"##0", nullptr, 0, 999};

}  // namespace

frmInpKaburi::frmInpKaburi(AppContext& context, DesignData& design, QWidget* parent)
    : RecordDialog(context, design, QStringLiteral("InpKaburi"), QStringLiteral("鉄筋かぶりの入力"),
                   parent) {
    numTateSoto_ = makeField("numTateSoto", kCover, QStringLiteral("外側(mm)"));
    numTateUchi_ = makeField("numTateUchi", kCover, QStringLiteral("内側(mm)"));
    numSokoUe_ = makeField("numSokoUe", kCover, QStringLiteral("上側(mm)"));
    numSokoSita_ = makeField("numSokoSita", kCover, QStringLiteral("下側(mm)"));

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* wall = new QGroupBox(QStringLiteral("たて壁"), this);
    wall->setObjectName(QStringLiteral("fraTate"));
    auto* g1 = new QGridLayout(wall);
    g1->setColumnStretch(0, 1);
    addRow(g1, 0, numTateSoto_);
    addRow(g1, 1, numTateUchi_);
    auto* slab = new QGroupBox(QStringLiteral("底版(*)"), this);
    slab->setObjectName(QStringLiteral("fraSoko"));
    auto* g2 = new QGridLayout(slab);
    g2->setColumnStretch(0, 1);
    addRow(g2, 0, numSokoUe_);
    addRow(g2, 1, numSokoSita_);
    left->addWidget(wall);
    left->addWidget(slab);
    left->addWidget(new QLabel(QStringLiteral("(*) フーチングも含む"), this));
    left->addStretch();
    body->addLayout(left);

    auto* sketch = new CoverSketch(this);
    sketch->setObjectName(QStringLiteral("picCover"));
    body->addWidget(sketch, 0, Qt::AlignTop);
    contentLayout()->addLayout(body);
    unifyFieldWidths();
}

void frmInpKaburi::LoadData() {
    const CInpKaburi& r = design().objInpKaburi;
    numTateSoto_->setValue(r.TateSoto);
    numTateUchi_->setValue(r.TateUchi);
    numSokoUe_->setValue(r.SokoUe);
    numSokoSita_->setValue(r.SokoSita);
}

void frmInpKaburi::SaveData(bool& Cancel) {
    if (!allValuesInRange()) {
        Cancel = true;
        return;
    }
    CInpKaburi& r = design().objInpKaburi;
    r.TateSoto = numTateSoto_->value();
    r.TateUchi = numTateUchi_->value();
    r.SokoUe = numSokoUe_->value();
    r.SokoSita = numSokoSita_->value();
    r.InpFlg = true;
}

}  // namespace nuvra::app
