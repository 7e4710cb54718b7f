#include "app/app_context.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "common/file_util.h"

namespace nuvra::app {

AppPaths prepareAppPaths(const QString& applicationFolder, const QString& localDataFolder) {
    AppPaths p;
    p.applicationFolder = applicationFolder.toStdString();
    p.SettingsIniPath = p.applicationFolder + "/Nuvra.INI";
    p.FormatFilePath = p.applicationFolder + "/Nuvra.FMT";
    const std::string base = localDataFolder.toStdString();
    if (!base.empty()) {
        QDir().mkpath(localDataFolder);  // may not exist yet on a fresh account
        MakeFolder(base + "/Zantrel");
        MakeFolder(base + "/Zantrel/Nuvra");
    }
    p.UserSettingsFolder = base + "/Zantrel/Nuvra";
    return p;
}

AppPaths locateAppPaths() {
    return prepareAppPaths(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

}  // namespace nuvra::app
