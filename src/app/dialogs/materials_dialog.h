// frmInpZairyo (材料条件の入力): unit weights, concrete and bars. A new σck proposes the
// concrete allowables (τoa halved for plain bars); a bar-grade click proposes σsa and
// τoa. Proposals follow the user's changes only: opening shows the stored values.
#pragma once

#include "app/dialogs/record_dialog.h"

class QButtonGroup;

namespace nuvra::app {

class frmInpZairyo : public RecordDialog {
    Q_OBJECT
  public:
    frmInpZairyo(AppContext& context, DesignData& design, QWidget* parent = nullptr);

  protected:
    void LoadData() override;
    void SaveData(bool& Cancel) override;

  private:
    void numSckChange();
    void optZaiClick(int grade);

    NumericField* numGsc_;
    NumericField* numGs_;
    NumericField* numGt_;
    NumericField* numGd_;
    NumericField* numFai_;
    NumericField* numGw_;
    NumericField* numSck_;
    NumericField* numSca_;
    NumericField* numTa_;
    NumericField* numToa_;
    NumericField* numEc_;
    QButtonGroup* optZai_;
    NumericField* numSsa_;
    NumericField* numEs_;
    /// A stored bond-stress text that is not a number is kept unless τoa is changed.
    bool toaUnreadable_ = false;
    bool toaChanged_ = false;
};

}  // namespace nuvra::app
