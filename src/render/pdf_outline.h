// The outline (bookmarks) of a written PDF.
//
// Qt's PDF writer has no outline of its own, so the outline is added to the finished
// file as an incremental update: the outline's objects, the document catalog again
// with the outline named in it, a cross-reference section for them and a trailer that
// points back to the original one. The original bytes stay as they are; a reader that
// knows no outlines still reads the file as before.
#pragma once

#include <string>
#include <vector>

namespace nuvra::render {

class ReportDocument;

/// The program named as the author of the PDFs it writes.
inline constexpr const char* kPdfAuthor = "Nuvra";

struct OutlineEntry {
    int level = 1;       ///< 1 chapter, 2 section (a section before any chapter counts as 1)
    std::string title;   ///< UTF-8
    int page = 0;        ///< 0-based page index
    double topMm = 0.0;  ///< where the heading stands, from the paper's top
};

/// Appends the outline to the PDF in `bytes`, and `author` to its document
/// information when it names none. Entries of level 2 hang under the chapter before
/// them. False with a message when the file's structure is not one
/// this reader understands (a cross-reference stream, a page tree it cannot walk);
/// `bytes` is then left as it was.
bool appendPdfOutline(std::string& bytes, const std::vector<OutlineEntry>& entries,
                      const std::string& author, std::string& error);

/// Reads a file and appends the outline's update to it.
bool appendPdfOutlineToFile(const std::string& path, const std::vector<OutlineEntry>& entries,
                            const std::string& author, std::string& error);

/// The document's chapter and section headings as the PDF's outline, and the program
/// as its author, appended to the PDF at `pdfPath`.
bool addDocumentOutline(const ReportDocument& doc, const std::string& pdfPath, std::string& error);

}  // namespace nuvra::render
