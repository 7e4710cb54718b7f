#include "app/document_controller.h"

#include <QFileInfo>
#include <QWidget>

#include "app/app_context.h"
#include "app/message_service.h"
#include "app/recent_files.h"
#include "app/system_dialogs.h"
#include "design/input_file.h"

namespace nuvra::app {
namespace {

const QString kFilter = QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)|*.nvr");
const QString kTitleNew = QStringLiteral("新規作成");
const QString kMsgNew =
    QStringLiteral("現在編集中の入力ﾃﾞｰﾀを全て破棄し，入力ﾃﾞｰﾀを初期化します。");
const QString kTitleOpenDialog = QStringLiteral("ﾌｧｲﾙを開く...");
const QString kTitleSaveAsDialog = QStringLiteral("ﾌｧｲﾙに名前を付けて保存...");
const QString kTitleExit = QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ終了");
const QString kMsgExit =
    QStringLiteral("現在編集中の入力ﾃﾞｰﾀがあります。上書き保存してから終了しますか？");
const QString kMsgOpenOver =
    QStringLiteral("現在編集中の入力ﾃﾞｰﾀがあります。上書き保存してからﾌｧｲﾙを開きますか？");
const QString kEditedFile = QStringLiteral("編集中のﾌｧｲﾙ名：");

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

DocumentController::DocumentController(AppContext& context, RecentFiles& recent, QWidget* window)
    : QObject(window),
      context_(context),
      recent_(recent),
      window_(window),
      currentFolder_(q(context.paths.applicationFolder)) {
    NewDesignData(design_);
}

QString DocumentController::caption() const {
    if (currentFileName_.isEmpty()) return kProductName;
    return kProductName + QStringLiteral(" - ") + QFileInfo(currentFileName_).fileName();
}

void DocumentController::setCurrentFile(const QString& path) {
    currentFileName_ = path;
    emit captionChanged(caption());
}

void DocumentController::rememberFolderOf(const QString& path) {
    // A folder the file dialogs must not open in (a failed save into /proc) is not kept.
    const QString folder = QFileInfo(path).absolutePath();
    if (isBrowsableFolder(folder)) currentFolder_ = folder;
}

void DocumentController::storeInitDir() {
    context_.settings.writeString("FileName", "InitDir", currentFolder_);
}

void DocumentController::newDesign() {
    if (context_.messages.question(window_, kMsgNew, kTitleNew, MsgButtons::OkCancel) !=
        MsgResult::Ok)
        return;
    NewDesignData(design_);
    setCurrentFile(QString());
    emit designReplaced();
}

bool DocumentController::saveBeforeReplacing(const QString& question, const QString& title) {
    if (!isModified_) return true;
    const QString text = question + QStringLiteral("\n\n") + kEditedFile + currentFileName_;
    switch (context_.messages.question(window_, text, title, MsgButtons::YesNoCancel)) {
        case MsgResult::Yes:
            return save();
        case MsgResult::No:
            return true;
        default:
            return false;
    }
}

bool DocumentController::readFile(const QString& path) {
    const OpenResult r = OpenInputFile(design_, path.toStdString());
    if (!r.versionMessage.empty())
        context_.messages.critical(window_, q(r.versionMessage), q(kTitleOpenFile));
    emit designReplaced();
    if (r.file.ok) {
        setCurrentFile(path);
        // The design now is the file's; the question before opening has saved or
        // discarded the edits.
        isModified_ = false;
        return true;
    }
    setCurrentFile(QString());
    context_.messages.critical(window_, q(readFailureMessage(r.file.errorCode)),
                               q(kTitleReadError));
    return false;
}

void DocumentController::open() {
    if (!saveBeforeReplacing(kMsgOpenOver, q(kTitleOpenFile))) return;
    CFileDialog dialog;
    dialog.hWndParent = window_;
    dialog.DialogTitle = kTitleOpenDialog;
    dialog.DefaultExt = QStringLiteral(".nvr");
    dialog.Filter = kFilter;
    dialog.FilterIndex = 1;
    dialog.FileName = QString();
    dialog.InitialDir = context_.settings.readString("FileName", "InitDir");
    if (dialog.InitialDir.isEmpty()) dialog.InitialDir = q(context_.paths.applicationFolder);
    // A remembered folder that has gone, or that no dialog should read, gives way to home.
    dialog.InitialDir = browsableFolderOrHome(dialog.InitialDir);
    dialog.Flags = FileDialogFlags::Open;
    if (context_.dialogs.showFileDialog(dialog, true)) {
        rememberFolderOf(dialog.FileName);
        if (readFile(dialog.FileName)) recent_.UpdateRecentFiles(dialog.FileName);
    }
    storeInitDir();
}

void DocumentController::openRecent(int i) {
    if (!saveBeforeReplacing(kMsgOpenOver, q(kTitleOpenFile))) return;
    const QString path = recent_.entry(i);
    if (readFile(path)) {
        // The recent-file order stays as it is.
        rememberFolderOf(path);
        storeInitDir();
    }
}

bool DocumentController::save() {
    if (currentFileName_.isEmpty()) return saveAs();
    const FileResult r = SaveInputFile(design_, currentFileName_.toStdString());
    if (!r.ok) {
        context_.messages.critical(window_, q(writeFailureMessage(r.errorCode)),
                                   q(kTitleWriteError));
        return false;
    }
    recent_.UpdateRecentFiles(currentFileName_);
    isModified_ = false;
    return true;
}

bool DocumentController::saveAs() {
    CFileDialog dialog;
    dialog.hWndParent = window_;
    dialog.DialogTitle = kTitleSaveAsDialog;
    dialog.DefaultExt = QStringLiteral(".nvr");
    dialog.Filter = kFilter;
    dialog.FileName = currentFileName_;
    dialog.Flags = FileDialogFlags::Save;
    bool written = false;
    if (context_.dialogs.showFileDialog(dialog, false)) {
        rememberFolderOf(dialog.FileName);
        const FileResult r = SaveInputFile(design_, dialog.FileName.toStdString());
        if (r.ok) {
            setCurrentFile(dialog.FileName);
            recent_.UpdateRecentFiles(dialog.FileName);
            isModified_ = false;
            written = true;
        } else {
            context_.messages.critical(window_, q(writeFailureMessage(r.errorCode)),
                                       q(kTitleWriteError));
        }
    }
    storeInitDir();
    return written;
}

bool DocumentController::queryExit() {
    return saveBeforeReplacing(kMsgExit, kTitleExit);
}

}  // namespace nuvra::app
