#include "formats/temp_file_registry.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "common/file_util.h"
#include "formats/format_error.h"

namespace nuvra::formats {
namespace {

[[noreturn]] void fail(const std::string& path, const char* what, int err) {
    throw FormatFileError("ファイル " + path + " " + what + "（" + SystemReason(err) + "）");
}

}  // namespace

TempFileRegistry::TempFileRegistry(std::string tempFolder) : folder_(std::move(tempFolder)) {}

std::string TempFileRegistry::folder() const {
    std::string folder = folder_;
    if (folder.empty()) {
        std::error_code ec;
        folder = std::filesystem::temp_directory_path(ec).string();
        if (ec || folder.empty()) folder = "/tmp";
    }
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string TempFileRegistry::Create() {
    if (Count() >= kCapacity) throw FormatError("一度に作成できる印刷ファイルは 100 個までです");
    const std::string dir = folder();
    if (namer_) {
        std::string file = namer_(Count() + 1);
        if (file.empty() || file.find('/') != std::string::npos || file == "." || file == "..")
            throw FormatError("unusable report file name \"" + file + "\"");
        std::string path = dir + "/" + file;
        // The number is taken even when the file cannot be made, so that the files
        // after it keep their numbers and names.
        entries_.push_back({path, {}, false});
        if (int err = CheckWriteTarget(path, true)) fail(path, "を作成できません", err);
        std::string scratch;
        int fd = CreateScratchFile(dir, file + ".", scratch);
        if (fd < 0) fail(path, "を作成できません", errno);
        ::close(fd);
        entries_.back().scratch = scratch;
        return scratch;
    }
    std::string name = dir + "/~MTXXXXXX.tmp";
    int fd = ::mkstemps(name.data(), 4);  // the system makes the name unique and the file empty
    if (fd < 0) {
        entries_.push_back({{}, {}, false});
        fail(dir + "/~MT….tmp", "を作成できません", errno);
    }
    ::close(fd);
    entries_.push_back({name, {}, true});
    return name;
}

const TempFileRegistry::Entry& TempFileRegistry::entry(int i) const {
    if (i < 1 || i > Count()) throw FormatError("temporary file index out of range");
    return entries_[static_cast<std::size_t>(i - 1)];
}

TempFileRegistry::Entry& TempFileRegistry::mutableEntry(int i) {
    entry(i);  // range check
    return entries_[static_cast<std::size_t>(i - 1)];
}

const std::string& TempFileRegistry::Path(int i) const {
    const Entry& e = entry(i);
    return e.scratch.empty() ? e.path : e.scratch;
}

const std::string& TempFileRegistry::FinalPath(int i) const {
    return entry(i).path;
}

std::string TempFileRegistry::Commit(int i) {
    Entry& e = mutableEntry(i);
    if (e.scratch.empty()) return e.path;
    std::string scratch = std::move(e.scratch);
    e.scratch.clear();
    if (int err = InstallFile(scratch, e.path, true)) fail(e.path, "を保存できません", err);
    e.placed = true;
    return e.path;
}

std::string TempFileRegistry::Install(int i, const std::string& scratch) {
    Entry& e = mutableEntry(i);
    if (int err = InstallFile(scratch, e.path, true)) fail(e.path, "を保存できません", err);
    if (!e.scratch.empty()) ::unlink(e.scratch.c_str());
    e.scratch.clear();
    e.placed = true;
    return e.path;
}

void TempFileRegistry::Discard(int i) {
    Entry& e = mutableEntry(i);
    if (e.scratch.empty()) return;
    ::unlink(e.scratch.c_str());
    e.scratch.clear();
    // An older complete-looking file under the name would pass for this run's.
    if (CheckWriteTarget(e.path, true) == 0) KillFile(e.path);
}

void TempFileRegistry::DiscardScratch() {
    for (Entry& e : entries_) {
        if (!e.scratch.empty()) ::unlink(e.scratch.c_str());
        e.scratch.clear();
    }
}

void TempFileRegistry::Reset() {
    DiscardScratch();
    entries_.clear();
}

void TempFileRegistry::DeleteAll() {
    for (const Entry& e : entries_) {
        if (!e.scratch.empty()) ::unlink(e.scratch.c_str());
        if (e.placed) KillFile(e.path);
    }
    entries_.clear();
}

}  // namespace nuvra::formats
