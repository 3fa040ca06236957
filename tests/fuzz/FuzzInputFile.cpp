#include "FuzzInputFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

class ScratchDirectory {
public:
    ScratchDirectory()
    {
        const std::filesystem::path pattern = std::filesystem::temp_directory_path() / "vantrel-fuzz-XXXXXX";
        std::string name = pattern.string();
        if (!mkdtemp(name.data())) {
            std::perror("vantrel fuzz: mkdtemp");
            std::abort();
        }
        path_ = name + '/';
    }
    ~ScratchDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

std::string FuzzInputFile::PathOf(const std::string& name)
{
    static const ScratchDirectory directory;
    return directory.Path() + name;
}

std::string FuzzInputFile::Write(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    const std::string path = PathOf(name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    // An input that did not reach the file would be fuzzing something else.
    if (!file) {
        std::perror(path.c_str());
        std::abort();
    }
    return path;
}
