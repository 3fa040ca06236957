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
    int MinPositionals() const override { return 1; }
    int MaxPositionals() const override { return 1; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;

private:
    static void PrintTiming(const RecordContent& content);
    static void PrintFrames(const RecordContent& content);
    static void PrintCaptions(const RecordContent& content);
};
