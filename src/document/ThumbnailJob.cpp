#include "document/ThumbnailJob.h"

#include "document/CVantrelDoc.h"
#include "document/ThumbnailLoader.h"

#include <algorithm>

std::optional<ThumbnailJob> ThumbnailJob::For(const CVantrelDoc& document, ReloadKind reload)
{
    if (!document.HasSelection())
        return std::nullopt;
    ThumbnailJob job;
    for (int lane = 1; lane <= 3; ++lane) {
        const std::vector<FrameEntry>& frames = document.Records().Content.Frames[lane];
        const std::size_t count = std::min<std::size_t>(frames.size(), ThumbnailLoader::SlotCount);
        for (std::size_t i = 0; i < count; ++i)
            job.Lanes[lane - 1].push_back(frames[i].Path);
    }
    job.LoadLane = document.CurrentLane();
    job.Correction = document.FrameImage().Correction;
    job.Gamma = document.FrameImage().Gamma;
    job.Reload = reload;
    return job;
}
