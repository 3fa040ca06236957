#include "tool/RecordCommand.h"

#include "config/CVantrelSettings.h"
#include "document/DetailedCaption.h"
#include "records/FrameTimeFields.h"
#include "records/RecordContent.h"
#include "tool/ToolOutput.h"

#include <CLI/App.hpp>

#include <filesystem>
#include <string>

namespace {

// The record time a row of this directory would carry: the time of its name,
// 0 for a directory that is not named as a record.
RecordTime DirectoryRecordTime(const std::string& directory)
{
    std::filesystem::path path(directory);
    if (!path.has_filename())
        path = path.parent_path();
    return ParseRecordName(path.filename().string()).value_or(0);
}

}  // namespace

void RecordCommand::Declare(CLI::App& command)
{
    command.add_option("DIR", directory_)->required();
}

int RecordCommand::Run(ToolEnvironment&) const
{
    std::error_code error;
    if (!std::filesystem::is_directory(directory_, error))
        return Fail(directory_ + ": not a directory");
    RecordContent content;
    LoadRecord(content, directory_, DirectoryRecordTime(directory_));
    PrintTiming(content);
    PrintFrames(content);
    PrintCaptions(content);
    return ExitSuccess;
}

void RecordCommand::PrintTiming(const RecordContent& content)
{
    PrintFields({"red", FrameTimeFields(content.RedTime)});
    PrintFields({"yellow", FrameTimeFields(content.YellowTime)});
    PrintFields({"mac", content.Mac ? CVantrelSettings::FormatMac(*content.Mac) : std::string()});
}

void RecordCommand::PrintFrames(const RecordContent& content)
{
    for (const auto& lane : content.Frames) {
        for (const FrameEntry& frame : lane) {
            PrintFields({"frame", std::to_string(frame.Lane), std::to_string(frame.Frame),
                         FrameTimeFields(frame.Time), std::to_string(frame.Time.DayOfWeek),
                         CVantrelSettings::FormatMac(frame.Mac),
                         std::filesystem::path(frame.Path).filename().string()});
        }
    }
}

void RecordCommand::PrintCaptions(const RecordContent& content)
{
    for (int lane = 1; lane <= 3; ++lane) {
        const auto count = static_cast<int>(content.Frames[lane].size());
        for (int position = 1; position <= count; ++position) {
            PrintFields({"caption", std::to_string(lane), std::to_string(position),
                         DetailedCaption(content, lane, position)});
        }
    }
}
