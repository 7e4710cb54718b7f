// InputDialog: what every input dialog shares. A dialog is a small subclass that lays
// out its controls in contentLayout() and implements two handlers:
//
//   LoadData()            copy the record into the controls (runs once, after load)
//   SaveData(bool& Cancel) check and copy the controls into the record when OK is
//                         pressed; set Cancel to keep the dialog open
//
// The base gives the OK / Cancel / Help buttons, the caption property, the help button
// that is disabled without a help file, the position kept in the dialog's settings
// section ("Top"/"Left" in twips, centred when missing) and stored on closing.
#pragma once

#include <QDialog>
#include <QString>

#include "design/records.h"

class QPushButton;
class QVBoxLayout;

namespace nuvra::app {

struct AppContext;
class MessageService;
class SettingsStore;

class InputDialog : public QDialog {
    Q_OBJECT
  public:
    /// section names the dialog's settings section and is its tag ("InpJyoken" ...);
    /// designedCaption is the caption the dialog keeps unless Caption is set.
    InputDialog(AppContext& context, DesignData& design, QString section, QString designedCaption,
                QWidget* parent = nullptr);

    // Properties the main window sets before showing the dialog.
    void setCaption(const QString& caption) { caption_ = caption; }
    void setHelpFile(const QString& helpFile) { helpFile_ = helpFile; }
    void setHelpContext(int helpContext) { helpContext_ = helpContext; }

    const QString& section() const { return section_; }
    const QString& helpFile() const { return helpFile_; }
    int helpContext() const { return helpContext_; }

    /// Opens the dialog modally: caption, help button, position, LoadData, then the
    /// event loop. Returns QDialog::Accepted when OK stored the values.
    int showModal();

    QPushButton* cmdOk() const { return cmdOk_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }

  signals:
    /// SaveData ran without setting Cancel: the record holds the dialog's values.
    void dataSaved();

  protected:
    virtual void LoadData() = 0;
    virtual void SaveData(bool& Cancel) = 0;
    /// The results dialog keeps its position for itself and overrides this.
    virtual bool storesPosition() const { return true; }

    /// Where the subclass puts its controls (above the button row).
    QVBoxLayout* contentLayout() const { return content_; }
    AppContext& context() const { return context_; }
    DesignData& design() const { return design_; }
    MessageService& messages() const;
    const SettingsStore& settings() const;

    void done(int result) override;

  private:
    void onOk();
    void onHelp();

    AppContext& context_;
    DesignData& design_;
    QString section_;
    QString caption_;
    QString helpFile_;
    int helpContext_ = 0;
    QVBoxLayout* content_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
};

}  // namespace nuvra::app
