#include "tool/RenderCommand.h"

#include "tool/DetailedRendering.h"
#include "tool/PictureFile.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"

#include <string>
#include <utility>

namespace {

DetailedViewSettings ViewSettings(const CommandLine& arguments)
{
    DetailedViewSettings settings;
    if (auto text = arguments.Value("--correction"))
        settings.Correction = static_cast<int32_t>(ParseInteger(*text, 0, 3, "--correction"));
    if (auto text = arguments.Value("--gamma"))
        settings.Gamma = ParseNonNegative(*text, "--gamma");
    if (auto text = arguments.Value("--filter"))
        settings.Filter = static_cast<int>(ParseInteger(*text, 0, 3, "--filter"));
    settings.BlackAndWhite = arguments.Has("--grey");
    return settings;
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
    const DetailedViewSettings settings = ViewSettings(arguments);
    const auto window = arguments.Value("--window");
    const auto levels = window ? std::optional(WindowLevels(*window)) : std::nullopt;

    DetailedRendering rendering(framePath, settings);
    if (!rendering.Rebuild()) {
        // A frame that was read but is too small to have a visible area.
        return Fail(framePath + (rendering.Frame().Samples() ? ": the frame has no visible picture"
                                                             : ": cannot read the lane frame"));
    }
    if (levels)
        rendering.SetDisplayRange(levels->first, levels->second);
    if (!rendering.Ready())
        return Fail(framePath + ": cannot read the lane frame");
    if (!WritePictureFile(rendering.Picture(), format, outPath))
        return Fail(outPath + ": cannot write the picture");
    if (arguments.Has("--stats"))
        PrintStats(rendering);
    return ExitSuccess;
}

void RenderCommand::PrintStats(const DetailedRendering& rendering)
{
    const CCfaImage& frame = rendering.Frame();
    const ImageSize visible = frame.GetVisibleSize();
    PrintFields({"size", Number(frame.Width()), Number(frame.Height()), "visible",
                 Number(visible.width), Number(visible.height), "levels", Number(frame.MinLevel),
                 Number(frame.MaxLevel), "window", Number(frame.WindowLow),
                 Number(frame.WindowHigh)});
}
