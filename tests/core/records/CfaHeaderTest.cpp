#include "records/CfaHeader.h"
#include "base/ReadOnlyFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// The reader and the writer go by the same offsets, so the layout the unit
// writes is pinned here byte by byte.
TEST(CfaHeader, FieldsLieWhereTheUnitPutsThemAndReadBack)
{
    const CfaHeader header{0x0102, 0x0304, -2, {2006, 12, 0, 31, 23, 58, 57, 999}, 3, 200, {0xA0, 1, 2, 3, 4, 0xFF}};
    const std::string bytes = CfaHeaderBytes(header);
    ASSERT_EQ(bytes.size(), CfaHeader::Size);
    const struct {
        std::size_t offset;
        Bytes expected;
    } fields[] = {
        {0, Bytes(4, 0)},
        {4, {0x02, 0x01, 0x04, 0x03}},
        {8, {0xFE, 0xFF, 0xFF, 0xFF}},
        {12, {0xD6, 0x07, 0x0C, 0, 0, 0, 0x1F, 0, 0x17, 0, 0x3A, 0, 0x39, 0, 0xE7, 0x03}},
        {28, {3, 200, 0xA0, 1, 2, 3, 4, 0xFF}},
        {36, Bytes(220, 0)},
    };
    for (const auto& field : fields)
        EXPECT_EQ(Bytes(bytes.begin() + field.offset, bytes.begin() + field.offset + field.expected.size()),
                  field.expected)
            << field.offset;

    const testsupport::TempDir dir;
    const std::string path = dir.Make("f.CFA");
    testsupport::WriteFile(path, bytes);
    const std::optional<CfaHeader> read = ReadCfaHeader(ReadOnlyFile(path));
    ASSERT_TRUE(read);
    EXPECT_EQ(CfaHeaderBytes(*read), bytes);
    testsupport::WriteFile(path, bytes.substr(0, CfaHeader::Size - 1));
    EXPECT_FALSE(ReadCfaHeader(ReadOnlyFile(path)));
}

}  // namespace
