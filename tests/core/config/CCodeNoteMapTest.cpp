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

Entries EntriesOf(const CCodeNoteMap& map)
{
    Entries entries;
    int code = 0;
    std::string note;
    for (int i = 0; map.GetAt(i, code, note); ++i)
        entries.emplace_back(code, note);
    EXPECT_EQ(static_cast<int>(entries.size()), map.GetCount());
    return entries;
}

int Load(CCodeNoteMap& map, const std::string& path, const std::string& children)
{
    WriteFile(path, Declaration + "<VantrelControl>\n" + children + "</VantrelControl>\n");
    return map.LoadCodeNotes(path);
}

TEST(CCodeNoteMap, ReadsVersionAndCodesUpToTheFirstChildThatIsNoElement)
{
    const struct {
        std::string children;
        int version;
        Entries entries;
    } cases[] = {
        {"<CodeNoteMap/>", 1, {}},
        {"<Version> -4 </Version><CodeNoteMap/>", -4, {}},
        {"<Version>none</Version><CodeNoteMap><Code value=\"2\" Note=\"two\" /><Code value=\"1\"/></CodeNoteMap>", 0,
         {{2, "two"}, {1, ""}}},
        {"<CodeNoteMap><Code Note=\"a\"/><Code VALUE=\"5\" note=\"b\"/><code value=\"6\"/><Code value=\" 3x\"/>"
         "<Code value=\"0\" Note=\"c\"/></CodeNoteMap>",
         1, {{0, "c"}, {3, ""}}},
        {"<CodeNoteMap>\n  <Code value=\"1\"/>\n  <!-- stop -->\n  <Code value=\"2\"/>\n</CodeNoteMap>", 1, {{1, ""}}},
        {"<CodeNoteMap><Code value=\"1\"/>stop<Code value=\"2\"/></CodeNoteMap>", 1, {{1, ""}}},
        {"<CodeNoteMap><Code value=\"1\" Note=\"a &amp; &lt;b&gt; &#x41f;\"/></CodeNoteMap>", 1, {{1, "a & <b> П"}}},
        {"<Wrapper><CodeNoteMap><Code value=\"1\"/></CodeNoteMap></Wrapper><CodeNoteMap/>", 1, {}},
        {"<CodeNoteMap value=\"4\"><Code value=\"4\" Note=\"n\"><Code value=\"5\"/></Code></CodeNoteMap>", 1,
         {{4, "n"}}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        CCodeNoteMap map;
        EXPECT_EQ(Load(map, dir.Path() + "notes", c.children), 1) << c.children << map.LastError;
        EXPECT_EQ(map.Version, c.version) << c.children;
        EXPECT_EQ(EntriesOf(map), c.entries) << c.children;
    }
}

TEST(CCodeNoteMap, FailuresKeepTheVersionAndGiveTheFixedMessage)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.codenote";
    CCodeNoteMap map;
    EXPECT_EQ(map.LoadCodeNotes(path), 0);
    EXPECT_EQ(map.LastError, "Error in the imput file:\n" + path +
                                 "\nSyntax error in the contets of the imput file.\n"
                                 "IXMLDOMParseError(60D): failed to load external entity \"" + path +
                                 "\"\nLine 0 Char 0");
    EXPECT_EQ(map.Version, 0);
    map.SetNote(4, "dropped by the next load");
    EXPECT_EQ(Load(map, path, "<Version>6</Version><codenotemap/>"), 0);
    EXPECT_EQ(map.LastError, "Error in the imput file:\n" + path + "\nHRESULT(80004003): Invalid pointer");
    EXPECT_EQ(map.Version, 6);
    EXPECT_EQ(map.GetCount(), 0);
}

TEST(CCodeNoteMap, SetNoteReplacesOrAppends)
{
    CCodeNoteMap map;
    for (const auto& [code, note] : Entries{{1, "one"}, {3, "three"}, {7, "seven"}, {3, "THREE"}})
        map.SetNote(code, note);
    EXPECT_EQ(EntriesOf(map), (Entries{{1, "one"}, {3, "THREE"}, {7, "seven"}}));
    EXPECT_EQ(map.GetNote(3), "THREE");
    EXPECT_EQ(map.GetNote(2), std::nullopt);
    int code = -5;
    std::string note = "untouched";
    EXPECT_EQ(map.GetAt(-1, code, note), 0);
    EXPECT_EQ(std::to_string(code) + note, "-5untouched");
}

TEST(CCodeNoteMap, SaveWritesTheFixedLayout)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.codenote";
    CCodeNoteMap map;
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
                                  "  <Version> 0 </Version>\n"
                                  "  <CodeNoteMap>\n"
                                  "    <Code value=\"1\" Note=\"Wrong lane\" />\n"
                                  "    <Code value=\"3\" Note=\"\" />\n"
                                  "    <Code value=\"-2\" Note=\"a &quot;b&quot; &lt;c&gt; &amp; d\" />\n"
                                  "  </CodeNoteMap>\n"
                                  "</VantrelControl>\n");
    EXPECT_EQ(map.SaveCodeNotes(dir.Path() + "missing/VantrelControl.codenote"), 0);
}

TEST(CCodeNoteMap, WrittenFilesLoadBackUnchanged)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.codenote";
    CCodeNoteMap saved;
    saved.Version = 12;
    saved.SetNote(9, "Проезд на красный");
    saved.SetNote(2147483647, "quote \" amp & lt < gt > apos '");
    saved.SetNote(-2147483647 - 1, "tab\there\nline\r\nend  ");
    ASSERT_EQ(saved.SaveCodeNotes(path), 1);
    CCodeNoteMap loaded;
    ASSERT_EQ(loaded.LoadCodeNotes(path), 1) << loaded.LastError;
    EXPECT_EQ(loaded.Version, 12);
    EXPECT_EQ(EntriesOf(loaded), EntriesOf(saved));
}

}  // namespace
