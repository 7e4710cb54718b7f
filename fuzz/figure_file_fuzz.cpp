// Figure files of the renderer: parsed, and when valid painted in a figure area.
// A parsed figure must only refer to points it has.
#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/figure_file.h"
#include "fuzz_util.h"
#include "render_fuzz_util.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    nuvra::fuzz::EnsureGui();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nuvra::render::LoadedFigure loaded;
    nuvra::formats::FigureFile figure;
    std::string error;
    if (!nuvra::formats::parseFigureFile(nuvra::fuzz::AsText(data, size), figure, error)) {
        if (error.empty()) nuvra::fuzz::Fail("a refused figure file came without a reason");
        return 0;
    }
    const int n = static_cast<int>(figure.points.size());
    auto bad = [n](int p) { return p < 1 || p > n; };
    for (const auto& s : figure.segments)
        if (bad(s.from) || bad(s.to)) nuvra::fuzz::Fail("a segment refers to a missing point");
    for (const auto& f : figure.fills)
        if (bad(f.first) || bad(f.last)) nuvra::fuzz::Fail("a fill refers to a missing point");

    loaded.layout.title = figure.title;
    loaded.layout.width = 150.0;
    loaded.layout.height = 120.0;
    loaded.layout.figures.push_back({"fuzz.fig", 10.0, 10.0});
    loaded.files.push_back(std::move(figure));
    loaded.errors.emplace_back();
    nuvra::fuzz::PaintFigure(loaded, nuvra::fuzz::AppStyles());
    return 0;
}
