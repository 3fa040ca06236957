#include "config/CVantrelSettings.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

const std::string Declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

std::string SettingsFile(const std::string& children)
{
    return Declaration + "<VantrelControl>\n" + children + "</VantrelControl>\n";
}

std::string SiteListOf(const std::string& sites)
{
    return SettingsFile("<SiteList>\n" + sites + "</SiteList>\n");
}

struct Loaded {
    int result;
    CVantrelSettings settings;
};

Loaded Load(const TempDir& dir, const std::string& content)
{
    const std::string path = dir.Path() + "VantrelControl.settings";
    WriteFile(path, content);
    Loaded loaded{0, {}};
    loaded.result = loaded.settings.LoadSettings(path);
    return loaded;
}

void ExpectDefaults(const CVantrelSettings& settings)
{
    EXPECT_EQ(settings.Version, 2);
    EXPECT_EQ(settings.RootDirectory, "./");
    EXPECT_EQ(settings.ConfirmedDirectory, "!CONFIRMED");
    EXPECT_EQ(settings.RejectedDirectory, "!REJECTED");
    EXPECT_TRUE(settings.SiteList.empty());
}

TEST(CVantrelSettings, StartsWithTheDefaultsAndTheFixedFractions)
{
    const CVantrelSettings settings;
    ExpectDefaults(settings);
    EXPECT_EQ(settings.ClipBright, 0.0001);
    EXPECT_EQ(settings.ClipDark, 0.0);
    EXPECT_EQ(settings.AutoClipDark, 0.0);
    EXPECT_EQ(settings.AutoClipBright, 0.01);
    EXPECT_EQ(settings.LastError, "");
}

TEST(CVantrelSettings, VersionIsNeverBelowTwo)
{
    const struct {
        std::string children;
        int version;
    } cases[] = {
        {"", 2},
        {"<Version>1</Version>", 2},
        {"<Version>7</Version>", 7},
        {"<Version>  12abc</Version>", 12},
        {"<Version>abc</Version>", 2},
        {"<Version>99999999999</Version>", 2147483647},
        {"<Other><Version>9</Version></Other>", 2},  // only direct children count
        {"<Version>5</Version><Version>9</Version>", 5},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const Loaded loaded = Load(dir, SettingsFile(c.children));
        EXPECT_EQ(loaded.result, 1) << c.children;
        EXPECT_EQ(loaded.settings.Version, c.version) << c.children;
    }
}

TEST(CVantrelSettings, DirectoriesComeFromTheirElementsOrTheDefaults)
{
    const struct {
        std::string children;
        std::string root, confirmed, rejected;
    } cases[] = {
        {"", "./", "!CONFIRMED", "!REJECTED"},
        {"<RootDirectory><![CDATA[/data/records/]]></RootDirectory>", "/data/records/", "!CONFIRMED", "!REJECTED"},
        {"<RootDirectory>/data/records</RootDirectory>", "/data/records/", "!CONFIRMED", "!REJECTED"},
        {"<RootDirectory></RootDirectory>", "./", "!CONFIRMED", "!REJECTED"},
        {"<ConfirmedDirectory>ok</ConfirmedDirectory><RejectedDirectory/>", "./", "ok", ""},
        {"<rootdirectory>/x</rootdirectory>", "./", "!CONFIRMED", "!REJECTED"},
        {"<RootDirectory>a &amp; b<![CDATA[ & c]]></RootDirectory>", "a & b & c/", "!CONFIRMED", "!REJECTED"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const Loaded loaded = Load(dir, SettingsFile(c.children));
        EXPECT_EQ(loaded.result, 1) << c.children;
        EXPECT_EQ(loaded.settings.RootDirectory, c.root) << c.children;
        EXPECT_EQ(loaded.settings.ConfirmedDirectory, c.confirmed) << c.children;
        EXPECT_EQ(loaded.settings.RejectedDirectory, c.rejected) << c.children;
    }
}

TEST(CVantrelSettings, SiteTextsGiveTheMacAndTheAddressAfterTheSeparator)
{
    const struct {
        std::string site;
        size_t count;
        std::string address;
    } cases[] = {
        {"<Site>00:1A:2B:3C:4D:5E</Site>", 1, ""},
        {"<Site><![CDATA[00:1A:2B:3C:4D:5E ]]></Site>", 1, ""},
        {"<Site>00:1A:2B:3C:4D:5E 13 Main Street</Site>", 1, "13 Main Street"},
        {"<Site>00:1A:2B:3C:4D:5E_x</Site>", 1, "x"},
        {"<Site>00:1a:2b:3c:4d:5e Lower</Site>", 1, "Lower"},
        {"<Site>00:1A:2B:3C:4D:5</Site>", 0, ""},
        {"<Site></Site>", 0, ""},
        {"<site>00:1A:2B:3C:4D:5E</site>", 0, ""},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const Loaded loaded = Load(dir, SiteListOf(c.site));
        ASSERT_EQ(loaded.result, 1) << c.site;
        ASSERT_EQ(loaded.settings.SiteList.size(), c.count) << c.site;
        if (c.count == 0)
            continue;
        const MacAddress expected{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
        EXPECT_EQ(loaded.settings.SiteList[0].mac, expected) << c.site;
        EXPECT_EQ(loaded.settings.SiteList[0].address, c.address) << c.site;
    }
}

TEST(CVantrelSettings, TheSiteListWalkStopsAtTheFirstChildThatIsNoElement)
{
    const struct {
        std::string between;
        size_t count;
    } cases[] = {
        {"\n   \t\n", 3},
        {"<Other>00:00:00:00:00:09</Other>", 3},
        {"<!-- gone -->", 1},
        {"text", 1},
        {"<![CDATA[ ]]>", 1},
        {"<?pi data?>", 1},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const Loaded loaded = Load(dir, SiteListOf("<Site>00:00:00:00:00:01 One</Site>" + c.between +
                                                   "<Site>00:00:00:00:00:02</Site>\n<Site>00:00:00:00:00:03</Site>"));
        EXPECT_EQ(loaded.result, 1) << c.between;
        EXPECT_EQ(loaded.settings.SiteList.size(), c.count) << c.between;
    }
}

TEST(CVantrelSettings, ARepeatedMacKeepsOneEntryAndTakesTheLaterAddress)
{
    TempDir dir;
    const Loaded loaded = Load(dir, SiteListOf("<Site>00:00:00:00:00:01 First</Site>"
                                               "<Site>00:00:00:00:00:02 Other</Site>"
                                               "<Site>00:00:00:00:00:01 Second</Site>"
                                               "<Site>00:00:00:00:00:01</Site>"));
    ASSERT_EQ(loaded.settings.SiteList.size(), 2u);
    EXPECT_EQ(loaded.settings.SiteList[0].address, "Second");
    EXPECT_EQ(loaded.settings.SiteList[1].address, "Other");
}

TEST(CVantrelSettings, ALoadEmptiesTheSiteListFirst)
{
    TempDir dir;
    const std::string path = dir.Path() + "s.settings";
    WriteFile(path, SiteListOf("<Site>00:00:00:00:00:07 Seven</Site>"));
    CVantrelSettings settings;
    settings.LookupSite(MacAddress{1, 2, 3, 4, 5, 6}, true);
    ASSERT_EQ(settings.LoadSettings(path), 1);
    ASSERT_EQ(settings.SiteList.size(), 1u);
    EXPECT_EQ(settings.SiteList[0].address, "Seven");
}

TEST(CVantrelSettings, AMissingFileFailsWithTheSyntaxErrorFormAndTheDefaults)
{
    TempDir dir;
    const std::string path = dir.Path() + "absent.settings";
    CVantrelSettings settings;
    settings.RootDirectory = "/elsewhere/";
    settings.Version = 9;
    settings.LookupSite(MacAddress{1, 2, 3, 4, 5, 6}, true);
    EXPECT_EQ(settings.LoadSettings(path), 0);
    ExpectDefaults(settings);
    EXPECT_EQ(settings.LastError, "Error in the imput file:\n" + path +
                                      "\nSyntax error in the contets of the imput file.\n"
                                      "IXMLDOMParseError(60D): failed to load external entity \"" +
                                      path + "\"\nLine 0 Char 0");
}

TEST(CVantrelSettings, ASyntaxErrorReportsTheParserCodeMessageAndPosition)
{
    TempDir dir;
    const std::string path = dir.Path() + "bad.settings";
    WriteFile(path, Declaration + "<VantrelControl>\n  <Version>3</Versio>\n</VantrelControl>\n");
    CVantrelSettings settings;
    EXPECT_EQ(settings.LoadSettings(path), 0);
    ExpectDefaults(settings);
    EXPECT_EQ(settings.LastError, "Error in the imput file:\n" + path +
                                      "\nSyntax error in the contets of the imput file.\n"
                                      "IXMLDOMParseError(4C): Opening and ending tag mismatch: Version line 3 and Versio"
                                      "\nLine 3 Char 22");
}

TEST(CVantrelSettings, ALaterSuccessKeepsTheLastFailureText)
{
    TempDir dir;
    const std::string good = dir.Path() + "good.settings";
    WriteFile(good, SettingsFile(""));
    CVantrelSettings settings;
    ASSERT_EQ(settings.LoadSettings(dir.Path() + "missing"), 0);
    const std::string failure = settings.LastError;
    EXPECT_EQ(settings.LoadSettings(good), 1);
    EXPECT_EQ(settings.LastError, failure);
}

TEST(CVantrelSettings, LookupSiteAddsAnUnknownUnitOnce)
{
    CVantrelSettings settings;
    const MacAddress mac{0xAA, 0xBB, 0xCC, 0, 0, 1};
    EXPECT_EQ(settings.LookupSite(mac, false), nullptr);
    SiteEntry* added = settings.LookupSite(mac, true);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->mac, mac);
    EXPECT_EQ(added->address, "");
    added->address = "Crossing";
    EXPECT_EQ(settings.LookupSite(mac, true), &settings.SiteList[0]);
    EXPECT_EQ(settings.LookupSite(mac, false)->address, "Crossing");
    EXPECT_EQ(settings.SiteList.size(), 1u);
}

TEST(CVantrelSettings, SiteDisplayTextFallsBackToTheMacText)
{
    EXPECT_EQ(CVantrelSettings::SiteDisplayText(SiteEntry{{0, 0x0F, 0xA0, 0xFF, 1, 2}, ""}), "00:0F:A0:FF:01:02");
    EXPECT_EQ(CVantrelSettings::SiteDisplayText(SiteEntry{{0, 0x0F, 0xA0, 0xFF, 1, 2}, "Bridge"}), "Bridge");
}

TEST(CVantrelSettings, ParseMacReadsLikeScanf)
{
    const struct {
        const char* text;
        MacAddress mac;
    } cases[] = {
        {"00:1A:2B:3C:4D:5E", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}},
        {"ff:ee:dd:cc:bb:aa", {0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA}},
        {" 1: 2:3:4:5:6", {1, 2, 3, 4, 5, 6}},
        {"0A:0B:ZZ:0D:0E:0F", {0x0A, 0x0B, 0, 0, 0, 0}},
        {"0A-0B:0C", {0x0A, 0, 0, 0, 0, 0}},
        {"123:45", {0x12, 0, 0, 0, 0, 0}},
        {"-1:+F:01:02:03:04", {0xFF, 0x0F, 1, 2, 3, 4}},
        {"01:02:03", {1, 2, 3, 0, 0, 0}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CVantrelSettings::ParseMac(c.text), c.mac) << c.text;
    const MacAddress mac{0x01, 0xAB, 0x00, 0xFF, 0x10, 0x9C};
    EXPECT_EQ(CVantrelSettings::FormatMac(mac), "01:AB:00:FF:10:9C");
    EXPECT_EQ(CVantrelSettings::ParseMac(CVantrelSettings::FormatMac(mac)), mac);
}

TEST(CVantrelSettings, SaveWritesTheFixedLayout)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.settings";
    CVantrelSettings settings;
    settings.Version = 7;
    settings.RootDirectory = "/data/records/";
    settings.LookupSite(MacAddress{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, true)->address = "13 Main Street";
    settings.LookupSite(MacAddress{0xAB, 0xCD, 0xEF, 0x01, 0x02, 0x03}, true);
    ASSERT_EQ(settings.SaveSettings(path), 1);
    EXPECT_EQ(ReadFile(path), Declaration +
                                  "<!-- VantrelControl.settings\n"
                                  "     Orvane Vantrel Light Control, Version 1.2\n"
                                  "     Copyright (C) 2004 Orvane Solutions. All rights reserved.\n"
                                  "\n"
                                  "     NOTE:\n"
                                  "        If you want to edit this file, remember all\n"
                                  "        keywords like node names, and node attribute\n"
                                  "        names are case-sensitive.\n"
                                  "        Please, make a backup copy of the file before editing,\n"
                                  "        and follow the syntax carefully!\n"
                                  "  -->\n"
                                  "<VantrelControl>\n"
                                  "  <Version>7</Version>\n"
                                  "  <RootDirectory><![CDATA[/data/records/]]></RootDirectory>\n"
                                  "  <ConfirmedDirectory><![CDATA[!CONFIRMED]]></ConfirmedDirectory>\n"
                                  "  <RejectedDirectory><![CDATA[!REJECTED]]></RejectedDirectory>\n"
                                  "  <SiteList>\n"
                                  "    <Site><![CDATA[00:1A:2B:3C:4D:5E 13 Main Street]]></Site>\n"
                                  "    <Site><![CDATA[AB:CD:EF:01:02:03 ]]></Site>\n"
                                  "  </SiteList>\n"
                                  "</VantrelControl>\n");
}

TEST(CVantrelSettings, WrittenFilesLoadBackUnchanged)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.settings";
    CVantrelSettings saved;
    saved.Version = 4;
    saved.RootDirectory = "/srv/камеры/]]>/";
    saved.ConfirmedDirectory = "a]]>b]]]]>c\rd";
    saved.RejectedDirectory = "";
    saved.LookupSite(MacAddress{1, 2, 3, 4, 5, 6}, true)->address = "ул. Ленина, 5 «Север» № 3";
    saved.LookupSite(MacAddress{0xFA, 0xCE, 0, 0, 0, 0}, true);
    saved.LookupSite(MacAddress{7, 7, 7, 7, 7, 7}, true)->address = "  spaced <&> \"quoted\"  ";
    ASSERT_EQ(saved.SaveSettings(path), 1);
    CVantrelSettings loaded;
    ASSERT_EQ(loaded.LoadSettings(path), 1) << loaded.LastError;
    EXPECT_EQ(loaded.Version, saved.Version);
    EXPECT_EQ(loaded.RootDirectory, saved.RootDirectory);
    EXPECT_EQ(loaded.ConfirmedDirectory, saved.ConfirmedDirectory);
    EXPECT_EQ(loaded.RejectedDirectory, saved.RejectedDirectory);
    ASSERT_EQ(loaded.SiteList.size(), saved.SiteList.size());
    for (size_t i = 0; i < saved.SiteList.size(); ++i) {
        EXPECT_EQ(loaded.SiteList[i].mac, saved.SiteList[i].mac);
        EXPECT_EQ(loaded.SiteList[i].address, saved.SiteList[i].address);
    }
}

TEST(CVantrelSettings, ReadsAFileKeptInWindows1251)
{
    TempDir dir;
    // "ул. Ленина" in windows-1251, as the original program wrote it.
    const Loaded loaded =
        Load(dir, SiteListOf("<Site><![CDATA[00:00:00:00:00:01 \xF3\xEB. \xCB\xE5\xED\xE8\xED\xE0]]></Site>"));
    ASSERT_EQ(loaded.result, 1) << loaded.settings.LastError;
    ASSERT_EQ(loaded.settings.SiteList.size(), 1u);
    EXPECT_EQ(loaded.settings.SiteList[0].address, "ул. Ленина");
}

TEST(CVantrelSettings, AFailedSaveLeavesThePreviousFile)
{
    TempDir dir;
    CVantrelSettings settings;
    EXPECT_EQ(settings.SaveSettings(dir.Path() + "no/such/dir/VantrelControl.settings"), 0);
    const std::string occupied = dir.MakeDir("occupied");
    EXPECT_EQ(settings.SaveSettings(occupied.substr(0, occupied.size() - 1)), 0);
    EXPECT_TRUE(testsupport::Exists(occupied));
}

}  // namespace
