#pragma once

#include "config/SiteEntry.h"
#include "records/FrameTime.h"
#include "records/PrivateNote.h"
#include "records/RecordState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the demo installation holds, decided before anything is drawn.

struct DemoColour {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};

// A car in one lane of a record. It moves along the lane at constant speed;
// its front passes the stop line at CrossingMs.
struct DemoCar {
    int Lane = 1;            // 1 left, 2 middle, 3 right
    bool Violates = true;    // false: it waits before the stop line
    DemoColour Body;
    std::string Plate;       // "CA 4821 KM"
    double Speed = 8.0;      // metres per second
    std::int64_t CrossingMs = 0;  // milliseconds after the red light
    int LaneFrames = 0;      // ".CFA" frames of its lane (violators only)
};

struct DemoRecord {
    std::string Name;  // "2024-05-13 14-22-05"
    FrameTime RedTime;
    FrameTime YellowTime;
    bool Night = false;
    int Unit = 0;  // index into DemoPlan::Units
    RecordState State = RecordState::Unprocessed;
    int GeneralFrames = 6;
    std::int64_t FirstGeneralMs = 0;  // milliseconds after the red light
    std::vector<DemoCar> Cars;        // at most one per lane
    std::optional<PrivateNote> Note;
    std::uint64_t NoiseSeed = 0;
};

struct DemoPlan {
    std::vector<SiteEntry> Units;  // the last one without an address
    std::vector<DemoRecord> Records;
};
