#pragma once

#include "records/FrameTime.h"

#include <cstdint>
#include <string>

// Frame times of the demo, computed in 100-ns units as the record store does.

// The time a number of milliseconds after (or before, when negative) a time,
// with its day of week.
FrameTime AddMilliseconds(const FrameTime& time, std::int64_t milliseconds);
// A calendar time with its day of week.
FrameTime MakeFrameTime(int year, int month, int day, int hour, int minute, int second,
                        int millisecond);
// "2024-05-13 14-22-05", the name of a record directory.
std::string RecordDirectoryName(const FrameTime& time);
// "20240513142205250", the time part of a general-view file name.
std::string FileNameTime(const FrameTime& time);
