#include "tool/CodeNotesCommand.h"

#include "config/CCodeNoteMap.h"
#include "tool/OptionalValue.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"
#include "tool/WholeNumber.h"

#include <CLI/App.hpp>

#include <utility>

namespace {

// "CODE=TEXT"; the text may be empty and may hold further "=".
std::pair<int, std::string> CodeAndText(const std::string& text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        throw UsageError("--set must be CODE=TEXT: '" + text + "'");
    const auto code = static_cast<int>(
        WholeNumber::Parse(text.substr(0, equals), WholeNumber::Int32Low, WholeNumber::Int32High, "--set CODE"));
    return {code, text.substr(equals + 1)};
}

}  // namespace

void CodeNotesCommand::Declare(CLI::App& command)
{
    command.add_option("--set", changes_)->allow_extra_args(false);
    AddOptionalValue(command, "--save", save_);
}

int CodeNotesCommand::Run(ToolEnvironment& environment) const
{
    std::vector<std::pair<int, std::string>> changes;
    for (const std::string& text : changes_)
        changes.push_back(CodeAndText(text));
    const bool loaded = environment.CodeNotesLoaded();
    CCodeNoteMap& codeNotes = environment.CodeNotes();
    if (!loaded)
        PrintError(codeNotes.LastError);
    for (auto& [code, note] : changes)
        codeNotes.SetNote(code, std::move(note));
    Print(codeNotes);
    if (save_ && !codeNotes.SaveCodeNotes(*save_))
        return Fail(*save_ + ": cannot write the code-note file");
    return loaded ? ExitSuccess : ExitFailure;
}

void CodeNotesCommand::Print(const CCodeNoteMap& codeNotes)
{
    PrintFields({"version", std::to_string(codeNotes.Version)});
    for (int index = 0; index < codeNotes.GetCount(); ++index) {
        int code = 0;
        std::string note;
        codeNotes.GetAt(index, code, note);
        PrintFields({"code", std::to_string(code), note});
    }
}
