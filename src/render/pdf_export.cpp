#include "render/pdf_export.h"

#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "common/file_util.h"
#include "render/page_painter.h"
#include "render/pdf_outline.h"
#include "render/report_font.h"

namespace nuvra::render {
namespace {

constexpr int kPdfDpi = 1200;

// Paints pages first..last on a device that has been set up for A4 (or any paper).
ExportResult paintPages(const ReportDocument& doc, QPagedPaintDevice& device, QPainter& p,
                        double unitsPerMm, QPointF origin, int first, int last,
                        const ProgressFn& progress) {
    ExportResult r;
    ReportFont font;
    if (!font.load(r.error)) return r;
    PagePainter painter(doc, font);
    DeviceMap dev{unitsPerMm, origin};
    for (int i = first; i <= last; ++i) {
        if (i > first && !device.newPage()) {
            r.error = "ページを追加できません";
            return r;
        }
        if (!painter.paintPage(p, i, dev, r.error, &r.warnings)) return r;
        ++r.pages;
        if (progress && !progress(i - first + 1, last - first + 1)) {
            r.error = "中止しました";
            return r;
        }
    }
    r.ok = true;
    return r;
}

}  // namespace

ExportResult writePdf(const ReportDocument& doc, const std::string& pdfPath,
                      const ProgressFn& progress) {
    ExportResult r;
    if (pdfPath.empty()) {
        r.error = "PDF ファイルの名前が空です";
        return r;
    }
    // Written beside the target under a scratch name (which takes the umask) and put in
    // place only when complete; a file the user may not write is not replaced.
    if (int err = CheckWriteTarget(pdfPath, false)) {
        r.error = "PDF ファイル " + pdfPath + " を作成できません（" + SystemReason(err) + "）";
        return r;
    }
    std::string scratch;
    int fd = CreateScratchFile(FolderOf(pdfPath), "pdf.", scratch);
    if (fd < 0) {
        r.error = "PDF ファイル " + pdfPath + " を作成できません（" + SystemReason(errno) + "）";
        return r;
    }
    QFile tmp;
    if (!tmp.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(scratch.c_str());
        r.error = "PDF ファイル " + pdfPath + " を作成できません";
        return r;
    }
    {
        QPdfWriter writer(&tmp);
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(doc.title().empty()
                            ? QFileInfo(QString::fromStdString(doc.path())).fileName()
                            : QString::fromStdString(doc.title()));
        writer.setCreator(QStringLiteral("Nuvra ospex"));
        QPainter p;
        if (!p.begin(&writer)) {
            r.error = "PDF を書き始められません";
        } else {
            r = paintPages(doc, writer, p, kPdfDpi / 25.4, QPointF(0, 0), 0, doc.pageCount() - 1,
                           progress);
            p.end();
        }
    }
    // A write that failed on the way (a full disk) shows as an error of the file.
    if (r.ok && (!tmp.flush() || tmp.error() != QFileDevice::NoError)) {
        r.ok = false;
        r.error = "PDF ファイル " + pdfPath + " を書き込めません（" +
                  tmp.errorString().toStdString() + "）";
    }
    if (r.ok && ::fsync(tmp.handle()) != 0) {
        r.ok = false;
        r.error = "PDF ファイル " + pdfPath + " を書き込めません（" + SystemReason(errno) + "）";
    }
    tmp.close();
    if (!r.ok) {
        ::unlink(scratch.c_str());
        return r;
    }
    // The outline and the title are added to the finished file before it takes its name.
    if (!addDocumentOutline(doc, scratch, r.error)) {
        r.ok = false;
        ::unlink(scratch.c_str());
        return r;
    }
    if (int err = InstallFile(scratch, pdfPath, false)) {
        r.ok = false;
        r.error = "PDF ファイル " + pdfPath + " を保存できません（" + SystemReason(err) + "）";
    }
    return r;
}

ExportResult exportPdf(const std::string& printFile, const std::string& pdfPath,
                       const RenderOptions& options, const ProgressFn& progress) {
    ReportDocument doc;
    ExportResult r;
    if (!doc.open(printFile, options, r.error)) return r;
    r.opened = true;
    r = writePdf(doc, pdfPath, progress);
    r.opened = true;
    // The document's own findings come first; the painter repeats figure problems.
    std::vector<std::string> all = doc.warnings();
    for (auto& w : r.warnings)
        if (std::find(all.begin(), all.end(), w) == all.end()) all.push_back(std::move(w));
    r.warnings = std::move(all);
    return r;
}

ExportResult printPages(const ReportDocument& doc, QPrinter& printer, int first, int last,
                        const ProgressFn& progress) {
    ExportResult r;
    first = std::max(0, first);
    last = std::min(doc.pageCount() - 1, last);
    if (first > last) {
        r.error = "印刷するページがありません";
        return r;
    }
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer)) {
        r.error = "プリンターを使えません";
        return r;
    }
    // Fit the A4 page on the paper, centred.
    QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    double u = std::min(paper.width() / PageGeometry::kPaperWidthMm,
                        paper.height() / PageGeometry::kPaperHeightMm);
    QPointF origin((paper.width() - u * PageGeometry::kPaperWidthMm) / 2.0,
                   (paper.height() - u * PageGeometry::kPaperHeightMm) / 2.0);
    r = paintPages(doc, printer, p, u, origin, first, last, progress);
    p.end();
    return r;
}

}  // namespace nuvra::render
