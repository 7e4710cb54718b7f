// What the print-menu tests share: the installed data files in a throw-away application
// folder, the example design, and a stand-in viewer that records how it was started.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtTest>

#include "design/input_file.h"
#include "design/records.h"

namespace nuvra::app::test {

/// Copies the template and style files that the build installs beside the programs.
inline bool installDataFiles(const QString& appFolder) {
    QDir().mkpath(appFolder);
    const QString bin = QStringLiteral(NUVRA_BINARY_DIR "/bin/");
    for (const char* name : {"Nuvra.FMT", "LINE_PRN.DEF", "STR_PRN.DEF"}) {
        const QString target = appFolder + QLatin1Char('/') + QLatin1String(name);
        QFile::remove(target);
        if (!QFile::copy(bin + QLatin1String(name), target)) return false;
    }
    return true;
}

inline QString samplePath() {
    return QStringLiteral(NUVRA_SOURCE_DIR "/examples/sample.nvr");
}

/// The example design: walls with footings, a slab under uplift.
inline DesignData sampleDesign() {
    DesignData d;
    if (!LoadInputFile(d, samplePath().toStdString()).ok) qFatal("examples/sample.nvr unreadable");
    return d;
}

/// Writes an executable `ospex` into folder that, each time it is started, copies the file
/// of its second argument to viewer-received.prn and then appends one line to
/// viewer-log.txt: every argument in brackets.
inline QString installStandInViewer(const QString& folder) {
    const QString path = folder + QStringLiteral("/ospex");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly)) qFatal("cannot write the stand-in viewer");
    script.write(
        "#!/bin/sh\n"
        "dir=$(dirname \"$0\")\n"
        "cp \"$2\" \"$dir/viewer-received.prn\"\n"
        "line=''\n"
        "for a in \"$@\"; do line=\"$line[$a]\"; done\n"
        "printf '%s\\n' \"$line\" >> \"$dir/viewer-log.txt\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

/// The lines the stand-in viewer logged in folder, after waiting for `count` of them.
inline QStringList viewerStarts(const QString& folder, int count, int timeoutMs = 10000) {
    const QString log = folder + QStringLiteral("/viewer-log.txt");
    auto lines = [&log] {
        QFile f(log);
        if (!f.open(QIODevice::ReadOnly)) return QStringList();
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    // Returns what was logged by then; the caller compares it with what it expects.
    (void)QTest::qWaitFor([&] { return lines().size() >= count; }, timeoutMs);
    return lines();
}

}  // namespace nuvra::app::test
