#include "config/CCodeNoteMap.h"

#include "ConfigTestFiles.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace configtest;
using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

using Entries = std::vector<std::pair<int, std::string>>;

TEST(CCodeNoteMap, ReadsVersionAndCodesUpToTheFirstChildThatIsNoElement)
{
    const struct {
        std::string children;
        int version;
        Entries entries;
        std::string error = "";
    } cases[] = {
        {"<CodeNoteMap/>", 1, {}},
        {"<Version> -4 </Version><CodeNoteMap/>", -4, {}},
        {"<Version>none</Version><CodeNoteMap><Code value=\"2\" Note=\"two\" /><Code value=\"1\"/></CodeNoteMap>", 0,
         {{2, "two"}, {1, ""}}},
        {"<CodeNoteMap><Code Note=\"a\"/><Code VALUE=\"5\" note=\"b\"/><code value=\"6\"/><Code value=\" 3x\"/>"
         "<Code value=\"0\" Note=\"c\"/></CodeNoteMap>", 1, {{0, "c"}, {3, ""}}},
        {"<CodeNoteMap>\n  <Code value=\"1\"/>\n  <!-- stop -->\n  <Code value=\"2\"/>\n</CodeNoteMap>", 1, {{1, ""}}},
        {"<CodeNoteMap><Code value=\"1\" Note=\"a &amp; &lt;b&gt; &#x41f;\"/></CodeNoteMap>", 1, {{1, "a & <b> П"}}},
        {"<Wrapper><CodeNoteMap><Code value=\"1\"/></CodeNoteMap></Wrapper><CodeNoteMap value=\"4\"><Code value=\"4\" "
         "Note=\"n\"><Code value=\"5\"/></Code></CodeNoteMap>", 1, {{4, "n"}}},
        {"<Version>6</Version><codenotemap/>", 6, {}, "HRESULT(80004003): Invalid pointer"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        CCodeNoteMap map;
        map.SetNote(7, "dropped by every load");
        const std::string path = WriteConfig(dir, c.children);
        EXPECT_EQ(map.LoadCodeNotes(path), c.error.empty()) << c.children << map.LastError;
        EXPECT_EQ(map.LastError, c.error.empty() ? "" : "Error in the imput file:\n" + path + "\n" + c.error);
        EXPECT_EQ(map.Version, c.version) << c.children;
        Entries entries(static_cast<std::size_t>(map.GetCount()));
        for (int i = 0; i < map.GetCount(); ++i)
            map.GetAt(i, entries[i].first, entries[i].second);
        EXPECT_EQ(entries, c.entries) << c.children;
    }
}

TEST(CCodeNoteMap, SaveWritesTheFixedLayoutWithCodesInTheOrderFirstDescribed)
{
    TempDir dir;
    const std::string path = dir.Path() + "VantrelControl.codenote";
    CCodeNoteMap map;
    for (const auto& [code, note] : Entries{{1, "Wrong lane"}, {3, "old"}, {-2, "a \"b\" <c> & d"}, {3, ""}})
        map.SetNote(code, note);
    EXPECT_TRUE(map.GetNote(3) == "" && !map.GetNote(2));
    ASSERT_EQ(map.SaveCodeNotes(path), 1);
    EXPECT_EQ(ReadFile(path), Declaration + "<!-- VantrelControl.codenote\n"
                                            "     Orvane Vantrel Control, Version 1.1\n"
                                            "     Copyright (C) 2004 Orvane Solutions. All rights reserved.\n" +
                                  EditingNote +
                                  "  <Version> 0 </Version>\n"
                                  "  <CodeNoteMap>\n"
                                  "    <Code value=\"1\" Note=\"Wrong lane\" />\n"
                                  "    <Code value=\"3\" Note=\"\" />\n"
                                  "    <Code value=\"-2\" Note=\"a &quot;b&quot; &lt;c&gt; &amp; d\" />\n"
                                  "  </CodeNoteMap>\n"
                                  "</VantrelControl>\n");
    EXPECT_EQ(map.SaveCodeNotes(dir.Path() + "missing/VantrelControl.codenote"), 0);
}

}  // namespace
