#include "config/CVantrelSettings.h"

#include "ConfigTestFiles.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace configtest;
using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

const MacAddress Mac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

TEST(CVantrelSettings, ReadsWhatTheFileHoldsUpToTheFirstSiteListChildThatIsNoElement)
{
    const auto List = [](const std::string& sites) { return "<SiteList>" + sites + "</SiteList>"; };
    const std::string a = "<Site>00:1A:2B:3C:4D:5E a</Site>", b = "<Site>00:00:00:00:00:01 b</Site>";
    const struct {
        std::string children;
        std::vector<std::string> addresses = {};  // of the sites; the first has the MAC Mac
        int version = 2;
        std::string root = "./", confirmed = "!CONFIRMED";
    } cases[] = {
        {""},
        {"<Version>1</Version><RootDirectory></RootDirectory>", {}, 2, ""},
        {"<Version> 12abc</Version><RootDirectory>/data</RootDirectory><ConfirmedDirectory/>", {}, 12, "/data", ""},
        {"<Other><Version>9</Version></Other><rootdirectory>/x</rootdirectory><Version kind=\"odd\"><b>8</b></Version>"
         "<RootDirectory Version=\"9\">/r<i>/s</i></RootDirectory>", {}, 8, "/r/s"},
        {"<Version>99999999999</Version><ConfirmedDirectory>a &amp;<![CDATA[ & b]]></ConfirmedDirectory>", {},
         2147483647, "./", "a & & b"},
        {List("<Site value=\"1\">00:1A:2B:3C:4D:5E</Site>"), {""}},
        {List("<Site><![CDATA[00:1A:2B:3C:4D:5E ]]></Site>"), {""}},
        {List("<Site> 0:1a:2b:3c:4d:5e 13 Main Street</Site>"), {"13 Main Street"}},  // as scanf reads "%02X:..."
        {List("<Site>00:1A:2B:3C:4D:5E_\xF3\xEB. \xCC\xE8\xF0\xE0</Site>"), {"ул. Мира"}},  // windows-1251
        {List("<Site>00:1A:2B:3C:4D:5</Site><site>00:1A:2B:3C:4D:5E</site>")},
        {List(a + "\n \t<Other/>" + b), {"a", "b"}},
        {List(a + "text" + b), {"a"}},
        {List(a + "<![CDATA[ ]]>" + b), {"a"}},
        {List(a + b + "<Site>00:1A:2B:3C:4D:5E c</Site><Site>00:1A:2B:3C:4D:5E</Site>"), {"c", "b"}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        CVantrelSettings s;
        EXPECT_EQ(s.LoadSettings(WriteConfig(dir, c.children)), 1) << c.children;
        EXPECT_EQ(std::tie(s.Version, s.RootDirectory, s.ConfirmedDirectory, s.RejectedDirectory),
                  std::make_tuple(c.version, c.root, c.confirmed, std::string("!REJECTED")))
            << c.children;
        std::vector<std::string> addresses;
        for (const SiteEntry& site : s.SiteList)
            addresses.push_back(site.address);
        EXPECT_EQ(addresses, c.addresses) << c.children;
        EXPECT_TRUE(s.SiteList.empty() || s.SiteList[0].mac == Mac) << c.children;
    }
}

TEST(CVantrelSettings, AnUnknownUnitIsAddedOnceAndTheListIsWrittenInTheFixedLayout)
{
    CVantrelSettings s;
    s.Version = 7;
    SiteEntry* site = s.LookupSite(Mac, true);
    EXPECT_EQ(CVantrelSettings::SiteDisplayText(*site), "00:1A:2B:3C:4D:5E");
    site->address = "13 Main Street";
    EXPECT_EQ(CVantrelSettings::SiteDisplayText(*s.LookupSite(Mac, true)), "13 Main Street");
    EXPECT_EQ(s.LookupSite(MacAddress{0xAB, 0xCD, 0xEF, 0x01, 0x02, 0x03}, false), nullptr);
    s.LookupSite(MacAddress{0xAB, 0xCD, 0xEF, 0x01, 0x02, 0x03}, true);
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.settings";
    ASSERT_EQ(s.SaveSettings(path), 1);
    EXPECT_EQ(ReadFile(path), Declaration + "<!-- VantrelControl.settings\n"
                                            "     Orvane Vantrel Light Control, Version 1.2\n"
                                            "     Copyright (C) 2004 Orvane Solutions. All rights reserved.\n"
                                            "\n" + EditingNote +
                                  "  <Version>7</Version>\n"
                                  "  <RootDirectory><![CDATA[./]]></RootDirectory>\n"
                                  "  <ConfirmedDirectory><![CDATA[!CONFIRMED]]></ConfirmedDirectory>\n"
                                  "  <RejectedDirectory><![CDATA[!REJECTED]]></RejectedDirectory>\n"
                                  "  <SiteList>\n"
                                  "    <Site><![CDATA[00:1A:2B:3C:4D:5E 13 Main Street]]></Site>\n"
                                  "    <Site><![CDATA[AB:CD:EF:01:02:03 ]]></Site>\n"
                                  "  </SiteList>\n"
                                  "</VantrelControl>\n");
    EXPECT_EQ(s.SaveSettings(dir.Path() + "missing/VantrelControl.settings"), 0);
}

}  // namespace
