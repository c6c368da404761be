// The table record: exact bytes (map order included), the forms of older
// schemas, the edited entries in the spare values list, and damaged records.
#include "document/table_record.h"
#include "model/lang_table_layout.h"
#include "support/document_builders.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvo::document {
namespace {

using test::Bytes;
using test::makeTable;

constexpr std::uint32_t kBuckets = 1021;

// Keys in the order the record writes them: bucket by bucket, and within a
// bucket the key inserted last first.
std::vector<std::int32_t> hashOrder(std::vector<std::int32_t> insertionOrder)
{
    std::reverse(insertionOrder.begin(), insertionOrder.end());
    std::stable_sort(insertionOrder.begin(), insertionOrder.end(), [](std::int32_t a, std::int32_t b) {
        return (static_cast<std::uint32_t>(a) >> 4) % kBuckets <
               (static_cast<std::uint32_t>(b) >> 4) % kBuckets;
    });
    return insertionOrder;
}

std::int32_t key(int menu, int entry)
{
    return (menu << 16) | entry;
}

// The record of a table made by makeTable, written out from the record rules.
Bytes expectedRecord(const model::CS1_LangTable& t, const std::vector<std::uint32_t>& spareValues,
                     bool reversedBuckets = false)
{
    Bytes b;
    b.i32(1).i32(1033).str(u"").i32(1).i32(94);
    b.u16(0xFFFF).i32(65536).raw(test::imageOf(t));
    b.u16(1).i32(10).str(u"Script Menus");
    b.u16(static_cast<std::uint16_t>(spareValues.size()));
    for (const auto v : spareValues)
        b.i32(static_cast<std::int32_t>(v));
    b.u16(0);               // spare texts
    b.u16(1).i32(0).i32(0); // 20-character groups
    b.u16(1).i32(0).i32(0); // 10-character groups
    b.i32(0).i32(0);        // info arrays
    b.u16(0).u16(0).u16(0); // error names, user function names, spare texts 2
    std::vector<std::int32_t> menus = {80, 81, 82, 83, 84, 85};
    if (reversedBuckets)
        std::reverse(menus.begin(), menus.end());
    b.u16(6);
    for (const auto m : hashOrder(menus))
        b.i32(m).str(m == 80 ? u"Main" : u"Sub " + std::u16string(1, static_cast<char16_t>(u'0' + (m - 80))));
    std::vector<std::int32_t> entries = {key(80, 1), key(80, 3), key(80, 5),
                                         key(80, 8), key(81, 1), key(81, 2)};
    if (reversedBuckets)
        std::reverse(entries.begin(), entries.end());
    b.i32(6);
    for (const auto k : hashOrder(entries)) {
        const int menu = k >> 16;
        const int entry = k & 0xFFFF;
        b.i32(k).i32(menu).i32(entry).i32(menu * 100 + entry).str(u"label");
    }
    return b;
}

std::vector<std::uint8_t> recordOf(const model::CS1_LangTable& t)
{
    ArchiveWriter w;
    writeTableRecord(w, t);
    return w.take();
}

std::unique_ptr<model::CS1_LangTable> readRecord(const std::vector<std::uint8_t>& bytes, int schema,
                                                 std::string* error = nullptr)
{
    io::BoundedReader r(bytes);
    ArchiveReader a(r);
    auto t = std::make_unique<model::CS1_LangTable>();
    t->Init();
    const bool ok = readTableRecord(a, schema, *t) && r.atEnd();
    if (error != nullptr)
        *error = a.error();
    return ok ? std::move(t) : nullptr;
}

TEST(TableRecord, WritesExactlyTheRecordRulesIncludingMapOrder)
{
    const auto t = makeTable(1, 9);
    EXPECT_EQ(recordOf(*t), expectedRecord(*t, {}).data);
}

TEST(TableRecord, LoadingReversesBucketOrderAndASecondLoadRestoresIt)
{
    const auto t = makeTable(1, 9);
    const auto first = recordOf(*t);
    const auto once = readRecord(first, 3);
    ASSERT_TRUE(once);
    const auto second = recordOf(*once);
    EXPECT_EQ(second, expectedRecord(*t, {}, true).data);
    const auto twice = readRecord(second, 3);
    ASSERT_TRUE(twice);
    EXPECT_EQ(recordOf(*twice), first);
}

TEST(TableRecord, EditedEntriesFollowTheKeptSpareValuesInAscendingOrder)
{
    auto t = makeTable(1, 9);
    t->SpareValues() = {7, 8};
    t->MenuEntryInfos().find(key(81, 2))->edited = 1;
    t->MenuEntryInfos().find(key(80, 3))->edited = 1;
    const std::vector<std::uint32_t> expectedValues = {
        7, 8, 0x45444954, 2, static_cast<std::uint32_t>(key(80, 3)), static_cast<std::uint32_t>(key(81, 2))};
    const auto bytes = recordOf(*t);
    EXPECT_EQ(bytes, expectedRecord(*t, expectedValues).data);

    const auto back = readRecord(bytes, 3);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->SpareValues(), (std::vector<std::uint32_t>{7, 8}));
    std::vector<std::int32_t> edited;
    back->MenuEntryInfos().forEach([&](std::int32_t k, const model::MenuEntryInfo& info) {
        if (info.edited)
            edited.push_back(k);
    });
    std::sort(edited.begin(), edited.end());
    EXPECT_EQ(edited, (std::vector<std::int32_t>{key(80, 3), key(81, 2)}));
}

TEST(TableRecord, SpareValuesSplitOnlyAtAMarkerWhoseCountFits)
{
    constexpr std::uint32_t M = kEditedEntriesMarker;
    const auto k1 = static_cast<std::uint32_t>(key(80, 3));
    const auto k2 = static_cast<std::uint32_t>(key(81, 2));
    struct Case {
        std::vector<std::uint32_t> values;
        std::vector<std::uint32_t> kept;
        std::vector<std::int32_t> keys;
    };
    const Case cases[] = {
        {{}, {}, {}},
        {{1, 2}, {1, 2}, {}},
        {{M, 1, k1}, {}, {key(80, 3)}},
        {{5, M, 2, k2, k1}, {5}, {key(80, 3), key(81, 2)}},
        {{M, 5, k1}, {M, 5, k1}, {}},
        {{M}, {M}, {}},
        {{M, 9, M, 1, k2}, {M, 9}, {key(81, 2)}},
    };
    for (const auto& c : cases) {
        const SpareValues split = splitSpareValues(c.values);
        EXPECT_EQ(split.kept, c.kept);
        EXPECT_EQ(split.editedKeys, c.keys);
    }
}

TEST(TableRecord, AMarkedKeyWithoutInfoRecordGetsOneSoTheEditIsKept)
{
    auto t = makeTable(1, 9);
    t->SpareValues() = {kEditedEntriesMarker, 1, static_cast<std::uint32_t>(key(90, 4))};
    const auto back = readRecord(recordOf(*t), 3);
    ASSERT_TRUE(back);
    const auto* info = back->MenuEntryInfos().find(key(90, 4));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->menu, 90);
    EXPECT_EQ(info->entry, 4);
    EXPECT_EQ(info->edited, 1);
    EXPECT_TRUE(back->SpareValues().empty());
}

TEST(TableRecord, AnEntryRecordIsTakenAtItsKeyAndOneNamingNoEntryIsDropped)
{
    const auto t = makeTable(1, 9);
    model::MenuEntryInfo elsewhere;
    elsewhere.menu = 127; // the fields beside the key point at a user function
    elsewhere.entry = 0;
    elsewhere.number = 42;
    elsewhere.label = u"moved";
    t->MenuEntryInfos().set(key(80, 3), elsewhere);
    const std::int32_t noEntry[] = {key(96, 1), key(80, 0), key(80, 15), -1, key(0, 0)};
    for (const auto k : noEntry)
        t->MenuEntryInfos().set(k, elsewhere);
    const auto bytes = recordOf(*t);

    io::BoundedReader r(bytes);
    ArchiveReader a(r);
    auto back = std::make_unique<model::CS1_LangTable>();
    back->Init();
    std::vector<std::int32_t> dropped;
    ASSERT_TRUE(readTableRecord(a, 3, *back, &dropped)) << a.error();
    EXPECT_TRUE(r.atEnd());
    const auto* info = back->MenuEntryInfos().find(key(80, 3));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->menu, 80);
    EXPECT_EQ(info->entry, 3);
    EXPECT_EQ(info->number, 42);
    EXPECT_EQ(info->label, u"moved");
    for (const auto k : noEntry)
        EXPECT_EQ(back->MenuEntryInfos().find(k), nullptr) << k;
    std::sort(dropped.begin(), dropped.end());
    std::vector<std::int32_t> expected(std::begin(noEntry), std::end(noEntry));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dropped, expected);
    EXPECT_EQ(back->MenuEntryInfos().size(), t->MenuEntryInfos().size() - expected.size());
    // Every record kept describes the entry of its own key.
    back->MenuEntryInfos().forEach(
        [](std::int32_t k, const model::MenuEntryInfo& kept) { EXPECT_EQ(key(kept.menu, kept.entry), k); });
}

TEST(TableRecord, SchemaOneRecordsHaveNoFirmwareFields)
{
    const auto t = makeTable(1, 9);
    auto bytes = recordOf(*t);
    // Remove fields 4 and 5: the eight bytes after font, language identifier and the empty string.
    const std::size_t firmwareAt = 4 + 4 + 4;
    bytes.erase(bytes.begin() + firmwareAt, bytes.begin() + firmwareAt + 8);
    EXPECT_FALSE(readRecord(bytes, 2)) << "a schema-2 reader needs the firmware fields";
    const auto back = readRecord(bytes, 1);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->FirmwareMajor(), 0);
    EXPECT_EQ(back->FirmwareMinor(), 0);
    EXPECT_EQ(back->GetByte(333), 1) << "the image keeps its own bytes";
    EXPECT_EQ(back->GetByte(334), 94);
}

TEST(TableRecord, AnImageOfAnotherSizeIsDamage)
{
    const auto t = makeTable(1, 9);
    const auto good = recordOf(*t);
    const std::size_t countAt = 4 + 4 + 4 + 8;
    for (const std::uint32_t size : {0u, 100u, 65535u, 65537u}) {
        std::vector<std::uint8_t> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(countAt));
        Bytes b;
        b.u16(0xFFFF).i32(static_cast<std::int32_t>(size)).raw(std::vector<std::uint8_t>(size, 0));
        bytes.insert(bytes.end(), b.data.begin(), b.data.end());
        bytes.insert(bytes.end(), good.begin() + static_cast<std::ptrdiff_t>(countAt + 6 + 65536),
                     good.end());
        std::string error;
        EXPECT_FALSE(readRecord(bytes, 3, &error)) << size;
        EXPECT_NE(error.find("instead of 65536"), std::string::npos) << error;
    }
}

TEST(TableRecord, NegativeInfoCountsAreDamage)
{
    auto t = makeTable(1, 9);
    auto bytes = recordOf(*t);
    // The entry info count is the last plain int before the entry records; find it from the end.
    const std::size_t entryRecordBytes = 4 * 4 + 4 + 2 * 5;
    const std::size_t countAt = bytes.size() - 6 * entryRecordBytes - 4;
    ASSERT_EQ(bytes[countAt], 6);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[countAt + i] = 0xFF;
    std::string error;
    EXPECT_FALSE(readRecord(bytes, 3, &error));
    EXPECT_NE(error.find("negative"), std::string::npos) << error;
}

TEST(TableRecord, AFontOutsideOneToSevenIsNotDamage)
{
    auto t = makeTable(1, 9);
    t->SetByte(model::layout::kFontOffset, 9);
    t->SetFont(9);
    const auto back = readRecord(recordOf(*t), 3);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetFont(), 9);
    EXPECT_EQ(test::entryOf(*back, 80, 3).line1, u"") << "texts of an unknown font read as empty";
}

} // namespace
} // namespace tarvo::document
