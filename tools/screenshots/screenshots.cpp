// nuvra-screenshots OUTDIR: writes PNGs of the main window, of every input dialog, and of
// the results dialog and the print menu on the example design, for the documentation.
// Runs on the offscreen platform with a settings file of its own, so that nothing of the
// installation is touched; message boxes and system dialogs are answered with Cancel.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include "app/about_box.h"
#include "app/app_context.h"
#include "app/document_controller.h"
#include "app/input_dialog.h"
#include "app/main_window.h"
#include "app/message_service.h"
#include "app/print_menu/print_menu_dialog.h"
#include "app/results/results_grid.h"
#include "app/system_dialogs.h"
#include "design/input_file.h"
#include "render/japanese_ui.h"

namespace {

using namespace nuvra::app;

class SilentMessages : public MessageService {
  public:
    MsgResult showMessage(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons) override {
        return MsgResult::Cancel;
    }
    void showAbout(QWidget*, const QString&, const QString&) override {}
    void beep() override {}
};

class CancelledDialogs : public SystemDialogs {
  public:
    bool showFileDialog(CFileDialog&, bool) override { return false; }
    bool showPageSetup(CPageSetupDialog&) override { return false; }
};

// The window with a plain title strip, as a window manager would frame it.
QPixmap framed(QWidget& window) {
    const QPixmap body = window.grab();
    const int strip = 28;
    QPixmap out(body.width() + 2, body.height() + strip + 1);
    out.fill(QColor(0x70, 0x80, 0x90));
    QPainter p(&out);
    p.setPen(Qt::white);
    QFont f = window.font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(10, 0, out.width() - 20, strip), Qt::AlignVCenter | Qt::AlignLeft,
               window.windowTitle());
    p.drawPixmap(1, strip, body);
    return out;
}

bool save(const QPixmap& pm, const QString& dir, const char* name) {
    const QString path = dir + QLatin1Char('/') + QLatin1String(name);
    if (!pm.save(path)) {
        std::fprintf(stderr, "nuvra-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Opens the tag's dialog by the main window's registry, lets `prepare` set it up as a
// user would, and writes its picture.
bool shootDialog(MainWindow& window, AppContext& context, const QString& tag, const QString& dir,
                 const char* name, const std::function<void(QWidget*)>& prepare = {}) {
    std::unique_ptr<InputDialog> dialog =
        window.inputDialogs().create(tag, context, window.document().design(), &window);
    if (!dialog) {
        std::fprintf(stderr, "nuvra-screenshots: no dialog for %s\n", qPrintable(tag));
        return false;
    }
    bool ok = false;
    QTimer::singleShot(0, [&] {
        if (prepare) prepare(dialog.get());
        QApplication::processEvents();
        ok = save(framed(*dialog), dir, name);
        dialog->reject();
    });
    dialog->showModal();
    return ok;
}

void clickOption(QWidget* dialog, const char* name) {
    if (auto* b = dialog->findChild<QRadioButton*>(QString::fromUtf8(name))) b->click();
}

// The template and style files that the build installs beside the programs (bin/, next
// to this tool's tools/), copied into the throw-away application folder.
bool installDataFiles(const QString& appFolder) {
    const QString bin = QApplication::applicationDirPath() + QStringLiteral("/../bin/");
    bool ok = true;
    for (const char* name : {"Nuvra.FMT", "LINE_PRN.DEF", "STR_PRN.DEF"})
        ok = QFile::copy(bin + QLatin1String(name),
                         appFolder + QLatin1Char('/') + QLatin1String(name)) &&
             ok;
    if (!ok)
        std::fprintf(stderr, "nuvra-screenshots: data files not found in %s\n", qPrintable(bin));
    return ok;
}

// The print menu as it opens on the window's last calculation, with the chosen boxes.
bool shootPrintMenu(MainWindow& window, AppContext& context, const QString& dir, const char* name,
                    const QString& chosen) {
    frmMenuPrint menu(context, window.document().design(), window.calculation().results(), &window);
    bool ok = false;
    QTimer::singleShot(0, [&] {
        for (int i = 0; i < frmMenuPrint::kItems; ++i)
            menu.chkPrintItem(i)->setChecked(chosen[i] == QLatin1Char('1') &&
                                             menu.chkPrintItem(i)->isEnabled());
        QApplication::processEvents();
        ok = save(framed(menu), dir, name);
        menu.reject();
    });
    menu.showModal();
    return ok;
}

// A system dialog as it opens: `show` runs it, the shot is taken once it is up.
bool shootModal(const QString& dir, const char* name, const std::function<void()>& show) {
    bool ok = false;
    QTimer::singleShot(300, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            ok = save(framed(*w), dir, name);
            w->close();
        }
    });
    show();
    return ok;
}

// The Qt dialogs and menus the program uses, which speak Japanese whatever the locale.
bool shootQtDialogs(const QString& outDir, const QString& appFolder) {
    bool ok = true;
    const QString designs = appFolder + QStringLiteral("/設計データ");
    QDir().mkpath(designs + QStringLiteral("/北側幹線"));
    for (const char* name : {"北側幹線水路.nvr", "排水路No.3.nvr", "用水路 B1.5×H1.2.nvr"}) {
        QFile out(designs + QLatin1Char('/') + QString::fromUtf8(name));
        if (out.open(QIODevice::WriteOnly)) out.write(QByteArray(2400, ' '));
    }
    ok = shootModal(outDir, "file-dialog.png",
                    [&designs] {
                        CFileDialog d;
                        d.DialogTitle = QStringLiteral("ﾌｧｲﾙを開く...");
                        d.Filter = QStringLiteral("入力ﾃﾞｰﾀ(*.nvr)|*.nvr");
                        d.FilterIndex = 1;
                        d.InitialDir = designs;
                        d.Flags = FileDialogFlags::Open;
                        d.Show(true);
                    }) &&
         ok;
    ok = shootModal(outDir, "page-setup.png",
                    [] {
                        CPageSetupDialog d;
                        d.Flags = PageSetupFlags::MarginsInHundredthsMm;
                        d.MarginTop = 1500;
                        d.MarginLeft = 2000;
                        d.Show();
                    }) &&
         ok;
    // The edit menu of every field, over the field it belongs to.
    QWidget form;
    form.setWindowTitle(QStringLiteral("設計条件の入力"));
    auto* edit = new QLineEdit(QStringLiteral("北側幹線水路 U型水路"), &form);
    edit->setGeometry(10, 10, 300, 26);
    form.resize(320, 300);
    form.show();
    edit->selectAll();
    QMenu* menu = edit->createStandardContextMenu();
    menu->popup(edit->mapToGlobal(QPoint(40, 20)));
    QApplication::processEvents();
    QPixmap shot = form.grab();
    {
        QPainter p(&shot);
        p.drawPixmap(form.mapFromGlobal(menu->pos()), menu->grab());
    }
    menu->hide();
    delete menu;
    ok = save(shot, outDir, "context-menu.png") && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    nuvra::render::installJapaneseUi(application);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nuvra-screenshots OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    QTemporaryDir appFolder;
    if (!appFolder.isValid()) return 1;

    SilentMessages messages;
    CancelledDialogs dialogs;
    AppContext context(prepareAppPaths(appFolder.path(), appFolder.path() + "/user"), messages,
                       dialogs);
    // Two designs used before, for the File menu.
    context.settings.writeString("FileName", "FileName1",
                                 QStringLiteral("/home/sekkei/水路/北側幹線水路.nvr"));
    context.settings.writeString("FileName", "FileName2",
                                 QStringLiteral("/home/sekkei/水路/排水路No.3.nvr"));

    bool ok = true;
    {
        MainWindow window(context);
        window.show();
        QApplication::processEvents();
        ok = save(framed(window), outDir, "main-window.png") && ok;

        QMenu* menu = window.mnuFile();
        const QRect item = window.menuBar()->actionGeometry(menu->menuAction());
        menu->popup(window.menuBar()->mapToGlobal(item.bottomLeft()));
        QApplication::processEvents();
        QPixmap withMenu = window.grab();
        {
            QPainter p(&withMenu);
            p.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
        }
        menu->hide();
        ok = save(withMenu, outDir, "main-window-file-menu.png") && ok;

        nuvra::DesignData& d = window.document().design();
        d.objInpJyoken.InpFlg = d.objInpMorido.InpFlg = d.objInpKiso.InpFlg = true;
        window.RefreshMenuButtons();
        QApplication::processEvents();
        ok = save(framed(window), outDir, "main-window-confirmed.png") && ok;

        // The input dialogs, with a design as an engineer would have entered it.
        d.objInpJyoken.Title = "北側幹線水路 U型水路 B2.0×H2.0";
        d.objInpJyoken.HW = 1.2;
        d.objInpJyoken.HWi = 1.8;
        d.objInpMorido.Morido = 1;
        d.objInpMorido.x = 0.5;
        d.objInpMorido.Q = 10;
        d.objInpMorido.X1 = 1.0;
        d.objInpMorido.X2 = 3.0;
        d.objInpMorido.Ho = 1.5;
        context.settings.writeString("Chapter", "Method", "3");
        context.settings.writeString("Chapter", "Init", "1");
        const char* styles[4] = {"1", "1", "2", "8"};
        const char* margins[4] = {"0", "2", "4", "6"};
        for (int i = 0; i < 4; ++i) {
            const QByteArray n = QByteArray::number(i + 1);
            context.settings.writeString("Chapter", ("Style" + n).constData(), styles[i]);
            context.settings.writeString("Chapter", ("Margin" + n).constData(), margins[i]);
        }
        struct Shot {
            const char* tag;
            const char* file;
            std::function<void(QWidget*)> prepare;
        };
        const Shot shots[] = {
            {"InpJyoken", "dialog-jyoken.png", {}},
            {"InpMorido", "dialog-morido-horizontal.png", {}},
            {"InpMorido", "dialog-morido-embankment.png",
             [](QWidget* w) { clickOption(w, "optMorido2"); }},
            {"InpKiso", "dialog-kiso-direct.png", {}},
            {"InpKiso", "dialog-kiso-formula.png", [](QWidget* w) { clickOption(w, "optSiji1"); }},
            {"InpKaburi", "dialog-kaburi.png", {}},
            {"InpZairyo", "dialog-zairyo.png", {}},
            {"InpRenban", "dialog-renban-method.png", {}},
            {"InpRenban", "dialog-renban-styles.png",
             [](QWidget* w) { w->findChild<QTabBar*>("TabStrip1")->setCurrentIndex(1); }},
            {"InpRenban", "dialog-renban-margins.png",
             [](QWidget* w) { w->findChild<QTabBar*>("TabStrip1")->setCurrentIndex(2); }},
        };
        for (const Shot& shot : shots)
            ok = shootDialog(window, context, QString::fromUtf8(shot.tag), outDir, shot.file,
                             shot.prepare) &&
                 ok;

        // The results dialog and the print menu on the example design.
        ok = installDataFiles(appFolder.path()) && ok;
        if (!nuvra::LoadInputFile(d, NUVRA_EXAMPLES_DIR "/sample.nvr").ok) {
            std::fprintf(stderr, "nuvra-screenshots: cannot read the example design\n");
            ok = false;
        } else if (!window.calculation().runCalculation(d)) {
            std::fprintf(stderr, "nuvra-screenshots: the example design does not calculate\n");
            ok = false;
        } else {
            const QString tag = QStringLiteral("InpHaikin");
            ok = shootDialog(window, context, tag, outDir, "dialog-haikin.png") && ok;
            // A slab spacing changed, and a wall diameter that no bar has.
            ok = shootDialog(window, context, tag, outDir, "dialog-haikin-changed.png",
                             [](QWidget* w) {
                                 auto* grid = w->findChild<ResultsGrid*>("vaSpread1");
                                 grid->cell(3, ResultsGrid::Ctc)->setText(QStringLiteral("150"));
                                 grid->cell(2, ResultsGrid::Dia)->setText(QStringLiteral("20"));
                                 grid->setCurrentValueCell(2, ResultsGrid::Dia);
                             }) &&
                 ok;
            ok = window.calculation().runCalculation(d) && ok;
            ok = shootPrintMenu(window, context, outDir, "print-menu.png",
                                QStringLiteral("10001000")) &&
                 ok;
            // A channel without footings or uplift: those two chapters cannot be chosen.
            d = nuvra::DesignData{};
            ok = window.calculation().runCalculation(d) && ok;
            ok = shootPrintMenu(window, context, outDir, "print-menu-no-footings.png",
                                QStringLiteral("11111111")) &&
                 ok;
        }
        window.hide();
    }
    ok = shootQtDialogs(outDir, appFolder.path()) && ok;
    {
        QtMessageService real;
        ok = shootModal(outDir, "about-box.png", [&real] { showAboutBox(real, nullptr); }) && ok;
    }
    {
        // The exit question as the real message box shows it.
        QtMessageService real;
        QTimer::singleShot(100, [&ok, &outDir] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ok = save(framed(*box), outDir, "exit-question.png") && ok;
                box->close();
            }
        });
        real.question(
            nullptr,
            QStringLiteral("現在編集中の入力ﾃﾞｰﾀがあります。上書き保存してから終了しますか？"
                           "\n\n編集中のﾌｧｲﾙ名：/home/sekkei/水路/北側幹線水路.nvr"),
            QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ終了"), MsgButtons::YesNoCancel);
    }
    {
        // The range message of a numeric field, as the real message box shows it.
        QtMessageService real;
        QTimer::singleShot(100, [&ok, &outDir] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ok = save(framed(*box), outDir, "range-message.png") && ok;
                box->close();
            }
        });
        real.information(nullptr, QStringLiteral("入力範囲：1.1 ～ 1.2"),
                         QStringLiteral("浮上に対する許容安全率Fa"));
    }
    return ok ? 0 : 1;
}
