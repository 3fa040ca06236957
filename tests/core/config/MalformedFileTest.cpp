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

// Ten times more text at each level; the parser must refuse to expand it.
std::string EntityExpansion()
{
    std::string entities = "<!ENTITY e0 \"0123456789\">";
    for (int level = 1; level < 8; ++level)
        entities += "<!ENTITY e" + std::to_string(level) + " \"" + Repeated("&e" + std::to_string(level - 1) + ";", 10) +
                    "\">";
    return Declaration + "<!DOCTYPE VantrelControl [" + entities +
           "]><VantrelControl><CodeNoteMap/><RootDirectory>&e7;</RootDirectory></VantrelControl>";
}

TEST(MalformedFiles, FailQuietlyWithTheSyntaxErrorFormAndTheDefaults)
{
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"empty", ""},
        {"binary", std::string("\0\x01\xFF\xFE\x80garbage", 11)},
        {"declaration only", Declaration},
        {"truncated", Declaration + "<VantrelControl><SiteList><Site>00:00"},
        {"two roots", Declaration + "<VantrelControl/><VantrelControl/>"},
        {"deeply nested", Repeated("<VantrelControl>", 5000) + Repeated("</VantrelControl>", 5000)},
        {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-unknown\"?><VantrelControl/>"},
        {"byte without a character", Declaration + "<VantrelControl><Version>\x98</Version></VantrelControl>"},
        {"undefined entity", Declaration + "<VantrelControl><Version>&nothing;</Version></VantrelControl>"},
        {"huge text", Declaration + "<VantrelControl><RootDirectory>" + std::string(11 << 20, 'x') + "</RootDirectory>"},
        {"entity expansion", EntityExpansion()},
        {"a directory", ""},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = c.name == std::string("a directory") ? dir.MakeDir("directory") : dir.Path() + "file";
        if (c.name != std::string("a directory"))
            WriteFile(path, c.content);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        CVantrelSettings settings;
        settings.RootDirectory = "/elsewhere/";
        const int settingsResult = settings.LoadSettings(path);
        CCodeNoteMap map;
        map.Version = 3;
        const int mapResult = map.LoadCodeNotes(path);
        EXPECT_EQ(testing::internal::GetCapturedStderr() + testing::internal::GetCapturedStdout(), "") << c.name;

        const std::string form = "Error in the imput file:\n" + path +
                                 "\nSyntax error in the contets of the imput file.\nIXMLDOMParseError(";
        EXPECT_EQ(settingsResult, 0) << c.name;
        EXPECT_EQ(settings.LastError.substr(0, form.size()), form) << c.name;
        EXPECT_NE(settings.LastError.find("\nLine "), std::string::npos) << c.name;
        EXPECT_EQ(settings.RootDirectory, "./") << c.name;
        EXPECT_EQ(mapResult, 0) << c.name;
        EXPECT_EQ(map.LastError, settings.LastError) << c.name;
        EXPECT_EQ(map.Version, 3) << c.name;
    }
}

TEST(MalformedFiles, ExternalEntitiesAndDocumentTypesAreNeverFetched)
{
    TempDir dir;
    WriteFile(dir.Path() + "secret.txt", "/secret/");
    const std::string path = dir.Path() + "file.xml";
    WriteFile(path, Declaration + "<!DOCTYPE VantrelControl SYSTEM \"http://192.0.2.1/never.dtd\" [\n"
                                  "  <!ENTITY secret SYSTEM \"" + dir.Path() + "secret.txt\">\n"
                                  "  <!ENTITY remote SYSTEM \"http://192.0.2.1/never.txt\">\n"
                                  "]>\n"
                                  "<VantrelControl><RootDirectory>&secret;</RootDirectory>"
                                  "<ConfirmedDirectory>&remote;</ConfirmedDirectory>"
                                  "<CodeNoteMap><Code value=\"1\"/>&secret;<Code value=\"2\"/></CodeNoteMap>"
                                  "</VantrelControl>");
    CVantrelSettings settings;
    ASSERT_EQ(settings.LoadSettings(path), 1) << settings.LastError;
    EXPECT_EQ(settings.RootDirectory, "./");
    EXPECT_EQ(settings.ConfirmedDirectory, "");
    CCodeNoteMap map;
    ASSERT_EQ(map.LoadCodeNotes(path), 1) << map.LastError;
    EXPECT_EQ(map.GetCount(), 1);
}

}  // namespace
