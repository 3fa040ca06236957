#pragma once

#include "config/SiteEntry.h"
#include "records/FrameTime.h"

#include <cstdint>
#include <string>

// One image file of a record: a lane frame (".CFA") or a general-view frame (".BMP").
struct FrameEntry {
    std::string Path;
    // Lane frame: the number from its header. General view: the 1-based position in time order.
    std::int32_t Frame = 0;
    // 1 left, 2 middle, 3 right lane; 0 for the general view.
    std::int32_t Lane = 0;
    FrameTime Time;
    // Address of the roadside unit, first byte first.
    MacAddress Mac{};
};
