#pragma once

#include <cstdint>

// Names the command behind a playback or display hint, so that a view can
// tell a pause from a restart.
class CCommandHint {
public:
    explicit CCommandHint(std::int32_t command) : Command(command) {}

    std::int32_t Command;
};
