#pragma once

// How a menu item or button of a command shows: enabled, ticked, and for a
// button whose icon follows the state, the icon to show.
struct CommandState {
    static constexpr int NoImage = -1;  // the button keeps the icon it has

    bool Enabled = false;
    bool Checked = false;
    int Image = NoImage;

    // Enabled, with a tick as given: the rule of every setting's item.
    static constexpr CommandState Ticked(bool checked) { return {true, checked}; }

    // A button whose icon follows the state (full screen on or off) shows it
    // by the icon alone; the tick is its menu item's.
    constexpr bool ShowsPressed() const { return Checked && Image == NoImage; }

    bool operator==(const CommandState&) const = default;
};
