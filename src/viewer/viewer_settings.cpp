#include "viewer/viewer_settings.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

namespace nuvra::viewer {
namespace {

QString fileIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Ospex.ini"));
}

}  // namespace

ViewerSettings ViewerSettings::load(const QString& folder) {
    ViewerSettings s;
    if (folder.isEmpty()) return s;
    QSettings ini(fileIn(folder), QSettings::IniFormat);
    s.geometry = ini.value(QStringLiteral("Window/Geometry")).toByteArray();
    bool ok = false;
    double zoom = ini.value(QStringLiteral("View/Zoom"), 1.0).toDouble(&ok);
    s.zoom = ok ? std::clamp(zoom, kMinZoom, kMaxZoom) : 1.0;
    s.fitWidth = ini.value(QStringLiteral("View/FitWidth"), true).toBool();
    s.pdfFolder = ini.value(QStringLiteral("Export/Folder")).toString();
    return s;
}

bool ViewerSettings::save(const QString& folder) const {
    if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
    QSettings ini(fileIn(folder), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Window/Geometry"), geometry);
    ini.setValue(QStringLiteral("View/Zoom"), zoom);
    ini.setValue(QStringLiteral("View/FitWidth"), fitWidth);
    ini.setValue(QStringLiteral("Export/Folder"), pdfFolder);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

}  // namespace nuvra::viewer
