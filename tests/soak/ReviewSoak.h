#pragma once

#include "FakeReviewServices.h"
#include "QueueDispatcher.h"
#include "SoakLoaderLock.h"
#include "TempDir.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/PlaybackTimer.h"
#include "document/ThumbnailJob.h"
#include "document/ThumbnailLoader.h"

#include <random>

// The officer deciding and taking back decisions for a long time: the review
// document on a root of its own with the scripted desktop, the real
// thumbnail loader and playback clock running, and this thread as the user
// interface, which only ever drains what the two hand it.
class ReviewSoak {
public:
    ReviewSoak(int records, int toggles);
    ReviewSoak(const ReviewSoak&) = delete;
    ReviewSoak& operator=(const ReviewSoak&) = delete;
    ~ReviewSoak();

    // Runs the toggles and prints the figures; the process's exit status.
    int Run();

private:
    void WriteRecords();
    // Picks a record and presses Confirm or Reject on it.
    void Toggle();
    void HandOverThumbnails(ThumbnailJob::ReloadKind reload);
    // The officer looks at the record: the event loop runs until the shown
    // lane's thumbnails are all painted. False when they never came.
    bool LookAtThumbnails();
    void OnTick();

    const int records_;
    const int toggles_;
    testsupport::TempDir root_;
    CVantrelSettings settings_;
    CCodeNoteMap codeNotes_;
    testsupport::FakeReviewServices services_;
    testsupport::QueueDispatcher ui_;
    ThumbnailLoader loader_;
    SoakLoaderLock lock_{loader_};
    PlaybackTimer timer_;
    CVantrelDoc document_{settings_, codeNotes_, services_};
    std::mt19937 random_{20061};
    long thumbnailsShown_ = 0;
    long ticks_ = 0;
    long stalls_ = 0;
};
