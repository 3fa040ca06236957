#pragma once

#include "tool/RecordNameArgument.h"
#include "tool/ToolCommand.h"

#include <cstdint>
#include <optional>
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
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    static int Print(const RecordDirectory& records, int row, const std::string& name);
    int Write(RecordDirectory& records, int row) const;
    static int Delete(RecordDirectory& records, int row);

    RecordNameArgument record_;
    std::optional<std::int32_t> code_;
    std::optional<std::string> text_;
    bool delete_ = false;
};
