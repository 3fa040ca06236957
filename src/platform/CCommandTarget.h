#pragma once

class QMenu;
class QWidget;

// A window that takes commands the way menus and controls deliver them: the
// main frame, the main view and the panes, each routing what it does not
// handle itself further up.
class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;

    // control is the control that sent the command, or null when the command
    // comes as a menu command does.
    virtual void OnCommand(int id, QWidget* control) = 0;

    // A popup owned by this window is about to open: the moment to bring the
    // enabled and checked states of its items up to date.
    virtual void OnInitMenuPopup(QMenu& popup) { (void)popup; }
};
