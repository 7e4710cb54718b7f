// Every message box of the program goes through MessageService, so that a test can
// answer and record the questions instead of blocking on a modal box.
#pragma once

#include <QString>

class QWidget;

namespace nuvra::app {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

class MessageService {
  public:
    virtual ~MessageService() = default;

    /// Shows one modal message and returns the button pressed.
    virtual MsgResult showMessage(QWidget* parent, const QString& text, const QString& title,
                                  MsgIcon icon, MsgButtons buttons) = 0;
    /// The About box: product name and version.
    virtual void showAbout(QWidget* parent, const QString& title, const QString& text) = 0;
    /// The warning sound of a refused entry.
    virtual void beep() = 0;

    void information(QWidget* parent, const QString& text, const QString& title) {
        showMessage(parent, text, title, MsgIcon::Information, MsgButtons::Ok);
    }
    void critical(QWidget* parent, const QString& text, const QString& title) {
        showMessage(parent, text, title, MsgIcon::Critical, MsgButtons::Ok);
    }
    MsgResult question(QWidget* parent, const QString& text, const QString& title,
                       MsgButtons buttons, MsgIcon icon = MsgIcon::Information) {
        return showMessage(parent, text, title, icon, buttons);
    }
};

/// The real message boxes (QMessageBox), with Japanese button captions.
class QtMessageService : public MessageService {
  public:
    MsgResult showMessage(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                          MsgButtons buttons) override;
    void showAbout(QWidget* parent, const QString& title, const QString& text) override;
    void beep() override;
};

}  // namespace nuvra::app
