#pragma once

// Command ids of the menus, accelerators and pane buttons. The numbers are
// those of the program's resources and must not change: printing and the
// panes match on them.

// Records and modes.
inline constexpr int ID_LEAVE_FULL_SCREEN = 114;  // Esc
inline constexpr int ID_COLOR_CYCLE = 115;        // the detailed view's colour-correction button
inline constexpr int ID_LANE_LEFT = 119;          // the thumbnails pane's lane buttons
inline constexpr int ID_LANE_MIDDLE = 120;
inline constexpr int ID_LANE_RIGHT = 121;
inline constexpr int ID_RECDIR_FILTER_BUTTON = 122;
inline constexpr int ID_RECORD_CONFIRM = 126;
inline constexpr int ID_RECORD_REJECT = 127;
inline constexpr int ID_PRIVATE_NOTES_MODE = 130;
inline constexpr int ID_MARK_0 = 132;  // 132..141 mark with code 0..9
inline constexpr int ID_MARK_9 = 141;
inline constexpr int ID_MARK_DELETE = 142;

// Detailed view settings.
inline constexpr int ID_COLOR_WITHOUT = 32788;
inline constexpr int ID_COLOR_DAY = 32789;
inline constexpr int ID_COLOR_NIGHT = 32790;
inline constexpr int ID_GAMMA = 32791;
inline constexpr int ID_COLOR_AUTO = 32792;
inline constexpr int ID_ZOOM_FIT = 32796;
inline constexpr int ID_ZOOM_50 = 32797;
inline constexpr int ID_ZOOM_75 = 32798;
inline constexpr int ID_ZOOM_100 = 32799;
inline constexpr int ID_ZOOM_150 = 32800;
inline constexpr int ID_ZOOM_200 = 32801;
inline constexpr int ID_DETAILED_FULL_SCREEN = 32802;
inline constexpr int ID_FILTER_SHARPEN = 32823;
inline constexpr int ID_FILTER_SHARPEN_STRONG = 32825;
inline constexpr int ID_FILTER_EMBOSS = 32827;
inline constexpr int ID_FILTER_NONE = 32833;
inline constexpr int ID_BLACK_AND_WHITE = 32836;

// General view and playback.
inline constexpr int ID_GENERAL_FULL_SCREEN = 32857;
inline constexpr int ID_PLAY_RESTART = 32858;
inline constexpr int ID_PLAY_PAUSE = 32862;
inline constexpr int ID_PLAY_FIRST = 32863;
inline constexpr int ID_PLAY_BACKWARD = 32864;
inline constexpr int ID_PLAY_FORWARD = 32865;
inline constexpr int ID_PLAY_LAST = 32866;
inline constexpr int ID_RECORD_INFORMATION = 32867;
inline constexpr int ID_PLAY_CONTINUE = 32868;

// Records list.
inline constexpr int ID_REFRESH = 32869;
inline constexpr int ID_RECORDS_ALL = 32876;
inline constexpr int ID_RECORDS_FOR_THE_DAY = 32877;
inline constexpr int ID_NOTE_EDIT = 32880;
inline constexpr int ID_RECORDS_LISTING = 32881;
inline constexpr int ID_NOTE_DELETE = 32882;
inline constexpr int ID_SORT_BY_TIME = 32884;
inline constexpr int ID_SORT_BY_TYPE = 32885;
inline constexpr int ID_CALENDAR = 32904;

// Printing.
inline constexpr int ID_DETAILED_PRINT = 32888;
inline constexpr int ID_PRINT_GENERAL_VIEW = 32890;
inline constexpr int ID_PRINT_DETAILED_VIEW = 32892;
inline constexpr int ID_PRINT_SCREEN = 32894;
inline constexpr int ID_PRINT_SUBPOENA = 32896;

// Application and platform.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;  // 57616..57619, the four recent files
inline constexpr int ID_FILE_MRU_FILE4 = 57619;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
