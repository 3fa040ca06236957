#include "records/DirectoryMove.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

bool EnsureDirectory(const std::string& path)
{
    if (path.empty())
        return false;
    struct stat status {};
    return stat(path.c_str(), &status) == 0 || mkdir(path.c_str(), 0777) == 0;
}

bool MoveDirectory(const std::string& source, const std::string& destination)
{
    // A plain rename would silently replace an empty directory of that name.
    return renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, destination.c_str(), RENAME_NOREPLACE) == 0;
}
