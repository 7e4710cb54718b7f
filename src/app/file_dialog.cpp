#include "app/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace nuvra::app {

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
    QFileDialog dialog(hWndParent, DialogTitle);
    dialog.setAcceptMode(fOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(fOpen && (Flags & FileDialogFlags::FileMustExist) ? QFileDialog::ExistingFile
                                                                         : QFileDialog::AnyFile);
    QFileDialog::Options options;
    if (!fOpen && !(Flags & FileDialogFlags::OverwritePrompt))
        options |= QFileDialog::DontConfirmOverwrite;
    dialog.setOptions(options);

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

    const QFileInfo initial(FileName);
    if (!InitialDir.isEmpty())
        dialog.setDirectory(InitialDir);
    else if (!FileName.isEmpty() && initial.isAbsolute())
        dialog.setDirectory(initial.absolutePath());
    if (!FileName.isEmpty()) dialog.selectFile(initial.fileName());

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
