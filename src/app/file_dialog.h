// CFileDialog: the open-file and save-file dialogs as plain properties, Show and
// results. The option bits keep the values of the common file dialog so that callers
// read the same as everywhere else in the program.
#pragma once

#include <QFileIconProvider>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

class QWidget;

namespace nuvra::app {

namespace FileDialogFlags {
inline constexpr std::int32_t OverwritePrompt = 0x2;
inline constexpr std::int32_t HideReadOnly = 0x4;
inline constexpr std::int32_t NoChangeDir = 0x8;
inline constexpr std::int32_t PathMustExist = 0x800;
inline constexpr std::int32_t FileMustExist = 0x1000;
/// The open dialog of the main window: 6148.
inline constexpr std::int32_t Open = FileMustExist | PathMustExist | HideReadOnly;
/// The save dialog of the main window.
inline constexpr std::int32_t Save = PathMustExist | OverwritePrompt | HideReadOnly;
}  // namespace FileDialogFlags

class CFileDialog {
  public:
    QString DefaultExt;  ///< appended when the user types a name without one (".nvr")
    QString DialogTitle;
    QString FileName;              ///< initial name; after a confirmed Show the chosen full path
    QString FileTitle;             ///< after a confirmed Show the chosen name without folder
    QString Filter;                ///< "description|pattern|description|pattern..."
    std::int16_t FilterIndex = 0;  ///< 1-based; 0 selects the first pair
    std::int32_t Flags = 0;
    QWidget* hWndParent = nullptr;
    QString InitialDir;              ///< empty for the platform's default
    std::int16_t MaxFileSize = 260;  ///< kept for callers; names are not limited here

    /// Shows the open dialog (fOpen true) or the save dialog. True when the user
    /// confirmed: FileName and FileTitle hold the choice. False when cancelled: every
    /// property keeps its value.
    bool Show(bool fOpen);

    /// The filter as (description, pattern) pairs; an odd last description gets an
    /// empty pattern, empty descriptions are kept.
    static std::vector<std::pair<QString, QString>> filterPairs(const QString& filter);

    /// The pairs as name filters for the Qt dialog: "入力ﾃﾞｰﾀ(*.nvr)" when the
    /// description already names its pattern, otherwise "description (p1 p2)".
    static QStringList nameFilters(const QString& filter);
};

/// Icons and type names of the file dialogs, from the file name alone. Qt's own
/// provider also looks into the content of a file whose name says nothing, and some of
/// the kernel's "files" (/proc/kmsg) never answer: the dialog's reader then hangs the
/// program for good.
class NameOnlyIconProvider : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

/// Whether a file dialog may open in the folder: it exists, can be read and lies on a
/// file system of files, not on one of the kernel's (/proc, /sys, /dev ...), whose
/// entries can block whoever reads them.
bool isBrowsableFolder(const QString& folder);

/// The folder itself when a file dialog may open in it, else the home folder.
QString browsableFolderOrHome(const QString& folder);

}  // namespace nuvra::app
