#pragma once

#include <QKeyCombination>

struct KeyStroke;
class QKeyEvent;

// Whether a key press is the accelerator key: a character row by the typed
// text with neither Ctrl nor Alt held, a virtual-key row by key and exact
// modifiers (the keypad counts as the main keyboard).
bool MatchesKeyStroke(const KeyStroke& keys, const QKeyEvent& event);

// The Qt key and modifiers of a virtual-key row.
QKeyCombination KeyCombinationOf(const KeyStroke& keys);
