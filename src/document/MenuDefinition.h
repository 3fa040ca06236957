#pragma once

#include "document/MenuItem.h"

#include <string>
#include <vector>

// A pop-up menu as data: its title and its items, top to bottom. The desktop
// layer builds its menus from these.
struct MenuDefinition {
    int ResourceId = 0;  // the menu's resource number; 0 for a menu-bar entry
    std::string Title;
    std::vector<MenuItem> Items;
};
