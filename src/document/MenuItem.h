#pragma once

#include <string>

// One item of a menu: a command with the text the menu shows (it may differ
// from the command's own text), or a separator.
struct MenuItem {
    static constexpr int Separator = 0;

    int Command = Separator;
    std::string Text;
};
