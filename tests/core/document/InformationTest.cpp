// The record information texts and the command around its dialog.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"
#include "document/RecordInformation.h"
#include "document/UpdateHints.h"
#include "records/RecordContent.h"

TEST(RecordInformationTexts, TimesAndDuration)
{
    const auto at = [](std::uint16_t second, std::uint16_t millisecond) {
        return FrameTime{2006, 3, 0, 1, 12, 0, second, millisecond};
    };
    const std::string day = "Wednesday, 01-March-2006 12:00:";
    const struct { FrameTime red, yellow; std::string redText, yellowText, duration; } cases[] = {
        {at(3, 250), at(0, 0), day + "03.250", day + "00.000", "3.250 sec. "},
        {at(0, 2), at(0, 0), day + "00.002", day + "00.000", "0.002 sec. "},
        {at(0, 0), at(0, 0), day + "00.000", day + "00.000", ""},
        {{}, at(0, 0), "", day + "00.000", ""},
        {at(0, 0), {}, day + "00.000", "", ""},
    };
    for (const auto& c : cases) {
        RecordContent record;
        record.RedTime = c.red;
        record.YellowTime = c.yellow;
        const RecordInformation information = RecordInformation::For(record, {{0x0A, 0xBC, 1, 2, 0xFF, 0x10}, "Ring"});
        EXPECT_EQ(information.SiteAddress, "Ring");
        EXPECT_EQ(information.MacText, "0A:BC:01:02:FF:10");
        EXPECT_EQ(information.RedStartText, c.redText);
        EXPECT_EQ(information.YellowStartText, c.yellowText);
        EXPECT_EQ(information.YellowDurationText, c.duration) << c.redText;
    }
}

using InformationCommand = ReviewDocumentFixture;

// The site text that the playback pane and the printed pages show goes through the same list: a unit
// without an address shows its MAC text, one with an address shows that.
TEST_F(InformationCommand, UnknownUnitIsAddedOnCancelAndOkStoresTheAddressThoughSitesWereAddedMeanwhile)
{
    AddRecord(0, {1, 0, 0}, 1, "2006-03-01 12:00:03.250");
    Open();
    const MacAddress unit{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    const auto site = [&] { return settings.LookupSite(unit, false); };
    EXPECT_TRUE(doc->OnCommand(ID_RECORD_INFORMATION));
    EXPECT_EQ(services.InformationShown.at(0).MacText, "00:11:22:33:44:55");
    EXPECT_EQ(services.InformationShown.at(0).YellowDurationText, "3.250 sec. ");
    ASSERT_NE(site(), nullptr) << "added though cancelled";
    EXPECT_TRUE(view.Updates.empty());

    for (const char* address : {"Bridge", ""}) {
        services.InformationScripts.push_back([this, address](RecordInformation& information) {
            // Panes painting behind the dialog look up other units and grow the list.
            for (std::uint8_t other = 1; other <= 64; ++other)
                settings.LookupSite({0xEE, 0, 0, 0, 0, other}, true);
            information.SiteAddress = address;
            return true;
        });
        Forget();
        doc->OnCommand(ID_RECORD_INFORMATION);
        ASSERT_NE(site(), nullptr) << "an emptied address keeps the entry";
        EXPECT_EQ(site()->address, address);
        EXPECT_EQ(view.Hints(), std::vector<int>{HINT_ALL});
        EXPECT_EQ(doc->SiteDisplayText(unit), *address ? address : "00:11:22:33:44:55");
    }
    EXPECT_EQ(services.InformationShown.at(2).SiteAddress, "Bridge");
    EXPECT_EQ(settings.SiteList.size(), 65u) << "each unit listed once";
    const MacAddress unknown{0x00, 0x11, 0x22, 0x33, 0x44, 0xAB};
    EXPECT_EQ(doc->SiteDisplayText(unknown), "00:11:22:33:44:AB");
    EXPECT_EQ(settings.SiteList.back().mac, unknown) << "a unit first seen by the site text is listed too";
}
