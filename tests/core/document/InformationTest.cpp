// The record information texts and the command around its dialog.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"
#include "document/RecordInformation.h"
#include "document/UpdateHints.h"
#include "records/RecordContent.h"

namespace {

FrameTime At(int hour, int minute, int second, int millisecond)
{
    FrameTime time;
    time.Year = 2006;
    time.Month = 3;
    time.Day = 1;
    time.Hour = static_cast<std::uint16_t>(hour);
    time.Minute = static_cast<std::uint16_t>(minute);
    time.Second = static_cast<std::uint16_t>(second);
    time.Millisecond = static_cast<std::uint16_t>(millisecond);
    return time;
}

}  // namespace

TEST(RecordInformationTexts, TimesAndDuration)
{
    const FrameTime none;
    const struct {
        FrameTime red;
        FrameTime yellow;
        const char* redText;
        const char* yellowText;
        const char* duration;
    } cases[] = {
        {At(12, 0, 3, 250), At(12, 0, 0, 0), "Wednesday, 01-March-2006 12:00:03.250",
         "Wednesday, 01-March-2006 12:00:00.000", "3.250 sec. "},
        {none, At(12, 0, 0, 0), "", "Wednesday, 01-March-2006 12:00:00.000", ""},
        {At(12, 0, 0, 0), none, "Wednesday, 01-March-2006 12:00:00.000", "", ""},
        {At(12, 0, 0, 0), At(12, 0, 1, 0), "Wednesday, 01-March-2006 12:00:00.000",
         "Wednesday, 01-March-2006 12:00:01.000", ""},
        {At(12, 0, 0, 0), At(12, 0, 0, 0), "Wednesday, 01-March-2006 12:00:00.000",
         "Wednesday, 01-March-2006 12:00:00.000", ""},
        {At(12, 0, 0, 2), At(12, 0, 0, 0), "Wednesday, 01-March-2006 12:00:00.002",
         "Wednesday, 01-March-2006 12:00:00.000", "0.002 sec. "},
    };
    for (const auto& c : cases) {
        RecordContent record;
        record.RedTime = c.red;
        record.YellowTime = c.yellow;
        const SiteEntry site{{0x0A, 0xBC, 0x01, 0x02, 0xFF, 0x10}, "Ring road"};
        const RecordInformation information = RecordInformation::For(record, site);
        EXPECT_EQ(information.SiteAddress, "Ring road");
        EXPECT_EQ(information.MacText, "0A:BC:01:02:FF:10");
        EXPECT_EQ(information.RedStartText, c.redText);
        EXPECT_EQ(information.YellowStartText, c.yellowText);
        EXPECT_EQ(information.YellowDurationText, c.duration);
    }
}

namespace {

class InformationCommand : public ReviewDocumentFixture {
protected:
    void SetUp() override
    {
        testsupport::ReviewRecord record;
        record.LaneFrames = {1, 0, 0};
        record.GeneralFrames = 1;
        record.RedTime = "2006-03-01 12:00:03.250";
        record.YellowTime = "2006-03-01 12:00:00.000";
        AddRecord(0, record);
        Open();
    }

    const MacAddress mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
};

}  // namespace

TEST_F(InformationCommand, UnknownUnitIsAddedEvenWhenCancelled)
{
    EXPECT_TRUE(doc->OnCommand(ID_RECORD_INFORMATION));
    ASSERT_EQ(services.InformationShown.size(), 1u);
    const RecordInformation& shown = services.InformationShown[0];
    EXPECT_EQ(shown.SiteAddress, "");
    EXPECT_EQ(shown.MacText, "00:11:22:33:44:55");
    EXPECT_EQ(shown.YellowDurationText, "3.250 sec. ");
    ASSERT_NE(settings.LookupSite(mac, false), nullptr);
    EXPECT_EQ(settings.LookupSite(mac, false)->address, "");
    EXPECT_TRUE(Updates().empty());
}

TEST_F(InformationCommand, OkStoresTheAddressAndSendsHintAll)
{
    settings.SiteList.push_back({mac, "Old corner"});
    services.NextInformation(std::optional<std::string>("New corner"));
    doc->OnCommand(ID_RECORD_INFORMATION);
    EXPECT_EQ(services.InformationShown[0].SiteAddress, "Old corner");
    EXPECT_EQ(settings.LookupSite(mac, false)->address, "New corner");
    EXPECT_EQ(Hints(), std::vector<int>{HINT_ALL});

    services.NextInformation(std::optional<std::string>(""));
    doc->OnCommand(ID_RECORD_INFORMATION);
    ASSERT_NE(settings.LookupSite(mac, false), nullptr) << "an emptied address keeps the entry";
    EXPECT_EQ(settings.LookupSite(mac, false)->address, "");
    EXPECT_EQ(settings.SiteList.size(), 1u);
}

TEST_F(InformationCommand, SitesAddedWhileTheDialogIsOpenDoNotLoseTheAddress)
{
    services.NextInformation([this](RecordInformation& information) {
        // Panes painting behind the dialog look up other units and grow the list.
        for (std::uint8_t unit = 1; unit <= 64; ++unit)
            settings.LookupSite({0xEE, 0, 0, 0, 0, unit}, true);
        information.SiteAddress = "Bridge";
        return true;
    });
    doc->OnCommand(ID_RECORD_INFORMATION);
    EXPECT_EQ(settings.LookupSite(mac, false)->address, "Bridge");
}
