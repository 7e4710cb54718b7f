#include "formats/messages.h"

#include "common/error_codes.h"

namespace nuvra::formats {

std::string fileProblemText(std::int32_t code) {
    switch (code) {
        case kErrFileNotFound:
        case kErrPathNotFound:
            return "ファイルがありません";
        case kErrPermissionDenied:
            return "読み取りが許可されていません";
        case kErrPathAccess:
            return "ファイルではありません";
        case kErrBadFileName:
            return "ファイル名が正しくありません";
        default:
            return "読み取りに失敗しました（ｴﾗｰｺｰﾄﾞ ： " + std::to_string(code) + "）";
    }
}

std::string fileNameOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace nuvra::formats
