#pragma once

#include "document/MenuDefinition.h"

#include <string>
#include <vector>

inline constexpr int IDR_MENU_DETAILED_VIEW = 140;
inline constexpr int IDR_MENU_GENERAL_VIEW = 142;
inline constexpr int IDR_MENU_COLOR_CORRECTION = 145;
inline constexpr int IDR_MENU_RECDIRPANE_FILTER = 149;

// The main menu: "&File", "&General view", "&Detailed View".
const std::vector<MenuDefinition>& MainMenu();
// Context menu of the detailed picture view.
const MenuDefinition& DetailedViewPopup();
// Context menu of the general-view playback pane.
const MenuDefinition& GeneralViewPopup();
// Drop-down of the detailed view's colour-correction button.
const MenuDefinition& ColourCorrectionPopup();
// Drop-down of the records pane's filter button.
const MenuDefinition& RecordsFilterPopup();

// The text of recent-file entry index (0..3): "&1 path" and so on.
std::string RecentFileMenuText(int index, const std::string& path);
