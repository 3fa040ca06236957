#include "RecordTreeDigest.h"

#include "TempDir.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

std::string DirectoryHash(const fs::path& directory)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string bytes;
    for (const fs::path& file : files)
        bytes += file.filename().string() + '\0' + testsupport::ReadFile(file.string()) + '\0';
    return std::to_string(std::hash<std::string>{}(bytes));
}

}  // namespace

std::vector<std::string> RecordTreeDigest(const std::string& root)
{
    std::vector<std::string> digest;
    for (const char* place : {"", "!CONFIRMED", "!REJECTED"}) {
        if (!fs::is_directory(root + place))
            continue;
        for (const fs::directory_entry& entry : fs::directory_iterator(root + place)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_directory() && name[0] != '!')
                digest.push_back(name + ' ' + DirectoryHash(entry.path()));
        }
    }
    std::sort(digest.begin(), digest.end());
    return digest;
}
