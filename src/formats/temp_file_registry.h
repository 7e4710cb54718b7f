// The temporary print and figure files of one report generation.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace nuvra::formats {

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
    /// names: a report written for keeping rather than for the viewer's one look. Such a
    /// file is written aside under a scratch name in the same folder and put under its
    /// name by Commit only when complete; a symbolic link or a write-protected file of
    /// that name is never written through or replaced. An empty namer goes back to
    /// unique names.
    void SetNamer(Namer namer) { namer_ = std::move(namer); }

    /// Creates a new empty file, registers it and returns the path to write to (the
    /// scratch file for a named file). Throws FormatError, with the file and the cause in
    /// Japanese, when 100 files are registered or the file cannot be created.
    std::string Create();
    /// Puts named file i (1 to Count()) under its name and returns that path; a file
    /// with a unique name is already in place. Throws FormatError when it cannot.
    std::string Commit(int i);
    /// Puts the complete file `scratch` (in the same folder) in place of file i and
    /// returns its path; throws FormatError (and removes `scratch`) when it cannot.
    std::string Install(int i, const std::string& scratch);
    /// Removes the scratch file of named file i that was not committed; the name then
    /// holds no file of this run (an older file of that name is removed too).
    void Discard(int i);

    int Count() const { return static_cast<int>(entries_.size()); }
    /// Where file i (1 to Count()) is now: its scratch file until committed. Throws
    /// FormatError outside that range.
    const std::string& Path(int i) const;
    /// The name file i has once in place.
    const std::string& FinalPath(int i) const;

    /// Forgets the files without deleting them (a generation starts afresh); scratch
    /// files are removed.
    void Reset();
    /// Deletes every registered file (a file that cannot be deleted is left) and
    /// empties the list.
    void DeleteAll();
    /// Removes the scratch files of named files that were not committed.
    void DiscardScratch();

    const std::string& TempFolder() const { return folder_; }

  private:
    struct Entry {
        std::string path;     ///< the name the file has once in place
        std::string scratch;  ///< where a named file is written until committed
        bool placed = false;  ///< the file stands under `path`
    };
    const Entry& entry(int i) const;
    Entry& mutableEntry(int i);
    std::string folder() const;

    std::string folder_;
    Namer namer_;
    std::vector<Entry> entries_;
};

}  // namespace nuvra::formats
