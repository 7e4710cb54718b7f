#include "report/heading_numbering.h"

#include <algorithm>

#include "common/ini_profile.h"
#include "report/report_error.h"

namespace nuvra::report {

NumberingSettings NumberingSettings::Load(const std::string& iniPath) {
    NumberingSettings s;
    s.Method = CPrivateProfile::GetValueLong(iniPath, "Chapter", "Method");
    for (int k = 1; k <= 4; ++k) {
        std::string n = std::to_string(k);
        s.Style[static_cast<std::size_t>(k)] =
            CPrivateProfile::GetValueLong(iniPath, "Chapter", "Style" + n);
        s.Margin[static_cast<std::size_t>(k)] =
            std::clamp(CPrivateProfile::GetValueLong(iniPath, "Chapter", "Margin" + n), 0, 255);
    }
    // A numbering method chosen without any style would print bare separators
    // (". 設計条件", "-1) ..."); such a choice numbers in the usual way instead.
    if (s.Method != 0 && s.Style[1] == 0 && s.Style[2] == 0 && s.Style[3] == 0 && s.Style[4] == 0)
        s.Style = kDefaultStyles;
    return s;
}

std::string FormatHeadingCounter(std::int32_t style, std::int32_t& counter) {
    static const char* const kLetters = "abcdefghijklmnopqrstuvwxyz";
    static const char* const kRoman[] = {"i",  "ii",  "iii",  "iv", "v",
                                         "vi", "vii", "viii", "ix", "x"};
    static const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                           "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};
    if (counter <= 0) return {};
    auto limit = [&counter](std::int32_t last) {
        if (counter > last) counter = 1;
    };
    switch (style) {
        case 1:
            limit(99);
            return std::to_string(counter);
        case 2:
            limit(99);
            return "(" + std::to_string(counter) + ")";
        case 3:
            limit(99);
            return std::to_string(counter) + ")";
        case 4:
            limit(26);
            return std::string("(") + kLetters[counter - 1] + ")";
        case 5:
            limit(26);
            return std::string(1, kLetters[counter - 1]) + ")";
        case 6:
            limit(10);
            return std::string("(") + kRoman[counter - 1] + ")";
        case 7:
            limit(10);
            return std::string(kRoman[counter - 1]) + ")";
        case 8:
            limit(20);
            return kCircled[counter - 1];
        case 9:
            return "･";
        default:
            return {};
    }
}

void HeadingNumbering::Start(const NumberingSettings& s) {
    NumberingMethod = s.Method;
    for (std::size_t k = 1; k <= 4; ++k) {
        HeadingStyle[k] = s.Style[k];
        HeadingMargin[k] = s.Margin[k];
        HeadingCounter[k] = 0;
    }
    HeadingStyle[5] = HeadingMargin[5] = 0;
    LastHeadingLevel = 1;
}

std::string HeadingNumbering::HeadingNumber(int level) {
    if (level < 1 || level > 5)
        throw ReportError("heading level " + std::to_string(level) + " outside 1 to 5");
    LastHeadingLevel = level;
    auto lv = static_cast<std::size_t>(level);
    ++HeadingCounter[lv];
    for (std::size_t k = lv + 1; k <= 5; ++k)
        HeadingCounter[k] = 0;
    std::array<std::string, 6> text;
    for (std::size_t k = 1; k <= 5; ++k)
        text[k] = FormatHeadingCounter(HeadingStyle[k], HeadingCounter[k]);
    std::string composed;
    if (NumberingMethod == 1) {
        composed = text[lv];
    } else {
        const char* sep = NumberingMethod == 2 ? "-" : ".";
        if (level == 1)
            composed = text[1] + ".";
        else if (level == 2)
            composed = text[1] + sep + text[2];
        else
            composed = text[lv];
    }
    return composed + " ";
}

}  // namespace nuvra::report
