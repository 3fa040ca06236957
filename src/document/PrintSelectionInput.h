#pragma once

#include "records/RecordTime.h"

#include <array>
#include <cstdint>
#include <optional>

// What the print selection dialog reads from the document.
struct PrintSelectionInput {
    std::int32_t SelectedIndex = -1;
    // General view, left, middle, right; 0 without a record.
    std::array<std::int32_t, 4> FrameCounts{};
    std::optional<RecordTime> Time;  // the selected record's time; none without a record
    std::int32_t CurrentLane = 1;
    std::int32_t CurrentGeneralFrame = -1;
    std::int32_t VisibleCount = 0;
};
