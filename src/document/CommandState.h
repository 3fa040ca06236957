#pragma once

// How a menu item or button of a command shows: enabled, and ticked.
struct CommandState {
    bool Enabled = false;
    bool Checked = false;

    bool operator==(const CommandState&) const = default;
};
