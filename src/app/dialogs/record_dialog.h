// RecordDialog: what the dialogs of the design records (and the numbering dialog) share
// beyond InputDialog: numeric fields built from their picture and range, option groups
// whose button ids are the record's option codes, and the range check at OK.
#pragma once

#include <QString>
#include <vector>

#include "app/input_dialog.h"
#include "app/widgets/numeric_field.h"

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QLabel;

namespace nuvra::app {

/// The option code of the checked button of a group; 0 when none is checked.
int SelectedOptionIndex(const QButtonGroup* group);
/// Checks the button of the code; a code without a button leaves the group as it is.
void setSelectedOption(QButtonGroup* group, int code);

class RecordDialog : public InputDialog {
    Q_OBJECT
  public:
    RecordDialog(AppContext& context, DesignData& design, QString section, QString designedCaption,
                 QWidget* parent);

  protected:
    /// A numeric field named `name`, checked at OK with the others.
    NumericField* makeField(const char* name, const NumericFieldSpec& spec,
                            const QString& caption = QString());
    /// Adds caption and field to a two-column grid row. The caption's padding blanks are
    /// the layout of fixed-width captions; the grid aligns the fields instead.
    QLabel* addRow(QGridLayout* grid, int row, NumericField* field, int column = 0);
    /// An option group; each button gets the id of its code.
    QButtonGroup* makeOptions(const char* name, const std::vector<QString>& captions,
                              int firstCode);

    /// Gives every field of the dialog the width of the widest, so that they line up.
    void unifyFieldWidths();

    /// At OK: every field must hold a value of its range, whether the user typed it or
    /// it came from the record, and whether or not the field can be reached just now.
    /// The first that does not is shown (its page selected, enabled), then its range
    /// message, and the focus goes there.
    bool allValuesInRange();

    /// Brings a field's page to the front before it asks for a correction; the dialogs
    /// with pages override it.
    virtual void revealField(QWidget* field);

  private:
    std::vector<NumericField*> fields_;
};

/// A caption label that keeps the text's words but drops the alignment blanks.
QLabel* captionLabel(const QString& caption, QWidget* parent);

}  // namespace nuvra::app
