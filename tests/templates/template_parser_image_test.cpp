// Valid templates, checked byte by byte in the images they give. Expected
// bytes are written out from the layout rules.
#include "template_test_support.h"
#include "templates/template_parser.h"

#include <gtest/gtest.h>

namespace tarvo::templates {
namespace {

using test::entryOffset;
using test::imageOf;
using test::putAscii;

constexpr std::size_t kImage = 65536;

TableList parseOk(const std::vector<std::u16string>& lines, const std::u16string& eol = u"\n")
{
    CTemplateReader reader;
    TableList tables;
    const bool ok = reader.ParseTemplateData("t.LT3", test::utf16le(test::joinLines(lines, eol)), tables);
    EXPECT_TRUE(ok) << (reader.Error()
                            ? std::string(reader.Error()->fullText.begin(), reader.Error()->fullText.end())
                            : std::string());
    return tables;
}

// The image of the minimal template: header, metadata and entry 8 of menu 80.
std::vector<std::uint8_t> minimalExpectedImage()
{
    std::vector<std::uint8_t> image(kImage, 0);
    image[0] = 1;
    putAscii(image, 1, "      English       ");
    image[330] = 1; // font
    image[331] = 0; // version code: bytes 333-334 hold the version
    image[332] = 0; // not read-only
    image[333] = 1; // firmware 1.94
    image[334] = 94;
    image[335] = 0; // language ID
    const std::size_t o = entryOffset(80, 8);
    EXPECT_EQ(o, 57596u);
    putAscii(image, o, "       Pan");
    putAscii(image, o + 10, "      Left");
    putAscii(image, o + 20, "          ");
    image[o + 30] = 0;
    image[o + 31] = 2;
    image[o + 32] = 0x00;
    image[o + 33] = 0x30;
    return image;
}

TEST(TemplateParserImage, MinimalTemplateGivesExactImage)
{
    const TableList tables = parseOk(test::minimalTemplateLines());
    ASSERT_EQ(tables.size(), 1u);
    const auto& t = *tables[0];
    EXPECT_EQ(imageOf(t), minimalExpectedImage());
    EXPECT_EQ(t.GetFont(), 1);
    EXPECT_EQ(t.WindowsLanguageId(), 1033);
    EXPECT_EQ(t.FirmwareMajor(), 1);
    EXPECT_EQ(t.FirmwareMinor(), 94);
    EXPECT_EQ(t.ReadOnly(), 0);
    EXPECT_EQ(t.GetMetadataLabel(10), u"Script Menus");
    EXPECT_EQ(t.GetMenuName(80), u"Main");
    model::MenuEntryInfo info;
    info.menu = 80;
    info.entry = 8;
    t.GetMenuEntry(info);
    EXPECT_EQ(info.number, 0);
    EXPECT_EQ(info.label, u"");
    EXPECT_EQ(info.edited, 0);
    // Only the entry the template wrote has a record.
    EXPECT_EQ(t.MenuEntryInfos().size(), 1u);
}

TEST(TemplateParserImage, CarriageReturnsAndIndentationChangeNothing)
{
    std::vector<std::u16string> lines = test::minimalTemplateLines();
    for (auto& line : lines)
        line = u" \t" + line;
    const TableList tables = parseOk(lines, u"\r\n");
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(imageOf(*tables[0]), minimalExpectedImage());
}

TEST(TemplateParserImage, MenuRecordFieldsReachTheirBytes)
{
    std::vector<std::u16string> lines = test::minimalTemplateLines();
    lines[10] = u"81, 3, 77, \"cam label\", 300, 2, \"$1F35\", \"0x1234\", \"A\"\"B\", , \"ABCDEFGHIJKLM\"";
    lines.insert(lines.begin() + 11, u"95, 14, -1, , \"010\", 1, 80, , \"x\", \"yz\",");
    lines.insert(lines.begin() + 12, u"0, 1, 0, , 0, \"12abc\", -1, -2, , \"\",");
    const TableList tables = parseOk(lines);
    ASSERT_EQ(tables.size(), 1u);
    const auto& t = *tables[0];

    std::vector<std::uint8_t> image(kImage, 0);
    image[0] = 1;
    putAscii(image, 1, "      English       ");
    image[330] = 1;
    image[333] = 1;
    image[334] = 94;
    // Menu 81 entry 3 (left column): quote pair gives one quote, line 2 empty
    // by comma, an over-long line 3 keeps its first ten characters.
    std::size_t o = entryOffset(81, 3);
    putAscii(image, o, "A\"B       ");
    putAscii(image, o + 10, "          ");
    putAscii(image, o + 20, "ABCDEFGHIJ");
    image[o + 30] = 300 & 0xFF;
    image[o + 31] = 2;
    image[o + 32] = 0x1F;
    image[o + 33] = 0x35;
    image[o + 34] = 0x12;
    image[o + 35] = 0x34;
    // Menu 95 entry 14 (right column, the last entry of the image): octal
    // byte 30, no line 3 after the last comma.
    o = entryOffset(95, 14);
    EXPECT_EQ(o + 36, 65528u);
    putAscii(image, o, "         x");
    putAscii(image, o + 10, "        yz");
    putAscii(image, o + 20, "          ");
    image[o + 30] = 8;
    image[o + 31] = 1;
    image[o + 33] = 80;
    // Menu 0 entry 1: action kind from a string with trailing letters, values
    // -1 and -2 keep their low 16 bits.
    o = entryOffset(0, 1);
    EXPECT_EQ(o, 16384u);
    putAscii(image, o, "          ");
    putAscii(image, o + 10, "          ");
    putAscii(image, o + 20, "          ");
    image[o + 31] = 12;
    image[o + 32] = 0xFF;
    image[o + 33] = 0xFF;
    image[o + 34] = 0xFF;
    image[o + 35] = 0xFE;
    EXPECT_EQ(imageOf(t), image);

    model::MenuEntryInfo info;
    info.menu = 81;
    info.entry = 3;
    t.GetMenuEntry(info);
    EXPECT_EQ(info.number, 77);
    EXPECT_EQ(info.label, u"cam label");
    info = {};
    info.menu = 95;
    info.entry = 14;
    t.GetMenuEntry(info);
    EXPECT_EQ(info.number, -1);
}

TEST(TemplateParserImage, TwoByteFontWritesTwoNarrowLinesAndNoThird)
{
    std::vector<std::u16string> lines = test::minimalTemplateLines();
    lines[1] = u"2, \"Korean\", 5, 1042, 4";
    lines[10] = u"81, 3, 0, , 0, 2, 53, , \"\uAC00\", \"AB\", \"line three\"";
    lines.insert(lines.begin() + 11, u"81, 9, 0, , 0, 2, 54, , \"AB\", \"ABCDEF\",");
    const TableList tables = parseOk(lines);
    ASSERT_EQ(tables.size(), 1u);

    std::vector<std::uint8_t> image(kImage, 0);
    image[0] = 2;
    // " Korean " in eight two-byte codes, high byte first; bytes 17-20 stay 0.
    const std::string name = " Korean ";
    for (std::size_t i = 0; i < name.size(); ++i)
        image[1 + 2 * i + 1] = static_cast<std::uint8_t>(name[i]);
    image[330] = 5;
    image[333] = 1;
    image[334] = 94;
    image[335] = 4;
    std::size_t o = entryOffset(81, 3);
    // U+AC00 is code 0x100; blanks are 0x0020.
    const std::uint8_t line1[8] = {0x01, 0x00, 0x00, 0x20, 0x00, 0x20, 0x00, 0x20};
    const std::uint8_t line2[8] = {0x00, 'A', 0x00, 'B', 0x00, 0x20, 0x00, 0x20};
    for (int i = 0; i < 8; ++i) {
        image[o + i] = line1[i];
        image[o + 10 + i] = line2[i];
    }
    image[o + 31] = 2;
    image[o + 33] = 53;
    o = entryOffset(81, 9);
    const std::uint8_t right1[8] = {0x00, 0x20, 0x00, 0x20, 0x00, 'A', 0x00, 'B'};
    const std::uint8_t right2[8] = {0x00, 'A', 0x00, 'B', 0x00, 'C', 0x00, 'D'};
    for (int i = 0; i < 8; ++i) {
        image[o + i] = right1[i];
        image[o + 10 + i] = right2[i];
    }
    image[o + 31] = 2;
    image[o + 33] = 54;
    EXPECT_EQ(imageOf(*tables[0]), image);
}

TEST(TemplateParserImage, FriendlyNameIsCentredOrCut)
{
    struct Case {
        std::u16string field;
        std::string name; // the 20 bytes expected at 1-20
    };
    const Case cases[] = {
        {u"\"English\"", "      English       "},
        {u"\"\"", "                    "},
        {u"", "                    "}, // left empty before the comma
        {u"\"AB\"", "         AB         "},
        {u"\"ABC\"", "        ABC         "},
        {u"\"ABCDEFGHIJKLMNOPQRSTUVWXY\"", "ABCDEFGHIJKLMNOPQRST"},
    };
    for (const auto& c : cases) {
        std::vector<std::u16string> lines = test::minimalTemplateLines();
        lines[1] = u"1, " + c.field + u", 1, 1033, 0";
        const TableList tables = parseOk(lines);
        ASSERT_EQ(tables.size(), 1u);
        const auto image = imageOf(*tables[0]);
        EXPECT_EQ(std::string(image.begin() + 1, image.begin() + 21), c.name);
    }
}

TEST(TemplateParserImage, TableBlocksBecomeTablesInFileOrder)
{
    std::vector<std::u16string> lines = test::minimalTemplateLines();
    std::vector<std::u16string> second = test::minimalTemplateLines();
    second[1] = u"1, \"Russian\", 2, 1049, 3";
    second[7] = u"80, \"\u0413\u043B\u0430\u0432\u043D\u043E\u0435\"";
    second[10] = u"80, 3, 0, , 0, 1, 83, , \"\u041A\u0430\u043C\u0435\u0440\u044B\", , ";
    // The second block follows the first after a comment and an empty line.
    lines.pop_back();
    lines.pop_back();
    lines.push_back(u"// the second language");
    lines.push_back(u"");
    lines.insert(lines.end(), second.begin(), second.end());
    const TableList tables = parseOk(lines);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0]->GetByte(335), 0);
    EXPECT_EQ(tables[1]->GetByte(335), 3);
    EXPECT_EQ(tables[1]->GetFont(), 2);
    EXPECT_EQ(tables[1]->GetMenuName(80), u"\u0413\u043B\u0430\u0432\u043D\u043E\u0435");
    // "Камеры" in Windows-1251: CA E0 EC E5 F0 FB, then four blanks.
    const std::size_t o = entryOffset(80, 3);
    const std::uint8_t expected[10] = {0xCA, 0xE0, 0xEC, 0xE5, 0xF0, 0xFB, 0x20, 0x20, 0x20, 0x20};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(tables[1]->GetByte(o + i), expected[i]) << i;
    EXPECT_EQ(tables[1]->GetByte(o + 31), 1);
    EXPECT_EQ(tables[1]->GetByte(o + 33), 83);
}

TEST(TemplateParserImage, SuccessAppendsAfterTablesTheCallerHeld)
{
    TableList tables;
    tables.push_back(std::make_unique<model::CS1_LangTable>());
    const auto* first = tables[0].get();
    CTemplateReader reader;
    ASSERT_TRUE(reader.ParseTemplateData(
        "t.LT3", test::utf16le(test::joinLines(test::minimalTemplateLines())), tables));
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].get(), first);
    EXPECT_FALSE(reader.Error().has_value());
}

TEST(TemplateParserImage, NothingAfterTheEndKeywordIsRead)
{
    std::vector<std::u16string> lines = test::minimalTemplateLines();
    lines.push_back(u"#### not a template line \"");
    EXPECT_EQ(parseOk(lines).size(), 1u);
}

} // namespace
} // namespace tarvo::templates
