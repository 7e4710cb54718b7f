#include "figures/figure_text.h"

#include <cmath>

#include "common/number_format.h"
#include "formats/format_error.h"

namespace nuvra::figures {

std::string MillimetreText(double metres) {
    return formatPicture(metres * 1000, "####0");
}

double DrawingScale(double scale) {
    if (!(scale > 0) || !std::isfinite(scale))
        throw formats::FormatError("the figure has no positive scale on its page area");
    return scale;
}

std::string CircledNumber(int k) {
    if (k < 1 || k > kMaxLabels)
        throw formats::FormatError("label " + std::to_string(k) + " is beyond ⑳");
    // U+2460 (①) + k − 1, as UTF-8: E2 91 A0 ... E2 91 B3.
    const unsigned code = 0x2460u + static_cast<unsigned>(k - 1);
    std::string s;
    s += static_cast<char>(0xE0 | (code >> 12));
    s += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (code & 0x3F));
    return s;
}

}  // namespace nuvra::figures
