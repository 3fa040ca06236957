#pragma once

#include "records/RecordState.h"

#include <optional>
#include <string>

namespace CLI {
class App;
}

class RecordDirectory;

// The record a command names by its first positional argument, and with
// "--state 0|2|4" the place it must lie in (unprocessed, confirmed or
// rejected), for a name that lies in more than one.
class RecordNameArgument {
public:
    static constexpr const char* StateSynopsis = "[--state 0|2|4]";

    // NAME, before the command's further positional arguments, and --state.
    void Declare(CLI::App& command);

    const std::string& Name() const { return name_; }
    // Selects the record's visible row; -1, after the tool's message, when no
    // record or more than one answers to the name.
    int Select(RecordDirectory& records) const;

private:
    std::string name_;
    std::optional<RecordState> state_;
};
