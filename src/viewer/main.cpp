// ospex: the report viewer. The print menu starts it with the settings folder and the
// combined print file; it pages the print file, shows it, prints it and exports it to
// PDF. With --pdf it writes the PDF and ends without a window.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/file_util.h"
#include "common/interrupt_cleanup.h"
#include "render/headless_gui.h"
#include "render/japanese_ui.h"
#include "render/pdf_export.h"
#include "render/report_document.h"
#include "render/report_font.h"
#include "viewer/command_line.h"
#include "viewer/preview_window.h"

namespace {

using nuvra::viewer::ViewerArgs;

// Exit status of --pdf: 0 written, 1 the PDF could not be made or written, 2 the print
// file or the PDF's name cannot be used.
int writePdf(const ViewerArgs& args, int& argc, char** argv) {
    // Before Qt starts any thread: an interrupted export leaves no scratch file.
    nuvra::InterruptCleanup guard;
    guard.AddSweptFolder(nuvra::FolderOf(args.pdfOut));
    if (int err = nuvra::CheckWriteTarget(args.pdfOut, false)) {
        std::fprintf(stderr, "ospex: PDF ファイル %s を書き込めません（%s）\n", args.pdfOut.c_str(),
                     nuvra::SystemReason(err).c_str());
        return 2;
    }
    nuvra::render::HeadlessGui gui(argc, argv);
    nuvra::render::RenderOptions options;
    options.appFolder = QCoreApplication::applicationDirPath().toStdString();
    auto r = nuvra::render::exportPdf(args.printFile, args.pdfOut, options);
    for (const auto& w : r.warnings)
        std::fprintf(stderr, "ospex: %s\n", w.c_str());
    if (!r.ok) {
        std::fprintf(stderr, "ospex: %s\n", r.error.c_str());
        return r.pages == 0 && !r.opened ? 2 : 1;
    }
    std::printf("%s: %d ページ\n", args.pdfOut.c_str(), r.pages);
    return 0;
}

int showWindow(const ViewerArgs& args, int& argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("ospex"));
    nuvra::render::installJapaneseUi(app);
    const QString title = QStringLiteral("印刷プレビュー");
    nuvra::render::ReportFont font;
    std::string error;
    if (!font.load(error)) {
        QMessageBox::critical(nullptr, title, QString::fromStdString(error));
        return 1;
    }
    nuvra::render::RenderOptions options;
    options.appFolder = QCoreApplication::applicationDirPath().toStdString();
    auto doc = std::make_unique<nuvra::render::ReportDocument>();
    if (!doc->open(args.printFile, options, error)) {
        QMessageBox::critical(nullptr, title, QString::fromStdString(error));
        return 1;
    }
    nuvra::viewer::PreviewWindow window(std::move(doc), std::move(font),
                                        QString::fromStdString(args.iniFolder));
    window.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> raw(argv + 1, argv + argc);
    ViewerArgs args = nuvra::viewer::parseViewerArgs(raw);
    if (args.help) {
        std::fputs(nuvra::viewer::viewerUsage(), stdout);
        return 0;
    }
    if (!args.error.empty()) {
        std::fprintf(stderr, "ospex: %s\n%s", args.error.c_str(), nuvra::viewer::viewerUsage());
        return 2;
    }
    return args.pdfOut.empty() ? showWindow(args, argc, argv) : writePdf(args, argc, argv);
}
