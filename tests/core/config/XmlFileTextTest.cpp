#include "config/Utf8.h"
#include "config/XmlDocument.h"
#include "config/XmlFileText.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

const std::string Declaration1251 = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
const std::string DeclarationUtf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The text of the root element of a file.
std::string LoadedText(const std::string& path)
{
    const XmlDocument document(path);
    EXPECT_TRUE(document.Loaded()) << document.Failure();
    return document.Loaded() ? XmlDocument::Text(document.Root()) : "";
}

TEST(XmlFileText, EveryWindows1251CharacterIsWrittenAsTheByteTheParserReads)
{
    std::string bytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (byte != 0x98)  // the one byte without a character
            bytes += static_cast<char>(byte);
    }
    TempDir dir;
    const std::string original = dir.Path() + "original.xml";
    WriteFile(original, Declaration1251 + "<a>" + bytes + "</a>\n");
    const std::string text = LoadedText(original);
    EXPECT_EQ(Utf8::Offset(text, bytes.size()), text.size());

    const std::string written = dir.Path() + "written.xml";
    ASSERT_TRUE(XmlFileText::Save(written, "<a>" + text + "</a>\n"));
    EXPECT_EQ(ReadFile(written), ReadFile(original));
}

TEST(XmlFileText, TextOutsideWindows1251MakesTheWholeFileUtf8)
{
    const struct {
        std::string value;
        std::string written;  // what stands between the tags in the file
    } cases[] = {
        {"Сайт ä", "Сайт ä"},
        {"\xF0\x9F\x9A\xA6", "\xF0\x9F\x9A\xA6"},
        {"bad \xC0\xAF \xED\xA0\x80 \xFF end", "bad \xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD "
                                                "\xEF\xBF\xBD end"},
        {std::string("ctl \x01\x1F\0!", 8), "ctl \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD!"},
        {"cut \xD0", "cut \xEF\xBF\xBD"},
    };
    TempDir dir;
    const std::string path = dir.Path() + "file.xml";
    for (const auto& c : cases) {
        ASSERT_TRUE(XmlFileText::Save(path, "<a>" + c.value + "</a>\n"));
        EXPECT_EQ(ReadFile(path), DeclarationUtf8 + "<a>" + c.written + "</a>\n") << c.value;
        EXPECT_EQ(LoadedText(path), c.written) << c.value;
    }
}

TEST(XmlFileText, CdataAndAttributeTextsLoadBackUnchanged)
{
    const struct {
        std::string value;
        std::string cdata;
        std::string attribute;
    } cases[] = {
        {"", "<![CDATA[]]>", ""},
        {"plain", "<![CDATA[plain]]>", "plain"},
        {"]]>", "<![CDATA[]]]]><![CDATA[>]]>", "]]&gt;"},
        {"a]]>b]]>", "<![CDATA[a]]]]><![CDATA[>b]]]]><![CDATA[>]]>", "a]]&gt;b]]&gt;"},
        {"]]]>", "<![CDATA[]]]]]><![CDATA[>]]>", "]]]&gt;"},
        {"\"<&>'", "<![CDATA[\"<&>']]>", "&quot;&lt;&amp;&gt;'"},
        {"a\r\nb\tc", "<![CDATA[a]]>&#13;<![CDATA[\nb\tc]]>", "a&#13;&#10;b&#9;c"},
    };
    TempDir dir;
    const std::string path = dir.Path() + "file.xml";
    for (const auto& c : cases) {
        EXPECT_EQ(XmlFileText::Cdata(c.value), c.cdata);
        EXPECT_EQ(XmlFileText::Attribute(c.value), c.attribute);
        ASSERT_TRUE(XmlFileText::Save(path, "<a n=\"" + XmlFileText::Attribute(c.value) + "\">" +
                                                XmlFileText::Cdata(c.value) + "</a>\n"));
        const XmlDocument document(path);
        ASSERT_TRUE(document.Loaded()) << document.Failure();
        EXPECT_EQ(XmlDocument::Text(document.Root()), c.value);
        EXPECT_EQ(XmlDocument::Attribute(document.Root(), "n"), c.value);
    }
}

TEST(Utf8, OffsetCountsCharactersNotBytes)
{
    const std::string text = "aЖ\xF0\x9F\x9A\xA6" "b";  // 1, 2, 4 and 1 bytes
    const struct {
        size_t characters;
        size_t offset;
    } cases[] = {{0, 0}, {1, 1}, {2, 3}, {3, 7}, {4, 8}, {5, std::string::npos}};
    for (const auto& c : cases)
        EXPECT_EQ(Utf8::Offset(text, c.characters), c.offset) << c.characters;
    EXPECT_EQ(Utf8::Offset("", 0), 0u);
    EXPECT_EQ(Utf8::Encode(Utf8::Decode(text)), text);
}

TEST(XmlDocument, LeadingIntegerReadsLikeAtoiWithinTheLimits)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"42", 42},       {"  -17xyz", -17},          {"+8", 8},         {"", 0},
        {"x1", 0},        {"+-3", 0},                 {"- 3", 0},        {"\n\t 5", 5},
        {"2147483647", 2147483647}, {"2147483648", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"-99999999999999999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(XmlDocument::LeadingInteger(c.text), c.value) << c.text;
}

}  // namespace
