#pragma once

#include <string>

struct RecordContent;

// The caption of the thumbnails strip for the frame at 1-based position of a
// lane: " (Yellow time duration 3.250 sec.) " when the record gives a red time
// at least a millisecond after its yellow time, then the lane's letter (L, M,
// R) and the position, as in "L3". Empty when the lane is not 1..3, has no
// frames, or the position is not positive.
std::string ThumbnailCaption(const RecordContent& content, int lane, int position);
