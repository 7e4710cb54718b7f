// Small file helpers. Each traps every error and reports only through its result.
#pragma once

#include <cstdint>
#include <mutex>
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

/// Appends the bytes to the file (created when missing); false on any error (errno set).
bool AppendBytes(const std::string& path, const std::string& bytes);

/// The version probe: line 3 of the file from its 33rd character to the end, without
/// its last character ("1.00" for an input file). Characters are counted in the
/// decoded text. Any failure gives "error".
std::string ReadHeaderName(const std::string& path);

/// Replaces the file at path by `bytes` without ever leaving it half written: the data
/// go to a temporary file in the same folder, which is renamed over the target only
/// when complete. A file the user may not write is not replaced (kErrPermissionDenied);
/// with `refuseLink` neither is a symbolic link. A new file takes the umask, a replaced
/// one keeps its mode. Returns 0 or a FileError code; on failure the old file is intact.
std::int32_t writeFileAtomically(const std::string& path, const std::string& bytes,
                                 bool refuseLink = false);

/// The start of the name of every scratch file this process makes beside a file it
/// writes (".~nvr<pid>-"), so that an interrupted run can find and remove its own.
std::string ScratchTag();

/// A Japanese description of an errno value, for messages that name a file and a cause.
std::string SystemReason(int err);

/// Whether a file of ours may be put at `path`: 0 when nothing is there or a regular file
/// the user may write; otherwise ELOOP (a symbolic link, only with `refuseLink`), EISDIR
/// (a folder), EACCES (write-protected) or ENOTDIR/ENOENT-like errnos of the folder.
int CheckWriteTarget(const std::string& path, bool refuseLink);

/// Creates an empty scratch file "<folder>/<ScratchTag()><hint>XXXXXX" with the mode a
/// new file gets under the umask; returns its descriptor (path set) or -1 (errno set).
/// Made under ScratchCreationLock().
int CreateScratchFile(const std::string& folder, const std::string& hint, std::string& path);

/// Held while a scratch file is made. A signal's cleanup takes it for good before it
/// sweeps, so that no scratch file appears after the sweep. Process-wide, as signals are.
std::mutex& ScratchCreationLock();

/// Moves a complete scratch file onto `path` after CheckWriteTarget; the mode of a file
/// it replaces is kept. Returns 0 or an errno value; the scratch file is removed on
/// failure.
int InstallFile(const std::string& scratch, const std::string& path, bool refuseLink);

/// The folder part of a path ("." when there is none).
std::string FolderOf(const std::string& path);

/// The most readWholeFile reads.
inline constexpr std::size_t kMaxWholeFileBytes = 16u << 20;

/// Reads a whole regular file of at most kMaxWholeFileBytes; returns 0 or a FileError
/// code (kErrPathAccess for anything but a regular file, kErrDeviceIO when too long).
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
