#pragma once

#include <string>

struct RecordContent;

// "Left lane", "Middle lane" and "Right lane" for lanes 1, 2 and 3; empty for
// any other lane.
std::string LaneName(int lane);

// The caption strip text of the detailed view for the frame at 1-based
// position of a lane: "Left lane, Frame 3, " and the frame's long time text,
// followed by " (After red light 1.250 sec.)" when the record gives its red
// time and the frame was taken at or after it. Empty when the lane is not 1..3
// or the position lies outside the lane's frame list.
std::string DetailedCaption(const RecordContent& content, int lane, int position);
