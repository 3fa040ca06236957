#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

class CCfaImage;
class CDibImage;
class UiDispatcher;
struct ThumbnailJob;

// The thread that renders the thumbnails of the current lane, one frame file
// after the other, while the user interface stays responsive.
//
// Start makes the thread, idle. HandOver gives it a job (and withdraws the one
// it works on); Withdraw leaves it none. Neither waits for the thread: each
// starts a new generation, and a picture the thread finishes for an older one
// is dropped, so a withdrawal costs at most the rest of one frame. Stop ends
// the thread, waiting at most StopWait. Every call is made on the
// user-interface thread; each finished thumbnail is announced there through
// the dispatcher, and no result depends on which thread runs first.
//
// Lock keeps the thread off the files, for the move of a record directory: it
// waits until the thread has put down the file it reads, and the thread takes
// no other until as many Unlocks. The thread never waits for the user
// interface.
class ThumbnailLoader {
public:
    static constexpr int SlotCount = 5;  // thumbnails per lane; later frames have none
    static constexpr std::chrono::milliseconds StopWait{10000};

    // A slot of the load lane got its picture; runs on the user-interface thread.
    using SlotReady = std::function<void(int slot)>;

    // What painting shows of a lane: a null picture is a slot still waiting.
    struct LaneSnapshot {
        int Count = 0;
        std::array<std::shared_ptr<const CDibImage>, SlotCount> Pictures;
    };

    ThumbnailLoader(UiDispatcher& ui, SlotReady ready);
    ~ThumbnailLoader();
    ThumbnailLoader(const ThumbnailLoader&) = delete;
    ThumbnailLoader& operator=(const ThumbnailLoader&) = delete;

    void Start();
    void HandOver(const ThumbnailJob& job);
    void Withdraw();
    void Stop();
    void Lock();
    void Unlock();

    // Lane 1..3; an empty snapshot for any other.
    LaneSnapshot Lane(int lane) const;

private:
    struct Shared;
    struct Pick;

    static void Run(const std::shared_ptr<Shared>& shared, UiDispatcher& ui);
    // Into the pick's picture: the frame's, or a small black one when it
    // gives none.
    static void Render(CCfaImage& frame, const Pick& pick);

    UiDispatcher& ui_;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};
