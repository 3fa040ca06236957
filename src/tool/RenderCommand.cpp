#include "tool/RenderCommand.h"

#include "config/CVantrelSettings.h"
#include "document/RenderLaneFrame.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "tool/PictureFile.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"

#include <string>
#include <utility>

namespace {

// The frame as a new document's refresh leaves it: automatic colour
// correction, gamma off, the cuts of the settings; then the options.
void SetUpFrame(const CommandLine& arguments, CCfaImage& frame)
{
    frame.HighCut = CVantrelSettings::ClipBright;
    frame.LowCut = CVantrelSettings::ClipDark;
    frame.Correction = 3;
    if (auto text = arguments.Value("--correction"))
        frame.Correction = static_cast<int32_t>(ParseInteger(*text, 0, 3, "--correction"));
    if (auto text = arguments.Value("--gamma"))
        frame.Gamma = ParseNonNegative(*text, "--gamma");
}

// As a record opened on the frame renders it: with an automatic display range.
LaneRendering Rendering(const CommandLine& arguments)
{
    LaneRendering how;
    how.AutoWindow = true;
    if (auto text = arguments.Value("--filter"))
        how.Filter = static_cast<int32_t>(ParseInteger(*text, 0, 3, "--filter"));
    how.BlackAndWhite = arguments.Has("--grey");
    return how;
}

// "LOW:HIGH", two sensor levels in either order.
std::pair<int, int> WindowLevels(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw UsageError("--window must be LOW:HIGH: '" + text + "'");
    const auto low = ParseInteger(text.substr(0, colon), 0, 4095, "--window LOW");
    const auto high = ParseInteger(text.substr(colon + 1), 0, 4095, "--window HIGH");
    return {static_cast<int>(low), static_cast<int>(high)};
}

std::string Number(int value)
{
    return std::to_string(value);
}

}  // namespace

std::vector<OptionDefinition> RenderCommand::Options() const
{
    return {{"--correction", true}, {"--gamma", true}, {"--filter", true},
            {"--grey", false},      {"--window", true}, {"--stats", false}};
}

int RenderCommand::Run(const CommandLine& arguments, ToolEnvironment&) const
{
    const std::string& framePath = arguments.Positionals()[0];
    const std::string& outPath = arguments.Positionals()[1];
    PictureFormat format{};
    if (!PictureFormatFor(outPath, format))
        throw UsageError("OUT must end in .ppm or .png: '" + outPath + "'");
    const auto window = arguments.Value("--window");
    const std::pair<int, int> levels = window ? WindowLevels(*window) : std::pair(0, 0);

    CCfaImage frame;
    SetUpFrame(arguments, frame);
    LaneRendering how = Rendering(arguments);
    CDibImage picture;
    const LaneRenderResult first = RenderLaneFrame(frame, framePath, how, picture);
    if (first != LaneRenderResult::Rendered) {
        // A frame that was read but is too small to have a visible area.
        return Fail(framePath + (first == LaneRenderResult::NoPicture ? ": the frame has no visible picture"
                                                                     : ": cannot read the lane frame"));
    }
    if (window) {
        // As the dynamic-range control sets it: the frame is read and rendered again.
        frame.SetWindow(static_cast<uint16_t>(levels.first), static_cast<uint16_t>(levels.second));
        how.AutoWindow = false;
        if (RenderLaneFrame(frame, framePath, how, picture) != LaneRenderResult::Rendered)
            return Fail(framePath + ": cannot read the lane frame");
    }
    if (!WritePictureFile(picture, format, outPath))
        return Fail(outPath + ": cannot write the picture");
    if (arguments.Has("--stats"))
        PrintStats(frame);
    return ExitSuccess;
}

void RenderCommand::PrintStats(const CCfaImage& frame)
{
    const ImageSize visible = frame.GetVisibleSize();
    PrintFields({"size", Number(frame.Width()), Number(frame.Height()), "visible",
                 Number(visible.width), Number(visible.height), "levels", Number(frame.MinLevel),
                 Number(frame.MaxLevel), "window", Number(frame.WindowLow),
                 Number(frame.WindowHigh)});
}
