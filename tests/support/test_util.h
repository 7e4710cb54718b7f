// Small helpers shared by the tests: temporary folders and file access.
#pragma once

#include <string>

namespace nuvra::test {

/// A fresh folder under the system's temporary folder, removed with its contents
/// when the object is destroyed.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

/// Path of a file in the source tree (relative to the repository root).
std::string sourcePath(const std::string& rel);

/// Path of the shared reference designs, or empty when they are not beside the project.
std::string vectorsDir();

}  // namespace nuvra::test
