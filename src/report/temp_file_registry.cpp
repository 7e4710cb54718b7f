#include "report/temp_file_registry.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "common/file_util.h"
#include "report/report_error.h"

namespace nuvra::report {

TempFileRegistry::TempFileRegistry(std::string tempFolder) : folder_(std::move(tempFolder)) {}

std::string TempFileRegistry::Create() {
    if (Count() >= kCapacity) throw ReportError("more than 100 temporary report files");
    std::string folder = folder_;
    if (folder.empty()) {
        std::error_code ec;
        folder = std::filesystem::temp_directory_path(ec).string();
        if (ec || folder.empty()) folder = "/tmp";
    }
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (namer_) {
        std::string file = namer_(Count() + 1);
        if (file.empty() || file.find('/') != std::string::npos || file == "." || file == "..")
            throw ReportError("unusable report file name \"" + file + "\"");
        std::string path = folder + "/" + file;
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) throw ReportError("cannot create " + path + ": " + std::strerror(errno));
        ::close(fd);
        paths_.push_back(path);
        return path;
    }
    std::string name = folder + "/~MTXXXXXX.tmp";
    int fd = ::mkstemps(name.data(), 4);  // the system makes the name unique and the file empty
    if (fd < 0)
        throw ReportError("cannot create a temporary file in " + folder + ": " +
                          std::strerror(errno));
    ::close(fd);
    paths_.push_back(name);
    return name;
}

const std::string& TempFileRegistry::Path(int i) const {
    if (i < 1 || i > Count()) throw ReportError("temporary file index out of range");
    return paths_[static_cast<std::size_t>(i - 1)];
}

void TempFileRegistry::DeleteAll() {
    for (const std::string& p : paths_)
        KillFile(p);
    paths_.clear();
}

}  // namespace nuvra::report
