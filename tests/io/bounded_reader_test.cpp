#include "io/bounded_reader.h"

#include <gtest/gtest.h>

#include <vector>

using tarvo::io::BoundedReader;

TEST(BoundedReader, ReadsLittleEndianValues)
{
    const std::vector<std::uint8_t> bytes = {0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF};
    BoundedReader r(bytes);
    std::uint16_t w = 0;
    std::uint32_t d = 0;
    std::int16_t s = 0;
    ASSERT_TRUE(r.readU16(w));
    ASSERT_TRUE(r.readU32(d));
    ASSERT_TRUE(r.readI16(s));
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(d, 0x12345678u);
    EXPECT_EQ(s, -2);
    EXPECT_TRUE(r.atEnd());
}

TEST(BoundedReader, ReadPastEndFailsAndKeepsFailing)
{
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    BoundedReader r(bytes);
    std::uint32_t d = 7;
    EXPECT_FALSE(r.readU32(d));
    EXPECT_EQ(d, 7u);
    EXPECT_EQ(r.error(), "truncated at offset 3");
    std::uint8_t b = 0;
    EXPECT_FALSE(r.readU8(b)) << "a failed reader must not go on reading";
}

TEST(BoundedReader, RequireRejectsCountsLargerThanTheRest)
{
    const std::vector<std::uint8_t> bytes(10);
    BoundedReader r(bytes);
    EXPECT_TRUE(r.require(5, 2));
    EXPECT_FALSE(r.require(0xFFFFFFFFu, 4));
    EXPECT_TRUE(r.failed());
}
