#include "tool/NoteCommand.h"

#include "records/RecordDirectory.h"
#include "tool/RecordNameArgument.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"

#include <filesystem>
#include <limits>
#include <optional>

std::string NoteCommand::Synopsis() const
{
    return std::string("NAME [CODE [TEXT] | --delete] ") + RecordNameArgument::StateSynopsis;
}

std::vector<OptionDefinition> NoteCommand::Options() const
{
    return {{"--delete", false}, RecordNameArgument::StateOption()};
}

int NoteCommand::Run(const CommandLine& arguments, ToolEnvironment& environment) const
{
    const auto& positionals = arguments.Positionals();
    const bool remove = arguments.Has("--delete");
    if (remove && positionals.size() > 1)
        throw UsageError("--delete takes no CODE or TEXT");
    constexpr auto low = std::numeric_limits<std::int32_t>::min();
    constexpr auto high = std::numeric_limits<std::int32_t>::max();
    const auto code = positionals.size() > 1
                          ? std::optional(static_cast<std::int32_t>(ParseInteger(positionals[1], low, high, "CODE")))
                          : std::nullopt;
    const RecordNameArgument record(arguments);
    const auto records = environment.OpenRecords();
    const int row = record.Select(*records);
    if (row < 0)
        return ExitFailure;
    if (remove)
        return Delete(*records, row);
    if (!code)
        return Print(*records, row, record.Name());
    return Write(*records, row, *code, arguments);
}

int NoteCommand::Print(const RecordDirectory& records, int row, const std::string& name)
{
    PrivateNote note;
    if (!records.ReadNote(row, note))
        return Fail("'" + name + "' has no readable private note");
    PrintFields({std::to_string(note.NoteCode), note.NoteText});
    return ExitSuccess;
}

int NoteCommand::Write(RecordDirectory& records, int row, std::int32_t code, const CommandLine& arguments)
{
    const auto& positionals = arguments.Positionals();
    // Marking keeps the text the note has (none for a missing or malformed file).
    PrivateNote note;
    if (positionals.size() == 3)
        note.NoteText = positionals[2];
    else
        records.ReadNote(row, note);
    if (!records.WriteNote(row, code, note.NoteText))
        return Fail("cannot write the private note of '" + records.Visible[row].Name + "'");
    return ExitSuccess;
}

int NoteCommand::Delete(RecordDirectory& records, int row)
{
    if (records.DeleteNote(row))
        return ExitSuccess;
    // A record without a note is left as it is; only a note that stays is a failure.
    const std::string path = records.RecordPath(records.Visible[row]) + "/" + PrivateNote::FileName;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return ExitSuccess;
    return Fail("cannot delete the private note of '" + records.Visible[row].Name + "'");
}
