#include "common/line_reader.h"

#include <sys/stat.h>

#include <cerrno>

#include "common/error_codes.h"

namespace nuvra {

LineReader::~LineReader() {
    if (f_) std::fclose(f_);
}

std::int32_t LineReader::open(const std::string& path) {
    if (path.empty()) return error_ = kErrBadFileName;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return error_ = fileErrorFromErrno(errno);
    // A folder, a device or a pipe is no file to read (a pipe or /dev/zero never ends).
    if (!S_ISREG(st.st_mode)) return error_ = kErrPathAccess;
    f_ = std::fopen(path.c_str(), "rb");
    if (!f_) return error_ = fileErrorFromErrno(errno);
    return 0;
}

int LineReader::get() {
    if (pushback_ != -2) {
        int c = pushback_;
        pushback_ = -2;
        return c;
    }
    if (!f_) return EOF;
    int c = std::fgetc(f_);
    if (c == EOF && std::ferror(f_) && error_ == 0) error_ = kErrDeviceIO;
    return c;
}

int LineReader::peek() {
    int c = get();
    unget(c);
    return c;
}

bool LineReader::readLine(std::string& line) {
    line.clear();
    int c = get();
    if (c == EOF) return false;
    while (c != EOF) {
        if (c == '\n') break;
        if (c == '\r') {
            if (peek() == '\n') get();
            break;
        }
        if (line.size() >= kMaxLineBytes) {
            error_ = kErrDeviceIO;  // no file of ours has such a line
            return false;
        }
        line.push_back(static_cast<char>(c));
        c = get();
    }
    return true;
}

bool LineReader::readItem(std::string& item, bool& quoted) {
    item.clear();
    quoted = false;
    int c = get();
    while (c == ' ' || c == '\t' || c == '\r' || c == '\n')
        c = get();
    if (c == EOF) return false;
    if (c == '"') {
        quoted = true;
        for (c = get(); c != EOF && c != '"'; c = get()) {
            if (item.size() >= kMaxLineBytes) {
                error_ = kErrDeviceIO;
                return false;
            }
            item.push_back(static_cast<char>(c));
        }
        if (c == '"') {
            // Drop what follows up to the comma or line end.
            for (c = get(); c != EOF && c != ',' && c != '\r' && c != '\n'; c = get()) {
            }
        }
        if (c == '\r' && peek() == '\n') get();
        return true;
    }
    while (c != EOF && c != ',' && c != '\r' && c != '\n') {
        if (item.size() >= kMaxLineBytes) {
            error_ = kErrDeviceIO;
            return false;
        }
        item.push_back(static_cast<char>(c));
        c = get();
    }
    if (c == '\r' && peek() == '\n') get();
    while (!item.empty() && (item.back() == ' ' || item.back() == '\t'))
        item.pop_back();
    return true;
}

}  // namespace nuvra
