#pragma once

// What changed, as the document tells its views. Every view receives every
// hint in the order sent.
inline constexpr int HINT_ALL = 0;       // another record set up, or its information edited
inline constexpr int HINT_LIST = 1;      // list order, notes or filter; the record stayed
inline constexpr int HINT_COLOR = 2;     // colour mode, gamma or lane; sent before rendering
inline constexpr int HINT_IMAGE = 4;     // the detailed picture rendered anew, or the zoom
inline constexpr int HINT_PLAYBACK = 8;  // general-view frame or playback state
inline constexpr int HINT_DISPLAY = 16;  // display mode or calendar
