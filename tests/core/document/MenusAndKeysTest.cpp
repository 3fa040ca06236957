// Menus and accelerators as data: every item names a command of the table,
// and the keys are the program's.
#include "ReviewDocumentFixture.h"

#include "document/Accelerator.h"
#include "document/CommandIds.h"
#include "document/ReviewMenus.h"

namespace {

std::vector<std::string> Texts(const MenuDefinition& menu)
{
    std::vector<std::string> texts;
    for (const MenuItem& item : menu.Items)
        texts.push_back(item.Command == MenuItem::Separator ? "-" : item.Text);
    return texts;
}

using MenusAndKeys = ReviewDocumentFixture;

}  // namespace

TEST_F(MenusAndKeys, EveryMenuItemIsACommandOfTheTable)
{
    std::vector<const MenuDefinition*> menus{&DetailedViewPopup(), &GeneralViewPopup(), &ColourCorrectionPopup(),
                                             &RecordsFilterPopup()};
    for (const MenuDefinition& menu : MainMenu())
        menus.push_back(&menu);
    for (const MenuDefinition* menu : menus) {
        for (const MenuItem& item : menu->Items) {
            if (item.Command == MenuItem::Separator)
                continue;
            EXPECT_TRUE(doc->Commands().Contains(item.Command)) << menu->Title << ": " << item.Text;
            // The colour button's menu names the automatic mode shorter.
            const bool shortAuto = item.Command == ID_COLOR_AUTO && menu == &ColourCorrectionPopup();
            EXPECT_EQ(item.Text, shortAuto ? "3. &Auto\tCtrl+A" : doc->Commands().Text(item.Command)) << menu->Title;
        }
    }
}

TEST_F(MenusAndKeys, MenusHoldTheirItemsInOrder)
{
    ASSERT_EQ(MainMenu().size(), 3u);
    EXPECT_EQ(MainMenu()[0].Title, "&File");
    EXPECT_EQ(MainMenu()[1].Title, "&General view");
    EXPECT_EQ(MainMenu()[2].Title, "&Detailed View");
    EXPECT_EQ(Texts(MainMenu()[1]), Texts(GeneralViewPopup()));
    EXPECT_EQ(Texts(MainMenu()[2]), Texts(DetailedViewPopup()));

    // Separators split the detailed menu into view, zoom, colour, gamma, filters and the rest.
    const std::vector<std::string> detailed = Texts(DetailedViewPopup());
    EXPECT_EQ(std::count(detailed.begin(), detailed.end(), "-"), 5);
    EXPECT_EQ(Texts(ColourCorrectionPopup()),
              (std::vector<std::string>{"&Without color correction\tCtrl+B", "1. &Day\tCtrl+D", "2. &Night\tCtrl+N",
                                        "3. &Auto\tCtrl+A"}));
    EXPECT_EQ(Texts(RecordsFilterPopup()), (std::vector<std::string>{"All", "For the day", "-", "Sort by time",
                                                                     "Sort by type", "-", "Calendar"}));
    EXPECT_EQ(RecordsFilterPopup().ResourceId, IDR_MENU_RECDIRPANE_FILTER);
    EXPECT_EQ(RecentFileMenuText(1, "/data/records/"), "&2 /data/records/");
}

TEST_F(MenusAndKeys, FileMenuOffersOpenAndTheRecentFiles)
{
    const MenuDefinition& file = MainMenu()[0];
    const auto has = [&](int id) {
        return std::any_of(file.Items.begin(), file.Items.end(), [id](const MenuItem& item) { return item.Command == id; });
    };
    for (const int id : {ID_FILE_OPEN, ID_REFRESH, ID_FILE_MRU_FILE1, ID_APP_ABOUT, ID_APP_EXIT, ID_FILE_PRINT_SETUP})
        EXPECT_TRUE(has(id)) << id;
}

TEST_F(MenusAndKeys, AcceleratorsReachTheirCommands)
{
    using K = KeyStroke;
    const struct {
        KeyStroke key;
        int command;
    } cases[] = {
        {{'0', K::None, true}, 132}, {{'9', K::None, true}, 141}, {{'-', K::None, true}, ID_MARK_DELETE},
        {{'D', K::Ctrl, false}, ID_COLOR_DAY}, {{'D', K::Alt, false}, ID_NOTE_DELETE},
        {{K::Escape, K::None, false}, ID_LEAVE_FULL_SCREEN},
        // Continue is on Ctrl+F5, whatever its menu text says.
        {{K::F5, K::Ctrl, false}, ID_PLAY_CONTINUE}, {{K::F5, K::Shift, false}, ID_PLAY_PAUSE},
        {{K::F9, K::Shift, false}, ID_GENERAL_FULL_SCREEN}, {{K::Backspace, K::Alt, false}, ID_EDIT_UNDO},
    };
    for (const auto& c : cases) {
        const auto keys = AcceleratorsFor(c.command);
        EXPECT_NE(std::find(keys.begin(), keys.end(), c.key), keys.end()) << c.command;
    }
    EXPECT_EQ(AcceleratorsFor(ID_GENERAL_FULL_SCREEN).size(), 2u);
    EXPECT_EQ(AcceleratorsFor(ID_EDIT_COPY).size(), 2u);
    EXPECT_TRUE(AcceleratorsFor(ID_GAMMA).empty());

    std::vector<KeyStroke> seen;
    for (const Accelerator& row : Accelerators()) {
        EXPECT_TRUE(doc->Commands().Contains(row.Command)) << row.Command;
        EXPECT_EQ(std::find(seen.begin(), seen.end(), row.Keys), seen.end()) << "key twice: " << row.Command;
        seen.push_back(row.Keys);
    }
}
