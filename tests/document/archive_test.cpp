// The archive encoding: string and count forms both ways, and the bounds the
// reader keeps.
#include "document/archive.h"
#include "support/document_builders.h"

#include <gtest/gtest.h>

namespace tarvo::document {
namespace {

using test::Bytes;

std::vector<std::uint8_t> written(const std::u16string& text)
{
    ArchiveWriter w;
    w.writeString(text);
    return w.take();
}

bool readString(const std::vector<std::uint8_t>& bytes, std::u16string& out, std::string* error = nullptr)
{
    io::BoundedReader r(bytes);
    ArchiveReader a(r);
    const bool ok = a.readString(out);
    if (error != nullptr)
        *error = a.error();
    return ok && r.atEnd();
}

TEST(Archive, StringLengthFormsFollowTheLength)
{
    struct Case {
        std::size_t length;
        std::vector<std::uint8_t> header;
    };
    const Case cases[] = {
        {0, {0xFF, 0xFE, 0xFF, 0x00}},
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        const std::u16string text(c.length, u'\u00E9');
        const auto bytes = written(text);
        ASSERT_EQ(bytes.size(), c.header.size() + 2 * c.length) << c.length;
        EXPECT_TRUE(std::equal(c.header.begin(), c.header.end(), bytes.begin())) << c.length;
        if (c.length > 0) {
            EXPECT_EQ(bytes[c.header.size()], 0xE9);
            EXPECT_EQ(bytes[c.header.size() + 1], 0x00);
        }
        std::u16string back;
        EXPECT_TRUE(readString(bytes, back)) << c.length;
        EXPECT_EQ(back, text) << c.length;
    }
}

TEST(Archive, ReadsEveryUntaggedAndTaggedForm)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::u16string expected;
    };
    const Case cases[] = {
        {"8-bit, byte length", {0x03, 'a', 'b', 'c'}, u"abc"},
        {"8-bit, word length", {0xFF, 0x02, 0x00, 'h', 'i'}, u"hi"},
        {"8-bit, 32-bit length", {0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 'x'}, u"x"},
        {"UTF-16, word length", {0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 0x41, 0x04}, u"\u0441"},
        {"UTF-16, 32-bit length", {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 0x3D, 0xD8}, u"\xD83D"},
        {"Windows-1252 specials",
         {0x06, 0x80, 0x8A, 0x9F, 0xE9, 0x81, 0x9D},
         std::u16string{0x20AC, 0x0160, 0x0178, 0x00E9, 0x0081, 0x009D}},
    };
    for (const auto& c : cases) {
        std::u16string out;
        EXPECT_TRUE(readString(c.bytes, out)) << c.name;
        EXPECT_EQ(out, c.expected) << c.name;
    }
}

TEST(Archive, StringsLongerThanTheRestAreRefusedWithTheirOffset)
{
    const std::vector<std::vector<std::uint8_t>> cases = {
        {0x05, 'a', 'b'},
        {0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        {0xFF, 0xFE},
    };
    for (const auto& bytes : cases) {
        std::u16string out = u"kept";
        std::string error;
        EXPECT_FALSE(readString(bytes, out, &error));
        EXPECT_EQ(out, u"kept");
        EXPECT_FALSE(error.empty());
    }
}

TEST(Archive, CountsUseTheWideFormFrom0xFFFF)
{
    ArchiveWriter w;
    w.writeCount(0xFFFE);
    w.writeCount(0xFFFF);
    w.writeCount(65536);
    const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                                                0x00, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00};
    EXPECT_EQ(w.bytes(), expected);
    io::BoundedReader r(w.bytes());
    ArchiveReader a(r);
    std::uint32_t c1 = 0, c2 = 0, c3 = 0;
    ASSERT_TRUE(a.readCount(c1) && a.readCount(c2) && a.readCount(c3));
    EXPECT_EQ(c1, 0xFFFEu);
    EXPECT_EQ(c2, 0xFFFFu);
    EXPECT_EQ(c3, 65536u);
}

TEST(Archive, ListCountsBeyondTheFileAreRefusedBeforeAllocating)
{
    // Each claims about four billion items in a handful of bytes.
    const std::vector<std::uint8_t> huge = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    {
        io::BoundedReader r(huge);
        ArchiveReader a(r);
        std::vector<std::uint32_t> values;
        EXPECT_FALSE(a.readValueList(values));
        EXPECT_NE(a.error().find("larger than the rest of the file"), std::string::npos) << a.error();
    }
    {
        io::BoundedReader r(huge);
        ArchiveReader a(r);
        std::vector<std::u16string> texts;
        EXPECT_FALSE(a.readStringList(texts));
    }
    {
        io::BoundedReader r(huge);
        ArchiveReader a(r);
        model::BucketMap<int> map(model::kTableBuckets);
        EXPECT_FALSE(a.readIntMap(map));
        EXPECT_TRUE(map.empty());
    }
    const std::vector<std::uint8_t> negative = Bytes().i32(-1).data;
    io::BoundedReader r(negative);
    ArchiveReader a(r);
    std::uint32_t count = 0;
    EXPECT_FALSE(a.readIntCount(count, 1));
    EXPECT_NE(a.error().find("negative"), std::string::npos);
}

TEST(Archive, MapsAreWrittenInBucketOrderNewestFirstAndReadInFileOrder)
{
    // Keys 0x10 and 0x10 + 16 * 1021 share bucket 1; key 5 is in bucket 0.
    constexpr std::int32_t kSameBucket = 0x10 + 16 * 1021;
    model::BucketMap<int> map(model::kTableBuckets);
    map.set(0x10, 1);
    map.set(5, 2);
    map.set(kSameBucket, 3);
    ArchiveWriter w;
    w.writeIntMap(map);
    const auto expected = Bytes().u16(3).i32(5).i32(2).i32(kSameBucket).i32(3).i32(0x10).i32(1).data;
    EXPECT_EQ(w.bytes(), expected);

    // Reading inserts in file order, so the bucket's order turns round.
    io::BoundedReader r(w.bytes());
    ArchiveReader a(r);
    model::BucketMap<int> back(model::kTableBuckets);
    ASSERT_TRUE(a.readIntMap(back));
    ArchiveWriter again;
    again.writeIntMap(back);
    const auto reversed = Bytes().u16(3).i32(5).i32(2).i32(0x10).i32(1).i32(kSameBucket).i32(3).data;
    EXPECT_EQ(again.bytes(), reversed);
}

TEST(Archive, DuplicateMapKeysKeepTheLaterValue)
{
    const auto bytes = Bytes().u16(2).i32(7).str(u"first").i32(7).str(u"second").data;
    io::BoundedReader r(bytes);
    ArchiveReader a(r);
    model::BucketMap<std::u16string> map(model::kTableBuckets);
    ASSERT_TRUE(a.readStringMap(map));
    EXPECT_EQ(map.size(), 1u);
    EXPECT_EQ(*map.find(7), u"second");
}

} // namespace
} // namespace tarvo::document
