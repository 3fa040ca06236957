#pragma once

#include "records/RecordEntry.h"
#include "records/RecordTime.h"

#include <vector>

// How many of the local calendar fields must agree: the date, the date with
// hour and minute, or all of them down to the second.
enum class LocalTimePrecision { Day, Minute, Second };

// The first of rows, in their order, whose local time agrees with time's to
// the precision; -1 for none. A time the C library cannot convert agrees
// with nothing.
int FindRecordByLocalTime(const std::vector<RecordEntry>& rows, RecordTime time, LocalTimePrecision precision);

// Whether two record times agree in local time to the precision; false when
// either cannot be converted.
bool SameLocalTime(RecordTime a, RecordTime b, LocalTimePrecision precision);
