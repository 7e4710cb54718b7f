// Reading just enough of a finished PDF to append to it: the trailer, the
// cross-reference table, and the page tree with each page's height. Reads only the tail
// and the objects it needs, so a report of thousands of pages stays cheap. Used by the
// outline writer alone.
#pragma once

#include <cctype>
#include <cstddef>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace nuvra::render::pdf {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kA4HeightPt = 297.0 * kPointsPerMm;
constexpr int kMaxPageTreeDepth = 32;

struct Ref {
    long num = 0;
    long gen = 0;
};

// Random access to the bytes of a PDF, so that a report of ten thousand pages is not
// read whole: only its tail, its cross-reference table and a few small objects.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual std::size_t size() const = 0;
    /// Up to `length` bytes from `offset` (fewer at the end).
    virtual std::string read(std::size_t offset, std::size_t length) const = 0;
};

class StringSource : public ByteSource {
  public:
    explicit StringSource(const std::string& bytes) : b_(bytes) {}
    std::size_t size() const override { return b_.size(); }
    std::string read(std::size_t offset, std::size_t length) const override {
        return offset >= b_.size() ? std::string() : b_.substr(offset, length);
    }

  private:
    const std::string& b_;
};

class FileSource : public ByteSource {
  public:
    explicit FileSource(const std::string& path) : in_(path, std::ios::binary) {
        if (in_) {
            in_.seekg(0, std::ios::end);
            size_ = static_cast<std::size_t>(in_.tellg());
        }
    }
    bool ok() const { return static_cast<bool>(in_); }
    std::size_t size() const override { return size_; }
    std::string read(std::size_t offset, std::size_t length) const override {
        if (offset >= size_) return {};
        length = std::min(length, size_ - offset);
        std::string out(length, '\0');
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(out.data(), static_cast<std::streamsize>(length));
        out.resize(static_cast<std::size_t>(in_.gcount()));
        return out;
    }

  private:
    mutable std::ifstream in_;
    std::size_t size_ = 0;
};

// The end (just past ">>") of the dictionary opening at `open` of `b`, nested ones and
// strings skipped; npos when it does not end within `b`.
inline std::size_t matchDict(const std::string& b, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i + 1 < b.size(); ++i) {
        char c = b[i];
        if (c == '(') {
            int paren = 1;
            for (++i; i < b.size() && paren > 0; ++i) {
                if (b[i] == '\\')
                    ++i;
                else if (b[i] == '(')
                    ++paren;
                else if (b[i] == ')')
                    --paren;
            }
            --i;
        } else if (c == '<' && b[i + 1] == '<') {
            ++depth;
            ++i;
        } else if (c == '>' && b[i + 1] == '>') {
            --depth;
            ++i;
            if (depth == 0) return i + 1;
        }
    }
    return std::string::npos;
}

class PdfReader {
  public:
    explicit PdfReader(const ByteSource& src) : src_(src) {}

    bool readTrailer(std::string& error) {
        const std::size_t size = src_.size();
        const std::size_t tailFrom = size > kTail ? size - kTail : 0;
        const std::string tail = src_.read(tailFrom, kTail);
        std::size_t at = tail.rfind("startxref");
        if (at == std::string::npos) return fail(error, "startxref がありません");
        xrefOffset_ = std::strtol(tail.c_str() + at + 9, nullptr, 10);
        if (xrefOffset_ <= 0 || static_cast<std::size_t>(xrefOffset_) >= size)
            return fail(error, "startxref の位置が不正です");
        // The table and the trailer run from the table's start to the end of the file.
        const std::string b = src_.read(static_cast<std::size_t>(xrefOffset_), size);
        if (b.compare(0, 4, "xref") != 0) return fail(error, "相互参照表の形式に対応していません");
        std::size_t pos = 4;
        // Subsections: "first count" then count entries "offset gen n|f".
        while (true) {
            skipSpace(b, pos);
            if (pos >= b.size()) return fail(error, "トレーラーがありません");
            if (b.compare(pos, 7, "trailer") == 0) break;
            long first = 0, count = 0;
            if (!readLong(b, pos, first) || !readLong(b, pos, count) || count < 0)
                return fail(error, "相互参照表を読めません");
            for (long k = 0; k < count; ++k) {
                long off = 0, gen = 0;
                if (!readLong(b, pos, off) || !readLong(b, pos, gen))
                    return fail(error, "相互参照表を読めません");
                skipSpace(b, pos);
                if (pos >= b.size()) return fail(error, "相互参照表が途中で終わっています");
                if (b[pos++] == 'n') offsets_[first + k] = off;
            }
        }
        std::size_t open = b.find("<<", pos);
        std::size_t close = open == std::string::npos ? open : matchDict(b, open);
        if (close == std::string::npos) return fail(error, "トレーラーを読めません");
        const std::string trailer = b.substr(open, close - open);
        std::smatch m;
        static const std::regex sizeKey(R"(/Size\s+(\d+))");
        if (!std::regex_search(trailer, m, sizeKey))
            return fail(error, "トレーラーに /Size がありません");
        size_ = std::stol(m[1]);
        // An earlier update would have to be followed; Qt writes a file in one piece.
        if (trailer.find("/Prev") != std::string::npos)
            return fail(error, "追記された PDF には対応していません");
        if (!findRef(trailer, "Root", root_)) return fail(error, "トレーラーに /Root がありません");
        hasInfo_ = findRef(trailer, "Info", info_);
        static const std::regex id(R"(/ID\s*\[[^\]]*\])");
        if (std::regex_search(trailer, m, id)) id_ = m[0];
        return true;
    }

    /// The dictionary of an object that is a plain dictionary ("<< ... >>").
    bool object(const Ref& r, std::string& dict, std::string& error) const {
        auto it = offsets_.find(r.num);
        const std::string name = "オブジェクト " + std::to_string(r.num);
        if (it == offsets_.end()) return fail(error, name + " がありません");
        const auto at = static_cast<std::size_t>(it->second);
        for (std::size_t window = 4096;; window *= 4) {
            const std::string b = src_.read(at, window);
            std::size_t obj = b.find("obj");
            std::size_t open = obj == std::string::npos ? obj : b.find("<<", obj);
            if (open == std::string::npos || open > 64) return fail(error, name + " を読めません");
            std::size_t close = matchDict(b, open);
            if (close != std::string::npos) {
                dict = b.substr(open, close - open);
                return true;
            }
            if (b.size() < window || window > kMaxObject)
                return fail(error, name + " を読めません");
        }
    }

    static bool findRef(const std::string& dict, const std::string& key, Ref& r) {
        std::regex re("/" + key + R"(\s+(\d+)\s+(\d+)\s+R)");
        std::smatch m;
        if (!std::regex_search(dict, m, re)) return false;
        r = {std::stol(m[1]), std::stol(m[2])};
        return true;
    }

    /// The pages in order, walking the page tree from the catalog.
    bool pages(std::vector<Ref>& out, std::vector<double>& heights, std::string& error) const {
        std::string catalog;
        if (!object(root_, catalog, error)) return false;
        Ref tree;
        if (!findRef(catalog, "Pages", tree)) return fail(error, "ページツリーがありません");
        return walk(tree, 0, kA4HeightPt, out, heights, error);
    }

    long xrefOffset() const { return xrefOffset_; }
    long size() const { return size_; }
    const Ref& root() const { return root_; }
    bool hasInfo() const { return hasInfo_; }
    const Ref& info() const { return info_; }
    const std::string& id() const { return id_; }

  private:
    static constexpr std::size_t kTail = 1024;
    static constexpr std::size_t kMaxObject = 64u << 20;

    static bool fail(std::string& error, const std::string& what) {
        error = "PDF の構造を読めません（" + what + "）";
        return false;
    }

    bool walk(const Ref& node, int depth, double inheritedHeight, std::vector<Ref>& out,
              std::vector<double>& heights, std::string& error) const {
        if (depth > kMaxPageTreeDepth) return fail(error, "ページツリーが深すぎます");
        std::string dict;
        if (!object(node, dict, error)) return false;
        double height = inheritedHeight;
        static const std::regex box(
            R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])");
        std::smatch m;
        if (std::regex_search(dict, m, box)) height = std::stod(m[4]);
        static const std::regex pagesType(R"(/Type\s*/Pages\b)");
        if (!std::regex_search(dict, pagesType)) {
            out.push_back(node);
            heights.push_back(height);
            return true;
        }
        const std::size_t kids = dict.find("/Kids");
        const std::size_t open = kids == std::string::npos ? kids : dict.find('[', kids);
        const std::size_t close = open == std::string::npos ? open : dict.find(']', open);
        if (close == std::string::npos) return fail(error, "ページツリーに /Kids がありません");
        // The references "n g R" of the list, read as numbers in threes.
        std::size_t pos = open + 1;
        while (true) {
            long num = 0, gen = 0;
            if (!readLong(dict, pos, num) || !readLong(dict, pos, gen)) break;
            skipSpace(dict, pos);
            if (pos >= close || dict[pos] != 'R') return fail(error, "ページツリーを読めません");
            ++pos;
            if (!walk(Ref{num, gen}, depth + 1, height, out, heights, error)) return false;
        }
        return true;
    }

    static void skipSpace(const std::string& b, std::size_t& pos) {
        while (pos < b.size() && std::isspace(static_cast<unsigned char>(b[pos])))
            ++pos;
    }

    static bool readLong(const std::string& b, std::size_t& pos, long& v) {
        skipSpace(b, pos);
        std::size_t start = pos;
        while (pos < b.size() && std::isdigit(static_cast<unsigned char>(b[pos])))
            ++pos;
        if (pos == start) return false;
        v = std::stol(b.substr(start, pos - start));
        return true;
    }

    const ByteSource& src_;
    std::map<long, long> offsets_;
    long xrefOffset_ = 0;
    long size_ = 0;
    Ref root_, info_;
    bool hasInfo_ = false;
    std::string id_;
};

}  // namespace nuvra::render::pdf
