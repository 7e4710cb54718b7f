// What every window of the program shares: the fixed locations, the settings file and
// the two seams through which it talks to the user (message boxes, system dialogs).
#pragma once

#include <QString>
#include <string>

#include "app/settings_store.h"

namespace nuvra::app {

class MessageService;
class SystemDialogs;

/// Product name as shown in captions.
inline const QString kProductName = QStringLiteral("ヌブラの設計");

struct AppPaths {
    std::string applicationFolder;   ///< folder of the program and its data files
    std::string SettingsIniPath;     ///< application folder + "/Nuvra.INI"
    std::string FormatFilePath;      ///< application folder + "/Nuvra.FMT"
    std::string UserSettingsFolder;  ///< local data folder + "/Zantrel/Nuvra"
};

/// Fixes the paths from the application folder and the per-user local data folder,
/// and creates the per-user folders (failures, such as existing folders, are ignored).
/// An undeterminable local data folder (empty) gives "/Zantrel/Nuvra", which is then
/// not created: nothing is made at the file-system root.
AppPaths prepareAppPaths(const QString& applicationFolder, const QString& localDataFolder);

/// The paths of this installation: the folder of the executable and the platform's
/// local data folder (~/.local/share on Linux).
AppPaths locateAppPaths();

struct AppContext {
    AppContext(AppPaths p, MessageService& m, SystemDialogs& d)
        : paths(std::move(p)), settings(paths.SettingsIniPath), messages(m), dialogs(d) {}

    AppPaths paths;
    SettingsStore settings;
    MessageService& messages;
    SystemDialogs& dialogs;
};

}  // namespace nuvra::app
