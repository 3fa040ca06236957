#include "tool/RenderCommand.h"

#include "config/CVantrelSettings.h"
#include "document/RenderLaneFrame.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "tool/OptionalValue.h"
#include "tool/PictureFile.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"
#include "tool/WholeNumber.h"

#include <CLI/App.hpp>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

// CLI::NonNegativeNumber lets "nan" through, which makes no gamma curve.
const CLI::Validator FiniteNonNegative(
    [](std::string& text) {
        char* stop = nullptr;
        const double value = std::strtod(text.c_str(), &stop);
        if (!text.empty() && *stop == '\0' && std::isfinite(value) && value >= 0.0)
            return std::string();
        return "must be a number of at least 0: '" + text + "'";
    },
    "G");

// "LOW:HIGH", two sensor levels in either order.
std::pair<int, int> WindowLevels(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw UsageError("--window must be LOW:HIGH: '" + text + "'");
    const auto low = WholeNumber::Parse(text.substr(0, colon), 0, 4095, "--window LOW");
    const auto high = WholeNumber::Parse(text.substr(colon + 1), 0, 4095, "--window HIGH");
    return {static_cast<int>(low), static_cast<int>(high)};
}

std::string Number(int value)
{
    return std::to_string(value);
}

}  // namespace

void RenderCommand::Declare(CLI::App& command)
{
    command.add_option("FRAME", framePath_)->required();
    command.add_option("OUT", outPath_)->required();
    command.add_option("--correction", correction_)->check(WholeNumber(0, 3));
    AddOptionalValue(command, "--gamma", gamma_)->check(FiniteNonNegative);
    AddOptionalValue(command, "--filter", filter_)
        ->check(WholeNumber(0, 3));
    command.add_flag("--grey", grey_);
    AddOptionalValue(command, "--window", window_);
    command.add_flag("--stats", stats_);
}

int RenderCommand::Run(ToolEnvironment&) const
{
    PictureFormat format{};
    if (!PictureFormatFor(outPath_, format))
        throw UsageError("OUT must end in .ppm or .png: '" + outPath_ + "'");
    const std::pair<int, int> levels = window_ ? WindowLevels(*window_) : std::pair(0, 0);

    CCfaImage frame;
    SetUpFrame(frame);
    LaneRendering how = Rendering();
    CDibImage picture;
    const LaneRenderResult first = RenderLaneFrame(frame, framePath_, how, picture);
    if (first != LaneRenderResult::Rendered) {
        // A frame that was read but is too small to have a visible area.
        return Fail(framePath_ + (first == LaneRenderResult::NoPicture ? ": the frame has no visible picture"
                                                                     : ": cannot read the lane frame"));
    }
    if (window_) {
        // As the dynamic-range control sets it: the frame is read and rendered again.
        frame.SetWindow(static_cast<uint16_t>(levels.first), static_cast<uint16_t>(levels.second));
        how.AutoWindow = false;
        if (RenderLaneFrame(frame, framePath_, how, picture) != LaneRenderResult::Rendered)
            return Fail(framePath_ + ": cannot read the lane frame");
    }
    if (!WritePictureFile(picture, format, outPath_))
        return Fail(outPath_ + ": cannot write the picture");
    if (stats_)
        PrintStats(frame);
    return ExitSuccess;
}

// The frame as a new document's refresh leaves it: automatic colour
// correction, gamma off, the cuts of the settings; then the options.
void RenderCommand::SetUpFrame(CCfaImage& frame) const
{
    frame.HighCut = CVantrelSettings::ClipBright;
    frame.LowCut = CVantrelSettings::ClipDark;
    frame.Correction = correction_;
    if (gamma_)
        frame.Gamma = *gamma_;
}

// As a record opened on the frame renders it: with an automatic display range.
LaneRendering RenderCommand::Rendering() const
{
    LaneRendering how;
    how.AutoWindow = true;
    if (filter_)
        how.Filter = *filter_;
    how.BlackAndWhite = grey_;
    return how;
}

void RenderCommand::PrintStats(const CCfaImage& frame)
{
    const ImageSize visible = frame.GetVisibleSize();
    PrintFields({"size", Number(frame.Width()), Number(frame.Height()), "visible",
                 Number(visible.width), Number(visible.height), "levels", Number(frame.MinLevel),
                 Number(frame.MaxLevel), "window", Number(frame.WindowLow),
                 Number(frame.WindowHigh)});
}
