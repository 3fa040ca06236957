#pragma once

#include "records/FrameEntry.h"
#include "records/RecordTime.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The files and timing of the selected record.
struct RecordContent {
    static constexpr int GeneralView = 0;  // index into Frames; 1..3 are the lanes

    FrameTime RedTime;     // all zero when the record does not give it
    FrameTime YellowTime;  // all zero when the record does not give it
    RecordTime Time = 0;
    // The unit address of the highest lane that has frames; none without lane frames.
    std::optional<MacAddress> Mac;
    std::string Path;  // record directory, ending in '/'
    // 0 general view in time order, 1..3 left, middle, right lane by frame number.
    std::array<std::vector<FrameEntry>, 4> Frames;
};

// Reads every ".CFA" and ".BMP" file of the directory into the content.
void LoadRecord(RecordContent& content, const std::string& directory, RecordTime time);
// Empties everything but Time.
void ClearRecord(RecordContent& content);
// Each reads one file and inserts its entry at its place; an unreadable or
// malformed file is skipped silently.
void AddLaneFrame(RecordContent& content, const std::string& path);
void AddGeneralViewFrame(RecordContent& content, const std::string& path);
