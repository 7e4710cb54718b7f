// frmMenuPrint (検討結果の印刷): generates every chapter of the calculation report when it
// opens, lets the user tick chapters, joins the ticked ones into one print file and hands
// it to the viewer. Every print and figure file of the generation is deleted when the
// window closes, so the files live exactly as long as the window.
//
//   frmMenuPrint menu(context, design, results, parent);
//   menu.showModal();          // position, stored boxes, generation, then the event loop
//
// The window's position and the nine box states are kept in section "MenuPrint".
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "calc/run/result_store.h"
#include "design/records.h"

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace nuvra::report {
class ReportGeneration;
}

namespace nuvra::app {

struct AppContext;

/// The arguments the viewer is started with: the per-user settings folder after "/INI="
/// as one argument, then the combined print file.
QStringList viewerArguments(const QString& userSettingsFolder, const QString& printFile);

class frmMenuPrint : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kItems = 9;
    /// The summary of every check, on until the user turns it off.
    static constexpr int kSummaryItem = 8;

    frmMenuPrint(AppContext& context, const DesignData& design, const calc::ResultStore& results,
                 QWidget* parent = nullptr);
    ~frmMenuPrint() override;

    /// The viewer program; by default "ospex" in the application folder.
    void setViewerProgram(const QString& program) { viewerProgram_ = program; }
    const QString& viewerProgram() const { return viewerProgram_; }

    /// The opening steps: position, stored box states, generation of every chapter (with
    /// its failure message), and the boxes of chapters that do not apply cleared and
    /// disabled.
    void prepare();
    /// prepare(), then the modal event loop.
    int showModal();

    /// Check buttons: 0 ticks every enabled box, 1 clears every box, 2 inverts the
    /// enabled boxes (a disabled box is never ticked).
    void applyCheck(int index);
    /// The print button: joins the ticked chapters and starts the viewer on them.
    void printChosen();

    QCheckBox* chkPrintItem(int index) const {
        return chkPrintItem_[static_cast<std::size_t>(index)];
    }
    QPushButton* cmdCheck(int index) const { return cmdCheck_[static_cast<std::size_t>(index)]; }
    QPushButton* cmdPreview() const { return cmdPreview_; }
    QPushButton* cmdClose() const { return cmdClose_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }

    /// The generation whose files the window holds (for tests and the screenshot tool).
    report::ReportGeneration& generation() { return *generation_; }

  protected:
    /// Closing: the box states and the position go to the settings, every generated
    /// file is deleted.
    void done(int result) override;

  private:
    void build();
    void generate();

    AppContext& context_;
    const DesignData& design_;
    const calc::ResultStore& results_;
    std::unique_ptr<report::ReportGeneration> generation_;
    QString viewerProgram_;

    QGroupBox* frame_ = nullptr;
    std::array<QCheckBox*, kItems> chkPrintItem_{};
    std::array<QPushButton*, 3> cmdCheck_{};
    QPushButton* cmdPreview_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
};

}  // namespace nuvra::app
