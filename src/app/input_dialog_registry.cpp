#include "app/input_dialog_registry.h"

#include "app/dialogs/cover_dialog.h"
#include "app/dialogs/design_conditions_dialog.h"
#include "app/dialogs/embankment_dialog.h"
#include "app/dialogs/foundation_dialog.h"
#include "app/dialogs/heading_numbering_dialog.h"
#include "app/dialogs/materials_dialog.h"
#include "app/input_dialog.h"
#include "app/results/bar_arrangement_dialog.h"

namespace nuvra::app {

void InputDialogRegistry::add(const QString& tag, InputDialogFactory factory) {
    factories_[tag] = std::move(factory);
}

std::unique_ptr<InputDialog> InputDialogRegistry::create(const QString& tag, AppContext& context,
                                                         DesignData& design,
                                                         QWidget* parent) const {
    const auto it = factories_.find(tag);
    if (it == factories_.end()) return nullptr;
    return it->second(context, design, parent);
}

namespace {

template <class Dialog>
InputDialogFactory factoryOf() {
    return [](AppContext& context, DesignData& design, QWidget* parent) {
        return std::unique_ptr<InputDialog>(std::make_unique<Dialog>(context, design, parent));
    };
}

}  // namespace

void registerInputDialogs(InputDialogRegistry& registry, calc::ResultStore& results) {
    registry.add(QStringLiteral("InpJyoken"), factoryOf<frmInpJyoken>());
    registry.add(QStringLiteral("InpMorido"), factoryOf<frmInpMorido>());
    registry.add(QStringLiteral("InpKiso"), factoryOf<frmInpKiso>());
    registry.add(QStringLiteral("InpKaburi"), factoryOf<frmInpKaburi>());
    registry.add(QStringLiteral("InpZairyo"), factoryOf<frmInpZairyo>());
    registry.add(QStringLiteral("InpRenban"), factoryOf<frmInpRenban>());
    registry.add(QStringLiteral("InpHaikin"),
                 [&results](AppContext& context, DesignData& design, QWidget* parent) {
                     return std::unique_ptr<InputDialog>(
                         std::make_unique<frmInpHaikin>(context, design, results, parent));
                 });
}

}  // namespace nuvra::app
