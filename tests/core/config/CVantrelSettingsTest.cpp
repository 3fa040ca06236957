#include "config/CVantrelSettings.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

const std::string Declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
const MacAddress Mac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

struct Loaded {
    int result = 0;
    CVantrelSettings settings;
};

Loaded Load(const TempDir& dir, const std::string& children)
{
    const std::string path = dir.Path() + "VantrelControl.settings";
    WriteFile(path, Declaration + "<VantrelControl>\n" + children + "</VantrelControl>\n");
    Loaded loaded;
    loaded.result = loaded.settings.LoadSettings(path);
    return loaded;
}

TEST(CVantrelSettings, ReadsVersionAndDirectoriesOrFallsBackToTheDefaults)
{
    const struct {
        std::string children;
        int version;
        std::string root, confirmed;
    } cases[] = {
        {"", 2, "./", "!CONFIRMED"},
        {"<Version>1</Version><RootDirectory></RootDirectory>", 2, "./", "!CONFIRMED"},
        {"<Version>7</Version><RootDirectory><![CDATA[/data/]]></RootDirectory>", 7, "/data/", "!CONFIRMED"},
        {"<Version> 12abc</Version><RootDirectory>/data</RootDirectory><ConfirmedDirectory/>", 12, "/data/", ""},
        {"<Other><Version>9</Version></Other><rootdirectory>/x</rootdirectory>", 2, "./", "!CONFIRMED"},
        {"<Version kind=\"odd\"><b>8</b></Version><RootDirectory Version=\"9\">/r<i>/s</i></RootDirectory>", 8,
         "/r/s/", "!CONFIRMED"},
        {"<Version>99999999999</Version><ConfirmedDirectory>a &amp;<![CDATA[ & b]]></ConfirmedDirectory>",
         2147483647, "./", "a & & b"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const Loaded loaded = Load(dir, c.children);
        EXPECT_EQ(loaded.result, 1) << c.children;
        EXPECT_EQ(loaded.settings.Version, c.version) << c.children;
        EXPECT_EQ(loaded.settings.RootDirectory, c.root) << c.children;
        EXPECT_EQ(loaded.settings.ConfirmedDirectory, c.confirmed) << c.children;
        EXPECT_EQ(loaded.settings.RejectedDirectory, "!REJECTED") << c.children;
    }
}

TEST(CVantrelSettings, ReadsSitesUpToTheFirstChildThatIsNoElement)
{
    const struct {
        std::string sites;
        std::vector<std::string> addresses;  // of the entries with the MAC of the first site, then others
    } cases[] = {
        {"<Site>00:1A:2B:3C:4D:5E</Site>", {""}},
        {"<Site><![CDATA[00:1A:2B:3C:4D:5E ]]></Site>", {""}},
        {"<Site>00:1a:2b:3c:4d:5e 13 Main Street</Site>", {"13 Main Street"}},
        {"<Site>00:1A:2B:3C:4D:5E_\xF3\xEB. \xCC\xE8\xF0\xE0</Site>", {"ул. Мира"}},  // windows-1251
        {"<Site value=\"1\">00:1A:2B:3C:4D:5E<i> Nested</i></Site>", {"Nested"}},
        {"<Site>00:1A:2B:3C:4D:5</Site><site>00:1A:2B:3C:4D:5E</site>", {}},
        {"<Site>00:1A:2B:3C:4D:5E a</Site>\n \t<Other/><Site>00:00:00:00:00:01 b</Site>", {"a", "b"}},
        {"<Site>00:1A:2B:3C:4D:5E a</Site><!-- c --><Site>00:00:00:00:00:01 b</Site>", {"a"}},
        {"<Site>00:1A:2B:3C:4D:5E a</Site>text<Site>00:00:00:00:00:01 b</Site>", {"a"}},
        {"<Site>00:1A:2B:3C:4D:5E a</Site><![CDATA[ ]]><Site>00:00:00:00:00:01 b</Site>", {"a"}},
        {"<Site>00:1A:2B:3C:4D:5E a</Site><Site>00:00:00:00:00:01 b</Site><Site>00:1A:2B:3C:4D:5E c</Site>"
         "<Site>00:1A:2B:3C:4D:5E</Site>",
         {"c", "b"}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const Loaded loaded = Load(dir, "<SiteList>" + c.sites + "</SiteList>");
        ASSERT_EQ(loaded.result, 1) << c.sites;
        ASSERT_EQ(loaded.settings.SiteList.size(), c.addresses.size()) << c.sites;
        for (size_t i = 0; i < c.addresses.size(); ++i)
            EXPECT_EQ(loaded.settings.SiteList[i].address, c.addresses[i]) << c.sites;
        if (!c.addresses.empty()) {
            EXPECT_EQ(loaded.settings.SiteList[0].mac, Mac) << c.sites;
        }
    }
}

TEST(CVantrelSettings, FailuresGiveTheFixedMessageAndTheDefaults)
{
    TempDir dir;
    const std::string bad = dir.Path() + "bad.settings";
    WriteFile(bad, Declaration + "<VantrelControl>\n  <Version>3</Versio>\n</VantrelControl>\n");
    const std::string missing = dir.Path() + "absent.settings";
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {missing, "IXMLDOMParseError(60D): failed to load external entity \"" + missing + "\"\nLine 0 Char 0"},
        {bad, "IXMLDOMParseError(4C): Opening and ending tag mismatch: Version line 3 and Versio\nLine 3 Char 22"},
    };
    for (const auto& c : cases) {
        CVantrelSettings settings;
        settings.Version = 9;
        settings.RootDirectory = "/elsewhere/";
        settings.LookupSite(Mac, true);
        EXPECT_EQ(settings.LoadSettings(c.path), 0);
        EXPECT_EQ(settings.LastError, "Error in the imput file:\n" + c.path +
                                          "\nSyntax error in the contets of the imput file.\n" + c.message);
        EXPECT_EQ(settings.Version, 2);
        EXPECT_EQ(settings.RootDirectory, "./");
        EXPECT_EQ(settings.ConfirmedDirectory, "!CONFIRMED");
        EXPECT_TRUE(settings.SiteList.empty());
    }
}

TEST(CVantrelSettings, LookupSiteAddsAnUnknownUnitOnce)
{
    CVantrelSettings settings;
    EXPECT_EQ(settings.LookupSite(Mac, false), nullptr);
    SiteEntry* added = settings.LookupSite(Mac, true);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(CVantrelSettings::SiteDisplayText(*added), "00:1A:2B:3C:4D:5E");
    added->address = "Crossing";
    EXPECT_EQ(settings.LookupSite(Mac, true), &settings.SiteList[0]);
    EXPECT_EQ(CVantrelSettings::SiteDisplayText(settings.SiteList[0]), "Crossing");
    EXPECT_EQ(settings.SiteList.size(), 1u);
}

TEST(CVantrelSettings, ParseMacReadsLikeScanf)
{
    EXPECT_EQ(CVantrelSettings::ParseMac(" 1: 2:3:4:5:6"), (MacAddress{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(CVantrelSettings::ParseMac("0A:0B:ZZ:0D:0E:0F"), (MacAddress{0x0A, 0x0B, 0, 0, 0, 0}));
    EXPECT_EQ(CVantrelSettings::ParseMac("123:45"), (MacAddress{0x12, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CVantrelSettings::ParseMac("-1:+F:01:02:03:04"), (MacAddress{0xFF, 0x0F, 1, 2, 3, 4}));
}

TEST(CVantrelSettings, SaveWritesTheFixedLayout)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.settings";
    CVantrelSettings settings;
    settings.Version = 7;
    settings.LookupSite(Mac, true)->address = "13 Main Street";
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
                                  "  <RootDirectory><![CDATA[./]]></RootDirectory>\n"
                                  "  <ConfirmedDirectory><![CDATA[!CONFIRMED]]></ConfirmedDirectory>\n"
                                  "  <RejectedDirectory><![CDATA[!REJECTED]]></RejectedDirectory>\n"
                                  "  <SiteList>\n"
                                  "    <Site><![CDATA[00:1A:2B:3C:4D:5E 13 Main Street]]></Site>\n"
                                  "    <Site><![CDATA[AB:CD:EF:01:02:03 ]]></Site>\n"
                                  "  </SiteList>\n"
                                  "</VantrelControl>\n");
    EXPECT_EQ(settings.SaveSettings(dir.Path() + "missing/VantrelControl.settings"), 0);
}

TEST(CVantrelSettings, WrittenFilesLoadBackUnchanged)
{
    TempDir dir;
    CVantrelSettings saved;
    saved.Version = 4;
    saved.RootDirectory = "/srv/камеры/]]>/";
    saved.ConfirmedDirectory = "a]]>b]]]]>c\rd";
    saved.RejectedDirectory = "";
    saved.LookupSite(Mac, true)->address = "ул. Ленина, 5 «Север» № 3";
    saved.LookupSite(MacAddress{0xFA, 0xCE, 0, 0, 0, 0}, true);
    saved.LookupSite(MacAddress{7, 7, 7, 7, 7, 7}, true)->address = "  <&> \"quoted\" ä ";
    ASSERT_EQ(saved.SaveSettings(dir.Path() + "first"), 1);
    CVantrelSettings loaded;
    ASSERT_EQ(loaded.LoadSettings(dir.Path() + "first"), 1) << loaded.LastError;
    EXPECT_EQ(loaded.RootDirectory, saved.RootDirectory);
    EXPECT_EQ(loaded.SiteList.at(0).address, saved.SiteList[0].address);
    ASSERT_EQ(loaded.SaveSettings(dir.Path() + "second"), 1);
    EXPECT_EQ(ReadFile(dir.Path() + "second"), ReadFile(dir.Path() + "first"));
}

}  // namespace
