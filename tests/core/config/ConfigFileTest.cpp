#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"

#include "ConfigTestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace configtest;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string Repeated(const std::string& text, int count)
{
    std::string result;
    while (count-- > 0)
        result += text;
    return result;
}

TEST(ConfigFiles, MalformedFilesFailQuietlyWithTheSyntaxErrorFormAndTheDefaults)
{
    TempDir dir;
    const std::string file = dir.Path() + "file", missing = dir.Path() + "absent", directory = dir.MakeDir("d");
    const std::string remote = "http://192.0.2.1/VantrelControl.settings";  // a test address: nobody answers
    const std::string pipe = dir.Path() + "pipe";  // nobody writes: an open for reading would wait for ever
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    WriteFile(dir.Path() + "secret.txt", "/secret/");
    // Small cousins of the files that expand into gigabytes or take minutes
    // to read: the same declarations, fewer references.
    const std::string entity = "<!DOCTYPE VantrelControl [<!ENTITY e \"" + std::string(100, 'x') + "\">]>";
    const struct {
        std::string path, content;
        std::string message = "";  // after "IXMLDOMParseError", where the exact text matters
    } cases[] = {
        {missing, "", "(60D): failed to load external entity \"" + missing + "\"\nLine 0 Char 0"},
        {file, Declaration + "<VantrelControl>\n  <Version>3</Versio>\n</VantrelControl>\n",
         "(4C): Opening and ending tag mismatch: Version line 3 and Versio\nLine 3 Char 22"},
        {directory, ""},
        {file, ""},
        {file, std::string("\0\x01\xFF\xFE\x80garbage", 11)},
        {file, Declaration + "<VantrelControl><SiteList><Site>00:00"},
        {file, Declaration + "<VantrelControl/><VantrelControl/>"},
        {file, Repeated("<VantrelControl>", 5000) + Repeated("</VantrelControl>", 5000)},
        {file, "<?xml version=\"1.0\" encoding=\"x-unknown\"?><VantrelControl/>"},
        {file, Declaration + "<VantrelControl><Version>\x98</Version></VantrelControl>"},  // no such character
        {file, Declaration + "<VantrelControl><Version>&nothing;</Version></VantrelControl>"},
        {file, Declaration + "<VantrelControl><RootDirectory>" + std::string(11 << 20, 'x')},
        {file, Declaration + entity + "<VantrelControl><RootDirectory>" + Repeated("&e;", 5) + "</RootDirectory>"
               "</VantrelControl>", "(6F): Document type declarations are not accepted\nLine 2 Char 26"},
        {file, Declaration + entity + "<VantrelControl><CodeNoteMap><Code value=\"1\" Note=\"" + Repeated("&e;", 5) +
               "\"/></CodeNoteMap></VantrelControl>"},
        // Neither fetched nor read: the declaration is refused before its subsets are looked at.
        {file, Declaration + "<!DOCTYPE VantrelControl SYSTEM \"http://192.0.2.1/never.dtd\" [<!ENTITY secret SYSTEM \"" +
               dir.Path() + "secret.txt\">]><VantrelControl><RootDirectory>&secret;</RootDirectory><CodeNoteMap/>"
               "</VantrelControl>"},
        {file, Declaration + "<!DOCTYPE VantrelControl><VantrelControl><CodeNoteMap/></VantrelControl>"},
        {remote, "", "(60D): failed to load external entity \"" + remote + "\"\nLine 0 Char 0"},
        {pipe, "", "(60D): failed to load external entity \"" + pipe + "\"\nLine 0 Char 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + ": " + c.content.substr(0, 60));
        WriteFile(file, c.content);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        CVantrelSettings settings;
        settings.Version = 9;
        settings.RootDirectory = "/elsewhere/";
        CCodeNoteMap map;
        map.Version = 3;
        EXPECT_EQ(settings.LoadSettings(c.path) + map.LoadCodeNotes(c.path), 0);
        EXPECT_EQ(testing::internal::GetCapturedStderr() + testing::internal::GetCapturedStdout(), "");
        const std::string form = "Error in the imput file:\n" + c.path +
                                 "\nSyntax error in the contets of the imput file.\nIXMLDOMParseError";
        EXPECT_EQ(settings.LastError.substr(0, c.message.empty() ? form.size() : std::string::npos), form + c.message);
        EXPECT_EQ(map.LastError, settings.LastError);
        EXPECT_TRUE(settings.Version == 2 && settings.RootDirectory == "./" && settings.SiteList.empty());
        EXPECT_TRUE(map.Version == 3 && map.GetCount() == 0);
    }
}

// Notes that stay windows-1251, settings that become UTF-8, CDATA ends, line ends, escapes.
TEST(ConfigFiles, WrittenFilesLoadBackUnchanged)
{
    std::string cyrillic;  // as windows-1251 bytes; 0x98 is no character
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        cyrillic += byte == 0x98 ? "" : std::string(1, static_cast<char>(byte));
    TempDir dir;
    const auto at = [&dir](const char* name) { return dir.Path() + name; };
    CCodeNoteMap notes, notesBack;
    ASSERT_EQ(notes.LoadCodeNotes(WriteConfig(dir, "<CodeNoteMap><Code value=\"9\" Note=\"" + cyrillic + "\"/>"
                                                   "</CodeNoteMap>")), 1);
    notes.SetNote(-2147483647 - 1, "quote \" amp & lt < gt > apos ' tab\there\nline\r\nend  ");
    CVantrelSettings settings, settingsBack;
    settings.RootDirectory = "/srv/камеры/]]>/";
    settings.ConfirmedDirectory = "a]]>b]]]]>c\rd\r\n";
    settings.LookupSite(MacAddress{7, 7, 7, 7, 7, 7}, true)->address =
        std::string("Сайт ä \xC0\xAF|\xED\xA0\x80|\xD0|\x01\0!", 24);
    ASSERT_EQ(settings.SaveSettings(at("settings")) + notes.SaveCodeNotes(at("notes")), 2);
    EXPECT_NE(ReadFile(at("notes")).find("Note=\"" + cyrillic + "\""), std::string::npos);
    EXPECT_EQ(ReadFile(at("settings")).find("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"), 0u);
    ASSERT_EQ(settingsBack.LoadSettings(at("settings")) + notesBack.LoadCodeNotes(at("notes")), 2);
    const std::string x = "\xEF\xBF\xBD";  // U+FFFD
    EXPECT_EQ(settingsBack.SiteList.at(0).address, "Сайт ä " + x + x + "|" + x + x + x + "|" + x + "|" + x + x + "!");
    ASSERT_EQ(settingsBack.SaveSettings(at("again")) + notesBack.SaveCodeNotes(at("notes again")), 2);
    EXPECT_EQ(ReadFile(at("again")), ReadFile(at("settings")));
    EXPECT_EQ(ReadFile(at("notes again")), ReadFile(at("notes")));
}

}  // namespace
