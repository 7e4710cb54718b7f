// The recent-file list: four full paths, newest first, kept in the settings file
// ("FileName" "FileName1" to "FileName4") and shown as the File menu items &1 to &4.
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QAction;
class QMenu;

namespace nuvra::app {

class SettingsStore;

using RecentList = std::array<QString, 4>;

/// The list after `path` was used: path first; when it equals an entry (exactly,
/// case-sensitively; the last match counts) that entry leaves its place, otherwise the
/// fourth entry drops out.
RecentList updatedRecentList(const RecentList& old, const QString& path);

/// Whether the settings file holds the path as it is: every character in code page 932,
/// no line break, and no longer than a settings read returns.
bool storableInSettings(const QString& path);

class RecentFiles : public QObject {
    Q_OBJECT
  public:
    explicit RecentFiles(const SettingsStore& settings, QObject* parent = nullptr);

    /// Adds the four menu items (mnuFileName 0 to 3) to the menu and fills them from
    /// the settings file.
    void addMenuItems(QMenu& menu);

    /// Reads the four entries from the settings file.
    RecentList read() const;
    /// Entry i + 1 (i = 0..3) as the settings file holds it now.
    QString entry(int i) const;

    /// UpdateRecentFiles: puts path first, writes the list back and rebuilds the items.
    /// A path the settings file cannot hold is left out and the list stays as it was:
    /// writing the other entries around it would lose one and repeat another.
    void UpdateRecentFiles(const QString& path);

    /// Rebuilds the items: a non-empty entry i shows "&i path" and is enabled, an empty
    /// one keeps its caption and is disabled.
    void rebuildMenuItems();

    QAction* item(int i) const { return items_[static_cast<std::size_t>(i)]; }

  signals:
    /// The user chose recent-file item i (0..3).
    void openRequested(int i);

  private:
    const SettingsStore& settings_;
    std::array<QAction*, 4> items_{};
};

}  // namespace nuvra::app
