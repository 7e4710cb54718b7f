// The combined print file as the viewer shows it: paged, every page read back, and the
// first pages painted with their figures (sample figure files lie beside the print
// file, so "?FG;000;000;shape.lay" finds one). A file that opens must give every page
// it counted.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/print_file.h"
#include "fuzz_util.h"
#include "render/page_painter.h"
#include "render/report_document.h"
#include "render/report_font.h"
#include "render_fuzz_util.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    nuvra::fuzz::EnsureGui();
    nuvra::fuzz::WriteSampleFigures();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        nuvra::fuzz::WriteScratchFile("combined.prn", nuvra::fuzz::AsText(data, size));

    nuvra::render::RenderOptions options;
    options.appFolder = nuvra::fuzz::AppFolder();
    nuvra::render::ReportDocument doc;
    std::string error;
    if (!doc.open(path, options, error)) {
        if (error.empty()) nuvra::fuzz::Fail("a refused print file came without a reason");
        return 0;
    }
    if (doc.pageCount() < 1) nuvra::fuzz::Fail("an opened print file has no page");

    nuvra::render::PagePainter painter(doc, nuvra::fuzz::Font());
    QImage image(210, 297, QImage::Format_RGB32);  // A4 at 1 pixel per millimetre
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        nuvra::render::Page page;
        if (!doc.page(i, page, error)) nuvra::fuzz::Fail("a counted page cannot be read", error);
        if (i < 2) {
            image.fill(Qt::white);
            QPainter p(&image);
            nuvra::render::DeviceMap dev;
            std::vector<std::string> problems;
            painter.paint(p, page, dev, &problems);
        }
    }
    nuvra::render::Page none;
    if (doc.page(pages, none, error)) nuvra::fuzz::Fail("a page after the last one was read");
    return 0;
}
