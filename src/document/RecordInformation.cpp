#include "document/RecordInformation.h"

#include "config/CVantrelSettings.h"
#include "records/RecordContent.h"
#include "records/RecordTime.h"

#include <cstdio>

namespace {

bool Known(const FrameTime& time)
{
    return time.Year != 0;
}

std::string StartText(const FrameTime& time)
{
    return Known(time) ? FormatFrameTimeText(time) : std::string();
}

std::string DurationText(const FrameTime& red, const FrameTime& yellow)
{
    if (!Known(red) || !Known(yellow))
        return {};
    // NaN for an impossible calendar time fails this test as well.
    const double seconds = SecondsBetween(red, yellow);
    if (!(seconds >= 0.001))
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%.3f sec. ", seconds);
    return text;
}

}  // namespace

RecordInformation RecordInformation::For(const RecordContent& record, const SiteEntry& site)
{
    RecordInformation information;
    information.SiteAddress = site.address;
    information.MacText = CVantrelSettings::FormatMac(site.mac);
    information.RedStartText = StartText(record.RedTime);
    information.YellowStartText = StartText(record.YellowTime);
    information.YellowDurationText = DurationText(record.RedTime, record.YellowTime);
    return information;
}
