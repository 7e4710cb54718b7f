// The style files (LINE_PRN.DEF, STR_PRN.DEF): the same bytes read as both tables, then
// a sample figure painted with them. Every row must be usable for drawing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/file_util.h"
#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "formats/style_files.h"
#include "fuzz_util.h"
#include "render_fuzz_util.h"

namespace {

nuvra::render::LoadedFigure& sample() {
    static nuvra::render::LoadedFigure loaded = [] {
        nuvra::render::LoadedFigure l;
        std::string error;
        const std::string folder = nuvra::fuzz::ScratchFolder();
        if (!nuvra::formats::readFigureLayout(folder + "/pressure.lay", l.layout, error))
            nuvra::fuzz::Fail("cannot read the sample layout", error);
        for (const auto& sub : l.layout.figures) {
            l.files.emplace_back();
            l.errors.emplace_back();
            if (!nuvra::formats::readFigureFile(sub.path, l.files.back(), l.errors.back()))
                nuvra::fuzz::Fail("cannot read a sample figure", l.errors.back());
        }
        return l;
    }();
    return loaded;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    nuvra::fuzz::EnsureGui();
    nuvra::fuzz::WriteSampleFigures();
    sample();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes = nuvra::fuzz::AsText(data, size);
    nuvra::formats::StyleTables styles;
    styles.setLineStyles(bytes, "LINE_PRN.DEF");
    styles.setTextStyles(bytes, "STR_PRN.DEF");
    for (int i = 0; i <= styles.lineCount() + 1; ++i) {
        const auto& s = styles.line(i);
        if (!std::isfinite(s.widthMm()) || s.widthMm() < 0 || s.PenStyle < 0 || s.PenStyle > 5)
            nuvra::fuzz::Fail("a line style cannot be drawn", std::to_string(i));
    }
    for (int i = 0; i <= styles.textCount() + 1; ++i) {
        const auto& s = styles.text(i);
        if (!std::isfinite(s.heightMm()) || s.heightMm() <= 0)
            nuvra::fuzz::Fail("a text style cannot be drawn", std::to_string(i));
    }
    nuvra::fuzz::PaintFigure(sample(), styles);
    return 0;
}
