#include "app/print_menu/print_menu_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "app/app_context.h"
#include "app/message_service.h"
#include "app/window_placement.h"
#include "report/report_generation.h"

namespace nuvra::app {
namespace {

const char* const kSection = "MenuPrint";

QByteArray itemKey(int index) {
    return QByteArray::number(index);
}

// The wait cursor for as long as the generation runs.
class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

QStringList viewerArguments(const QString& userSettingsFolder, const QString& printFile) {
    // Started without a shell, so a folder with blanks needs no quotes.
    return {QStringLiteral("/INI=") + userSettingsFolder, printFile};
}

frmMenuPrint::frmMenuPrint(AppContext& context, const DesignData& design,
                           const calc::ResultStore& results, QWidget* parent)
    : QDialog(parent), context_(context), design_(design), results_(results) {
    setObjectName(QStringLiteral("frmMenuPrint"));
    setWindowTitle(QStringLiteral("検討結果の印刷"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    report::GenerationOptions options;
    options.AppFolder = context_.paths.applicationFolder;
    options.SettingsIniPath = context_.paths.SettingsIniPath;
    generation_ = std::make_unique<report::ReportGeneration>(options);
    viewerProgram_ =
        QString::fromStdString(context_.paths.applicationFolder) + QStringLiteral("/ospex");
    build();
}

frmMenuPrint::~frmMenuPrint() = default;

void frmMenuPrint::build() {
    auto* outer = new QHBoxLayout(this);
    frame_ = new QGroupBox(QStringLiteral("印刷項目指定"), this);
    frame_->setObjectName(QStringLiteral("fraPrintItem"));
    auto* items = new QVBoxLayout(frame_);
    for (int i = 0; i < kItems; ++i) {
        auto* box = new QCheckBox(QString::fromStdString(generation_->Row(i).Caption), frame_);
        box->setObjectName(QStringLiteral("chkPrintItem") + QString::number(i));
        items->addWidget(box);
        chkPrintItem_[static_cast<std::size_t>(i)] = box;
    }
    outer->addWidget(frame_);

    auto* buttons = new QVBoxLayout;
    const QString checkCaptions[3] = {QStringLiteral("全項目選択"),
                                      QStringLiteral("全項目選択解除"),
                                      QStringLiteral("全項目選択反転")};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(checkCaptions[i], this);
        b->setObjectName(QStringLiteral("cmdCheck") + QString::number(i));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { applyCheck(i); });
        buttons->addWidget(b);
        cmdCheck_[static_cast<std::size_t>(i)] = b;
    }
    buttons->addStretch();
    cmdPreview_ = new QPushButton(QStringLiteral("印刷(&P)"), this);
    cmdPreview_->setObjectName(QStringLiteral("cmdPreview"));
    cmdPreview_->setDefault(true);
    cmdClose_ = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAutoDefault(false);
    cmdHelp_ = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this);
    cmdHelp_->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp_->setAutoDefault(false);
    cmdHelp_->setEnabled(false);  // no help file
    buttons->addWidget(cmdPreview_);
    buttons->addWidget(cmdClose_);
    buttons->addWidget(cmdHelp_);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdPreview_, &QPushButton::clicked, this, &frmMenuPrint::printChosen);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMenuPrint::prepare() {
    adjustSize();
    restoreWindowPosition(*this, context_.settings, QString::fromLatin1(kSection),
                          PlacementRule::Dialog);
    for (int i = 0; i < kItems; ++i) {
        bool on = context_.settings.readLong(kSection, itemKey(i).constData()) != 0;
        if (i == kSummaryItem &&
            context_.settings.readString(kSection, itemKey(i).constData()).isEmpty())
            on = true;
        chkPrintItem(i)->setChecked(on);
    }
    generate();
    for (int i = 0; i < kItems; ++i) {
        if (generation_->ChapterEnabled(i)) continue;
        chkPrintItem(i)->setChecked(false);
        chkPrintItem(i)->setEnabled(false);
    }
}

int frmMenuPrint::showModal() {
    prepare();
    return exec();
}

void frmMenuPrint::generate() {
    report::GenerationResult result;
    {
        BusyCursor busy;
        result = generation_->Generate(design_, results_);
    }
    // A failed chapter keeps what it wrote; the others can still be printed.
    if (!result.Message.empty())
        context_.messages.critical(this, QString::fromStdString(result.Message), kProductName);
}

void frmMenuPrint::applyCheck(int index) {
    for (QCheckBox* box : chkPrintItem_) {
        switch (index) {
            case 0:
                if (box->isEnabled()) box->setChecked(true);
                break;
            case 1:
                box->setChecked(false);
                break;
            case 2:
                box->setChecked(!box->isChecked() && box->isEnabled());
                break;
            default:
                return;
        }
    }
}

void frmMenuPrint::printChosen() {
    std::vector<int> chosen;
    for (int i = 0; i < kItems; ++i)
        if (chkPrintItem(i)->isChecked()) chosen.push_back(i);
    if (chosen.empty()) {
        context_.messages.beep();
        context_.messages.information(this, QStringLiteral("印刷項目はひとつ以上選択して下さい。"),
                                      windowTitle());
        return;
    }
    // A combined file that cannot be written whole is not shown at all: the user is told why.
    const std::string combined = generation_->Combine(chosen);
    if (combined.empty()) {
        const std::string& why = generation_->CombineError();
        context_.messages.critical(
            this,
            QStringLiteral("印刷ファイルを作成できません。") +
                (why.empty() ? QString() : QStringLiteral("\n") + QString::fromStdString(why)),
            windowTitle());
        return;
    }
    // Not waited for: the menu stays usable, and each press starts a further viewer.
    QProcess::startDetached(
        viewerProgram_, viewerArguments(QString::fromStdString(context_.paths.UserSettingsFolder),
                                        QString::fromStdString(combined)));
}

void frmMenuPrint::done(int result) {
    for (int i = 0; i < kItems; ++i)
        context_.settings.writeString(
            kSection, itemKey(i).constData(),
            chkPrintItem(i)->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    storeWindowPosition(*this, context_.settings, QString::fromLatin1(kSection));
    generation_->DeleteFiles();
    QDialog::done(result);
}

}  // namespace nuvra::app
