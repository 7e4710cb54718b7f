// frmInpRenban (連番条件設定): how the report numbers and indents its headings. Reads and
// writes only the section "Chapter" of the settings file: the method, the initial
// chapter value, the style and the left margin of the four heading levels.
#pragma once

#include <array>

#include "app/dialogs/record_dialog.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QPlainTextEdit;
class QStackedWidget;
class QTabBar;

namespace nuvra::app {

class frmInpRenban : public RecordDialog {
    Q_OBJECT
  public:
    frmInpRenban(AppContext& context, DesignData& design, QWidget* parent = nullptr);

    /// Entries of every style list; list position + 1 is the stored style.
    static const QStringList& styleEntries();

  protected:
    void LoadData() override;
    void SaveData(bool& Cancel) override;
    void revealField(QWidget* field) override;

  private:
    void tabClick(int index);
    void optMethodClick(int method);
    void refreshMarginPreview();

    QTabBar* TabStrip1_;
    QStackedWidget* pages_;
    std::array<QFrame*, 3> fraTab_{};
    NumericField* numInit_;
    QButtonGroup* optMethod_;
    QPlainTextEdit* txtMethod_;
    std::array<QComboBox*, 4> cboStyle_{};
    std::array<NumericField*, 4> numMargin_{};
    QPlainTextEdit* txtMargin_;
    int storedMethod_ = 0;
};

}  // namespace nuvra::app
