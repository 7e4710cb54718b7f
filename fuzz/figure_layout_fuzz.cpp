// Figure layout files: parsed against a folder that holds sample figure files; a valid
// layout has its figure files read and is painted as the page would paint it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "fuzz_util.h"
#include "render_fuzz_util.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    nuvra::fuzz::EnsureGui();
    nuvra::fuzz::WriteSampleFigures();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nuvra::render::LoadedFigure loaded;
    std::string error;
    if (!nuvra::formats::parseFigureLayout(nuvra::fuzz::AsText(data, size),
                                           nuvra::fuzz::ScratchFolder(), loaded.layout, error)) {
        if (error.empty()) nuvra::fuzz::Fail("a refused layout came without a reason");
        return 0;
    }
    const auto& l = loaded.layout;
    if (!(l.width > 0 && l.height > 0 && std::isfinite(l.width) && std::isfinite(l.height)))
        nuvra::fuzz::Fail("a layout was accepted with an empty or endless area");
    // A layout may name any number of files; a page reads them all, so do the same
    // for a bounded number and let the rest stand as unreadable.
    for (std::size_t i = 0; i < l.figures.size(); ++i) {
        loaded.files.emplace_back();
        loaded.errors.emplace_back();
        if (i < 8)
            nuvra::formats::readFigureFile(l.figures[i].path, loaded.files.back(),
                                           loaded.errors.back());
        else
            loaded.errors.back() = "not read";
    }
    nuvra::fuzz::PaintFigure(loaded, nuvra::fuzz::AppStyles());
    return 0;
}
