#include "app/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeDatabase>
#include <QStorageInfo>
#include <QTreeView>

namespace nuvra::app {
namespace {

// File systems whose entries are the kernel's: reading some of them waits for ever.
const char* const kKernelFileSystems[] = {
    "proc",    "sysfs",       "devtmpfs",  "devpts",     "cgroup",   "cgroup2",  "debugfs",
    "tracefs", "securityfs",  "pstore",    "bpf",        "configfs", "efivarfs", "mqueue",
    "fusectl", "binfmt_misc", "hugetlbfs", "rpc_pipefs", "nsfs",
};

QMimeType mimeTypeByName(const QFileInfo& info) {
    return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

/// The columns of the detail view (name, size, type, date) wide enough for their
/// Japanese headers and contents; the name takes what is left.
void showReadableColumns(QFileDialog& dialog) {
    if (auto* places = dialog.findChild<QWidget*>(QStringLiteral("sidebar")))
        places->setMinimumWidth(
            places->fontMetrics().horizontalAdvance(QStringLiteral("コンピューター")) + 56);
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view) return;
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(
        header->fontMetrics().horizontalAdvance(QStringLiteral("更新日時")) + 24);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < header->count(); ++c)
        header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
}

}  // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (!info.isFile()) return QFileIconProvider::icon(info);
    const QMimeType mime = mimeTypeByName(info);
    QIcon themed = QIcon::fromTheme(mime.iconName());
    if (themed.isNull()) themed = QIcon::fromTheme(mime.genericIconName());
    return themed.isNull() ? QFileIconProvider::icon(QFileIconProvider::File) : themed;
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    // Qt's own provider names a folder in English whatever the translation.
    if (info.isDir()) return QStringLiteral("フォルダー");
    if (!info.isFile()) return QFileIconProvider::type(info);
    const QMimeType mime = mimeTypeByName(info);
    if (mime.isDefault()) {
        // An extension of no known type, such as the designs' own ".nvr".
        const QString suffix = info.suffix().toUpper();
        return suffix.isEmpty() ? QStringLiteral("ファイル") : suffix + QStringLiteral(" ファイル");
    }
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

bool isBrowsableFolder(const QString& folder) {
    if (folder.isEmpty()) return false;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) return false;
    const QByteArray type = QStorageInfo(info.absoluteFilePath()).fileSystemType();
    for (const char* kernel : kKernelFileSystems)
        if (type == kernel) return false;
    return true;
}

QString browsableFolderOrHome(const QString& folder) {
    return isBrowsableFolder(folder) ? folder : QDir::homePath();
}

std::vector<std::pair<QString, QString>> CFileDialog::filterPairs(const QString& filter) {
    std::vector<std::pair<QString, QString>> pairs;
    if (filter.isEmpty()) return pairs;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2)
        pairs.emplace_back(parts[i], i + 1 < parts.size() ? parts[i + 1] : QString());
    return pairs;
}

QStringList CFileDialog::nameFilters(const QString& filter) {
    QStringList out;
    for (const auto& [description, pattern] : filterPairs(filter)) {
        // The system's patterns are separated by ';', Qt's by blanks.
        QString patterns = pattern;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns = patterns.simplified();
        if (patterns.isEmpty()) patterns = QStringLiteral("*");
        if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            out << description;
        else
            out << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

bool CFileDialog::Show(bool fOpen) {
    // The folder is given at construction: without it Qt starts in the folder of its last
    // dialog, with the default icons, before any of the settings below take effect.
    const QFileInfo initial(FileName);
    QString start;
    if (!InitialDir.isEmpty())
        start = InitialDir;
    else if (!FileName.isEmpty() && initial.isAbsolute())
        start = initial.absolutePath();
    else
        start = QDir::currentPath();
    NameOnlyIconProvider icons;  // outlives the dialog, whose model uses it
    QFileDialog dialog(hWndParent, DialogTitle, browsableFolderOrHome(start));
    // Qt's own dialog, so that it speaks Japanese whatever the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setAcceptMode(fOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(fOpen && (Flags & FileDialogFlags::FileMustExist) ? QFileDialog::ExistingFile
                                                                         : QFileDialog::AnyFile);
    if (!fOpen && !(Flags & FileDialogFlags::OverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);

    const QStringList filters = nameFilters(Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = FilterIndex >= 1 && FilterIndex <= filters.size() ? FilterIndex - 1 : 0;
        dialog.selectNameFilter(filters[index]);
    }
    QString suffix = DefaultExt;
    while (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);

    if (!FileName.isEmpty()) dialog.selectFile(initial.fileName());
    showReadableColumns(dialog);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));

    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    const QFileInfo result(chosen.first());
    if ((Flags & FileDialogFlags::PathMustExist) && !result.absoluteDir().exists()) return false;
    if (fOpen && (Flags & FileDialogFlags::FileMustExist) && !result.isFile()) return false;
    FileName = QDir::cleanPath(result.absoluteFilePath());
    FileTitle = result.fileName();
    return true;
}

}  // namespace nuvra::app
