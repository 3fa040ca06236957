#pragma once

#include "records/RecordState.h"
#include "records/RecordTime.h"

#include <string>
#include <string_view>

// One row of the records list.
struct RecordEntry {
    std::string Name;  // the record directory's name, without any path
    RecordTime Time = 0;
    RecordState State = RecordState::Unprocessed;

    bool operator==(const RecordEntry&) const = default;
};

// Record names are compared ignoring case wherever a row is looked up by name.
bool SameRecordName(std::string_view a, std::string_view b);
