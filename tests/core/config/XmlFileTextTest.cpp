#include "config/XmlDocument.h"
#include "config/XmlFileText.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string RootText(const std::string& path)
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
    WriteFile(original, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<a>" + bytes + "</a>\n");
    const std::string written = dir.Path() + "written.xml";
    ASSERT_TRUE(XmlFileText::Save(written, "<a>" + RootText(original) + "</a>\n"));
    EXPECT_EQ(ReadFile(written), ReadFile(original));
}

TEST(XmlFileText, TextOutsideWindows1251MakesTheWholeFileUtf8)
{
    // A character without a byte in windows-1251, then malformed UTF-8 (an
    // overlong form, a surrogate, a cut sequence) and characters XML cannot hold.
    const std::string value = std::string("Сайт ä \xC0\xAF|\xED\xA0\x80|\xD0|\x01\0!", 24);
    const std::string x = "\xEF\xBF\xBD";
    const std::string written = "Сайт ä " + x + x + "|" + x + x + x + "|" + x + "|" + x + x + "!";
    TempDir dir;
    const std::string path = dir.Path() + "file.xml";
    ASSERT_TRUE(XmlFileText::Save(path, "<a>" + value + "</a>\n"));
    EXPECT_EQ(ReadFile(path), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a>" + written + "</a>\n");
    EXPECT_EQ(RootText(path), written);
}

}  // namespace
