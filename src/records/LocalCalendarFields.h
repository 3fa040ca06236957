#pragma once

#include "records/RecordTime.h"

#include <optional>

// The local year, month (1..12), day, hour, minute and second of a record
// time, the fields LocalToRecordTime takes; nothing when the C library
// cannot convert the time.
std::optional<CalendarFields> LocalCalendarFields(RecordTime time);
