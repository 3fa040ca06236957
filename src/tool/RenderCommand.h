#pragma once

#include "tool/ToolCommand.h"

class CCfaImage;

// `render FRAME OUT`: a lane frame as the detailed view shows it right after a
// record is opened on it, written as a PPM or PNG picture.
class RenderCommand : public ToolCommand {
public:
    std::string Name() const override { return "render"; }
    std::string Synopsis() const override
    {
        return "FRAME OUT(.ppm|.png) [--correction N] [--gamma G] [--filter N] [--grey] "
               "[--window LOW:HIGH] [--stats]";
    }
    std::vector<OptionDefinition> Options() const override;
    int MinPositionals() const override { return 2; }
    int MaxPositionals() const override { return 2; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;

private:
    static void PrintStats(const CCfaImage& frame);
};
