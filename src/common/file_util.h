// Small file helpers. Each traps every error and reports only through its result.
#pragma once

#include <cstdint>
#include <string>

namespace nuvra {

/// Deletes the file; true when it was deleted.
bool KillFile(const std::string& path);

/// Creates the folder; false on failure, also when it already exists.
bool MakeFolder(const std::string& path);

/// Creates or empties the file; true when that worked.
bool TestCreateFile(const std::string& path);

/// Appends every line of source to destination, each ended with CR LF.
/// Lines of the source end at CR LF, CR or LF.
bool AppendFile(const std::string& destination, const std::string& source);

/// The version probe: line 3 of the file from its 33rd character to the end, without
/// its last character ("1.00" for an input file). Characters are counted in the
/// decoded text. Any failure gives "error".
std::string ReadHeaderName(const std::string& path);

/// Replaces the file at path by `bytes` without ever leaving it half written: the data
/// go to a temporary file in the same folder, which is renamed over the target only
/// when complete. Returns 0 or a FileError code; on failure the old file is intact.
std::int32_t writeFileAtomically(const std::string& path, const std::string& bytes);

/// Reads a whole file; returns 0 or a FileError code.
std::int32_t readWholeFile(const std::string& path, std::string& bytes);

/// A private folder in the temporary folder ("<prefix>XXXXXX"), removed with everything in
/// it when the object goes. path() is empty when the folder could not be made.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace nuvra
