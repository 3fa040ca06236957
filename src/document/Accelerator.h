#pragma once

#include "document/KeyStroke.h"

#include <vector>

// One row of the program's only accelerator table.
struct Accelerator {
    KeyStroke Keys;
    int Command = 0;
};

// The whole table, in the order of its rows.
const std::vector<Accelerator>& Accelerators();
// The keys of one command, in table order; empty when it has none.
std::vector<KeyStroke> AcceleratorsFor(int command);
