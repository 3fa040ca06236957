#include "tool/DetailedRendering.h"

DetailedRendering::DetailedRendering(const std::string& framePath, const DetailedViewSettings& settings)
    : document_(settings_, codeNotes_, services_)
{
    document_.OnNewDocument();
    // What a refresh gives the frame before any record is set up.
    document_.FrameImage.HighCut = CVantrelSettings::ClipBright;
    document_.FrameImage.LowCut = CVantrelSettings::ClipDark;
    document_.FrameImage.Correction = settings.Correction;
    document_.FrameImage.Gamma = settings.Gamma;
    document_.Filter = settings.Filter;
    document_.BlackAndWhite = settings.BlackAndWhite ? 1 : 0;

    RecordDirectory& records = document_.Records;
    records.Visible.push_back(RecordEntry{});
    records.SelectedIndex = 0;
    FrameEntry frame;
    frame.Path = framePath;
    frame.Lane = 1;
    frame.Frame = 1;
    records.Content.Frames[1].push_back(frame);
    document_.CurrentLane = 1;
    document_.CurrentLaneFrame = 1;
    document_.ResetDynamicRange = 1;
}

bool DetailedRendering::Rebuild()
{
    document_.RebuildDetailedImage();
    return Ready();
}

void DetailedRendering::SetDisplayRange(int low, int high)
{
    document_.SetDisplayRange(low, high);
}
