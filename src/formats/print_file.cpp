#include "formats/print_file.h"

#include <stdio.h>  // fseeko
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "common/error_codes.h"
#include "common/file_util.h"
#include "formats/cp932_chars.h"
#include "formats/format_error.h"
#include "formats/messages.h"

namespace nuvra::formats {
namespace {

constexpr std::size_t kBufferBytes = 1u << 16;

bool startsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

std::string_view trimRightBlanks(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool isCp932Clean(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        Cp932Char c = cp932CharAt(s, i);
        if (!c.valid) return false;
        i += c.bytes;
    }
    return true;
}

// "?FG;nnn;nnn;path": the two fields are not used; the path runs to the end.
void classifyFigure(std::string_view rest, PrintLine& line) {
    line.kind = LineKind::Figure;
    std::size_t first = rest.find(';', 4);
    std::size_t second = first == std::string_view::npos ? first : rest.find(';', first + 1);
    if (second == std::string_view::npos) {
        line.problem = "図の参照の形式が正しくありません";
        return;
    }
    std::string_view path = rest.substr(second + 1);
    if (path.empty()) {
        line.problem = "図の配置ファイルの名前がありません";
        return;
    }
    bool clean = true;
    line.figurePath = cp932ToUtf8(path, &clean);
    if (!clean) line.problem = "図の配置ファイルの名前に CP932 でない文字があります";
}

}  // namespace

PrintLine classifyPrintLine(std::string_view bytes, long lineNumber) {
    PrintLine line;
    line.lineNumber = lineNumber;
    std::size_t blanks = 0;
    while (blanks < bytes.size() && bytes[blanks] == ' ')
        ++blanks;
    std::string_view rest = trimRightBlanks(bytes.substr(blanks));
    if (rest.empty()) return line;
    line.column = static_cast<int>(blanks);
    if (startsWith(rest, kChapterMark) || startsWith(rest, kSectionMark)) {
        line.kind = startsWith(rest, kChapterMark) ? LineKind::Heading1 : LineKind::Heading2;
        line.text = std::string(rest.substr(kChapterMark.size()));
    } else if (startsWith(rest, kFigureMark)) {
        classifyFigure(rest, line);
        return line;
    } else {
        line.kind = LineKind::Body;
        line.text = std::string(rest);
    }
    if (!isCp932Clean(line.text)) line.problem = "CP932 でない文字があります";
    return line;
}

PrintFileReader::~PrintFileReader() {
    if (f_) std::fclose(f_);
}

bool PrintFileReader::open(const std::string& path, std::string& error) {
    if (f_) std::fclose(f_);
    f_ = nullptr;
    path_ = path;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "印刷ファイル " + path + " を読めません（" + fileProblemText(kErrPathAccess) + "）";
        return false;
    }
    f_ = std::fopen(path.c_str(), "rb");
    if (!f_) {
        error = "印刷ファイル " + path + " を読めません（" +
                fileProblemText(fileErrorFromErrno(errno)) + "）";
        return false;
    }
    buf_.resize(kBufferBytes);
    return seek(0, 1);
}

bool PrintFileReader::seek(std::uint64_t offset, long lineNumber) {
    if (!f_ || fseeko(f_, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
    pos_ = offset;
    bufPos_ = bufLen_ = 0;
    line_ = lineNumber;
    pendingBreak_ = false;
    error_.clear();
    return true;
}

PrintFileReader::Stamp PrintFileReader::stamp() const {
    Stamp s;
    struct stat st {};
    if (f_ && fstat(fileno(f_), &st) == 0) {
        s.size = static_cast<long long>(st.st_size);
        s.mtimeSec = static_cast<long long>(st.st_mtim.tv_sec);
        s.mtimeNsec = static_cast<long long>(st.st_mtim.tv_nsec);
    }
    return s;
}

int PrintFileReader::peek() {
    if (bufPos_ == bufLen_) {
        bufLen_ = std::fread(buf_.data(), 1, buf_.size(), f_);
        bufPos_ = 0;
        if (bufLen_ == 0) return EOF;
    }
    return static_cast<unsigned char>(buf_[bufPos_]);
}

int PrintFileReader::get() {
    int c = peek();
    if (c != EOF) {
        ++bufPos_;
        ++pos_;
    }
    return c;
}

PrintFileReader::Event PrintFileReader::next(PrintLine& line) {
    if (!f_) return Event::Failed;
    if (pendingBreak_) {
        pendingBreak_ = false;
        return Event::PageBreak;
    }
    eventOffset_ = pos_;
    eventLine_ = line_;
    std::string bytes;
    bool cut = false;
    bool control = false;
    while (true) {
        int c = get();
        if (c == EOF) {
            if (std::ferror(f_)) {
                error_ = "印刷ファイルの読み取りに失敗しました";
                return Event::Failed;
            }
            if (bytes.empty() && pos_ == eventOffset_) return Event::End;
            break;
        }
        if (c == kPageBreak) {
            if (bytes.empty()) return Event::PageBreak;
            pendingBreak_ = true;
            break;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && peek() == '\n') get();
            ++line_;
            break;
        }
        if (c == 0) {
            error_ =
                std::to_string(line_) + " 行目に NUL 文字があります。印刷ファイルではありません";
            return Event::Failed;
        }
        if (c < 0x20 || c == 0x7F) {  // never part of a CP932 character
            control = true;
            c = ' ';
        }
        if (bytes.size() < kMaxLineBytes)
            bytes += static_cast<char>(c);
        else
            cut = true;
    }
    line = classifyPrintLine(bytes, eventLine_);
    if (cut && line.problem.empty()) line.problem = "行が長すぎるため途中から省きました";
    if (control && line.problem.empty()) line.problem = "制御文字を空白として印刷しました";
    return Event::Line;
}

// --- Writing -----------------------------------------------------------------------

PrintFileWriter::~PrintFileWriter() {
    closeQuietly();
}

void PrintFileWriter::open(const std::string& path) {
    if (f_) return;
    f_ = std::fopen(path.c_str(), "ab");
    if (!f_) {
        int err = errno;
        throw FormatError("印刷ファイル " + path + " を開けません（" + SystemReason(err) + "）");
    }
    path_ = path;
}

void PrintFileWriter::close() {
    if (!f_) return;
    std::FILE* f = f_;
    f_ = nullptr;
    if (std::fclose(f) != 0) throw writeError(errno);
}

FormatError PrintFileWriter::writeError(int err) const {
    return FormatError("印刷ファイル " + path_ + " に書き込めません（" + SystemReason(err) + "）");
}

void PrintFileWriter::closeQuietly() noexcept {
    if (f_) std::fclose(f_);
    f_ = nullptr;
}

void PrintFileWriter::write(std::string_view bytes) {
    if (!f_) throw FormatError("the print file is not open");
    if (std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size()) throw writeError(errno);
}

void PrintFileWriter::line(std::size_t margin, LineKind kind, std::string_view text) {
    std::string bytes(margin, ' ');
    if (kind == LineKind::Heading1) bytes += kChapterMark;
    if (kind == LineKind::Heading2) bytes += kSectionMark;
    for (char c : text)
        bytes += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
    bytes += kPrintLineEnd;
    write(bytes);
}

void PrintFileWriter::figure(std::size_t margin, std::string_view path) {
    std::string bytes(margin, ' ');
    bytes += kFigureMark;
    bytes += kFigureFields;
    bytes += path;
    bytes += kPrintLineEnd;
    write(bytes);
}

void PrintFileWriter::blankLine() {
    write(kPrintLineEnd);
}

void PrintFileWriter::pageBreak() {
    write(std::string_view(&kPageBreak, 1));
}

bool PrintFileWriter::appendPageBreak(const std::string& path) noexcept {
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) return false;
    bool ok = std::fputc(kPageBreak, f) != EOF;
    return std::fclose(f) == 0 && ok;
}

}  // namespace nuvra::formats
