#pragma once

#include "tool/ToolCommand.h"

struct RecordContent;

// `record DIR`: the record directory loaded as selecting its row loads it:
// red and yellow times, unit address, every frame, and the detailed view's
// caption of every lane frame.
class RecordCommand : public ToolCommand {
public:
    std::string Name() const override { return "record"; }
    std::string Synopsis() const override { return "DIR"; }
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    static void PrintTiming(const RecordContent& content);
    static void PrintFrames(const RecordContent& content);
    static void PrintCaptions(const RecordContent& content);

    std::string directory_;
};
