#include "printing/PrintedFrameEntry.h"

#include "document/CVantrelDoc.h"

const FrameEntry* PrintedFrameEntry(const CVantrelDoc& document, int list, int position)
{
    if (!document.HasSelection() || list < 0 || list > 3 || position < 0)
        return nullptr;
    const std::vector<FrameEntry>& frames = document.Records().Content.Frames[list];
    return static_cast<std::size_t>(position) < frames.size() ? &frames[position] : nullptr;
}
