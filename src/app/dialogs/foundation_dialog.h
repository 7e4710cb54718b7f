// frmInpKiso (基礎地盤条件の入力): how the allowable bearing capacity is obtained, by the
// modified Terzaghi formula from the ground data or entered directly. The option enables
// one frame; the values of the other are kept and stored as well.
#pragma once

#include "app/dialogs/record_dialog.h"

class QButtonGroup;
class QGroupBox;

namespace nuvra::app {

class frmInpKiso : public RecordDialog {
    Q_OBJECT
  public:
    frmInpKiso(AppContext& context, DesignData& design, QWidget* parent = nullptr);

  protected:
    void LoadData() override;
    void SaveData(bool& Cancel) override;

  private:
    /// The option handling: 1 the formula, any other the direct input.
    void optSijiClick(int index);

    QButtonGroup* optSiji_;
    QGroupBox* fraFormula_;
    QGroupBox* fraDirect_;
    NumericField* numC_;
    NumericField* numFai_;
    NumericField* numG1_;
    NumericField* numG2_;
    NumericField* numDf_;
    NumericField* numQa_;
};

}  // namespace nuvra::app
