// The row a query shows for a slot, from its identifying bytes.

#include "model/keyboard_fonts.h"
#include "transfer/table_info_row.h"

#include <gtest/gtest.h>

namespace tarvo::transfer {
namespace {

using model::KeyboardFonts;
using serial::TableInfoBlock;

// Writes name into bytes 1-20 in the font's codes (two bytes, high first, in font 5).
TableInfoBlock blockWithName(const std::u16string& name, int font, std::uint8_t padding = 0)
{
    TableInfoBlock info;
    info.bytes[0] = 3;
    for (int i = 1; i <= 20; ++i)
        info.bytes[static_cast<std::size_t>(i)] = padding;
    const int width = KeyboardFonts::bytesPerCharacter(font);
    std::size_t at = 1;
    for (char16_t c : name) {
        const std::uint32_t code = KeyboardFonts::instance().toDevice(font, c);
        if (width == 2)
            info.bytes[at++] = static_cast<std::uint8_t>(code >> 8);
        info.bytes[at++] = static_cast<std::uint8_t>(code);
    }
    info.bytes[42] = static_cast<std::uint8_t>(font);
    info.bytes[47] = 9;
    return info;
}

TEST(TableInfoRow, PresentTableShowsItsFields)
{
    auto info = blockWithName(u"  English US", 1, 0x20);
    info.bytes[43] = 0;
    info.bytes[45] = 1;
    info.bytes[46] = 94;
    const TableInfoRow row = makeTableInfoRow(4, info);
    EXPECT_TRUE(row.present);
    EXPECT_EQ(row.description, u"4  English US");
    EXPECT_EQ(row.schemaText, u"3");
    EXPECT_EQ(row.fontText, u"1");
    EXPECT_EQ(row.versionText, u"1.94");
    EXPECT_EQ(row.languageIdText, u"9");
    EXPECT_EQ(row.friendlyName, u"English US");
}

TEST(TableInfoRow, SlotsWithoutATableShowPlaceholders)
{
    struct Case {
        std::uint8_t firstByte;
        const char16_t* description;
    };
    for (const Case& c : {Case{0x00, u"2  ( empty )"}, Case{0xFF, u"2  ( flashed clear )"}}) {
        TableInfoBlock info;
        info.bytes.fill(0x41);
        info.bytes[0] = c.firstByte;
        const TableInfoRow row = makeTableInfoRow(2, info);
        EXPECT_FALSE(row.present);
        EXPECT_EQ(row.description, c.description);
        EXPECT_EQ(row.schemaText, u"-");
        EXPECT_EQ(row.fontText, u"-");
        EXPECT_EQ(row.versionText, u"-----");
        EXPECT_EQ(row.languageIdText, u"-");
    }
}

TEST(TableInfoRow, VersionComesFromTheCodeUnlessItIsZero)
{
    struct Case {
        int code, major, minor;
        const char16_t* expected;
    };
    const Case cases[] = {
        {1, 7, 7, u"1.02"},      {2, 7, 7, u"1.03"},  {3, 1, 94, u"1.10"}, {4, 1, 94, u"-1.-1"},
        {0xFF, 1, 94, u"-1.-1"}, {0, 1, 94, u"1.94"}, {0, 2, 5, u"2.05"},  {0, 1, 140, u"1.140"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tableVersionText(c.code, c.major, c.minor), c.expected) << c.code << " " << c.major;
}

TEST(TableInfoRow, TwoByteFontNameHasEightCharacters)
{
    // Font 5 holds 8 two-byte characters in the 20 name bytes; the rest is ignored.
    const std::u16string name = u"ABCDEFGH";
    auto info = blockWithName(name, 5);
    info.bytes[17] = 0x00;
    info.bytes[18] = static_cast<std::uint8_t>(KeyboardFonts::instance().toDevice(5, u'Z'));
    const TableInfoRow row = makeTableInfoRow(1, info);
    const std::u16string expected = [&] {
        std::u16string s;
        for (char16_t c : name)
            s += KeyboardFonts::instance().toUnicode(5, KeyboardFonts::instance().toDevice(5, c));
        return s;
    }();
    EXPECT_EQ(row.friendlyName, expected);
    EXPECT_EQ(row.friendlyName.size(), 8u);
}

TEST(TableInfoRow, NameEndsAtTheFirstZeroCode)
{
    auto info = blockWithName(u"Dansk", 1);
    info.bytes[10] = static_cast<std::uint8_t>(KeyboardFonts::instance().toDevice(1, u'X'));
    EXPECT_EQ(makeTableInfoRow(1, info).friendlyName, u"Dansk");
}

TEST(TableInfoRow, FontTheKeyboardDoesNotHaveShowsAQuestionMark)
{
    struct Case {
        int font;
        const char16_t* fontText;
    };
    for (const Case& c : {Case{0, u"0"}, Case{8, u"8"}, Case{0xFF, u"255"}}) {
        auto info = blockWithName(u"Name", 1);
        info.bytes[42] = static_cast<std::uint8_t>(c.font);
        const TableInfoRow row = makeTableInfoRow(1, info);
        EXPECT_EQ(row.friendlyName, u"?") << c.font;
        EXPECT_EQ(row.fontText, c.fontText);
        EXPECT_EQ(row.description, u"1  ?");
    }
}

} // namespace
} // namespace tarvo::transfer
