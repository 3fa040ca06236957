#include "config/CCodeNoteMap.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

using Entries = std::vector<std::pair<int, std::string>>;

const std::string Declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

std::string CodeNoteFile(const std::string& children)
{
    return Declaration + "<VantrelControl>\n" + children + "</VantrelControl>\n";
}

Entries EntriesOf(const CCodeNoteMap& map)
{
    Entries entries;
    for (int i = 0; i < map.GetCount(); ++i) {
        int code = 0;
        std::string note;
        EXPECT_EQ(map.GetAt(i, code, note), 1);
        entries.emplace_back(code, note);
    }
    return entries;
}

int LoadInto(CCodeNoteMap& map, const TempDir& dir, const std::string& content)
{
    const std::string path = dir.Path() + "VantrelControl.codenote";
    WriteFile(path, content);
    return map.LoadCodeNotes(path);
}

TEST(CCodeNoteMap, ReadsCodesVersionAndNotes)
{
    const struct {
        std::string children;
        int version;
        Entries entries;
    } cases[] = {
        {"<CodeNoteMap/>", 1, {}},
        {"<Version> 3 </Version><CodeNoteMap/>", 3, {}},
        {"<Version>-4</Version><CodeNoteMap/>", -4, {}},
        {"<Version>none</Version><CodeNoteMap/>", 0, {}},
        {"<CodeNoteMap><Code value=\"2\" Note=\"two\" /><Code value=\"1\" Note=\"one\"/></CodeNoteMap>",
         1,
         {{2, "two"}, {1, "one"}}},
        {"<CodeNoteMap><Code Note=\"no value\"/><Code value=\"5\"/><Code value=\"x\" Note=\"\"/></CodeNoteMap>",
         1,
         {{0, ""}, {5, ""}}},
        {"<CodeNoteMap><Code value=\"1\" Note=\"a\"/><Code value=\"2\" Note=\"b\"/><Code value=\"1\" Note=\"c\"/>"
         "</CodeNoteMap>",
         1,
         {{1, "c"}, {2, "b"}}},
        {"<CodeNoteMap><Code VALUE=\"1\" note=\"a\"/><code value=\"2\"/><Other/><Code value=\" 3x\" Note=\"3\"/>"
         "</CodeNoteMap>",
         1,
         {{0, ""}, {3, "3"}}},
        {"<CodeNoteMap>\n  <Code value=\"1\"/>\n  <!-- stop -->\n  <Code value=\"2\"/>\n</CodeNoteMap>", 1, {{1, ""}}},
        {"<CodeNoteMap><Code value=\"1\"/>stop<Code value=\"2\"/></CodeNoteMap>", 1, {{1, ""}}},
        {"<CodeNoteMap><Code value=\"1\"/><![CDATA[]]><Code value=\"2\"/></CodeNoteMap>", 1, {{1, ""}}},
        {"<CodeNoteMap><Code value=\"1\" Note=\"a &amp; &lt;b&gt; &#x41f;\"/></CodeNoteMap>", 1, {{1, "a & <b> П"}}},
        {"<Wrapper><CodeNoteMap><Code value=\"1\"/></CodeNoteMap></Wrapper><CodeNoteMap/>", 1, {}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        CCodeNoteMap map;
        EXPECT_EQ(LoadInto(map, dir, CodeNoteFile(c.children)), 1) << c.children << map.LastError;
        EXPECT_EQ(map.Version, c.version) << c.children;
        EXPECT_EQ(EntriesOf(map), c.entries) << c.children;
    }
}

TEST(CCodeNoteMap, AMissingCodeNoteMapFailsWithTheInvalidPointerForm)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.codenote";
    WriteFile(path, CodeNoteFile("<Version>6</Version><codenotemap/>"));
    CCodeNoteMap map;
    map.SetNote(4, "kept before");
    EXPECT_EQ(map.LoadCodeNotes(path), 0);
    EXPECT_EQ(map.LastError, "Error in the imput file:\n" + path + "\nHRESULT(80004003): Invalid pointer");
    EXPECT_EQ(map.Version, 6);
    EXPECT_EQ(map.GetCount(), 0);
}

TEST(CCodeNoteMap, AMissingFileLeavesAnEmptyMapThatSavesVersionZero)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.codenote";
    CCodeNoteMap map;
    EXPECT_EQ(map.LoadCodeNotes(path), 0);
    EXPECT_EQ(map.LastError, "Error in the imput file:\n" + path +
                                 "\nSyntax error in the contets of the imput file.\n"
                                 "IXMLDOMParseError(60D): failed to load external entity \"" +
                                 path + "\"\nLine 0 Char 0");
    EXPECT_EQ(map.Version, 0);
    ASSERT_EQ(map.SaveCodeNotes(path), 1);
    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("\n  <Version> 0 </Version>\n  <CodeNoteMap>\n  </CodeNoteMap>\n"), std::string::npos);
}

TEST(CCodeNoteMap, AFailedLoadKeepsTheVersionItHad)
{
    TempDir dir;
    CCodeNoteMap map;
    ASSERT_EQ(LoadInto(map, dir, CodeNoteFile("<Version>5</Version><CodeNoteMap/>")), 1);
    EXPECT_EQ(LoadInto(map, dir, "<broken"), 0);
    EXPECT_EQ(map.Version, 5);
}

TEST(CCodeNoteMap, SetNoteReplacesOrAppendsAndGetAtChecksTheIndex)
{
    CCodeNoteMap map;
    map.SetNote(1, "one");
    map.SetNote(3, "three");
    map.SetNote(7, "seven");
    map.SetNote(3, "THREE");
    EXPECT_EQ(EntriesOf(map), (Entries{{1, "one"}, {3, "THREE"}, {7, "seven"}}));
    EXPECT_EQ(map.GetNote(3), "THREE");
    EXPECT_EQ(map.GetNote(2), std::nullopt);
    int code = -5;
    std::string note = "untouched";
    for (const int index : {-1, 3, 1000}) {
        EXPECT_EQ(map.GetAt(index, code, note), 0);
        EXPECT_EQ(code, -5);
        EXPECT_EQ(note, "untouched");
    }
}

TEST(CCodeNoteMap, SaveWritesTheFixedLayout)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.codenote";
    CCodeNoteMap map;
    map.Version = 1;
    map.SetNote(1, "Wrong lane");
    map.SetNote(3, "");
    map.SetNote(-2, "a \"b\" <c> & d");
    ASSERT_EQ(map.SaveCodeNotes(path), 1);
    EXPECT_EQ(ReadFile(path), Declaration +
                                  "<!-- VantrelControl.codenote\n"
                                  "     Orvane Vantrel Control, Version 1.1\n"
                                  "     Copyright (C) 2004 Orvane Solutions. All rights reserved.\n"
                                  "     NOTE:\n"
                                  "        If you want to edit this file, remember all\n"
                                  "        keywords like node names, and node attribute\n"
                                  "        names are case-sensitive.\n"
                                  "        Please, make a backup copy of the file before editing,\n"
                                  "        and follow the syntax carefully!\n"
                                  "  -->\n"
                                  "<VantrelControl>\n"
                                  "  <Version> 1 </Version>\n"
                                  "  <CodeNoteMap>\n"
                                  "    <Code value=\"1\" Note=\"Wrong lane\" />\n"
                                  "    <Code value=\"3\" Note=\"\" />\n"
                                  "    <Code value=\"-2\" Note=\"a &quot;b&quot; &lt;c&gt; &amp; d\" />\n"
                                  "  </CodeNoteMap>\n"
                                  "</VantrelControl>\n");
}

TEST(CCodeNoteMap, WrittenFilesLoadBackUnchanged)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.codenote";
    CCodeNoteMap saved;
    saved.Version = 12;
    saved.SetNote(9, "Проезд на красный");
    saved.SetNote(0, "");
    saved.SetNote(2147483647, "quote \" amp & lt < gt > apos '");
    saved.SetNote(-2147483647 - 1, "tab\there\nline\r\nend  ");
    saved.SetNote(5, "emoji \xF0\x9F\x9A\xA6 and ä");
    ASSERT_EQ(saved.SaveCodeNotes(path), 1);
    CCodeNoteMap loaded;
    ASSERT_EQ(loaded.LoadCodeNotes(path), 1) << loaded.LastError;
    EXPECT_EQ(loaded.Version, 12);
    EXPECT_EQ(EntriesOf(loaded), EntriesOf(saved));
}

TEST(CCodeNoteMap, AFailedSaveReturnsZero)
{
    TempDir dir;
    EXPECT_EQ(CCodeNoteMap().SaveCodeNotes(dir.Path() + "missing/VantrelControl.codenote"), 0);
}

}  // namespace
