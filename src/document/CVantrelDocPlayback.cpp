#include "document/CVantrelDoc.h"

#include "document/CommandIds.h"
#include "document/ReviewServices.h"
#include "document/UpdateHints.h"

#include <chrono>
#include <thread>

// The playback thread moves CurrentGeneralFrame and clears Playing on its
// own; each handler reads them once and tests its condition on that value.

void CVantrelDoc::OnRestart(int)
{
    if (Playing) {
        // The playback pane stops its wake-ups before the rewind.
        Notify(HINT_PLAYBACK, ID_PLAY_PAUSE);
        services_.PumpWaitingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!HasSelection() || GeneralFrameCount() == 0)
        return;
    CurrentGeneralFrame = 0;
    Playing = 1;
    Notify(HINT_PLAYBACK, ID_PLAY_RESTART);
}

void CVantrelDoc::OnContinue(int id)
{
    const int index = CurrentGeneralFrame;
    const int count = GeneralFrameCount();
    if (!HasSelection() || index < 0 || index >= count)
        return;
    Playing = 1;
    if (index >= count - 1)
        CurrentGeneralFrame = 0;
    Notify(HINT_PLAYBACK, id);
}

void CVantrelDoc::OnPause(int id)
{
    Playing = 0;
    Notify(HINT_PLAYBACK, id);
}

void CVantrelDoc::OnFirstFrame(int id)
{
    if (!RewindRule(id).Enabled)
        return;
    CurrentGeneralFrame = 0;
    Notify(HINT_PLAYBACK, id);
}

void CVantrelDoc::OnBackward(int id)
{
    if (!RewindRule(id).Enabled)
        return;
    CurrentGeneralFrame = CurrentGeneralFrame - 1;
    Notify(HINT_PLAYBACK, id);
}

void CVantrelDoc::OnForward(int id)
{
    const int index = CurrentGeneralFrame;
    if (index + 1 >= GeneralFrameCount())
        return;
    CurrentGeneralFrame = index + 1;
    Notify(HINT_PLAYBACK, id);
}

void CVantrelDoc::OnLastFrame(int id)
{
    const int count = GeneralFrameCount();
    if (CurrentGeneralFrame >= count - 1)
        return;
    CurrentGeneralFrame = count - 1;
    Notify(HINT_PLAYBACK, id);
}

CommandState CVantrelDoc::RestartRule(int) const
{
    return {HasSelection() && GeneralFrameCount() > 0, false};
}

CommandState CVantrelDoc::ContinueRule(int) const
{
    const int index = CurrentGeneralFrame;
    return {!Playing && HasSelection() && index >= 0 && index < GeneralFrameCount(), false};
}

CommandState CVantrelDoc::PauseRule(int) const
{
    return {Playing != 0, false};
}

CommandState CVantrelDoc::RewindRule(int) const
{
    const int index = CurrentGeneralFrame;
    return {!Playing && HasSelection() && index >= 1 && index < GeneralFrameCount(), false};
}

CommandState CVantrelDoc::ForwardRule(int) const
{
    return {!Playing && CurrentGeneralFrame + 1 < GeneralFrameCount(), false};
}

CommandState CVantrelDoc::LastFrameRule(int) const
{
    return {!Playing && CurrentGeneralFrame < GeneralFrameCount() - 1, false};
}
