#pragma once

#include "tool/ToolCommand.h"

#include <cstdint>
#include <optional>
#include <string>

class CCfaImage;
struct LaneRendering;

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
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    void SetUpFrame(CCfaImage& frame) const;
    LaneRendering Rendering() const;
    static void PrintStats(const CCfaImage& frame);

    std::string framePath_;
    std::string outPath_;
    std::int32_t correction_ = 3;  // automatic, as a new document's refresh leaves it
    std::optional<double> gamma_;
    std::optional<std::int32_t> filter_;
    bool grey_ = false;
    std::optional<std::string> window_;
    bool stats_ = false;
};
