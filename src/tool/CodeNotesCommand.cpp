#include "tool/CodeNotesCommand.h"

#include "config/CCodeNoteMap.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"

#include <limits>
#include <utility>

namespace {

// "CODE=TEXT"; the text may be empty and may hold further "=".
std::pair<int, std::string> CodeAndText(const std::string& text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        throw UsageError("--set must be CODE=TEXT: '" + text + "'");
    constexpr auto low = std::numeric_limits<int>::min();
    constexpr auto high = std::numeric_limits<int>::max();
    const auto code = static_cast<int>(ParseInteger(text.substr(0, equals), low, high, "--set CODE"));
    return {code, text.substr(equals + 1)};
}

}  // namespace

int CodeNotesCommand::Run(const CommandLine& arguments, ToolEnvironment& environment) const
{
    std::vector<std::pair<int, std::string>> changes;
    for (const std::string& text : arguments.Values("--set"))
        changes.push_back(CodeAndText(text));
    const bool loaded = environment.CodeNotesLoaded();
    CCodeNoteMap& codeNotes = environment.CodeNotes();
    if (!loaded)
        PrintError(codeNotes.LastError);
    for (auto& [code, note] : changes)
        codeNotes.SetNote(code, std::move(note));
    Print(codeNotes);
    const auto out = arguments.Value("--save");
    if (out && !codeNotes.SaveCodeNotes(*out))
        return Fail(*out + ": cannot write the code-note file");
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
