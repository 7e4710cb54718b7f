// The settings file (Nuvra.INI): reads of every key the programs use, and a write whose
// value must read back while every other key keeps its value. The input's first byte
// picks the key that is written; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/ini_profile.h"
#include "fuzz_util.h"
#include "report/heading_numbering.h"

namespace {

using nuvra::CPrivateProfile;

const std::vector<std::pair<std::string, std::string>>& keys() {
    static const std::vector<std::pair<std::string, std::string>> k = {
        {"Chapter", "Method"},         {"Chapter", "Style1"},  {"Chapter", "Margin1"},
        {"Chapter", "Style4"},         {"Chapter", "Margin4"}, {"Printer", "MarginTop(mm)"},
        {"Printer", "MarginLeft(mm)"}, {"Window", "Left"},     {"Window", "Top"},
        {"RecentFiles", "File1"},      {"Folder", "Input"},    {"ﾌｫﾙﾀﾞ", "入力"},
    };
    return k;
}

const char* const kValues[] = {"1", "-2147483648", "C:/設計/水路.nvr", "ｶﾅ と 漢字", "x=y;z"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t pick = data[0];
    const std::string path =
        nuvra::fuzz::WriteScratchFile("Nuvra.INI", nuvra::fuzz::AsText(data + 1, size - 1));

    std::vector<std::string> before;
    for (const auto& [section, key] : keys()) {
        CPrivateProfile::GetValueLong(path, section, key);
        before.push_back(CPrivateProfile::GetValueString(path, section, key));
    }
    nuvra::report::NumberingSettings settings = nuvra::report::NumberingSettings::Load(path);
    nuvra::report::HeadingNumbering numbering;
    numbering.Start(settings);
    for (int i = 0; i < 40; ++i)
        numbering.HeadingNumber(1 + (i * 7 + static_cast<int>(pick)) % 5);

    const std::size_t target = pick % keys().size();
    const std::string value = kValues[(pick / keys().size()) % std::size(kValues)];
    const auto& [section, key] = keys()[target];
    if (!CPrivateProfile::SetValueString(path, section, key, value)) return 0;
    for (std::size_t i = 0; i < keys().size(); ++i) {
        std::string now = CPrivateProfile::GetValueString(path, keys()[i].first, keys()[i].second);
        const std::string& want = i == target ? value : before[i];
        if (now != want)
            nuvra::fuzz::Fail("a settings write changed what is read",
                              keys()[i].first + "/" + keys()[i].second + ": \"" + now +
                                  "\" instead of \"" + want + "\"");
    }
    return 0;
}
