#include "viewer/command_line.h"

#include <algorithm>
#include <cctype>

namespace nuvra::viewer {
namespace {

bool startsWithNoCase(const std::string& s, const std::string& prefix) {
    if (s.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), s.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

std::string unquote(std::string s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    if (!s.empty() && s.front() == '"') return s.substr(1);  // an unclosed quote
    return s;
}

}  // namespace

const char* viewerUsage() {
    return "使い方: ospex /INI=<設定フォルダー> <印刷ファイル>\n"
           "        ospex [/INI=<設定フォルダー>] --pdf <出力PDF> <印刷ファイル>\n";
}

ViewerArgs parseViewerArgs(const std::vector<std::string>& args) {
    ViewerArgs r;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help" || a == "/?") {
            r.help = true;
        } else if (a == "--pdf") {
            if (i + 1 >= args.size()) {
                r.error = "--pdf のあとに出力する PDF ファイルの名前がありません";
                return r;
            }
            r.pdfOut = args[++i];
            if (r.pdfOut.empty()) {
                r.error = "--pdf のあとの PDF ファイルの名前が空です";
                return r;
            }
        } else if (startsWithNoCase(a, "/INI=")) {
            std::string value = a.substr(5);
            // A quoted folder that was split at its blanks is joined again.
            if (!value.empty() && value.front() == '"') {
                while ((value.size() < 2 || value.back() != '"') && i + 1 < args.size())
                    value += " " + args[++i];
            }
            r.iniFolder = unquote(value);
        } else {
            rest.push_back(a);
        }
    }
    if (r.help) return r;
    std::string file;
    for (const auto& part : rest)
        file += (file.empty() ? "" : " ") + part;
    r.printFile = unquote(file);
    if (r.printFile.empty()) r.error = "印刷ファイルが指定されていません";
    return r;
}

}  // namespace nuvra::viewer
