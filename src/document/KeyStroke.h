#pragma once

#include <cstdint>

// A key of the accelerator table, free of any toolkit: either a typed
// character (no modifier) or a virtual key with modifiers. Virtual keys use
// the usual key numbers: letters and digits by their upper-case character.
struct KeyStroke {
    enum Modifier : std::uint8_t { None = 0, Ctrl = 1, Shift = 2, Alt = 4 };
    enum VirtualKey : int {
        Backspace = 0x08,
        Escape = 0x1B,
        Insert = 0x2D,
        Delete = 0x2E,
        F2 = 0x71,
        F5 = 0x74,
        F6 = 0x75,
        F9 = 0x78,
        F10 = 0x79,
    };

    int Key = 0;                 // the character, or the virtual key
    std::uint8_t Modifiers = None;
    bool Character = false;      // matched by the typed character

    bool operator==(const KeyStroke&) const = default;
};
