// Menus and accelerators as data: every item and key names a command of the
// table, with the table's text, and no key is taken twice.
#include "ReviewDocumentFixture.h"

#include "document/Accelerator.h"
#include "document/CommandIds.h"
#include "document/ReviewMenus.h"

using MenusAndKeys = ReviewDocumentFixture;

TEST_F(MenusAndKeys, ItemsAndKeysReachCommandsOfTheTableWithTheirTexts)
{
    Open();
    const MenuDefinition& colour = ColourCorrectionPopup();
    for (const MenuDefinition* menu : {&MainMenu().at(0), &MainMenu().at(1), &MainMenu().at(2), &DetailedViewPopup(),
                                       &GeneralViewPopup(), &colour, &RecordsFilterPopup()}) {
        for (const MenuItem& item : menu->Items) {
            // The colour button's own menu names the automatic mode shorter.
            const bool own = item.Command == MenuItem::Separator || (menu == &colour && item.Command == ID_COLOR_AUTO);
            EXPECT_TRUE(own || doc->Commands().Contains(item.Command)) << menu->Title << " " << item.Command;
            EXPECT_EQ(item.Text, own ? item.Text : doc->Commands().Text(item.Command)) << menu->Title;
        }
    }
    using K = KeyStroke;
    // The keys a reading of the menus would get wrong: the digits as typed characters, and Continue, whose
    // item reads Ctrl+F4.
    const struct { KeyStroke key; int command; } keys[] = {
        {{'0', K::None, true}, 132}, {{'9', K::None, true}, 141}, {{'-', K::None, true}, ID_MARK_DELETE},
        {{K::F5, K::Ctrl, false}, ID_PLAY_CONTINUE}, {{'D', K::Alt, false}, ID_NOTE_DELETE},
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
