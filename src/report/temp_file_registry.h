// The temporary print and figure files of one report generation.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace nuvra::report {

/// Up to 100 files created in the temporary folder under unique names that begin
/// "~MT" ("~MTxxxxxx.tmp"). The files stay on disk until DeleteAll: the viewer reads
/// them while it shows the report. Index 1 is the first file created.
class TempFileRegistry {
  public:
    static constexpr int kCapacity = 100;

    /// File name (without folder) of file `index` (1 for the first file created).
    using Namer = std::function<std::string(int index)>;

    /// An empty folder stands for the system's temporary folder ($TMPDIR or /tmp).
    explicit TempFileRegistry(std::string tempFolder = {});

    /// From now on, files get the names the namer gives them instead of unique "~MT"
    /// names: a report written for keeping rather than for the viewer's one look. A file
    /// of that name is emptied. An empty namer goes back to unique names.
    void SetNamer(Namer namer) { namer_ = std::move(namer); }

    /// Creates a new empty file, registers it and returns its path. Throws ReportError
    /// when 100 files are registered or the file cannot be created.
    std::string Create();

    int Count() const { return static_cast<int>(paths_.size()); }
    /// Path of file i (1 to Count()); throws ReportError outside that range.
    const std::string& Path(int i) const;

    /// Forgets the files without deleting them (a generation starts afresh).
    void Reset() { paths_.clear(); }
    /// Deletes every registered file (a file that cannot be deleted is left) and
    /// empties the list.
    void DeleteAll();

    const std::string& TempFolder() const { return folder_; }

  private:
    std::string folder_;
    Namer namer_;
    std::vector<std::string> paths_;
};

}  // namespace nuvra::report
