#include "records/DirectoryReader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

DirectoryReader::DirectoryReader(const std::string& directory) : dir_(opendir(directory.c_str())) {}

DirectoryReader::~DirectoryReader()
{
    if (dir_)
        closedir(dir_);
}

bool DirectoryReader::Next(std::string_view& name, Kind& kind)
{
    if (!dir_)
        return false;
    while (const dirent* entry = readdir(dir_)) {
        name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        kind = KindOf(entry->d_name, entry->d_type);
        return true;
    }
    return false;
}

DirectoryReader::Kind DirectoryReader::KindOf(const char* name, unsigned char type) const
{
    if (type == DT_DIR)
        return Kind::Directory;
    if (type == DT_REG)
        return Kind::RegularFile;
    if (type != DT_UNKNOWN)
        return Kind::Other;
    // Some file systems leave the type to a stat of the entry itself.
    struct stat status {};
    if (fstatat(dirfd(dir_), name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return Kind::Other;
    if (S_ISDIR(status.st_mode))
        return Kind::Directory;
    return S_ISREG(status.st_mode) ? Kind::RegularFile : Kind::Other;
}
