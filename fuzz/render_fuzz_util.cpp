#include "render_fuzz_util.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <memory>

#include "common/cp932.h"
#include "common/file_util.h"
#include "fuzz_util.h"
#include "render/figure_painter.h"
#include "render/headless_gui.h"
#include "render/report_font.h"

namespace nuvra::fuzz {
namespace {

// The application object and the font live until the process ends and are never
// destroyed: Qt cannot be torn down from the exit handlers libFuzzer returns through.
render::HeadlessGui* gui = nullptr;
render::ReportFont* reportFont = nullptr;

}  // namespace

void EnsureGui() {
    if (gui) return;
    static int argc = 1;
    static char name[] = "nuvra-fuzz";
    static char* argv[] = {name, nullptr};
    gui = new render::HeadlessGui(argc, argv);
    reportFont = new render::ReportFont;
    std::string error;
    if (!reportFont->load(error)) Fail("the report font is missing", error);
}

render::ReportFont& Font() {
    EnsureGui();
    return *reportFont;
}

void WriteSampleFigures() {
    static bool done = false;
    if (done) return;
    done = true;
    for (const char* name : {"shape.lay", "shape.fig", "pressure.lay", "elev.fig", "diagram.fig"}) {
        std::string utf8;
        if (readWholeFile(std::string(NUVRA_SOURCE_DIR) + "/tests/render/data/" + name, utf8) != 0)
            Fail("cannot read a sample figure", name);
        std::string crlf;
        for (char c : utf8) {
            if (c == '\r') continue;
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        auto bytes = toCp932(crlf);
        if (!bytes) Fail("a sample figure is not CP932", name);
        WriteScratchFile(name, *bytes);
    }
}

const formats::StyleTables& AppStyles() {
    static const formats::StyleTables styles = [] {
        formats::StyleTables s;
        s.load(AppFolder());
        return s;
    }();
    return styles;
}

void PaintFigure(const render::LoadedFigure& figure, const formats::StyleTables& styles) {
    EnsureGui();
    // The area as the page gives it: at most 180 x 266 mm, scaled down to fit.
    render::PlacedFigure placed;
    placed.loaded = std::make_shared<render::LoadedFigure>(figure);
    render::FigureBox& box = placed.box;
    box.width = figure.layout.width;
    box.height = figure.layout.height;
    if (box.width > 180.0) box.scale = 180.0 / box.width;
    if (box.height * box.scale > 266.0) box.scale = 266.0 / box.height;
    box.width *= box.scale;
    box.height *= box.scale;
    box.x = 15.0;
    box.y = 15.0;
    QImage image(210, 297, QImage::Format_RGB32);  // A4 at 1 pixel per millimetre
    image.fill(Qt::white);
    QPainter p(&image);
    render::FigurePainter painter(styles, Font());
    render::DeviceMap dev;
    dev.unitsPerMm = 1.0;
    std::vector<std::string> problems;
    painter.paint(p, placed, dev, &problems);
    p.end();
}

}  // namespace nuvra::fuzz
