#include "common/file_util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/line_reader.h"

namespace nuvra {

bool KillFile(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return ::unlink(path.c_str()) == 0;
}

bool MakeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool TestCreateFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    return ::close(fd) == 0;
}

bool AppendFile(const std::string& destination, const std::string& source) {
    LineReader in;
    if (in.open(source) != 0) return false;
    std::FILE* out = std::fopen(destination.c_str(), "ab");
    if (!out) return false;
    bool ok = true;
    std::string line;
    while (in.readLine(line)) {
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size() ||
            std::fwrite("\r\n", 1, 2, out) != 2) {
            ok = false;
            break;
        }
    }
    if (in.failed()) ok = false;
    if (std::fclose(out) != 0) ok = false;
    return ok;
}

std::string ReadHeaderName(const std::string& path) {
    LineReader in;
    if (in.open(path) != 0) return "error";
    std::string line;
    for (int i = 0; i < 3; ++i)
        if (!in.readLine(line)) return "error";
    auto text = fromCp932(line);
    if (!text) return "error";
    // Count characters, not bytes: "1.00β" has a double-byte β.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text->size(); i += utf8CharLength(*text, i))
        starts.push_back(i);
    if (starts.size() < 33) return "error";
    std::size_t from = starts[32], to = starts.back();
    return text->substr(from, to - from);
}

std::int32_t writeFileAtomically(const std::string& path, const std::string& bytes) {
    if (path.empty()) return kErrBadFileName;
    std::string dir = ".";
    std::size_t slash = path.rfind('/');
    if (slash != std::string::npos) dir = slash == 0 ? "/" : path.substr(0, slash);
    struct stat dst;
    if (::stat(dir.c_str(), &dst) != 0)
        return errno == ENOENT ? kErrPathNotFound : fileErrorFromErrno(errno);
    if (!S_ISDIR(dst.st_mode)) return kErrPathNotFound;
    struct stat tst;
    bool exists = ::stat(path.c_str(), &tst) == 0;
    if (exists && S_ISDIR(tst.st_mode)) return kErrPathAccess;

    std::string tmpl = (dir == "/" ? std::string() : dir) + "/.~nvr-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return fileErrorFromErrno(errno);
    std::string tmp(name.data());
    // Keep the mode the file would get when created plainly (or the one it has).
    mode_t mode;
    if (exists) {
        mode = tst.st_mode & 07777;
    } else {
        mode_t um = ::umask(0);
        ::umask(um);
        mode = 0666 & ~um;
    }
    ::fchmod(fd, mode);
    std::int32_t code = 0;
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            code = fileErrorFromErrno(errno);
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (code == 0 && ::fsync(fd) != 0) code = fileErrorFromErrno(errno);
    if (::close(fd) != 0 && code == 0) code = fileErrorFromErrno(errno);
    if (code == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) code = fileErrorFromErrno(errno);
    if (code != 0) ::unlink(tmp.c_str());
    return code;
}

std::int32_t readWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return fileErrorFromErrno(errno);
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    std::int32_t code = std::ferror(f) ? fileErrorFromErrno(errno) : 0;
    std::fclose(f);
    return code;
}

ScratchFolder::ScratchFolder(const std::string& prefix) {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string tmpl = (base / (prefix + "XXXXXX")).string();
    if (::mkdtemp(tmpl.data())) path_ = tmpl;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

}  // namespace nuvra
