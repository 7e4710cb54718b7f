#include "cli/run_summary.h"

#include <cstdint>
#include <string_view>

#include "calc/run/result_lines.h"
#include "calc/run/run_faults.h"
#include "common/number_format.h"

namespace nuvra::cli {

using calc::ResultStore;
using calc::RunFault;
using calc::SectionId;
using calc::SectionRow;
using calc::SectionTable;
using calc::value;

namespace {

constexpr const char* kNotComputed = "（計算されていません）";

// Column widths in half-width columns: two labels, Md, Sd, bar diameter, spacing, then
// the four stresses, each with one column for the "OUT" mark.
constexpr int kMemberWidth = 12;
constexpr int kFaceWidth = 8;
constexpr int kForceWidth = 10;
constexpr int kDiaWidth = 7;
constexpr int kCtcWidth = 8;
constexpr int kStressWidth = 9;

std::string padRight(const std::string& s, int width) {
    int w = DisplayWidth(s);
    return w >= width ? s : s + std::string(static_cast<std::size_t>(width - w), ' ');
}

std::string padLeft(const std::string& s, int width) {
    int w = DisplayWidth(s);
    return w >= width ? s : std::string(static_cast<std::size_t>(width - w), ' ') + s;
}

std::string stress(double v, bool out) {
    return padLeft(formatPicture(v, "###0.00"), kStressWidth - 1) + (out ? "*" : " ");
}

std::string labels(const std::string& member, const std::string& face) {
    return padRight(member, kMemberWidth) + padRight(face, kFaceWidth);
}

// East Asian wide and full-width characters (kana, kanji, full-width forms, the
// ideographic space); Greek letters and symbols such as "σ" take one column.
bool isWide(std::uint32_t cp) {
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

}  // namespace

int DisplayWidth(const std::string& utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        std::uint32_t cp = len == 1   ? b
                           : len == 2 ? (b & 0x1Fu)
                           : len == 3 ? (b & 0x0Fu)
                                      : (b & 0x07u);
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        width += isWide(cp) ? 2 : 1;
        i += len;
    }
    return width;
}

std::vector<std::string> SectionTableLines(const SectionTable& t) {
    std::vector<std::string> lines;
    std::string header = labels("", "") + padLeft("Md", kForceWidth) + padLeft("Sd", kForceWidth) +
                         padLeft("径(mm)", kDiaWidth) + padLeft("ctc(mm)", kCtcWidth);
    for (const char* h : {"σc", "σs", "τ", "τo"})
        header += padLeft(h, kStressWidth - 1) + " ";
    lines.push_back(header);
    for (const SectionRow& r : t.rows) {
        std::string line = labels(MemberLabel(r.id), FaceLabel(r.id));
        if (!r.present) {
            const bool footing = r.id == SectionId::FootingSita || r.id == SectionId::FootingUe;
            lines.push_back(line + "  " +
                            (footing && !t.footings ? "（フーチングなし）" : kNotComputed));
            continue;
        }
        line += padLeft(formatPicture(r.Md, "####0.00"), kForceWidth);
        line += padLeft(formatPicture(r.Sd, "####0.00"), kForceWidth);
        line += padLeft(formatPicture(r.Dia, "#0"), kDiaWidth);
        line += padLeft(formatPicture(r.ctc, "###0"), kCtcWidth);
        line += stress(r.Sc, r.outSc) + stress(r.Ss, r.outSs) + stress(r.Tc, r.outTc) +
                stress(r.T0, r.outTo);
        lines.push_back(line);
    }
    std::string allow = labels("許容値", "許容値") + padLeft("-----", kForceWidth) +
                        padLeft("-----", kForceWidth) + padLeft("-----", kDiaWidth) +
                        padLeft("-----", kCtcWidth);
    if (t.allowablesPresent)
        allow += stress(t.Sca, false) + stress(t.Ssa, false) + stress(t.Tca, false) +
                 stress(t.Toa, false);
    else
        allow += "  " + std::string(kNotComputed);
    lines.push_back(allow);
    return lines;
}

std::string RunSummary(const ResultStore& s, bool runOk) {
    std::string out = "■ 浮上に対して\n";
    out += s.objUkiagari ? FlotationLine(*s.objUkiagari) : kNotComputed;
    out += "\n■ 基礎地盤支持力に対して\n";
    out += s.objQmax ? BearingLine(*s.objQmax) : kNotComputed;
    out += "\n";
    out += s.blnFooting ? "フーチング：あり\n" : "フーチング：なし\n";

    out += "■ 応力度照査結果\n";
    const SectionTable table = BuildSectionTable(s);
    bool anyOut = false, allChecked = true;
    for (const SectionRow& r : table.rows) {
        const bool footing = r.id == SectionId::FootingSita || r.id == SectionId::FootingUe;
        if (!r.present && (!footing || table.footings)) allChecked = false;
        anyOut = anyOut || (r.present && (r.outSc || r.outSs || r.outTc || r.outTo));
    }
    for (const std::string& line : SectionTableLines(table)) {
        // Trailing blanks (the space left for a mark) are of no use on a terminal.
        std::string_view v(line);
        while (!v.empty() && v.back() == ' ')
            v.remove_suffix(1);
        out.append(v);
        out += '\n';
    }
    if (anyOut)
        out += "＊：許容値を超える応力度（OUT）\n";
    else if (allChecked && runOk)
        out += "すべての応力度が許容値以内です（OK）\n";

    out += "■ たて壁鉄筋の段落とし\n";
    if (CurtailmentImpossible(s)) {
        out += "外側鉄筋は設計断面で既に σs ＞ σsa のため、段落としできません\n";
    } else if (s.curtailment.DanHcut) {
        out += "段落とし位置 = " + formatPicture(*s.curtailment.DanHcut, "###0") +
               " mm（設計断面から）";
        out += "  L1 = " + formatPicture(value(s.curtailment.DanL1), "###0") +
               " mm, h2 = " + formatPicture(value(s.curtailment.DanH2), "###0") + " mm\n";
    } else {
        out += std::string(kNotComputed) + "\n";
    }
    if (!runOk) {
        out += "計算の途中でエラーが発生しました。\n";
        for (const RunFault& f : s.faults)
            out += "・" + RunFaultText(f) + "\n";
    }
    return out;
}

}  // namespace nuvra::cli
