#include "formats/figure_layout.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "common/cp932.h"
#include "common/file_util.h"
#include "common/number_format.h"
#include "formats/cp932_chars.h"
#include "formats/file_read.h"
#include "formats/format_error.h"
#include "formats/messages.h"
#include "formats/text_fields.h"

namespace nuvra::formats {
namespace {

constexpr std::size_t kMaxLayoutBytes = 1u << 20;
constexpr double kMaxAreaMm = 1000.0;
constexpr double kMaxOffsetMm = 1.0e5;

bool twoNumbers(std::string_view line, double& a, double& b) {
    auto f = splitBlanks(line);
    if (f.size() != 2) return false;
    auto x = parseNumber(f[0]);
    auto y = parseNumber(f[1]);
    if (!x || !y) return false;
    a = *x;
    b = *y;
    return true;
}

// Overdraw up to this much is left as it is: thin lines and rounding.
constexpr double kFitToleranceMm = 0.5;

// The scale about the area's centre and the shift that bring [lo, hi] into [0, size].
double axisShift(double lo, double hi, double size, double scale) {
    const double centre = size / 2.0;
    double a = centre + (lo - centre) * scale;
    double b = centre + (hi - centre) * scale;
    double shift = centre * (1.0 - scale);
    if (a < 0.0)
        shift -= a;
    else if (b > size)
        shift -= b - size;
    return shift;
}

std::string twoInZones(double a, double b) {
    std::string s = inputFileNumber(a);
    s += std::string(14 - s.size() % 14, ' ');
    return s + inputFileNumber(b);
}

}  // namespace

AreaFit fitIntoArea(const FigureLayout& layout,
                    const std::vector<std::optional<DrawingExtent>>& drawings) {
    AreaFit fit;
    const double w = layout.width, h = layout.height;
    if (!(w > 0.0) || !(h > 0.0)) return fit;
    bool any = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    const std::size_t n = std::min(drawings.size(), layout.figures.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!drawings[i]) continue;
        const DrawingExtent& e = *drawings[i];
        const SubFigureRef& f = layout.figures[i];
        double a0 = e.minX + f.offsetX, a1 = e.maxX + f.offsetX;
        double b0 = e.minY + f.offsetY, b1 = e.maxY + f.offsetY;
        if (!std::isfinite(a0) || !std::isfinite(a1) || !std::isfinite(b0) || !std::isfinite(b1))
            continue;
        if (!any) {
            x0 = a0, x1 = a1, y0 = b0, y1 = b1;
            any = true;
        } else {
            x0 = std::min(x0, a0), x1 = std::max(x1, a1);
            y0 = std::min(y0, b0), y1 = std::max(y1, b1);
        }
    }
    if (!any) return fit;
    const double t = kFitToleranceMm;
    if (x0 >= -t && x1 <= w + t && y0 >= -t && y1 <= h + t) return fit;
    double scale = 1.0;
    if (x1 - x0 > w) scale = std::min(scale, w / (x1 - x0));
    if (y1 - y0 > h) scale = std::min(scale, h / (y1 - y0));
    fit.scale = scale;
    fit.shiftX = axisShift(x0, x1, w, scale);
    fit.shiftY = axisShift(y0, y1, h, scale);
    return fit;
}

std::string FileReference(const std::string& target, const std::string& referrer) {
    if (toCp932(target) || FolderOf(target) != FolderOf(referrer)) return target;
    return target.substr(target.rfind('/') + 1);
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string resolveFilePath(const std::string& path, const std::string& baseFolder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    auto exists = [&ec](const std::string& p) { return fs::exists(p, ec); };
    std::string p = path;
    if (!p.empty() && p.front() != '/' && !baseFolder.empty()) p = baseFolder + "/" + p;
    if (exists(p)) return p;
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    if (!slashed.empty() && slashed.front() != '/' && !baseFolder.empty())
        slashed = baseFolder + "/" + slashed;
    if (exists(slashed)) return slashed;
    // A report folder that was moved: the file of that name beside the referring file.
    std::string name = slashed.substr(slashed.find_last_of('/') + 1);
    if (!name.empty() && !baseFolder.empty() && exists(baseFolder + "/" + name))
        return baseFolder + "/" + name;
    return p;
}

bool parseFigureLayout(std::string_view bytes, const std::string& baseFolder, FigureLayout& layout,
                       std::string& error) {
    layout = FigureLayout{};
    if (bytes.find('\0') != std::string_view::npos) {
        error = "図の配置ファイルではありません（テキストではありません）";
        return false;
    }
    auto lines = splitLines(bytes);
    if (lines.size() < 2) {
        error = "図の配置ファイルが途中で終わっています";
        return false;
    }
    layout.title = cp932ToUtf8(lines[0]);
    if (!twoNumbers(lines[1], layout.width, layout.height) || layout.width <= 0 ||
        layout.height <= 0 || layout.width > kMaxAreaMm || layout.height > kMaxAreaMm) {
        error = "2 行目: 図の領域の幅と高さが正しくありません";
        return false;
    }
    std::size_t i = 2;
    while (true) {
        if (i >= lines.size()) {
            error = "図の配置ファイルの終わり（END）がありません";
            return false;
        }
        std::string_view pathLine = trimBlanks(lines[i]);
        if (pathLine == "END") return true;
        if (pathLine.empty()) {
            error = std::to_string(i + 1) + " 行目: 図ファイルの名前がありません";
            return false;
        }
        if (i + 1 >= lines.size()) {
            error = std::to_string(i + 2) + " 行目: 図の位置の行がありません";
            return false;
        }
        SubFigureRef ref;
        if (!twoNumbers(lines[i + 1], ref.offsetX, ref.offsetY) ||
            std::max(std::abs(ref.offsetX), std::abs(ref.offsetY)) > kMaxOffsetMm) {
            error = std::to_string(i + 2) + " 行目: 図の位置が正しくありません";
            return false;
        }
        ref.path = resolveFilePath(cp932ToUtf8(pathLine), baseFolder);
        layout.figures.push_back(std::move(ref));
        i += 2;
    }
}

bool readFigureLayout(const std::string& path, FigureLayout& layout, std::string& error) {
    std::string bytes;
    bool tooLarge = false;
    if (std::int32_t err = readLimitedFile(path, kMaxLayoutBytes, bytes, tooLarge); err != 0) {
        error = "図の配置ファイル " + fileNameOf(path) +
                (tooLarge ? " が大きすぎます" : " を読めません（" + fileProblemText(err) + "）");
        return false;
    }
    std::string why;
    if (!parseFigureLayout(bytes, folderOf(path), layout, why)) {
        error = "図の配置ファイル " + fileNameOf(path) + " の形式が正しくありません（" + why + "）";
        return false;
    }
    return true;
}

FigureLayout ReadFigureLayout(const std::string& path) {
    FigureLayout layout;
    std::string error;
    if (!readFigureLayout(path, layout, error)) throw FormatError(error);
    return layout;
}

std::string FigureLayoutBytes(const FigureLayout& layout) {
    for (double v : {layout.width, layout.height})
        if (!std::isfinite(v)) throw FormatError("a page area size that is not finite");
    for (const SubFigureRef& s : layout.figures)
        if (!std::isfinite(s.offsetX) || !std::isfinite(s.offsetY))
            throw FormatError("a sub-figure offset that is not finite");
    std::string out = layout.title + "\r\n" + twoInZones(layout.width, layout.height) + "\r\n";
    for (const SubFigureRef& s : layout.figures)
        out += s.path + "\r\n" + twoInZones(s.offsetX, s.offsetY) + "\r\n";
    out += "END\r\n";
    std::optional<std::string> bytes = toCp932(out);
    if (!bytes)
        throw FormatError("the figure layout file holds \"" + firstUnmappable(out) +
                          "\", which code page 932 cannot hold");
    return *bytes;
}

}  // namespace nuvra::formats
