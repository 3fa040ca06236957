#pragma once

#include "platform/CBButton.h"

class CCommandTarget;

// The image button of the detailed view: its commands and its menu belong to
// the main frame window, so they take the same road as main-menu commands.
class CBFrameButton : public CBButton {
    Q_OBJECT

public:
    using CBButton::CBButton;

    // Replaces the top-level window as the receiver of commands and menus.
    void SetCommandTarget(CCommandTarget* target) { m_target = target; }

protected:
    // Delivered at once to the main frame, without the button as sender.
    void SendCommand(int id) override;
    // The main frame owns the menu and so prepares its items first.
    void ShowDropDown() override;

private:
    CCommandTarget* Target() const;

    CCommandTarget* m_target = nullptr;
};
