// Names as a scan of the record store meets them, one per input line: each
// is taken as a record directory name and as the name of a file inside a
// record. A scan's parser, which reuses what it learnt of an hour, must give
// every name the same time as parsing that name alone; a file name is sorted
// by its extension and, with no info text to read, by the time in its last
// characters. The zone has daylight saving, so that missing and repeated
// hours come in.
#include "FuzzInputFile.h"

#include "records/RecordContent.h"
#include "records/RecordNameParser.h"
#include "records/RecordTime.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool UseZoneWithDaylightSaving()
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    return true;
}

std::vector<std::string_view> LinesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// What a directory of the file system can hold.
bool IsFileName(std::string_view name)
{
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

void CheckScanAgreesWithParse(const std::vector<std::string_view>& names)
{
    RecordNameParser scan;
    for (const std::string_view name : names) {
        if (scan.Parse(name) != ParseRecordName(name)) {
            std::fprintf(stderr, "scan and parse differ for \"%.*s\"\n", int(name.size()), name.data());
            std::abort();
        }
    }
}

void CheckFrameNumbers(const RecordContent& content)
{
    const std::vector<FrameEntry>& frames = content.Frames[RecordContent::GeneralView];
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].Frame != static_cast<std::int32_t>(i) + 1)
            std::abort();
    }
}

void LoadRecordOfNames(const std::vector<std::string_view>& names)
{
    const std::string directory = FuzzInputFile::PathOf("record/");
    std::filesystem::remove_all(directory);
    mkdir(directory.c_str(), 0700);
    for (const std::string_view name : names) {
        if (IsFileName(name))
            FuzzInputFile::Write("record/" + std::string(name), nullptr, 0);
    }
    RecordContent content;
    LoadRecord(content, directory, 0);
    CheckFrameNumbers(content);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool zoneSet = UseZoneWithDaylightSaving();
    (void)zoneSet;
    const std::vector<std::string_view> names = LinesOf({reinterpret_cast<const char*>(data), size});
    CheckScanAgreesWithParse(names);
    LoadRecordOfNames(names);
    return 0;
}
