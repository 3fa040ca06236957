#pragma once

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "tool/HeadlessReviewServices.h"

#include <cstdint>
#include <string>

// The view settings the detailed view renders with.
struct DetailedViewSettings {
    int32_t Correction = 3;  // Automatic, as a new document starts
    double Gamma = 0.0;      // off
    int Filter = 0;          // without filters
    bool BlackAndWhite = false;
};

// One lane frame rendered by the review document exactly as when a record is
// opened on it: the document holds a record whose only lane frame is this
// file, with its frame position and an automatic display range due.
class DetailedRendering {
public:
    DetailedRendering(const std::string& framePath, const DetailedViewSettings& settings);
    DetailedRendering(const DetailedRendering&) = delete;
    DetailedRendering& operator=(const DetailedRendering&) = delete;

    // Reads, prepares and renders the frame; false when no picture came of it.
    bool Rebuild();
    // As the dynamic-range control sets it: only once a picture is ready.
    void SetDisplayRange(int low, int high);

    bool Ready() const { return document_.DetailedImageReady != 0; }
    const CCfaImage& Frame() const { return document_.FrameImage; }
    const CDibImage& Picture() const { return document_.DetailedImage; }

private:
    CVantrelSettings settings_;
    CCodeNoteMap codeNotes_;
    HeadlessReviewServices services_;
    CVantrelDoc document_;
};
