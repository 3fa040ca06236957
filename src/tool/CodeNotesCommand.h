#pragma once

#include "tool/ToolCommand.h"

#include <optional>
#include <string>
#include <vector>

class CCodeNoteMap;

// `codenotes`: the code-note file as start-up loads it, codes described as the
// private note dialog describes them, printed and optionally saved as the
// application saves it at exit.
class CodeNotesCommand : public ToolCommand {
public:
    std::string Name() const override { return "codenotes"; }
    std::string Synopsis() const override { return "[--set CODE=TEXT]... [--save OUT]"; }
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    static void Print(const CCodeNoteMap& codeNotes);

    std::vector<std::string> changes_;
    std::optional<std::string> save_;
};
