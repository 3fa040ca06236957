#include "records/RecordContent.h"

#include "records/DirectoryReader.h"

#include <strings.h>

namespace {

enum class FrameKind { None, Lane, GeneralView };

// By the text from the last full stop on, unless that full stop begins the name.
FrameKind KindOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return FrameKind::None;
    const std::string extension(name.substr(dot));
    if (strcasecmp(extension.c_str(), ".CFA") == 0)
        return FrameKind::Lane;
    if (strcasecmp(extension.c_str(), ".BMP") == 0)
        return FrameKind::GeneralView;
    return FrameKind::None;
}

// The highest lane with frames gives the record and its general view their unit address.
void SetUnitAddress(RecordContent& content)
{
    for (int lane = 1; lane <= 3; ++lane) {
        const std::vector<FrameEntry>& frames = content.Frames[lane];
        if (frames.empty())
            continue;
        content.Mac = frames.front().Mac;
        for (FrameEntry& general : content.Frames[RecordContent::GeneralView])
            general.Mac = frames.front().Mac;
    }
}

}  // namespace

void LoadRecord(RecordContent& content, const std::string& directory, RecordTime time)
{
    std::string path = directory;
    if (path.empty() || path.back() != '/')
        path += '/';
    ClearRecord(content);
    content.Time = time;
    content.Path = path;
    DirectoryReader reader(path);
    std::string_view name;
    DirectoryReader::Kind kind;
    while (reader.Next(name, kind)) {
        if (kind != DirectoryReader::Kind::RegularFile)
            continue;
        const FrameKind frameKind = KindOf(name);
        if (frameKind == FrameKind::Lane)
            AddLaneFrame(content, path + std::string(name));
        else if (frameKind == FrameKind::GeneralView)
            AddGeneralViewFrame(content, path + std::string(name));
    }
    SetUnitAddress(content);
}

void ClearRecord(RecordContent& content)
{
    content.Mac.reset();
    content.RedTime = FrameTime{};
    content.YellowTime = FrameTime{};
    content.Path.clear();
    for (std::vector<FrameEntry>& frames : content.Frames)
        frames.clear();
}
