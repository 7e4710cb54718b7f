#include "app/calculation_commands.h"

#include "calc/loads/calc_run.h"

namespace nuvra::app {

bool CalculationCommands::runCalculation(const DesignData& design) {
    return calc::RunCalculation(design, results_);
}

bool CalculationCommands::showResults(const DesignData& design, QWidget* parent) {
    if (!runCalculation(design)) return false;
    if (openResultsDialog) openResultsDialog(parent);
    return true;
}

bool CalculationCommands::showPrintMenu(const DesignData& design, QWidget* parent) {
    if (!runCalculation(design)) return false;
    if (openPrintMenu) openPrintMenu(parent);
    return true;
}

void installPrintMenu(CalculationCommands& commands, AppContext& context,
                      const DesignData& design) {
    // The print menu sets commands.openPrintMenu here.
    (void)commands;
    (void)context;
    (void)design;
}

}  // namespace nuvra::app
