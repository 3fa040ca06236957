#include "document/ReviewMenus.h"

#include "document/CommandIds.h"

namespace {

const MenuItem Separator{MenuItem::Separator, {}};

MenuDefinition FileMenu()
{
    return {0, "&File",
            {{ID_FILE_OPEN, "&Open...\tCtrl+O"},
             {ID_REFRESH, "Refresh\tF2"},
             Separator,
             {ID_DETAILED_PRINT, "Detailed print..."},
             {ID_PRINT_SCREEN, "Print Screen\tCtrl+S"},
             {ID_PRINT_SUBPOENA, "Print Subpoena\tCtrl+P"},
             {ID_FILE_PRINT_SETUP, "Print settup..."},
             Separator,
             {ID_FILE_MRU_FILE1, "Recent File"},
             Separator,
             {ID_APP_ABOUT, "&About this programm..."},
             Separator,
             {ID_APP_EXIT, "E&xit"}}};
}

std::vector<MenuItem> GeneralViewItems()
{
    return {{ID_GENERAL_FULL_SCREEN, "&Full screen\tF9"},
            {ID_PLAY_RESTART, "&Restart\tF5"},
            {ID_PLAY_CONTINUE, "Continue\tCtrl+F4"},
            {ID_PLAY_PAUSE, "Pause\tShift+F5"},
            {ID_PLAY_FIRST, "First frame"},
            {ID_PLAY_BACKWARD, "Backward"},
            {ID_PLAY_FORWARD, "Forward"},
            {ID_PLAY_LAST, "Last frame"},
            {ID_RECORD_INFORMATION, "&Information...."},
            {ID_PRINT_GENERAL_VIEW, "&Print general view"}};
}

std::vector<MenuItem> DetailedViewItems()
{
    return {{ID_DETAILED_FULL_SCREEN, "&Full screen\tF10"},
            Separator,
            {ID_ZOOM_FIT, "&Fit to window\tCtrl+W"},
            {ID_ZOOM_50, "1. 50%"},
            {ID_ZOOM_75, "2. 75%"},
            {ID_ZOOM_100, "3. &100%\tCtrl+1"},
            {ID_ZOOM_150, "4. 150%"},
            {ID_ZOOM_200, "5. 200%"},
            Separator,
            {ID_COLOR_WITHOUT, "&Without color correction\tCtrl+B"},
            {ID_COLOR_DAY, "1. &Day\tCtrl+D"},
            {ID_COLOR_NIGHT, "2. &Night\tCtrl+N"},
            {ID_COLOR_AUTO, "3. &Automatic\tCtrl+A"},
            Separator,
            {ID_GAMMA, "&Gamma correction"},
            Separator,
            {ID_FILTER_NONE, "Without filters"},
            {ID_FILTER_SHARPEN, "1. Sharpen"},
            {ID_FILTER_SHARPEN_STRONG, "2. Sharpen strong"},
            {ID_FILTER_EMBOSS, "3. Emboss"},
            Separator,
            {ID_BLACK_AND_WHITE, "&Black and Wait"},
            {ID_PRINT_DETAILED_VIEW, "&Print detailed view"}};
}

}  // namespace

const std::vector<MenuDefinition>& MainMenu()
{
    static const std::vector<MenuDefinition> menu = {
        FileMenu(),
        {0, "&General view", GeneralViewItems()},
        {0, "&Detailed View", DetailedViewItems()},
    };
    return menu;
}

const MenuDefinition& DetailedViewPopup()
{
    static const MenuDefinition menu{IDR_MENU_DETAILED_VIEW, "&Detailed View", DetailedViewItems()};
    return menu;
}

const MenuDefinition& GeneralViewPopup()
{
    static const MenuDefinition menu{IDR_MENU_GENERAL_VIEW, "&General view", GeneralViewItems()};
    return menu;
}

const MenuDefinition& ColourCorrectionPopup()
{
    // The button's own menu names the automatic mode shorter than the main menu.
    static const MenuDefinition menu{IDR_MENU_COLOR_CORRECTION, "&Color correction",
                                     {{ID_COLOR_WITHOUT, "&Without color correction\tCtrl+B"},
                                      {ID_COLOR_DAY, "1. &Day\tCtrl+D"},
                                      {ID_COLOR_NIGHT, "2. &Night\tCtrl+N"},
                                      {ID_COLOR_AUTO, "3. &Auto\tCtrl+A"}}};
    return menu;
}

const MenuDefinition& RecordsFilterPopup()
{
    static const MenuDefinition menu{IDR_MENU_RECDIRPANE_FILTER, "Filter",
                                     {{ID_RECORDS_ALL, "All"},
                                      {ID_RECORDS_FOR_THE_DAY, "For the day"},
                                      Separator,
                                      {ID_SORT_BY_TIME, "Sort by time"},
                                      {ID_SORT_BY_TYPE, "Sort by type"},
                                      Separator,
                                      {ID_CALENDAR, "Calendar"}}};
    return menu;
}

std::string RecentFileMenuText(int index, const std::string& path)
{
    return "&" + std::to_string(index + 1) + " " + path;
}
