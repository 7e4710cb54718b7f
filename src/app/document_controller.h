// The document of the main window: the design, the path of its input file and the
// modified flag, with the commands that replace, read and write it. The input-file
// format itself is the core's; this class only decides what to ask and what to show.
#pragma once

#include <QObject>
#include <QString>

#include "design/records.h"

class QWidget;

namespace nuvra::app {

struct AppContext;
class RecentFiles;

class DocumentController : public QObject {
    Q_OBJECT
  public:
    /// window owns the dialogs and message boxes that the commands show.
    DocumentController(AppContext& context, RecentFiles& recent, QWidget* window);

    DesignData& design() { return design_; }
    const DesignData& design() const { return design_; }
    const QString& CurrentFileName() const { return currentFileName_; }
    bool IsModified() const { return isModified_; }
    /// Set when a dialog confirmed a record.
    void setModified(bool modified) { isModified_ = modified; }

    /// The window caption: the product name, plus " - " and the file name when titled.
    QString caption() const;
    /// The folder the next open dialog starts in when the settings name none; follows
    /// the files the user chose, as the system's dialogs move the current folder.
    const QString& currentFolder() const { return currentFolder_; }

    // File commands.
    void newDesign();
    void open();
    void openRecent(int i);
    /// Writes the design to its file (save as for an untitled design). True when written.
    bool save();
    /// Asks for a name and writes the design there. True when written.
    bool saveAs();
    /// The exit question. True when the program may end: nothing to save, the user
    /// declined, or the save succeeded. A failed or cancelled save keeps it open.
    bool queryExit();

  signals:
    /// The caption changed (new, open, save as).
    void captionChanged(const QString& caption);
    /// The records were replaced (new, open): the command buttons need refreshing.
    void designReplaced();

  private:
    /// Asks to save a modified design before it is replaced; false to abandon.
    bool saveBeforeReplacing(const QString& question, const QString& title);
    /// Reads the file and reports a failure; true when it was read.
    bool readFile(const QString& path);
    void setCurrentFile(const QString& path);
    void rememberFolderOf(const QString& path);
    void storeInitDir();

    AppContext& context_;
    RecentFiles& recent_;
    QWidget* window_;
    DesignData design_;
    QString currentFileName_;
    bool isModified_ = false;
    QString currentFolder_;
};

}  // namespace nuvra::app
