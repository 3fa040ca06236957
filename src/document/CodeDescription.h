#pragma once

#include <string>

// The two texts of the code description dialog.
struct CodeDescription {
    std::string CodeText;  // the code number, shown read-only
    std::string Description;
};
