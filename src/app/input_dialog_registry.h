// Which input dialog each command button opens, by tag ("InpJyoken" ... "InpRenban").
// A tag without a dialog opens nothing.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace nuvra {
struct DesignData;
namespace calc {
struct ResultStore;
}
}  // namespace nuvra

namespace nuvra::app {

struct AppContext;
class InputDialog;

using InputDialogFactory =
    std::function<std::unique_ptr<InputDialog>(AppContext&, DesignData&, QWidget* parent)>;

class InputDialogRegistry {
  public:
    void add(const QString& tag, InputDialogFactory factory);
    bool has(const QString& tag) const { return factories_.count(tag) != 0; }
    /// A fresh dialog for the tag, or null when no dialog is registered for it.
    std::unique_ptr<InputDialog> create(const QString& tag, AppContext& context, DesignData& design,
                                        QWidget* parent) const;

  private:
    std::map<QString, InputDialogFactory> factories_;
};

/// Registers the program's input dialogs. The results dialog ("InpHaikin") reads the
/// result store of the last calculation run.
void registerInputDialogs(InputDialogRegistry& registry, calc::ResultStore& results);

}  // namespace nuvra::app
