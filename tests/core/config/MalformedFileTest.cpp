#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

const std::string Declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

std::string Repeated(const std::string& text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

struct Malformed {
    const char* name;
    std::string content;
};

// Contents that neither loader may accept; each must end in the syntax-error form.
std::vector<Malformed> MalformedContents()
{
    return {
        {"empty", ""},
        {"blank", "  \n\n"},
        {"binary", std::string("\0\x01\xFF\xFE\x80garbage", 11)},
        {"declaration only", Declaration},
        {"truncated", Declaration + "<VantrelControl><Version>3</Version><SiteList><Site>00:00"},
        {"two roots", Declaration + "<VantrelControl/><VantrelControl/>"},
        {"deeply nested", Repeated("<VantrelControl>", 5000) + Repeated("</VantrelControl>", 5000)},
        {"unsupported encoding", "<?xml version=\"1.0\" encoding=\"x-unknown\"?><VantrelControl/>"},
        {"byte without a character", Declaration + "<VantrelControl><Version>\x98</Version></VantrelControl>"},
        {"undefined entity", Declaration + "<VantrelControl><Version>&nothing;</Version></VantrelControl>"},
        {"bad attribute", Declaration + "<VantrelControl a=1><Version/></VantrelControl>"},
        {"huge text node", Declaration + "<VantrelControl><RootDirectory>" + std::string(11 << 20, 'x') +
                               "</RootDirectory></VantrelControl>"},
        {"entity expansion",
         Declaration + "<!DOCTYPE VantrelControl [<!ENTITY a \"aaaaaaaaaa\">" + "<!ENTITY b \"" + Repeated("&a;", 10) +
             "\"><!ENTITY c \"" + Repeated("&b;", 10) + "\"><!ENTITY d \"" + Repeated("&c;", 10) +
             "\"><!ENTITY e \"" + Repeated("&d;", 10) + "\"><!ENTITY f \"" + Repeated("&e;", 10) +
             "\"><!ENTITY g \"" + Repeated("&f;", 10) + "\"><!ENTITY h \"" + Repeated("&g;", 10) +
             "\">]><VantrelControl><CodeNoteMap/><RootDirectory>&h;</RootDirectory></VantrelControl>"},
    };
}

void ExpectSyntaxError(const std::string& lastError, const std::string& path, const char* name)
{
    const std::string form = "Error in the imput file:\n" + path + "\nSyntax error in the contets of the imput file.\n"
                                                                   "IXMLDOMParseError(";
    EXPECT_EQ(lastError.substr(0, form.size()), form) << name << ": " << lastError;
    EXPECT_NE(lastError.find("\nLine "), std::string::npos) << name;
    EXPECT_NE(lastError.find(" Char "), std::string::npos) << name;
}

TEST(MalformedFiles, FailQuietlyWithTheDefaultsInPlace)
{
    TempDir dir;
    const std::string path = dir.Path() + "file.xml";
    for (const Malformed& malformed : MalformedContents()) {
        WriteFile(path, malformed.content);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        CVantrelSettings settings;
        settings.Version = 5;
        settings.LookupSite(MacAddress{1, 2, 3, 4, 5, 6}, true);
        const int settingsResult = settings.LoadSettings(path);
        CCodeNoteMap map;
        map.Version = 3;
        const int mapResult = map.LoadCodeNotes(path);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << malformed.name;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << malformed.name;

        EXPECT_EQ(settingsResult, 0) << malformed.name;
        ExpectSyntaxError(settings.LastError, path, malformed.name);
        EXPECT_EQ(settings.Version, 2) << malformed.name;
        EXPECT_EQ(settings.RootDirectory, "./") << malformed.name;
        EXPECT_TRUE(settings.SiteList.empty()) << malformed.name;
        EXPECT_EQ(mapResult, 0) << malformed.name;
        ExpectSyntaxError(map.LastError, path, malformed.name);
        EXPECT_EQ(map.Version, 3) << malformed.name;
    }
}

TEST(MalformedFiles, ADirectoryIsALoadError)
{
    TempDir dir;
    const std::string path = dir.MakeDir("VantrelControl.settings");
    CVantrelSettings settings;
    EXPECT_EQ(settings.LoadSettings(path), 0);
    ExpectSyntaxError(settings.LastError, path, "directory");
    CCodeNoteMap map;
    EXPECT_EQ(map.LoadCodeNotes(path), 0);
    ExpectSyntaxError(map.LastError, path, "directory");
}

TEST(MalformedFiles, ExternalEntitiesAndDocumentTypesAreNeverFetched)
{
    TempDir dir;
    WriteFile(dir.Path() + "secret.txt", "/secret/");
    const std::string path = dir.Path() + "file.xml";
    WriteFile(path, Declaration +
                        "<!DOCTYPE VantrelControl SYSTEM \"http://192.0.2.1/never.dtd\" [\n"
                        "  <!ENTITY secret SYSTEM \"" + dir.Path() + "secret.txt\">\n"
                        "  <!ENTITY remote SYSTEM \"http://192.0.2.1/never.txt\">\n"
                        "]>\n"
                        "<VantrelControl><RootDirectory>&secret;</RootDirectory>"
                        "<ConfirmedDirectory>&remote;</ConfirmedDirectory>"
                        "<CodeNoteMap><Code value=\"1\"/>&secret;<Code value=\"2\"/></CodeNoteMap></VantrelControl>");
    CVantrelSettings settings;
    ASSERT_EQ(settings.LoadSettings(path), 1) << settings.LastError;
    EXPECT_EQ(settings.RootDirectory, "./");
    EXPECT_EQ(settings.ConfirmedDirectory, "");
    CCodeNoteMap map;
    ASSERT_EQ(map.LoadCodeNotes(path), 1) << map.LastError;
    EXPECT_EQ(map.GetCount(), 1);
}

TEST(MalformedFiles, UnexpectedPlacesAreIgnored)
{
    TempDir dir;
    const std::string path = dir.Path() + "file.xml";
    WriteFile(path, Declaration + "<Anything Version=\"9\" RootDirectory=\"/x\">"
                                  "<Version kind=\"odd\"><b>8</b></Version>"
                                  "<SiteList Site=\"00:00:00:00:00:01\"><Site value=\"1\">00:00:00:00:00:02<i> "
                                  "Nested</i></Site></SiteList>"
                                  "<CodeNoteMap value=\"4\"><Code value=\"4\" Note=\"n\"><Code value=\"5\"/></Code>"
                                  "</CodeNoteMap></Anything>");
    CVantrelSettings settings;
    ASSERT_EQ(settings.LoadSettings(path), 1);
    EXPECT_EQ(settings.Version, 8);
    ASSERT_EQ(settings.SiteList.size(), 1u);
    EXPECT_EQ(settings.SiteList[0].address, "Nested");
    CCodeNoteMap map;
    ASSERT_EQ(map.LoadCodeNotes(path), 1);
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_EQ(map.GetNote(4), "n");
}

TEST(MalformedFiles, ALongSiteListLoadsWhole)
{
    std::string sites;
    constexpr int count = 100000;
    for (int i = 0; i < count; ++i) {
        const MacAddress mac{0, 0, static_cast<std::uint8_t>(i >> 16), static_cast<std::uint8_t>(i >> 8),
                             static_cast<std::uint8_t>(i), 0};
        sites += "<Site>" + CVantrelSettings::FormatMac(mac) + " Site " + std::to_string(i) + "</Site>\n";
    }
    TempDir dir;
    const std::string path = dir.Path() + "file.xml";
    WriteFile(path, Declaration + "<VantrelControl><SiteList>" + sites + sites + "</SiteList></VantrelControl>");
    CVantrelSettings settings;
    ASSERT_EQ(settings.LoadSettings(path), 1) << settings.LastError;
    ASSERT_EQ(settings.SiteList.size(), static_cast<size_t>(count));
    EXPECT_EQ(settings.SiteList[count - 1].address, "Site " + std::to_string(count - 1));
}

}  // namespace
