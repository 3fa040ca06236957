#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CVantrelDoc;

// What the thumbnail loader is to work on, captured on the user-interface
// thread so that the loader never reads the document: the file names of the
// selected record's lanes, the lane to load, and the colour settings to
// render with.
struct ThumbnailJob {
    // Which thumbnails already made survive the hand-over.
    enum class ReloadKind {
        All,      // none: another record set up, or it was edited
        Changed,  // those whose file name stays the same, ignoring case
        Moved,    // those whose name within the record stays the same: its directory moved
    };

    // At most five file names per lane, for lanes 1, 2, 3.
    std::array<std::vector<std::string>, 3> Lanes;
    std::int32_t LoadLane = 0;
    std::int32_t Correction = 0;
    double Gamma = 0.0;
    ReloadKind Reload = ReloadKind::Changed;

    // The job for the document's selected record and current lane; none while
    // no record is selected.
    static std::optional<ThumbnailJob> For(const CVantrelDoc& document, ReloadKind reload);
};
