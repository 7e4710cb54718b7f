// Reads a byte file lazily, by lines (CR LF, lone CR or lone LF end a line) and by
// BASIC-style items. Never reads further than asked, so a valid file followed by any
// amount of junk costs only what is read.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace nuvra {

class LineReader {
  public:
    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    /// Longest line readLine accepts; a longer one is an error.
    static constexpr std::size_t kMaxLineBytes = 1u << 20;

    /// Opens the file; returns 0 or a FileError code (a folder, a device or a pipe gives
    /// kErrPathAccess).
    std::int32_t open(const std::string& path);

    /// Next line without its end; false at end of file (or on an error: see failed()).
    bool readLine(std::string& line);

    /// Next item as BASIC's Input # reads it: blanks and line ends skipped; a quoted
    /// item ends at the next '"' and the rest up to the comma or line end is dropped;
    /// other items run to the next comma or line end, blanks around them removed.
    /// False when the file ends before an item starts.
    bool readItem(std::string& item, bool& quoted);

    bool failed() const { return error_ != 0; }
    std::int32_t error() const { return error_; }

  private:
    int get();
    int peek();
    void unget(int c) { pushback_ = c; }

    std::FILE* f_ = nullptr;
    int pushback_ = -2;
    std::int32_t error_ = 0;
};

}  // namespace nuvra
