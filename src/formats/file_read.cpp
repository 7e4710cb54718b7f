#include "formats/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/error_codes.h"

namespace nuvra::formats {

std::int32_t readLimitedFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                             bool& tooLarge) {
    tooLarge = false;
    bytes.clear();
    // Without O_NONBLOCK a FIFO named by a damaged file would wait for a writer forever.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return fileErrorFromErrno(errno);
    struct stat st {};
    std::int32_t code = 0;
    if (::fstat(fd, &st) != 0) {
        code = fileErrorFromErrno(errno);
    } else if (S_ISDIR(st.st_mode)) {
        code = kErrPathAccess;
    } else if (!S_ISREG(st.st_mode)) {
        // A device or a pipe (/dev/zero, /dev/stdin ...) has no end to read to.
        code = kErrPathAccess;
    } else if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        tooLarge = true;
        code = kErrDeviceIO;
    } else {
        // Never more than the limit, even if the file grows while it is read.
        char buf[65536];
        while (bytes.size() <= maxBytes) {
            ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                code = fileErrorFromErrno(errno);
                break;
            }
            if (n == 0) break;
            bytes.append(buf, static_cast<std::size_t>(n));
        }
        if (code == 0 && bytes.size() > maxBytes) {
            tooLarge = true;
            code = kErrDeviceIO;
        }
    }
    ::close(fd);
    if (code != 0) bytes.clear();
    return code;
}

}  // namespace nuvra::formats
