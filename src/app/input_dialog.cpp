#include "app/input_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/window_placement.h"

namespace nuvra::app {

InputDialog::InputDialog(AppContext& context, DesignData& design, QString section,
                         QString designedCaption, QWidget* parent)
    : QDialog(parent), context_(context), design_(design), section_(std::move(section)) {
    setObjectName(QStringLiteral("frm") + section_);
    setWindowTitle(designedCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* outer = new QVBoxLayout(this);
    content_ = new QVBoxLayout;
    outer->addLayout(content_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOk_ = new QPushButton(QStringLiteral("OK(&O)"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdHelp_ = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this);
    cmdHelp_->setObjectName(QStringLiteral("cmdHelp"));
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    buttons->addWidget(cmdHelp_);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOk_, &QPushButton::clicked, this, &InputDialog::onOk);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdHelp_, &QPushButton::clicked, this, &InputDialog::onHelp);
}

MessageService& InputDialog::messages() const {
    return context_.messages;
}

const SettingsStore& InputDialog::settings() const {
    return context_.settings;
}

int InputDialog::showModal() {
    if (!caption_.isEmpty()) setWindowTitle(caption_);
    cmdHelp_->setEnabled(!helpFile_.isEmpty());
    adjustSize();
    restoreWindowPosition(*this, context_.settings, section_, PlacementRule::Dialog);
    LoadData();
    return exec();
}

void InputDialog::onOk() {
    bool cancel = false;
    SaveData(cancel);
    if (cancel) return;
    emit dataSaved();
    accept();
}

void InputDialog::onHelp() {
    // The help key, as the system's help would receive it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(this, &press);
}

void InputDialog::done(int result) {
    if (storesPosition()) storeWindowPosition(*this, context_.settings, section_);
    QDialog::done(result);
}

}  // namespace nuvra::app
