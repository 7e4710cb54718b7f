#include "design/describe.h"

#include <cstdint>
#include <vector>

#include "common/cp932.h"
#include "common/number_format.h"

namespace nuvra {
namespace {

struct Row {
    std::string symbol, value, unit, meaning;
};

std::string flag(bool b) {
    return b ? "確定" : "未確定";
}

// Columns on a terminal: one for ASCII, half-width kana and Greek letters (the usual
// setting), two for every other character.
std::size_t columns(const std::string& s) {
    std::size_t cols = 0;
    for (std::size_t i = 0; i < s.size(); i += utf8CharLength(s, i)) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++cols;
            continue;
        }
        std::uint32_t cp = b < 0xE0 ? (b & 0x1Fu) : b < 0xF0 ? (b & 0x0Fu) : (b & 0x07u);
        for (std::size_t k = 1; k < utf8CharLength(s, i) && i + k < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
        const bool narrow = (cp >= 0x0370 && cp <= 0x03FF) || (cp >= 0xFF61 && cp <= 0xFF9F);
        cols += narrow ? 1 : 2;
    }
    return cols;
}

std::string padRight(const std::string& s, std::size_t width) {
    const std::size_t cols = columns(s);
    return cols >= width ? s + " " : s + std::string(width - cols, ' ');
}

void section(std::string& out, const std::string& title, bool confirmed,
             const std::vector<Row>& rows) {
    out += "■ " + title + "（" + flag(confirmed) + "）\n";
    for (const Row& r : rows)
        out += "  " + padRight(r.symbol, 14) + padRight(r.value, 12) + padRight(r.unit, 8) +
               r.meaning + "\n";
}

std::string num(double v) {
    return decimalText(v);
}

}  // namespace

std::string describeDesign(const DesignData& d) {
    const auto& j = d.objInpJyoken;
    const auto& m = d.objInpMorido;
    const auto& k = d.objInpKiso;
    const auto& c = d.objInpKaburi;
    const auto& z = d.objInpZairyo;
    const auto& h = d.objInpHaikin;
    std::string out = "件名: " + j.Title + "\n";
    section(out, "設計条件", j.InpFlg,
            {{"H", num(j.H), "m", "断面内空高"},
             {"B", num(j.B), "m", "断面内空幅"},
             {"T1", num(j.T1), "m", "たて壁天端厚"},
             {"T2", num(j.T2), "m", "たて壁付け根厚"},
             {"T3", num(j.T3), "m", "底版厚"},
             {"T4", num(j.T4), "m", "ハンチ"},
             {"TB", num(j.TB), "m", "フーチング長"},
             {"HW", num(j.HW), "m", "設計地下水位高"},
             {"HWi", num(j.HWi), "m", "満水時の内水高"},
             {"Fa", num(j.Fa), "-", "浮上に対する許容安全率"},
             {"Kento", num(j.Kento), "-",
              j.Kento == 1   ? "ケースⅠ・Ⅲで行う"
              : j.Kento == 2 ? "ケースⅠ・Ⅱで行う"
              : j.Kento == 3 ? "ケースⅠ・Ⅱ・Ⅲで行う"
                             : "(範囲外)"}});
    section(out, "盛土条件", m.InpFlg,
            {{"Morido", num(m.Morido), "-",
              m.Morido == 1   ? "水平"
              : m.Morido == 2 ? "台形"
                              : "(範囲外)"},
             {"X", num(m.x), "m", "壁背面からの載荷位置"},
             {"Q", num(m.Q), "kN/m2", "載荷重"},
             {"X1", num(m.X1), "m", "壁背面からの盛土開始位置"},
             {"X2", num(m.X2), "m", "盛土傾斜部幅"},
             {"Ho", num(m.Ho), "m", "盛土高"},
             {"γ", num(m.G), "kN/m3", "盛土部単位体積重量"},
             {"Qd", num(m.Qd), "kN/m2", "盛土上の載荷重"}});
    section(out, "基礎地盤条件", k.InpFlg,
            {{"Siji", num(k.Siji), "-",
              k.Siji == 1   ? "テルツァギーの修正支持力公式による"
              : k.Siji == 2 ? "直接入力"
                            : "(範囲外)"},
             {"C", num(k.C), "kN/m2", "粘着力"},
             {"φ", num(k.Fai), "度", "内部摩擦角"},
             {"γ1", num(k.G1), "kN/m3", "基礎荷重面下の地盤の単位体積重量"},
             {"γ2", num(k.G2), "kN/m3", "基礎荷重面より上方の地盤の単位体積重量"},
             {"Df", num(k.Df), "m", "根入れ深さ"},
             {"qa", num(k.Qa), "kN/m2", "許容支持力（直接入力）"}});
    section(out, "鉄筋かぶり", c.InpFlg,
            {{"たて壁外側", num(c.TateSoto), "mm", ""},
             {"たて壁内側", num(c.TateUchi), "mm", ""},
             {"底版上側", num(c.SokoUe), "mm", "フーチングも含む"},
             {"底版下側", num(c.SokoSita), "mm", "フーチングも含む"}});
    section(out, "材料条件", z.InpFlg,
            {{"γsc", num(z.Gsc), "kN/m3", "鉄筋コンクリート"},
             {"γs", num(z.Gs), "kN/m3", "埋戻し土 湿潤重量"},
             {"γt", num(z.Gt), "kN/m3", "埋戻し土 飽和重量"},
             {"γ'", num(z.Gd), "kN/m3", "埋戻し土 水中重量"},
             {"φ", num(z.Fai), "度", "埋戻し土 内部摩擦角"},
             {"γw", num(z.Gw), "kN/m3", "水"},
             {"σck", num(z.Sck), "N/mm2", "設計基準強度"},
             {"σca", num(z.Sca), "N/mm2", "許容曲げ圧縮応力度"},
             {"τa", num(z.Ta), "N/mm2", "許容せん断応力度"},
             {"τoa", z.Toa, "N/mm2", "許容付着応力度"},
             {"Ec", num(z.Ec), "N/mm2", "コンクリートのヤング係数"},
             {"材質", num(z.Zai), "-",
              z.Zai == 1   ? "SR235"
              : z.Zai == 2 ? "SD295"
              : z.Zai == 3 ? "SD345"
                           : "(範囲外)"},
             {"σsa", num(z.Ssa), "N/mm2", "鉄筋の許容引張応力度"},
             {"Es", num(z.Es), "N/mm2", "鉄筋のヤング係数"}});
    // Round bars (SR) are φ, deformed bars (SD) D, as the report writes them.
    auto bar = [&z](const CInpHaikinS& s) {
        return (z.Zai == 1 ? "φ" : "D") + decimalText(s.Dia) + " @" + decimalText(s.ctc);
    };
    section(out, "配筋", h.InpFlg,
            {{"たて壁外側", bar(h.TateSoto), "mm", ""},
             {"たて壁内側", bar(h.TateUchi), "mm", ""},
             {"底版上側", bar(h.SokoUe), "mm", ""},
             {"底版下側", bar(h.SokoSita), "mm", ""},
             {"ﾌｰﾁﾝｸﾞ上側", bar(h.FootingUe), "mm", ""},
             {"ﾌｰﾁﾝｸﾞ下側", bar(h.FootingSita), "mm", ""}});
    return out;
}

}  // namespace nuvra
