#pragma once

#include "records/RecordState.h"
#include "records/RecordTime.h"

#include <string>

// One row of the records list.
struct RecordEntry {
    std::string Name;  // the record directory's name, without any path
    RecordTime Time = 0;
    RecordState State = RecordState::Unprocessed;
};
