#include "dump_test_support.h"

#include "export/table_dump.h"

#include <gtest/gtest.h>

#include <map>

using namespace dumptest;
using namespace tarvo::dump;

namespace {

DumpRequest mapRequest(std::initializer_list<int> positions)
{
    DumpRequest r = request(positions);
    r.type = DumpType::BlockMemoryMap;
    return r;
}

std::vector<std::string> mapLines(TableList tables, const DumpRequest& r)
{
    std::string text;
    const DumpResult result = buildDump(tables, r, text);
    EXPECT_TRUE(result.ok) << result.message;
    return crlfLines(text);
}

// A row by printf: offset, four groups of four bytes, the bytes as characters.
std::string expectedRow(std::size_t offset, const std::uint8_t* bytes)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06x  ", static_cast<unsigned>(offset));
    std::string row = buffer;
    for (int g = 0; g < 4; ++g) {
        std::snprintf(buffer, sizeof buffer, "%02x %02x %02x %02x  ", bytes[4 * g], bytes[4 * g + 1],
                      bytes[4 * g + 2], bytes[4 * g + 3]);
        row += buffer;
    }
    for (int i = 0; i < 16; ++i)
        row += bytes[i] < 0x20 ? '.' : static_cast<char>(bytes[i]);
    return row;
}

const std::map<std::size_t, std::string> kSections = {
    {0x0000, "Table Description Structure:"},
    {0x0200, "Misc Strings 20:"},
    {0x0E00, "Misc Strings 10:"},
    {0x1000, "Error Messages:"},
    {0x2000, "User Function Storage:"},
    {0x3000, "Auxillary Function Storage:"},
    {0x4000, "Softkey Menus:"},
};

} // namespace

TEST(BlockMemoryMap, HeadingsAndRowsOfATable)
{
    const auto table = patternTable(1, 3, 7);
    const tarvo::model::CS1_LangTable* tables[] = {table.get()};
    const auto lines = mapLines(tables, mapRequest({kNoTable, kNoTable, 0}));

    const auto image = table->Image();
    std::vector<std::string> expected;
    for (std::size_t o = 0; o < 65536; o += 16) {
        if (const auto s = kSections.find(o); s != kSections.end())
            expected.push_back(s->second);
        if (o >= 0x4000 && (o - 0x4000) % 512 == 0)
            expected.push_back("Softkey Menu " + std::to_string((o - 0x4000) / 512) + ":");
        expected.push_back(expectedRow(o, image.data() + o));
    }
    for (int i = 0; i < 5; ++i)
        expected.push_back("");
    ASSERT_EQ(lines.size(), expected.size());
    ASSERT_EQ(lines.size(), 4096u + 7u + 96u + 5u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST(BlockMemoryMap, HandWrittenRowsAndHeadingOrder)
{
    auto table = zeroTable();
    const std::uint8_t row[16] = {'A', 'B', 0x01, 0xFF, 0x20, 0x1F, 0x7F, 'z',
                                  0,   0,   0,    0,    0x80, 0x10, '9',  '.'};
    for (int i = 0; i < 16; ++i)
        table->SetByte(static_cast<std::size_t>(0x4200 + i), row[i]);
    table->SetByte(21, 0x33);
    const tarvo::model::CS1_LangTable* tables[] = {table.get()};
    const auto lines = mapLines(tables, mapRequest({0}));

    auto indexOf = [&](const std::string& line) {
        return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
    };
    EXPECT_EQ(lines[0], "Table Description Structure:");
    // The map shows the image as it is: byte 21 is not the font slot of the S-records.
    EXPECT_EQ(lines[2], "000010  00 00 00 00  00 33 00 00  00 00 00 00  00 00 00 00  .....3..........");

    const std::string row4200 =
        std::string("004200  41 42 01 ff  20 1f 7f 7a  00 00 00 00  80 10 39 2e  AB.\xff ."
                    "\x7fz....\x80.9.");
    const std::size_t at = indexOf(row4200);
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at - 1], "Softkey Menu 1:");
    EXPECT_EQ(lines[at - 2].substr(0, 6), "0041f0");

    const std::size_t menus = indexOf("Softkey Menus:");
    ASSERT_LT(menus, lines.size());
    EXPECT_EQ(lines[menus + 1], "Softkey Menu 0:");
    EXPECT_EQ(lines[menus + 2].substr(0, 8), "004000  ");
    EXPECT_EQ(lines[menus - 1].substr(0, 6), "003ff0");
    EXPECT_EQ(indexOf("Softkey Menu 95:") + 33, lines.size() - 5);
}

TEST(BlockMemoryMap, EachTableRestartsAtOffsetZeroAfterFiveBlankLines)
{
    const auto a = patternTable(1, 1, 8);
    const auto b = patternTable(4, 2, 9);
    const tarvo::model::CS1_LangTable* tables[] = {a.get(), b.get()};
    DumpRequest r = mapRequest({});
    r.positions = autoSetPositions(2);
    const auto lines = mapLines(tables, r);
    const std::size_t perTable = 4096 + 7 + 96 + 5;
    ASSERT_EQ(lines.size(), 2 * perTable);
    for (std::size_t i = perTable - 5; i < perTable; ++i)
        EXPECT_EQ(lines[i], "");
    EXPECT_EQ(lines[perTable], "Table Description Structure:");
    EXPECT_EQ(lines[perTable + 1], expectedRow(0, b->Image().data()));
}
