#include "records/FrameTimeFields.h"

#include <cstdio>

std::string FrameTimeFields(const FrameTime& time)
{
    if (time.Year == 0)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u", unsigned{time.Year},
                  unsigned{time.Month}, unsigned{time.Day}, unsigned{time.Hour},
                  unsigned{time.Minute}, unsigned{time.Second}, unsigned{time.Millisecond});
    return text;
}
