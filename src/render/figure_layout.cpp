#include "render/figure_layout.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "render/cp932_chars.h"
#include "render/file_read.h"
#include "render/messages.h"
#include "render/text_fields.h"

namespace nuvra::render {
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

}  // namespace

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
    if (exists(p) || path.find('\\') == std::string::npos) return p;
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    if (!slashed.empty() && slashed.front() != '/' && !baseFolder.empty())
        slashed = baseFolder + "/" + slashed;
    return exists(slashed) ? slashed : p;
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

}  // namespace nuvra::render
