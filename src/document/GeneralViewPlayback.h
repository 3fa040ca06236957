#pragma once

#include "document/CommandState.h"

class CommandTable;
class CVantrelDoc;
class ReviewServices;

// The general-view playback of the selected record: the shown frame, whether
// it plays, and the playback commands. The document owns it. It is changed on
// the user-interface thread only: the playback pane's timer hands its ticks
// over to that thread, so no value here is shared with another thread.
class GeneralViewPlayback {
public:
    GeneralViewPlayback(CVantrelDoc& document, ReviewServices& services);
    GeneralViewPlayback(const GeneralViewPlayback&) = delete;
    GeneralViewPlayback& operator=(const GeneralViewPlayback&) = delete;

    void DefineCommands(CommandTable& commands);

    bool Playing() const { return playing_; }
    // -1 when no frame is shown.
    int CurrentFrame() const { return current_; }

    // A record was set up: this frame (or -1), not playing. No hint.
    void SetUp(int frame);
    // Ignored unless 0 <= index < the frame count; notify sends hint 8.
    void SetFrame(int index, bool notify);
    // One tick of the playback timer: the next frame, or at the last one the
    // end of playing. Hint 8 without a command when it changed anything.
    void Advance();

private:
    void OnRestart(int id);
    void OnContinue(int id);
    void OnPause(int id);
    void OnFirstFrame(int id);
    void OnBackward(int id);
    void OnForward(int id);
    void OnLastFrame(int id);
    void Show(int frame, int command);

    CommandState RestartRule(int id) const;
    CommandState ContinueRule(int id) const;
    CommandState PauseRule(int id) const;
    CommandState RewindRule(int id) const;
    CommandState ForwardRule(int id) const;
    CommandState LastFrameRule(int id) const;

    int Count() const;

    CVantrelDoc& document_;
    ReviewServices& services_;
    bool playing_ = false;
    int current_ = -1;
};
