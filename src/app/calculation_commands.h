// The two commands that need a calculation first: the results dialog (InpKekka) and the
// print menu (MenuPrint). Each runs the whole calculation into the program's one result
// store; only a run without a failed step opens the window that shows the results.
#pragma once

#include <functional>

#include "calc/run/result_store.h"
#include "design/records.h"

class QWidget;

namespace nuvra::app {

class CalculationCommands {
  public:
    /// RunCalculation on the design; true when every step succeeded.
    bool runCalculation(const DesignData& design);

    calc::ResultStore& results() { return results_; }

    /// Opens the results dialog after a successful run. The main window sets it to open
    /// the dialog registered as "InpHaikin" by the input-dialog protocol.
    std::function<void(QWidget* parent)> openResultsDialog;
    /// Opens the print menu modally after a successful run; set by installPrintMenu.
    std::function<void(QWidget* parent)> openPrintMenu;

    /// InpKekka: calculate, then the results dialog. False when the run failed.
    bool showResults(const DesignData& design, QWidget* parent);
    /// MenuPrint: calculate, then the print menu. False when the run failed.
    bool showPrintMenu(const DesignData& design, QWidget* parent);

  private:
    calc::ResultStore results_;
};

struct AppContext;

/// Connects the print menu to the print command: after a successful run the menu opens
/// modally on the run's results.
void installPrintMenu(CalculationCommands& commands, AppContext& context, const DesignData& design);

}  // namespace nuvra::app
