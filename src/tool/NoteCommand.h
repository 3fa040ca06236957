#pragma once

#include "tool/ToolCommand.h"

#include <cstdint>
#include <string>

class RecordDirectory;

// `note NAME` reads a record's private note; `note NAME CODE` marks it with a
// code keeping its text and `note NAME CODE TEXT` writes code and text, as
// marking and editing do; `note NAME --delete` deletes it. --state picks
// one of the records when the name lies in two places.
class NoteCommand : public ToolCommand {
public:
    std::string Name() const override { return "note"; }
    std::string Synopsis() const override;
    std::vector<OptionDefinition> Options() const override;
    int MinPositionals() const override { return 1; }
    int MaxPositionals() const override { return 3; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;

private:
    static int Print(const RecordDirectory& records, int row, const std::string& name);
    static int Write(RecordDirectory& records, int row, std::int32_t code, const CommandLine& arguments);
    static int Delete(RecordDirectory& records, int row);
};
