#pragma once

#include <string>

// One described private-note code.
struct CodeNote {
    int code = 0;
    std::string note;  // UTF-8; may be empty
};
