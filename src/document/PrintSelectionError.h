#pragma once

#include <string>

// A refused print selection: the message for the error box and the edit
// that gets the focus with its whole text selected.
struct PrintSelectionError {
    std::string Message;
    int FocusControl = 0;

    bool operator==(const PrintSelectionError&) const = default;
};
