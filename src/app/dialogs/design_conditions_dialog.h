// frmInpJyoken (設計条件の入力): title, section shape, water levels, the allowable safety
// factor against flotation and the design cases of the member checks. OK is refused
// unless T4 <= HWi <= H (in hundredths).
#pragma once

#include "app/dialogs/record_dialog.h"

class QButtonGroup;

namespace nuvra::app {

class TitleField;

class frmInpJyoken : public RecordDialog {
    Q_OBJECT
  public:
    frmInpJyoken(AppContext& context, DesignData& design, QWidget* parent = nullptr);

    /// Maximum length of the title in bytes of code page 932 (40 full-width characters).
    static constexpr int kTitleBytes = 80;

  protected:
    void LoadData() override;
    void SaveData(bool& Cancel) override;

  private:
    TitleField* txtTitle_;
    NumericField* numH_;
    NumericField* numB_;
    NumericField* numT1_;
    NumericField* numT2_;
    NumericField* numT3_;
    NumericField* numT4_;
    NumericField* numTB_;
    NumericField* numHW_;
    NumericField* numHwi_;
    NumericField* numFa_;
    QButtonGroup* optKento_;
};

}  // namespace nuvra::app
