#pragma once

#include <string>

namespace testsupport {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes away. Path() ends in '/'.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + relative, creating the parent directories of it.
    std::string Make(const std::string& relative) const;
    // Creates the directory Path() + relative (and its parents); returns its path with '/'.
    std::string MakeDir(const std::string& relative) const;

private:
    std::string path_;
};

// Writes bytes to a file, replacing it; aborts the test program on failure.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);

}  // namespace testsupport
