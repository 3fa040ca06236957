// Menus and accelerators as data: every item and key names a command of the
// table, and the texts and keys are the program's.
#include "ReviewDocumentFixture.h"

#include "document/Accelerator.h"
#include "document/CommandIds.h"
#include "document/ReviewMenus.h"

using MenusAndKeys = ReviewDocumentFixture;

TEST_F(MenusAndKeys, ItemsAndKeysReachCommandsOfTheTableWithTheirTexts)
{
    Open();
    const MenuDefinition &file = MainMenu().at(0), &general = MainMenu().at(1), &detailed = MainMenu().at(2);
    const MenuDefinition& colour = ColourCorrectionPopup();
    for (const MenuDefinition* menu : {&file, &general, &detailed, &DetailedViewPopup(), &GeneralViewPopup(), &colour,
                                       &RecordsFilterPopup()}) {
        for (const MenuItem& item : menu->Items) {
            // The colour button's own menu names the automatic mode shorter.
            const bool own = item.Command == MenuItem::Separator || (menu == &colour && item.Command == ID_COLOR_AUTO);
            EXPECT_TRUE(own || doc->Commands().Contains(item.Command)) << menu->Title << " " << item.Command;
            EXPECT_EQ(item.Text, own ? item.Text : doc->Commands().Text(item.Command)) << menu->Title;
        }
    }
    const struct { const MenuDefinition& menu; std::size_t index; int id; const char* text; } items[] = {
        {file, 0, ID_FILE_OPEN, "&Open...\tCtrl+O"},       {file, 6, ID_FILE_PRINT_SETUP, "Print settup..."},
        {file, 10, ID_APP_ABOUT, "&About this programm..."}, {general, 8, ID_RECORD_INFORMATION, "&Information...."},
        {detailed, 21, ID_BLACK_AND_WHITE, "&Black and Wait"}, {detailed, 1, MenuItem::Separator, ""},
        {GeneralViewPopup(), 2, ID_PLAY_CONTINUE, "Continue\tCtrl+F4"}, {colour, 3, ID_COLOR_AUTO, "3. &Auto\tCtrl+A"},
        {DetailedViewPopup(), 5, ID_ZOOM_100, "3. &100%\tCtrl+1"}, {RecordsFilterPopup(), 6, ID_CALENDAR, "Calendar"},
    };
    for (const auto& i : items) {
        ASSERT_LT(i.index, i.menu.Items.size()) << i.text;
        const MenuItem& item = i.menu.Items[i.index];
        EXPECT_EQ(std::pair(item.Command, item.Text), std::pair(i.id, std::string(i.text)));
    }
    EXPECT_EQ((std::array{file.Title, general.Title, detailed.Title}),
              (std::array<std::string, 3>{"&File", "&General view", "&Detailed View"}));
    EXPECT_EQ(RecentFileMenuText(1, "/data/records/"), "&2 /data/records/");

    using K = KeyStroke;
    const struct { KeyStroke key; int command; } keys[] = {
        {{'0', K::None, true}, 132}, {{'9', K::None, true}, 141}, {{'-', K::None, true}, ID_MARK_DELETE},
        {{'D', K::Ctrl, false}, ID_COLOR_DAY}, {{'D', K::Alt, false}, ID_NOTE_DELETE},
        {{K::Escape, K::None, false}, ID_LEAVE_FULL_SCREEN}, {{K::F5, K::Ctrl, false}, ID_PLAY_CONTINUE},
        {{K::F5, K::Shift, false}, ID_PLAY_PAUSE}, {{K::F9, K::Shift, false}, ID_GENERAL_FULL_SCREEN},
        {{K::Insert, K::Ctrl, false}, ID_EDIT_COPY}, {{K::Backspace, K::Alt, false}, ID_EDIT_UNDO},
    };
    for (const auto& k : keys) {
        const std::vector<KeyStroke> found = AcceleratorsFor(k.command);
        EXPECT_NE(std::find(found.begin(), found.end(), k.key), found.end()) << k.command;
    }
    std::vector<KeyStroke> seen;
    for (const Accelerator& row : Accelerators()) {
        EXPECT_TRUE(doc->Commands().Contains(row.Command)) << row.Command;
        EXPECT_EQ(std::find(seen.begin(), seen.end(), row.Keys), seen.end()) << "key twice: " << row.Command;
        seen.push_back(row.Keys);
    }
}
