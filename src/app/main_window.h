// frmMenuMain: the program's only top-level window. It wires the command panel, the
// File menu and the toolbar to the controllers that do the work: DocumentController
// (the design and its file), RecentFiles (the File menu's list), CalculationCommands
// (the run before the results and the print menu) and the input-dialog registry.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "app/calculation_commands.h"
#include "app/input_dialog_registry.h"

class QAction;
class QGroupBox;
class QPushButton;
class QToolBar;

namespace nuvra::app {

struct AppContext;
class DocumentController;
class RecentFiles;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    /// Index of each command button in cmdMenu.
    enum Command {
        InpJyoken,
        InpMorido,
        InpKiso,
        InpKaburi,
        InpZairyo,
        InpKekka,
        MenuPrint,
        InpRenban,
        CommandCount
    };

    /// Start-up: caption, position from the settings, recent files, a new design.
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentController& document() { return *document_; }
    RecentFiles& recentFiles() { return *recent_; }
    InputDialogRegistry& inputDialogs() { return dialogs_; }
    CalculationCommands& calculation() { return calculation_; }

    QPushButton* cmdMenu(int index) const { return cmdMenu_[static_cast<std::size_t>(index)]; }
    QPushButton* cmdExit() const { return cmdExit_; }
    QGroupBox* menuFrame() const { return frame_; }
    QToolBar* tbrMenu() const { return toolbar_; }
    QMenu* mnuFile() const { return mnuFile_; }

    /// Recolours the input buttons by their records' confirmation and enables the
    /// results and print commands when the five input records are confirmed.
    void RefreshMenuButtons();

    /// The command of button `index`: opens its dialog, or calculates first.
    void runMenuCommand(int index);
    /// The page setup of the toolbar's "Printer" key.
    void pageSetup();
    void showAbout();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildPanel();
    void buildMenu();
    void buildToolbar();
    /// Opens the tag's input dialog by the input-dialog protocol.
    void launchInputDialog(const QString& tag);

    AppContext& context_;
    RecentFiles* recent_ = nullptr;
    DocumentController* document_ = nullptr;
    InputDialogRegistry dialogs_;
    CalculationCommands calculation_;

    QGroupBox* frame_ = nullptr;
    std::array<QPushButton*, CommandCount> cmdMenu_{};
    QPushButton* cmdExit_ = nullptr;
    QMenu* mnuFile_ = nullptr;
    QToolBar* toolbar_ = nullptr;
};

/// The tag of each command button, in button order.
QString commandTag(int index);

}  // namespace nuvra::app
