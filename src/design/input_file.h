// The design input file (.nvr): version 1.00 written and read, 1.00β read.
// Code page 932, CR LF, one field per line; see docs/file-formats.md.
#pragma once

#include <cstdint>
#include <string>

#include "design/records.h"

namespace nuvra {

struct FileResult {
    bool ok = false;
    std::int32_t errorCode = 0;  ///< FileError; 0 with ok = false means "refused"
    std::string detail;          ///< a short explanation for logs and the command line
};

/// The bytes of the version 1.00 file for the design (66 lines, CP932, CR LF).
/// Fails with kErrUnstorableChar for a title holding '"', kErrNotCp932 for text that
/// code page 932 cannot hold.
FileResult encodeInputFile(const DesignData& d, std::string& bytes);

/// Writes the design to path as a version 1.00 file. An existing file is replaced
/// only when the new one is complete; on failure it is left intact.
FileResult SaveInputFile(const DesignData& d, const std::string& path);

/// Reads a version 1.00 file. On failure d holds the defaults of a new design.
FileResult LoadInputFile(DesignData& d, const std::string& path);

/// Reads a version 1.00β file (no HWi line: HWi takes the value of HW).
FileResult LoadInputFileBeta(DesignData& d, const std::string& path);

/// What opening a file came to: the reader's result, plus the message that the
/// program must show first when the version is not supported (empty otherwise).
struct OpenResult {
    FileResult file;
    std::string versionMessage;  ///< "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.…）には現在対応しておりません。"
};

/// Checks the extension ("NVR" in any case) and the version, then reads the file.
/// The records are untouched unless a reader ran.
OpenResult OpenInputFile(DesignData& d, const std::string& path);

// Texts of the messages around input files.
inline constexpr const char* kTitleOpenFile = "ﾌｧｲﾙを開く";
inline constexpr const char* kTitleReadError = "ﾃﾞｰﾀﾌｧｲﾙ読み込みｴﾗｰ";
inline constexpr const char* kTitleWriteError = "ﾃﾞｰﾀﾌｧｲﾙ書き込みｴﾗｰ";
inline constexpr const char* kMsgReadFailed =
    "指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。";
inline constexpr const char* kMsgWriteFailed = "入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。";
inline constexpr const char* kMsgAdvice =
    "お問い合わせの際は，上記ｴﾗｰﾒｯｾｰｼﾞおよびｴﾗｰｺｰﾄﾞをお知らせください。";

/// "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver." + version + "）には現在対応しておりません。"
std::string unsupportedVersionMessage(const std::string& version);

/// The read-failure or write-failure message with its code and the advice line.
std::string readFailureMessage(std::int32_t code);
std::string writeFailureMessage(std::int32_t code);

}  // namespace nuvra
