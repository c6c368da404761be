#include "dump_test_support.h"

#include "export/srecord_lines.h"
#include "export/table_dump.h"

#include <gtest/gtest.h>

using namespace dumptest;
using namespace tarvo::dump;

namespace {

std::string dumpText(TableList tables, const DumpRequest& r)
{
    std::string text;
    const DumpResult result = buildDump(tables, r, text);
    EXPECT_TRUE(result.ok) << result.message;
    return text;
}

} // namespace

TEST(SRecordDump, EveryLineOfATableFollowsTheRecordRule)
{
    const auto table = patternTable(3, 0x21, 1);
    const tarvo::model::CS1_LangTable* tables[] = {table.get()};
    // Table 0 in slot 5 only.
    const std::string text = dumpText(tables, request({kNoTable, kNoTable, kNoTable, kNoTable, kNoTable, 0}));

    const auto lines = crlfLines(text);
    ASSERT_EQ(lines.size(), 4098u);
    EXPECT_EQ(lines.front(), recordLine("C1", {0xCA, 0xC5, 0x05}, false));
    const auto image = dumpedImage(*table);
    for (int row = 0; row < 4096; ++row)
        ASSERT_EQ(lines[static_cast<std::size_t>(row) + 1], dataLine(5, row, image)) << "row " << row;
    EXPECT_EQ(lines.back(), "S804fffffffe");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(SRecordDump, SelectorLinesOfAllEightSlots)
{
    // Written out by hand from the rule: 04 CA C5 slot, ones' complement of the sum.
    const char* expected[] = {"C104cac5006c", "C104cac5016b", "C104cac5026a", "C104cac50369",
                              "C104cac50468", "C104cac50567", "C104cac50666", "C104cac50765"};
    for (std::uint8_t slot = 0; slot < 8; ++slot) {
        std::string line;
        appendSelectorLine(line, slot);
        EXPECT_EQ(line, std::string(expected[slot]) + "\r\n");
        EXPECT_EQ(line, recordLine("C1", {0xCA, 0xC5, slot}, false) + "\r\n");
    }
    std::string terminator;
    appendTerminator(terminator);
    EXPECT_EQ(terminator, "S804fffffffe\r\n");
}

TEST(SRecordDump, AddressAndChecksumEdgeCases)
{
    const auto zero = zeroTable();
    const auto pattern = patternTable(1, 9, 2);
    const tarvo::model::CS1_LangTable* tables[] = {zero.get(), pattern.get()};

    // An all-zero image in slot 0: row 0 is S214, address 000000, 32 zeros and eb.
    // Byte 21 of row 1 becomes ff (font 0 minus 1, modulo 256).
    const auto slot0 = crlfLines(dumpText(tables, request({0})));
    EXPECT_EQ(slot0[1], std::string("S214000000").append(32, '0').append("eb"));
    EXPECT_EQ(slot0[2].substr(10, 12), "0000000000ff");

    // Slot 3, row 0x0FFF: address bytes 03 ff f0.
    const auto slot3 = crlfLines(dumpText(tables, request({kNoTable, kNoTable, kNoTable, 1})));
    ASSERT_EQ(slot3.size(), 4098u);
    EXPECT_EQ(slot3[0], "C104cac50369");
    EXPECT_EQ(slot3[4096].substr(0, 10), "S21403fff0");
    EXPECT_EQ(slot3[4096], dataLine(3, 0x0FFF, dumpedImage(*pattern)));
}

TEST(SRecordDump, HexDigitsAreLowerCase)
{
    const auto table = patternTable(7, 0xEE, 3);
    const tarvo::model::CS1_LangTable* tables[] = {table.get()};
    const std::string text = dumpText(tables, request({0}));
    EXPECT_EQ(text.find_first_of("ABCDEF", 2), std::string::npos);
}

TEST(SRecordDump, FontSlotIsSetInTheDumpButNotInTheTable)
{
    struct Case {
        int font;
        std::uint8_t slotByte;
    };
    const Case cases[] = {{1, 0x00}, {5, 0x04}, {7, 0x06}, {0, 0xFF}};
    for (const auto& c : cases) {
        auto table = patternTable(c.font, 1, 4);
        if (c.font == 0)
            table->SetByte(330, 0);
        const tarvo::model::CS1_LangTable* tables[] = {table.get()};
        const auto lines = crlfLines(dumpText(tables, request({0})));
        // Row 1 covers bytes 16-31: byte 21 is data byte 5, digits 10 + 2*5.
        EXPECT_EQ(lines[2].substr(20, 2), hex2(c.slotByte)) << c.font;
        EXPECT_EQ(table->GetByte(21), 0x5A) << "the table itself keeps its font slot";
    }
}

TEST(SRecordDump, PositionsChooseSlotsAndTables)
{
    const auto a = patternTable(1, 1, 10);
    const auto b = patternTable(2, 2, 11);
    const tarvo::model::CS1_LangTable* tables[] = {a.get(), b.get()};

    // "Auto Set 1-8" with two tables dumps positions 0 and 1 only.
    DumpRequest autoSet;
    autoSet.positions = autoSetPositions(2);
    const auto lines = crlfLines(dumpText(tables, autoSet));
    ASSERT_EQ(lines.size(), 2u * 4098u);
    EXPECT_EQ(lines[0], "C104cac5006c");
    EXPECT_EQ(lines[1], dataLine(0, 0, dumpedImage(*a)));
    EXPECT_EQ(lines[4098], "C104cac5016b");
    EXPECT_EQ(lines[4099], dataLine(1, 0, dumpedImage(*b)));

    // Slot order is position order; one table may fill two positions.
    const auto swapped = crlfLines(dumpText(tables, request({1, kNoTable, 0, 1})));
    ASSERT_EQ(swapped.size(), 3u * 4098u);
    EXPECT_EQ(swapped[1], dataLine(0, 0, dumpedImage(*b)));
    EXPECT_EQ(swapped[4098], "C104cac5026a");
    EXPECT_EQ(swapped[4099], dataLine(2, 0, dumpedImage(*a)));
    EXPECT_EQ(swapped[2 * 4098 + 1], dataLine(3, 0, dumpedImage(*b)));
}

TEST(SRecordDump, AutoSetFillsOnlyTheTablesThereAre)
{
    const Positions none = DumpRequest::noPositions();
    EXPECT_EQ(autoSetPositions(0), none);
    EXPECT_EQ(autoSetPositions(3), (Positions{0, 1, 2, kNoTable, kNoTable, kNoTable, kNoTable, kNoTable}));
    EXPECT_EQ(autoSetPositions(12), (Positions{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(SRecordDump, SelectorEntryTextNumbersAndTrimsTheName)
{
    EXPECT_EQ(selectorEntryText(1, u"  English  "), u" 1 - English");
    EXPECT_EQ(selectorEntryText(12, u"Deutsch"), u"12 - Deutsch");
    EXPECT_EQ(selectorEntryText(3, u"   "), u" 3 - ");
}

TEST(SRecordDump, RequestsThatCannotBeDumpedAreRefused)
{
    const auto table = patternTable(1, 1, 5);
    auto odd = zeroTable();
    odd->SetImage(std::vector<std::uint8_t>(100, 0));
    const tarvo::model::CS1_LangTable* tables[] = {table.get(), odd.get()};

    struct Case {
        const char* what;
        DumpRequest request;
        const char* messagePart;
    };
    DumpRequest iconicMap = request({0});
    iconicMap.type = DumpType::BlockMemoryMap;
    iconicMap.iconic = true;
    DumpRequest emptyMap = request({});
    emptyMap.type = DumpType::BlockMemoryMap;
    const Case cases[] = {
        {"no table selected", request({}), "no language table selected"},
        {"no table selected in a map", emptyMap, "no language table selected"},
        {"index past the tables", request({kNoTable, 2}), "position 1: the document has no table 2"},
        {"negative index", request({-7}), "no table -7"},
        {"image of the wrong size", request({0, 1}), "table 1: its image holds 100 bytes"},
        {"iconic memory map", iconicMap, "S-records only"},
    };
    for (const auto& c : cases) {
        std::string text = "untouched";
        const DumpResult result = buildDump(tables, c.request, text);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_NE(result.message.find(c.messagePart), std::string::npos) << c.what << ": " << result.message;
        EXPECT_EQ(text, "untouched") << c.what;
    }
}
