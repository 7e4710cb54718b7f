// Test doubles of the program's seams and a throw-away application folder.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

#include "app/app_context.h"
#include "app/message_service.h"
#include "app/system_dialogs.h"

namespace nuvra::app::test {

struct ShownMessage {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

/// Records every message and answers from a script. Without a scripted answer a
/// message gets its first button (OK or Yes), so an unexpected question never blocks.
class RecordingMessages : public MessageService {
  public:
    std::deque<MsgResult> answers;
    std::vector<ShownMessage> shown;
    QString aboutTitle, aboutText;
    int beeps = 0;

    MsgResult showMessage(QWidget*, const QString& text, const QString& title, MsgIcon icon,
                          MsgButtons buttons) override {
        shown.push_back({text, title, icon, buttons});
        if (!answers.empty()) {
            MsgResult r = answers.front();
            answers.pop_front();
            return r;
        }
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
                                                                                  : MsgResult::Ok;
    }
    void showAbout(QWidget*, const QString& title, const QString& text) override {
        aboutTitle = title;
        aboutText = text;
    }
    void beep() override { ++beeps; }
};

/// Answers the system dialogs: each file request takes the next scripted name (an
/// empty name cancels); page setup runs the scripted function (none cancels).
class ScriptedDialogs : public SystemDialogs {
  public:
    struct FileRequest {
        bool fOpen;
        CFileDialog dialog;  ///< the properties as the caller set them
    };
    std::deque<QString> files;
    std::vector<FileRequest> fileRequests;
    std::function<bool(CPageSetupDialog&)> pageSetup;
    std::vector<CPageSetupDialog> pageRequests;

    bool showFileDialog(CFileDialog& dialog, bool fOpen) override {
        fileRequests.push_back({fOpen, dialog});
        if (files.empty()) return false;
        const QString name = files.front();
        files.pop_front();
        if (name.isEmpty()) return false;
        dialog.FileName = name;
        dialog.FileTitle = name.section(QLatin1Char('/'), -1);
        return true;
    }
    bool showPageSetup(CPageSetupDialog& dialog) override {
        pageRequests.push_back(dialog);
        return pageSetup ? pageSetup(dialog) : false;
    }
};

/// An application folder and a per-user folder of its own, with the two doubles.
struct AppFixture {
    QTemporaryDir root;
    RecordingMessages messages;
    ScriptedDialogs dialogs;
    AppContext context;

    AppFixture()
        : context(prepareAppPaths(root.path() + QStringLiteral("/app"),
                                  root.path() + QStringLiteral("/data")),
                  messages, dialogs) {
        QDir().mkpath(appFolder());
    }

    QString appFolder() const { return root.path() + QStringLiteral("/app"); }
    QString file(const QString& name) const { return root.path() + QLatin1Char('/') + name; }
    QString ini() const { return QString::fromStdString(context.paths.SettingsIniPath); }
};

/// Runs `action` on the active modal widget once the event loop of exec() has shown it.
inline void whenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* w = QApplication::activeModalWidget();
        if (w) action(w);
    });
}

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace nuvra::app::test
