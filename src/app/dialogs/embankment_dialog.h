// frmInpMorido (盛土形状の入力): the load behind the walls, either a horizontal surcharge
// or a trapezoidal embankment. The option enables one group and brings its sketch to the
// front; the other group keeps its values and is stored as well.
#pragma once

#include "app/dialogs/record_dialog.h"

class QButtonGroup;
class QGroupBox;
class QStackedWidget;

namespace nuvra::app {

class frmInpMorido : public RecordDialog {
    Q_OBJECT
  public:
    frmInpMorido(AppContext& context, DesignData& design, QWidget* parent = nullptr);

  protected:
    void LoadData() override;
    void SaveData(bool& Cancel) override;

  private:
    /// The option click: 1 horizontal surcharge, any other the embankment.
    void optMoridoClick(int index);

    QButtonGroup* optMorido_;
    QGroupBox* fraHorizontal_;
    QGroupBox* fraEmbankment_;
    QStackedWidget* sketches_;
    QWidget* picHorizontal_;
    QWidget* picEmbankment_;
    NumericField* numX_;
    NumericField* numQ_;
    NumericField* numX1_;
    NumericField* numX2_;
    NumericField* numHo_;
    NumericField* numG_;
    NumericField* numQd_;
};

}  // namespace nuvra::app
