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
    int err = errno;
    if (in.failed()) ok = false;
    if (std::fclose(out) != 0) {
        ok = false;
        err = errno;
    }
    errno = err;
    return ok;
}

bool AppendBytes(const std::string& path, const std::string& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "ab");
    if (!out) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    int err = errno;
    if (std::fclose(out) != 0) {
        ok = false;
        err = errno;
    }
    errno = err;
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

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ScratchTag() {
    return ".~nvr" + std::to_string(::getpid()) + "-";
}

std::string SystemReason(int err) {
    switch (err) {
        case ENOSPC:
            return "ディスクの空き容量が足りません";
        case EDQUOT:
            return "ディスクの使用量の制限を超えました";
        case EFBIG:
            return "ファイルが大きすぎます";
        case EACCES:
        case EPERM:
            return "書き込みが禁止されています";
        case EROFS:
            return "読み取り専用のファイルシステムです";
        case ENOENT:
            return "ファイルまたはフォルダーが見つかりません";
        case ENOTDIR:
            return "パスの途中にフォルダーでないものがあります";
        case EISDIR:
            return "同じ名前のフォルダーがあります";
        case ELOOP:
            return "シンボリックリンクには書き込みません";
        case ENAMETOOLONG:
            return "名前が長すぎます";
        case EIO:
            return "入出力エラーが発生しました";
        case EMFILE:
        case ENFILE:
            return "開いているファイルが多すぎます";
        default:
            return "システムエラー " + std::to_string(err);
    }
}

int CheckWriteTarget(const std::string& path, bool refuseLink) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return errno;
        struct stat dst;  // the folder must be there
        if (::stat(FolderOf(path).c_str(), &dst) != 0) return errno;
        return S_ISDIR(dst.st_mode) ? 0 : ENOTDIR;
    }
    if (S_ISLNK(st.st_mode)) {
        if (refuseLink) return ELOOP;
        if (::stat(path.c_str(), &st) != 0) return 0;  // a dangling link is replaced
    }
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (::access(path.c_str(), W_OK) != 0) return errno == EROFS ? EROFS : EACCES;
    // A file without any write permission is write-protected, also for the superuser.
    if ((st.st_mode & 0222) == 0) return EACCES;
    return 0;
}

std::mutex& ScratchCreationLock() {
    static std::mutex lock;
    return lock;
}

int CreateScratchFile(const std::string& folder, const std::string& hint, std::string& path) {
    std::lock_guard<std::mutex> made(ScratchCreationLock());
    std::string tmpl =
        (folder == "/" ? std::string() : folder) + "/" + ScratchTag() + hint + "XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    mode_t um = ::umask(0);
    ::umask(um);
    ::fchmod(fd, 0666 & ~um);
    path = name.data();
    return fd;
}

int InstallFile(const std::string& scratch, const std::string& path, bool refuseLink) {
    int err = CheckWriteTarget(path, refuseLink);
    if (err == 0) {
        struct stat st;
        if (::stat(path.c_str(), &st) == 0) ::chmod(scratch.c_str(), st.st_mode & 07777);
        if (::rename(scratch.c_str(), path.c_str()) != 0) err = errno;
    }
    if (err != 0) ::unlink(scratch.c_str());
    return err;
}

std::int32_t writeFileAtomically(const std::string& path, const std::string& bytes,
                                 bool refuseLink) {
    if (path.empty()) return kErrBadFileName;
    const std::string dir = FolderOf(path);
    struct stat dst;
    if (::stat(dir.c_str(), &dst) != 0)
        return errno == ENOENT ? kErrPathNotFound : fileErrorFromErrno(errno);
    if (!S_ISDIR(dst.st_mode)) return kErrPathNotFound;
    if (int err = CheckWriteTarget(path, refuseLink))
        return err == ELOOP ? kErrPathAccess : fileErrorFromErrno(err);

    std::string tmp;
    int fd = CreateScratchFile(dir, "", tmp);
    if (fd < 0) return fileErrorFromErrno(errno);
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
    if (code != 0) {
        ::unlink(tmp.c_str());
        return code;
    }
    if (int err = InstallFile(tmp, path, refuseLink))
        return err == ELOOP ? kErrPathAccess : fileErrorFromErrno(err);
    return 0;
}

std::int32_t readWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    // Only regular files, and only as much as a settings or style file can hold: a device
    // or a pipe would never end (and opening a pipe would wait for a writer).
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fileErrorFromErrno(errno);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return kErrPathAccess;
    }
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        ::close(fd);
        return fileErrorFromErrno(errno);
    }
    char buf[65536];
    std::size_t n;
    std::int32_t code = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        if (bytes.size() + n > kMaxWholeFileBytes) {
            code = kErrDeviceIO;
            break;
        }
        bytes.append(buf, n);
    }
    if (code == 0 && std::ferror(f)) code = fileErrorFromErrno(errno);
    std::fclose(f);
    if (code != 0) bytes.clear();
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
