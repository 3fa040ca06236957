#include "tool/NoteCommand.h"

#include "records/RecordDirectory.h"
#include "tool/OptionalValue.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"
#include "tool/WholeNumber.h"

#include <CLI/App.hpp>

#include <filesystem>

std::string NoteCommand::Synopsis() const
{
    return std::string("NAME [CODE [TEXT] | --delete] ") + RecordNameArgument::StateSynopsis;
}

void NoteCommand::Declare(CLI::App& command)
{
    record_.Declare(command);
    AddOptionalValue(command, "CODE", code_)
        ->check(WholeNumber(WholeNumber::Int32Low, WholeNumber::Int32High));
    AddOptionalValue(command, "TEXT", text_);
    command.add_flag("--delete", delete_);
}

int NoteCommand::Run(ToolEnvironment& environment) const
{
    if (delete_ && code_)
        throw UsageError("--delete takes no CODE or TEXT");
    const auto records = environment.OpenRecords();
    const int row = record_.Select(*records);
    if (row < 0)
        return ExitFailure;
    if (delete_)
        return Delete(*records, row);
    if (!code_)
        return Print(*records, row, record_.Name());
    return Write(*records, row);
}

int NoteCommand::Print(const RecordDirectory& records, int row, const std::string& name)
{
    PrivateNote note;
    if (!records.ReadNote(row, note))
        return Fail("'" + name + "' has no readable private note");
    PrintFields({std::to_string(note.NoteCode), note.NoteText});
    return ExitSuccess;
}

int NoteCommand::Write(RecordDirectory& records, int row) const
{
    // Marking keeps the text the note has (none for a missing or malformed file).
    PrivateNote note;
    if (text_)
        note.NoteText = *text_;
    else
        records.ReadNote(row, note);
    if (!records.WriteNote(row, *code_, note.NoteText))
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
