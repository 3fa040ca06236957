#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace testsupport {

// One record directory as the review reads it: general-view ".BMP" frames
// with their info text and ".CFA" lane frames big enough (1072 x 14) to hold
// a corner of the optical-black area, so that they prepare, window and
// render as real frames do.
struct ReviewRecord {
    std::string Name;  // the directory name, see RecordName
    int GeneralFrames = 0;
    std::array<int, 3> LaneFrames{};  // left, middle, right
    // "2006-03-01 12:00:03.250" in every general frame's info text; empty for none.
    std::string RedTime;
    std::string YellowTime;
    std::array<std::uint8_t, 6> Mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    // Samples of lane frame f in lane l run from LevelBase + 600 (l - 1) + 50 (f - 1) upward over 256 levels.
    int LevelBase = 100;
};

inline constexpr int ReviewFrameWidth = 1072;
inline constexpr int ReviewFrameHeight = 14;

// Creates root + Name with its frames; returns the directory ending in '/'.
std::string WriteReviewRecord(const std::string& root, const ReviewRecord& record);
// The path of a lane frame written by WriteReviewRecord (lane 1..3, frame 1-based).
std::string ReviewLaneFramePath(const std::string& directory, int lane, int frame);

}  // namespace testsupport
