#include "document/GeneralViewPlayback.h"

#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/CommandRows.h"
#include "document/ReviewServices.h"
#include "document/UpdateHints.h"

#include <chrono>
#include <thread>

GeneralViewPlayback::GeneralViewPlayback(CVantrelDoc& document, ReviewServices& services)
    : document_(document), services_(services)
{
}

void GeneralViewPlayback::DefineCommands(CommandTable& commands)
{
    using P = GeneralViewPlayback;
    static const CommandRow<P> rows[] = {
        {ID_PLAY_RESTART, "&Restart\tF5", &P::OnRestart, &P::RestartRule},
        {ID_PLAY_CONTINUE, "Continue\tCtrl+F4", &P::OnContinue, &P::ContinueRule},
        {ID_PLAY_PAUSE, "Pause\tShift+F5", &P::OnPause, &P::PauseRule},
        {ID_PLAY_FIRST, "First frame", &P::OnFirstFrame, &P::RewindRule},
        {ID_PLAY_BACKWARD, "Backward", &P::OnBackward, &P::RewindRule},
        {ID_PLAY_FORWARD, "Forward", &P::OnForward, &P::ForwardRule},
        {ID_PLAY_LAST, "Last frame", &P::OnLastFrame, &P::LastFrameRule},
    };
    DefineCommandRows<P>(commands, *this, rows);
}

int GeneralViewPlayback::Count() const
{
    return document_.GeneralFrameCount();
}

void GeneralViewPlayback::SetUp(int frame)
{
    current_ = frame;
    playing_ = false;
}

void GeneralViewPlayback::SetFrame(int index, bool notify)
{
    if (index < 0 || index >= Count())
        return;
    current_ = index;
    if (notify)
        document_.UpdateAllViews(HINT_PLAYBACK);
}

void GeneralViewPlayback::Advance()
{
    if (!playing_)
        return;
    if (current_ + 1 < Count())
        ++current_;
    else
        playing_ = false;
    document_.UpdateAllViews(HINT_PLAYBACK);
}

void GeneralViewPlayback::Show(int frame, int command)
{
    current_ = frame;
    document_.UpdateAllViews(HINT_PLAYBACK, command);
}

void GeneralViewPlayback::OnRestart(int id)
{
    if (playing_) {
        // The playback pane withdraws its timer before the rewind; a tick it
        // had already handed over is dropped, so the yield only gives the
        // pane's repaint its moment.
        document_.UpdateAllViews(HINT_PLAYBACK, ID_PLAY_PAUSE);
        services_.PumpWaitingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!document_.HasSelection() || Count() == 0)
        return;
    playing_ = true;
    Show(0, id);
}

void GeneralViewPlayback::OnContinue(int id)
{
    if (!ContinueRule(id).Enabled)
        return;
    playing_ = true;
    Show(current_ >= Count() - 1 ? 0 : current_, id);
}

void GeneralViewPlayback::OnPause(int id)
{
    playing_ = false;
    document_.UpdateAllViews(HINT_PLAYBACK, id);
}

void GeneralViewPlayback::OnFirstFrame(int id)
{
    if (RewindRule(id).Enabled)
        Show(0, id);
}

void GeneralViewPlayback::OnBackward(int id)
{
    if (RewindRule(id).Enabled)
        Show(current_ - 1, id);
}

void GeneralViewPlayback::OnForward(int id)
{
    if (current_ + 1 < Count())
        Show(current_ + 1, id);
}

void GeneralViewPlayback::OnLastFrame(int id)
{
    if (current_ < Count() - 1)
        Show(Count() - 1, id);
}

CommandState GeneralViewPlayback::RestartRule(int) const
{
    return {document_.HasSelection() && Count() > 0, false};
}

CommandState GeneralViewPlayback::ContinueRule(int) const
{
    return {!playing_ && document_.HasSelection() && current_ >= 0 && current_ < Count(), false};
}

CommandState GeneralViewPlayback::PauseRule(int) const
{
    return {playing_, false};
}

CommandState GeneralViewPlayback::RewindRule(int) const
{
    return {!playing_ && document_.HasSelection() && current_ >= 1 && current_ < Count(), false};
}

CommandState GeneralViewPlayback::ForwardRule(int) const
{
    return {!playing_ && current_ + 1 < Count(), false};
}

CommandState GeneralViewPlayback::LastFrameRule(int) const
{
    return {!playing_ && current_ < Count() - 1, false};
}
