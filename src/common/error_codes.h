// Error codes shown to the user after "（ｴﾗｰｺｰﾄﾞ ： ". 0 is reserved for refusals
// that are not failures of the file itself (wrong extension, unsupported version).
// The numbers follow the long-standing BASIC run-time error numbers where one fits,
// so that support staff recognise them.
#pragma once

#include <cstdint>

namespace nuvra {

enum FileError : std::int32_t {
    kFileOk = 0,
    kErrOverflowValue = 6,      ///< a number out of range for its field
    kErrTypeMismatch = 13,      ///< an item that does not convert to its field's type
    kErrBadFileName = 52,       ///< empty or malformed path
    kErrFileNotFound = 53,      ///< the file does not exist
    kErrDeviceIO = 57,          ///< read or write failed on the device
    kErrDiskFull = 61,          ///< no space left
    kErrInputPastEnd = 62,      ///< the file ends before all items were read
    kErrPermissionDenied = 70,  ///< no permission
    kErrPathAccess = 75,        ///< a folder where a file is expected, or similar
    kErrPathNotFound = 76,      ///< the folder does not exist
    kErrUnstorableChar = 1001,  ///< a text holds a double quote or a line end (cannot be stored)
    kErrNotCp932 = 1002,        ///< text that code page 932 cannot hold, or invalid bytes
};

/// The error code for an errno value from a failed file operation.
std::int32_t fileErrorFromErrno(int err);

/// A short English description of a code, for logs and the command line.
const char* fileErrorText(std::int32_t code);

}  // namespace nuvra
