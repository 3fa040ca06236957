#pragma once

#include "records/FrameTime.h"

#include <string>

// The stored fields as "YYYY-MM-DD hh:mm:ss.mmm", the form of the times in a
// general view's info text, zero-padded and not normalised; empty when the
// year is 0 (a time the record does not give).
std::string FrameTimeFields(const FrameTime& time);
