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
        {at(0, 0), at(1, 0), day + "00.000", day + "01.000", ""},
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

TEST_F(InformationCommand, UnknownUnitIsAddedOnCancelAndOkStoresTheAddressThoughSitesWereAddedMeanwhile)
{
    AddRecord(0, {1, 0, 0}, 1, "2006-03-01 12:00:03.250");
    Open();
    const auto site = [this] { return settings.LookupSite({0x00, 0x11, 0x22, 0x33, 0x44, 0x55}, false); };
    EXPECT_TRUE(doc->OnCommand(ID_RECORD_INFORMATION));
    EXPECT_EQ(services.InformationShown.at(0).MacText, "00:11:22:33:44:55");
    EXPECT_EQ(services.InformationShown.at(0).YellowDurationText, "3.250 sec. ");
    ASSERT_NE(site(), nullptr) << "added though cancelled";
    EXPECT_TRUE(view.Updates.empty());

    for (const char* address : {"Bridge", ""}) {
        services.InformationScripts.push_back([this, address](RecordInformation& information) {
            // Panes painting behind the dialog look up other units and grow the list.
            for (std::uint8_t unit = 1; unit <= 64; ++unit)
                settings.LookupSite({0xEE, 0, 0, 0, 0, unit}, true);
            information.SiteAddress = address;
            return true;
        });
        Forget();
        doc->OnCommand(ID_RECORD_INFORMATION);
        ASSERT_NE(site(), nullptr) << "an emptied address keeps the entry";
        EXPECT_EQ(site()->address, address);
        EXPECT_EQ(view.Hints(), std::vector<int>{HINT_ALL});
    }
    EXPECT_EQ(services.InformationShown.at(2).SiteAddress, "Bridge");
}

// The playback pane's site bar: a unit without an address shows its MAC text
// and is listed from then on, once; an address, when it has one.
TEST_F(InformationCommand, SiteTextListsAnUnknownUnitOnceAndShowsItsAddressWhenItHasOne)
{
    Open();
    const MacAddress unit{0x00, 0x11, 0x22, 0x33, 0x44, 0xAB};
    EXPECT_EQ(doc->SiteDisplayText(unit), "00:11:22:33:44:AB");
    EXPECT_EQ(doc->SiteDisplayText(unit), "00:11:22:33:44:AB");
    ASSERT_EQ(settings.SiteList.size(), 1u);
    EXPECT_EQ(settings.SiteList[0].mac, unit);
    settings.SiteList[0].address = "Bridge";
    EXPECT_EQ(doc->SiteDisplayText(unit), "Bridge");
    EXPECT_TRUE(view.Updates.empty()) << "looking up a site changes no review state";
}
