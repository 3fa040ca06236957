#pragma once

#include "document/FileFilter.h"

#include <string>
#include <vector>

// What a save dialog offers: no title and no start directory of its own.
struct SaveFileRequest {
    std::vector<FileFilter> Filters;
    std::string DefaultExtension;  // appended by the dialog to a name without one
    bool PromptOverwrite = true;   // the dialog asks before replacing a file
    std::string InitialName;
};
