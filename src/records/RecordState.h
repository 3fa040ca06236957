#pragma once

#include <cstdint>

// Where a record's directory lies: the root, or its confirmed or rejected subdirectory.
enum class RecordState : std::int32_t {
    Unprocessed = 0,
    Confirmed = 2,
    Rejected = 4,
};
