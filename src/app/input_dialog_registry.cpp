#include "app/input_dialog_registry.h"

#include "app/input_dialog.h"

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

void registerInputDialogs(InputDialogRegistry& registry, calc::ResultStore& results) {
    // Each input dialog adds itself here: registry.add("InpJyoken", ...).
    (void)registry;
    (void)results;
}

}  // namespace nuvra::app
