#include "records/DirectoryPrefix.h"

std::string DirectoryPrefix(std::string_view directory)
{
    if (directory.empty())
        return "./";
    std::string prefix(directory);
    if (prefix.back() != '/')
        prefix += '/';
    return prefix;
}
