#pragma once

class CVantrelDoc;
struct FrameEntry;

// The entry at 0-based position of the selected record's frame list (0 the
// general view, 1..3 the lanes); null without a record or outside the list.
const FrameEntry* PrintedFrameEntry(const CVantrelDoc& document, int list, int position);
