#include "document/ThumbnailCaption.h"

#include "records/RecordContent.h"
#include "records/RecordTime.h"

#include <cstdio>

namespace {

// Shorter yellow times are taken for none given.
constexpr double ShortestYellowTime = 0.001;

}  // namespace

std::string ThumbnailCaption(const RecordContent& content, int lane, int position)
{
    if (lane < 1 || lane > 3 || position < 1 || content.Frames[lane].empty())
        return {};
    char text[96] = "";
    if (content.RedTime.Year > 0) {
        const double yellow = SecondsBetween(content.RedTime, content.YellowTime);
        if (yellow >= ShortestYellowTime)
            std::snprintf(text, sizeof text, " (Yellow time duration %.3f sec.) ", yellow);
    }
    return text + std::string(1, "LMR"[lane - 1]) + std::to_string(position);
}
