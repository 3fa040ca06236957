#pragma once

#include "tool/ToolCommand.h"

class CCodeNoteMap;

// `codenotes`: the code-note file as start-up loads it, codes described as the
// private note dialog describes them, printed and optionally saved as the
// application saves it at exit.
class CodeNotesCommand : public ToolCommand {
public:
    std::string Name() const override { return "codenotes"; }
    std::string Synopsis() const override { return "[--set CODE=TEXT]... [--save OUT]"; }
    std::vector<OptionDefinition> Options() const override { return {{"--set", true}, {"--save", true}}; }
    int MinPositionals() const override { return 0; }
    int MaxPositionals() const override { return 0; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;

private:
    static void Print(const CCodeNoteMap& codeNotes);
};
