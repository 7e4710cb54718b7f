#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/about_box.h"
#include "app/app_context.h"
#include "app/calculation_failure.h"
#include "app/document_controller.h"
#include "app/input_dialog.h"
#include "app/message_service.h"
#include "app/recent_files.h"
#include "app/system_dialogs.h"
#include "app/toolbar_icons.h"
#include "app/window_placement.h"
#include "common/number_format.h"

namespace nuvra::app {
namespace {

struct CommandButton {
    const char* tag;
    const char* caption;
};

// Two leading full-width blanks on the print command, as the panel has always shown it.
constexpr CommandButton kCommands[MainWindow::CommandCount] = {
    {"InpJyoken", "設計条件の入力"},     {"InpMorido", "盛土形状の入力"},
    {"InpKiso", "基礎地盤条件の入力"},   {"InpKaburi", "鉄筋かぶりの入力"},
    {"InpZairyo", "材料条件の入力"},     {"InpKekka", "結果確認および配筋条件の変更"},
    {"MenuPrint", "　　計算結果の印刷"}, {"InpRenban", "連番条件設定"},
};

struct ToolbarKey {
    const char* key;
    const char* tooltip;
};

constexpr ToolbarKey kToolbarKeys[] = {
    {"New", "新規作成"},
    {"Open", "ﾌｧｲﾙを開く..."},
    {"SaveAs", "ﾌｧｲﾙに名前を付けて保存..."},
    {"Save", "ﾌｧｲﾙの上書き保存"},
    {"Printer", "ﾍﾟｰｼﾞの設定"},
};

// The record whose confirmation flag a dialog's OK sets; null for the numbering dialog,
// which writes only settings.
bool* confirmationFlag(DesignData& d, const QString& tag) {
    if (tag == QLatin1String("InpJyoken")) return &d.objInpJyoken.InpFlg;
    if (tag == QLatin1String("InpMorido")) return &d.objInpMorido.InpFlg;
    if (tag == QLatin1String("InpKiso")) return &d.objInpKiso.InpFlg;
    if (tag == QLatin1String("InpKaburi")) return &d.objInpKaburi.InpFlg;
    if (tag == QLatin1String("InpZairyo")) return &d.objInpZairyo.InpFlg;
    if (tag == QLatin1String("InpHaikin")) return &d.objInpHaikin.InpFlg;
    return nullptr;
}

void setCaptionColour(QPushButton* button, const QColor& colour) {
    QPalette p = button->palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, colour);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    button->setPalette(p);
}

}  // namespace

QString commandTag(int index) {
    return QString::fromUtf8(kCommands[index].tag);
}

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName(QStringLiteral("frmMenuMain"));
    setWindowTitle(kProductName);

    recent_ = new RecentFiles(context_.settings, this);
    document_ = new DocumentController(context_, *recent_, this);
    connect(document_, &DocumentController::captionChanged, this, &QWidget::setWindowTitle);
    connect(document_, &DocumentController::designReplaced, this, &MainWindow::RefreshMenuButtons);
    connect(recent_, &RecentFiles::openRequested, document_, &DocumentController::openRecent);

    registerInputDialogs(dialogs_, calculation_.results());
    calculation_.openResultsDialog = [this](QWidget*) {
        launchInputDialog(QStringLiteral("InpHaikin"));
    };
    installPrintMenu(calculation_, context_, document_->design());

    buildPanel();
    buildMenu();
    buildToolbar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    restoreWindowPosition(*this, context_.settings, QStringLiteral("MenuMain"),
                          PlacementRule::MainWindow);
    RefreshMenuButtons();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanel() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    frame_ = new QGroupBox(QStringLiteral("ﾒｲﾝﾒﾆｭｰ"), central);
    frame_->setObjectName(QStringLiteral("fraMenu"));
    auto* buttons = new QVBoxLayout(frame_);
    buttons->setSpacing(6);
    for (int i = 0; i < CommandCount; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(kCommands[i].caption), frame_);
        b->setObjectName(QStringLiteral("cmdMenu%1").arg(i));
        b->setProperty("tag", commandTag(i));
        b->setMinimumSize(300, 34);
        connect(b, &QPushButton::clicked, this, [this, i] { runMenuCommand(i); });
        buttons->addWidget(b);
        cmdMenu_[static_cast<std::size_t>(i)] = b;
    }
    outer->addWidget(frame_);
    cmdExit_ = new QPushButton(QStringLiteral("  ﾌﾟﾛｸﾞﾗﾑ終了"), central);
    cmdExit_->setObjectName(QStringLiteral("cmdExit"));
    cmdExit_->setMinimumHeight(34);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
    outer->addWidget(cmdExit_);
    setCentralWidget(central);
}

void MainWindow::buildMenu() {
    mnuFile_ = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    auto add = [this](const char* name, const QString& caption, auto slot) {
        QAction* a = mnuFile_->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add("mnuFileNew", QStringLiteral("新規作成(&N)"), [this] { document_->newDesign(); });
    add("mnuFileOpen", QStringLiteral("ﾌｧｲﾙを開く(&O)..."), [this] { document_->open(); });
    add("mnuFileSaveAs", QStringLiteral("ﾌｧｲﾙに名前を付けて保存(&A)..."),
        [this] { document_->saveAs(); });
    add("mnuFileSave", QStringLiteral("ﾌｧｲﾙの上書き保存(&S)..."), [this] { document_->save(); });
    mnuFile_->addSeparator()->setObjectName(QStringLiteral("mnuFileBar2"));
    recent_->addMenuItems(*mnuFile_);
    mnuFile_->addSeparator()->setObjectName(QStringLiteral("mnuFileBar3"));
    add("mnuFileExit", QStringLiteral("ﾌﾟﾛｸﾞﾗﾑ終了(&X)"), [this] { close(); });

    QAction* about = menuBar()->addAction(QStringLiteral("&?"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("tbrMenu"));
    toolbar_->setObjectName(QStringLiteral("tbrMenu"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(22, 22));
    toolbar_->toggleViewAction()->setEnabled(false);
    for (const ToolbarKey& k : kToolbarKeys) {
        const QString key = QString::fromLatin1(k.key);
        QAction* a = toolbar_->addAction(toolbarIcon(key), QString::fromUtf8(k.tooltip));
        a->setObjectName(key);
        a->setToolTip(QString::fromUtf8(k.tooltip));
        connect(a, &QAction::triggered, this, [this, key] {
            if (key == QLatin1String("New"))
                document_->newDesign();
            else if (key == QLatin1String("Open"))
                document_->open();
            else if (key == QLatin1String("SaveAs"))
                document_->saveAs();
            else if (key == QLatin1String("Save"))
                document_->save();
            else if (key == QLatin1String("Printer"))
                pageSetup();
        });
    }
}

void MainWindow::RefreshMenuButtons() {
    const DesignData& d = document_->design();
    const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
    const QColor normal = palette().color(QPalette::Active, QPalette::ButtonText);
    const bool flags[5] = {d.objInpJyoken.InpFlg, d.objInpMorido.InpFlg, d.objInpKiso.InpFlg,
                           d.objInpKaburi.InpFlg, d.objInpZairyo.InpFlg};
    bool all = true;
    for (int i = 0; i < 5; ++i) {
        setCaptionColour(cmdMenu(i), flags[i] ? highlight : normal);
        all = all && flags[i];
    }
    const bool bars = d.objInpHaikin.InpFlg;
    cmdMenu(InpKekka)->setEnabled(all);
    if (all) setCaptionColour(cmdMenu(InpKekka), bars ? highlight : normal);
    cmdMenu(MenuPrint)->setEnabled(all && bars);
    cmdMenu(InpRenban)->setEnabled(true);
}

void MainWindow::runMenuCommand(int index) {
    const QString tag = commandTag(index);
    setEnabled(false);
    QString failure;  // what a failed calculation run prevented
    if (index == InpKekka) {
        if (!calculation_.showResults(document_->design(), this))
            failure = QStringLiteral("結果を表示できません");
    } else if (index == MenuPrint) {
        if (!calculation_.showPrintMenu(document_->design(), this))
            failure = QStringLiteral("計算書を作成できません");
    } else {
        launchInputDialog(tag);
    }
    setEnabled(true);
    if (!failure.isEmpty())
        context_.messages.critical(this, calculationFailureMessage(calculation_.results(), failure),
                                   kProductName);
    RefreshMenuButtons();
}

void MainWindow::launchInputDialog(const QString& tag) {
    std::unique_ptr<InputDialog> dialog = dialogs_.create(tag, context_, document_->design(), this);
    if (!dialog) return;
    dialog->setCaption(QString());
    dialog->setHelpFile(QString());
    dialog->setHelpContext(0);
    if (bool* flag = confirmationFlag(document_->design(), tag)) {
        connect(dialog.get(), &InputDialog::dataSaved, this, [this, flag] {
            *flag = true;
            document_->setModified(true);
        });
    }
    dialog->showModal();
}

void MainWindow::pageSetup() {
    const std::int32_t top = context_.settings.readLong("Printer", "MarginTop(mm)");
    const std::int32_t left = context_.settings.readLong("Printer", "MarginLeft(mm)");
    setEnabled(false);
    CPageSetupDialog dialog;
    dialog.hWndParent = this;
    dialog.messages = &context_.messages;
    dialog.Flags = PageSetupFlags::MarginsInHundredthsMm;
    dialog.MarginTop = top * 100;
    dialog.MarginLeft = left * 100;
    dialog.MarginBottom = 0;
    dialog.MarginRight = 0;
    if (context_.dialogs.showPageSetup(dialog)) {
        context_.settings.writeString(
            "Printer", "MarginTop(mm)",
            QString::fromStdString(formatPicture(dialog.MarginTop / 100.0, "##0")));
        context_.settings.writeString(
            "Printer", "MarginLeft(mm)",
            QString::fromStdString(formatPicture(dialog.MarginLeft / 100.0, "##0")));
    }
    setEnabled(true);
    raise();
    activateWindow();
}

void MainWindow::showAbout() {
    showAboutBox(context_.messages, this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!document_->queryExit()) {
        event->ignore();
        return;
    }
    storeWindowPosition(*this, context_.settings, QStringLiteral("MenuMain"));
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) RefreshMenuButtons();
    QMainWindow::changeEvent(event);
}

}  // namespace nuvra::app
