#include "render/headless_gui.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace nuvra::render {
namespace {

// Without XDG_RUNTIME_DIR (no desktop session: ssh, cron, containers) Qt warns on every
// start and then uses its own folder, /tmp/runtime-<user>. That folder is named here
// (and made, private, when it is new), so that a command-line user sees only messages
// that concern the work.
void provideRuntimeDir() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const uid_t uid = ::geteuid();
    const struct passwd* pw = ::getpwuid(uid);
    const QString user = pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(uid);
    const QByteArray dir = QFile::encodeName(QDir::tempPath() + QStringLiteral("/runtime-") + user);
    ::mkdir(dir.constData(), 0700);  // an existing folder is checked below
    struct stat st;
    if (::lstat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid ||
        (st.st_mode & 0777) != 0700)
        return;  // not ours or not private: Qt says what is wrong with it
    qputenv("XDG_RUNTIME_DIR", dir);
}

}  // namespace

HeadlessGui::HeadlessGui(int& argc, char** argv) {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeDir();
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace nuvra::render
