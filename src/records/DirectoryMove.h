#pragma once

#include <string>

// True when the path exists, otherwise whether it could be created as a
// directory (its parent must exist); false for an empty path.
bool EnsureDirectory(const std::string& path);

// Renames a directory in one step. Fails, changing nothing, when the
// destination exists in any form (even an empty directory), the source is
// missing, or the two lie on different file systems.
bool MoveDirectory(const std::string& source, const std::string& destination);
