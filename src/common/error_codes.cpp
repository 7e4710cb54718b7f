#include "common/error_codes.h"

#include <cerrno>

namespace nuvra {

std::int32_t fileErrorFromErrno(int err) {
    switch (err) {
        case ENOENT:
            return kErrFileNotFound;
        case ENOTDIR:
            return kErrPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return kErrPermissionDenied;
        case EISDIR:
            return kErrPathAccess;
        case ENOSPC:
        case EDQUOT:
            return kErrDiskFull;
        case ENAMETOOLONG:
            return kErrBadFileName;
        default:
            return kErrDeviceIO;
    }
}

const char* fileErrorText(std::int32_t code) {
    switch (code) {
        case kFileOk:
            return "no error";
        case kErrOverflowValue:
            return "number out of range";
        case kErrTypeMismatch:
            return "item does not convert";
        case kErrBadFileName:
            return "bad file name";
        case kErrFileNotFound:
            return "file not found";
        case kErrDeviceIO:
            return "device I/O error";
        case kErrDiskFull:
            return "disk full";
        case kErrInputPastEnd:
            return "input past end of file";
        case kErrPermissionDenied:
            return "permission denied";
        case kErrPathAccess:
            return "path/file access error";
        case kErrPathNotFound:
            return "path not found";
        case kErrUnstorableChar:
            return "text holds a double quote or line break";
        case kErrNotCp932:
            return "text not representable in code page 932";
        default:
            return "unknown error";
    }
}

}  // namespace nuvra
