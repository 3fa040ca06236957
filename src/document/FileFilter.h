#pragma once

#include <string>

// One entry of a file dialog's type list.
struct FileFilter {
    std::string Name;     // "Text files (.txt)"
    std::string Pattern;  // "*.txt"

    bool operator==(const FileFilter&) const = default;
};
