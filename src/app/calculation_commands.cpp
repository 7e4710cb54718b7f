#include "app/calculation_commands.h"

#include "app/print_menu/print_menu_dialog.h"
#include "calc/run/calc_run.h"

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
    commands.openPrintMenu = [&commands, &context, &design](QWidget* parent) {
        frmMenuPrint menu(context, design, commands.results(), parent);
        menu.showModal();
    };
}

}  // namespace nuvra::app
