#include "app/message_service.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <algorithm>

namespace nuvra::app {
namespace {

// Width a window frame takes beside its title (icon, close and other buttons), and the
// narrowest About box.
constexpr int kTitleFrameAllowance = 160;
constexpr int kAboutMinimumWidth = 360;

QMessageBox::Icon toQt(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MsgResult QtMessageService::showMessage(QWidget* parent, const QString& text, const QString& title,
                                        MsgIcon icon, MsgButtons buttons) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
    QAbstractButton* ok = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    switch (buttons) {
        case MsgButtons::Ok:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        case MsgButtons::OkCancel:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
            break;
        case MsgButtons::YesNo:
            yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
            no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
            break;
        case MsgButtons::YesNoCancel:
            yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
            no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
            break;
    }
    // The first button is the default, as with the system's message boxes.
    box.setDefaultButton(qobject_cast<QPushButton*>(ok ? ok : yes));
    if (cancel) box.setEscapeButton(cancel);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes) return MsgResult::Yes;
    if (clicked && clicked == no) return MsgResult::No;
    if (clicked && clicked == ok) return MsgResult::Ok;
    // Closing the box counts as its cancel (or its only) button.
    if (cancel) return MsgResult::Cancel;
    if (buttons == MsgButtons::YesNo) return MsgResult::No;
    return MsgResult::Ok;
}

void QtMessageService::showAbout(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::RichText);
    const QIcon icon = box.windowIcon();
    if (!icon.isNull()) box.setIconPixmap(icon.pixmap(QSize(64, 64)));
    // QMessageBox sizes itself by its text alone; a window frame then cuts the title.
    // Room for the title, the frame's buttons and a margin keeps it whole.
    const int titleWidth = box.fontMetrics().horizontalAdvance(title) + kTitleFrameAllowance;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(std::max(titleWidth, kAboutMinimumWidth), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

void QtMessageService::beep() {
    QApplication::beep();
}

}  // namespace nuvra::app
