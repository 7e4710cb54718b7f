// frmInpKaburi (鉄筋かぶりの入力): cover d1 from each concrete surface to the centre of
// its bars, for the wall faces and the slab faces (which the footings share).
#pragma once

#include "app/dialogs/record_dialog.h"

namespace nuvra::app {

class frmInpKaburi : public RecordDialog {
    Q_OBJECT
  public:
    frmInpKaburi(AppContext& context, DesignData& design, QWidget* parent = nullptr);

  protected:
    void LoadData() override;
    void SaveData(bool& Cancel) override;

  private:
    NumericField* numTateSoto_;
    NumericField* numTateUchi_;
    NumericField* numSokoUe_;
    NumericField* numSokoSita_;
};

}  // namespace nuvra::app
