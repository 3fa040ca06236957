#pragma once

#include <dirent.h>

#include <string>
#include <string_view>

// The entries of one directory in the order the system returns them, without
// "." and "..". A symbolic link is neither a directory nor a regular file
// here, so a link never leads a scan out of the tree or round in a loop.
class DirectoryReader {
public:
    enum class Kind { Directory, RegularFile, Other };

    // A directory that cannot be opened reads as empty.
    explicit DirectoryReader(const std::string& directory);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    // The next entry; false at the end. The name stays valid until the next call.
    bool Next(std::string_view& name, Kind& kind);

private:
    Kind KindOf(const char* name, unsigned char type) const;

    DIR* dir_;
};
