#include "base/AtomicFileWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

size_t EntryCount(const std::string& directory)
{
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory))
        ++count;
    return count;
}

// Without a commit (a write cut short) the old file stays; either way no temporary file is left behind.
TEST(AtomicFileWriter, OnlyACommitReplacesTheTargetAndNoTemporaryFileIsLeft)
{
    TempDir dir;
    const std::string target = dir.Path() + "file.txt";
    for (const bool commit : {false, true}) {
        WriteFile(target, "old");
        {
            AtomicFileWriter writer(target);
            ASSERT_TRUE(writer.Write("new text\n"));
            EXPECT_EQ(ReadFile(target), "old");  // nothing visible before the commit
            if (commit) {
                ASSERT_TRUE(writer.Commit());
            }
        }
        EXPECT_EQ(ReadFile(target), commit ? "new text\n" : "old");
        EXPECT_EQ(EntryCount(dir.Path()), 1u) << commit;
    }
}

TEST(AtomicFileWriter, FailsWhenTheTargetCannotBeWritten)
{
    TempDir dir;
    const std::string target = dir.MakeDir("occupied");  // a directory is in the way
    AtomicFileWriter writer(target.substr(0, target.size() - 1));
    writer.Write("text");
    EXPECT_FALSE(writer.Commit());
    AtomicFileWriter missing(dir.Path() + "no/such/dir/file.txt");
    EXPECT_EQ(missing.Stream(), nullptr);
    EXPECT_FALSE(missing.Write("text"));
    EXPECT_FALSE(missing.Commit());
}

}  // namespace
