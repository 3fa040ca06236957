#include "document/DetailedCaption.h"

#include "records/RecordContent.h"
#include "records/RecordTime.h"

#include <cstdio>

std::string LaneName(int lane)
{
    switch (lane) {
    case 1:
        return "Left lane";
    case 2:
        return "Middle lane";
    case 3:
        return "Right lane";
    default:
        return {};
    }
}

std::string DetailedCaption(const RecordContent& content, int lane, int position)
{
    if (lane < 1 || lane > 3 || position < 1)
        return {};
    const auto& frames = content.Frames[lane];
    if (static_cast<std::size_t>(position) > frames.size())
        return {};
    const FrameTime& time = frames[position - 1].Time;
    std::string text = LaneName(lane) + ", Frame " + std::to_string(position) + ", " +
                       FormatFrameTimeText(time);
    if (content.RedTime.Year > 0) {
        // NaN for a time that is no calendar time, so the test below fails.
        const double afterRed = SecondsBetween(time, content.RedTime);
        if (afterRed >= 0.0) {
            char part[64];
            std::snprintf(part, sizeof part, " (After red light %.3f sec.)", afterRed);
            text += part;
        }
    }
    return text;
}
