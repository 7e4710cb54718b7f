// frmInpHaikin (結果確認および配筋条件の変更): the outcome of a calculation run — the
// flotation and bearing lines and the stresses of the six reinforced faces — with the
// bars of each face editable in the grid. A changed diameter or spacing recalculates
// that one face in the result store; OK copies the six bar arrangements into CInpHaikin.
//
// Colouring: on opening only σc of the two wall faces is red when it fails; from the
// first change on, every failing stress of the six faces is red.
#pragma once

#include "app/input_dialog.h"
#include "calc/run/result_store.h"
#include "calc/run/section_table.h"

class QLabel;
class QPushButton;

namespace nuvra::app {

class ResultsGrid;

class frmInpHaikin : public InputDialog {
    Q_OBJECT
  public:
    frmInpHaikin(AppContext& context, DesignData& design, calc::ResultStore& results,
                 QWidget* parent = nullptr);

    ResultsGrid* vaSpread1() const { return grid_; }
    QLabel* lblFs() const { return lblFs_; }
    QLabel* lblQmax() const { return lblQmax_; }
    QPushButton* cmdAutoBars() const { return cmdAutoBars_; }

  protected:
    void LoadData() override;
    void SaveData(bool& Cancel) override;
    /// The results dialog never writes its position back.
    bool storesPosition() const override { return false; }

  private:
    void buildLegend();
    void onBarsEdited(int row, int column);
    /// Fills the grid with the passing bars of least steel for every face; a face for
    /// which none passes keeps its bars, is marked and named in a message.
    void onAutoBars();
    /// The face of grid row 1 to 6; created empty when the run left none.
    calc::CRcKukei& section(int row);
    void writeStresses(int row, const calc::CRcKukei& rc);
    void writeBars(int row, const calc::CRcKukei& rc);
    void recolourStresses();

    calc::ResultStore& results_;
    ResultsGrid* grid_ = nullptr;
    QLabel* lblFs_ = nullptr;
    QLabel* lblQmax_ = nullptr;
    QPushButton* cmdAutoBars_ = nullptr;
};

/// The bars of a face in the bar-arrangement record.
CInpHaikinS& barsOf(CInpHaikin& record, calc::SectionId id);

}  // namespace nuvra::app
