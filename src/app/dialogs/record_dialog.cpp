#include "app/dialogs/record_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/app_context.h"

namespace nuvra::app {

int SelectedOptionIndex(const QButtonGroup* group) {
    const int id = group->checkedId();
    return id < 0 ? 0 : id;
}

void setSelectedOption(QButtonGroup* group, int code) {
    if (QAbstractButton* b = group->button(code)) b->setChecked(true);
}

QLabel* captionLabel(const QString& caption, QWidget* parent) {
    QString text = caption;
    text.replace(QChar(0x3000), QLatin1Char(' '));
    return new QLabel(text.simplified(), parent);
}

RecordDialog::RecordDialog(AppContext& context, DesignData& design, QString section,
                           QString designedCaption, QWidget* parent)
    : InputDialog(context, design, std::move(section), std::move(designedCaption), parent) {
    // Pressing Cancel with an entry out of range closes the dialog without a message.
    cmdCancel()->setProperty("skipsRangeCheck", true);
}

NumericField* RecordDialog::makeField(const char* name, const NumericFieldSpec& spec,
                                      const QString& caption) {
    auto* field = new NumericField(messages(), spec, this);
    field->setObjectName(QString::fromUtf8(name));
    field->setCaption(caption);
    connect(field, &NumericField::revealRequested, this, &RecordDialog::revealField);
    fields_.push_back(field);
    return field;
}

QLabel* RecordDialog::addRow(QGridLayout* grid, int row, NumericField* field, int column) {
    QLabel* l = captionLabel(field->caption(), this);
    l->setBuddy(field);
    grid->addWidget(l, row, column);
    grid->addWidget(field, row, column + 1, Qt::AlignLeft);
    return l;
}

QButtonGroup* RecordDialog::makeOptions(const char* name, const std::vector<QString>& captions,
                                        int firstCode) {
    auto* group = new QButtonGroup(this);
    group->setObjectName(QString::fromUtf8(name));
    int code = firstCode;
    for (const QString& c : captions) {
        auto* b = new QRadioButton(c, this);
        b->setObjectName(QString::fromUtf8(name) + QString::number(code));
        group->addButton(b, code);
        ++code;
    }
    return group;
}

void RecordDialog::unifyFieldWidths() {
    int width = 0;
    for (const NumericField* f : fields_)
        width = std::max(width, f->width());
    for (NumericField* f : fields_)
        f->setFixedWidth(width);
}

bool RecordDialog::allValuesInRange() {
    for (NumericField* f : fields_) {
        if (!f->checkRange()) return false;
    }
    return true;
}

void RecordDialog::revealField(QWidget*) {}

}  // namespace nuvra::app
