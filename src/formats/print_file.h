// The combined print file: CP932 text lines ended by CR LF, laid out for a fixed-pitch
// page on which one byte takes one column.
//
//   "<blanks>?R1<text>"            chapter heading (the marker is not printed)
//   "<blanks>?R2<text>"            section heading
//   "<blanks>?FG;nnn;nnn;<path>"   a figure: the path of its layout file
//   form feed (code 12)            page break; the next line may follow it directly
//   anything else                  a body line, printed as it stands
//
// The reader streams the file: it never holds more than one line, and it can go back
// to any line start it reported, so a document of any length is paged through lazily.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "formats/format_error.h"

namespace nuvra::formats {

// The marks of the format, as the writer puts them and the reader looks for them.
inline constexpr std::string_view kChapterMark = "?R1";
inline constexpr std::string_view kSectionMark = "?R2";
inline constexpr std::string_view kFigureMark = "?FG;";
/// What the writer puts between the figure mark and the path (fields not used).
inline constexpr std::string_view kFigureFields = "000;000;";
inline constexpr char kPageBreak = '\f';
inline constexpr std::string_view kPrintLineEnd = "\r\n";

enum class LineKind { Blank, Body, Heading1, Heading2, Figure };

struct PrintLine {
    LineKind kind = LineKind::Blank;
    int column = 0;          ///< half-width column where `text` (or the figure) starts
    std::string text;        ///< CP932 bytes to print, markers and outer blanks removed
    std::string figurePath;  ///< Figure: the layout file's path (UTF-8, as written)
    std::string problem;     ///< what is wrong with the line; empty when nothing
    long lineNumber = 0;     ///< 1-based line of the file
};

/// Sorts one line (CP932 bytes without its end) into its kind.
PrintLine classifyPrintLine(std::string_view bytes, long lineNumber);

class PrintFileReader {
  public:
    enum class Event { Line, PageBreak, End, Failed };

    /// Lines longer than this are cut (no report line comes near it).
    static constexpr std::size_t kMaxLineBytes = 2000;

    PrintFileReader() = default;
    ~PrintFileReader();
    PrintFileReader(const PrintFileReader&) = delete;
    PrintFileReader& operator=(const PrintFileReader&) = delete;

    /// Opens the file; false with a message when it cannot be read.
    bool open(const std::string& path, std::string& error);
    /// Goes back (or forward) to a line start reported by eventOffset().
    bool seek(std::uint64_t offset, long lineNumber);

    /// The next line or page break. Failed when the file is not a text file (it holds
    /// a NUL byte) or a read fails; error() says why.
    Event next(PrintLine& line);

    /// Size and modification time of the open file, to notice it being rewritten.
    struct Stamp {
        long long size = -1, mtimeSec = 0, mtimeNsec = 0;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp() const;

    std::uint64_t eventOffset() const { return eventOffset_; }
    long eventLine() const { return eventLine_; }
    const std::string& error() const { return error_; }

  private:
    int get();
    int peek();

    std::FILE* f_ = nullptr;
    std::vector<char> buf_;
    std::size_t bufPos_ = 0, bufLen_ = 0;
    std::uint64_t pos_ = 0;  ///< file offset of the next byte get() returns
    long line_ = 1;
    bool pendingBreak_ = false;
    std::uint64_t eventOffset_ = 0;
    long eventLine_ = 1;
    std::string error_;
    std::string path_;
};

/// Appends lines to a print file in the format above. Texts are CP932 bytes; a control
/// byte inside a text becomes a blank, so no text can end its line or page early or make
/// the reader refuse the file (CP932 never uses those bytes inside a character). Throws
/// FormatError when the file cannot be opened or written.
class PrintFileWriter {
  public:
    PrintFileWriter() = default;
    ~PrintFileWriter();  ///< closes without a word; what was written stays
    PrintFileWriter(const PrintFileWriter&) = delete;
    PrintFileWriter& operator=(const PrintFileWriter&) = delete;

    /// Opens `path` for appending (creates it when missing).
    void open(const std::string& path);
    /// Closes, reporting a failure to write the last bytes.
    void close();
    void closeQuietly() noexcept;
    bool isOpen() const { return f_ != nullptr; }

    /// "<margin blanks><mark><text>" and the line end; the mark is that of a chapter or
    /// section heading for Heading1 and Heading2, none for Body.
    void line(std::size_t margin, LineKind kind, std::string_view text);
    /// "<margin blanks>?FG;000;000;<path>" and the line end; `path` as the reader will
    /// resolve it (see FileReference).
    void figure(std::size_t margin, std::string_view path);
    void blankLine();
    void pageBreak();

    /// A page break added to the end of a closed print file; false when it cannot be.
    static bool appendPageBreak(const std::string& path) noexcept;

  private:
    void write(std::string_view bytes);
    FormatError writeError(int err) const;

    std::FILE* f_ = nullptr;
    std::string path_;
};

}  // namespace nuvra::formats
