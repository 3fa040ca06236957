#pragma once

#include <array>
#include <string>

namespace testsupport {

// A record directory: general-view ".BMP" frames with their info text and
// ".CFA" lane frames of 1072 x 14 samples (with a corner of optical black, so
// that they window and render as real ones), of unit 00:11:22:33:44:55. Frame
// f of lane l holds 256 levels from 100 + 600 (l - 1) + 50 (f - 1) upward.
struct ReviewRecord {
    std::string Name;  // the directory name, see RecordName
    int GeneralFrames = 0;
    std::array<int, 3> LaneFrames{};  // left, middle, right
    // "2006-03-01 12:00:03.250" in every general frame's info text; empty for none.
    std::string RedTime;
    std::string YellowTime;
};

// Creates root + Name with its frames; returns the directory ending in '/'.
std::string WriteReviewRecord(const std::string& root, const ReviewRecord& record);
// The path of a lane frame written by WriteReviewRecord (lane 1..3, frame 1-based).
std::string ReviewLaneFramePath(const std::string& directory, int lane, int frame);

}  // namespace testsupport
