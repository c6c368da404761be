#include "lang_table_fixture.h"

namespace tarvo::model {
namespace {

using testing_support::kMarker;
using testing_support::LangTableTest;

// Ten letters from a base, in one-byte codes and as text.
std::u16string letters(char16_t first, int count)
{
    std::u16string text;
    for (int i = 0; i < count; ++i)
        text.push_back(static_cast<char16_t>(first + i));
    return text;
}

void expectCodes(const CS1_LangTable& table, std::size_t offset, const std::u16string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        EXPECT_EQ(table.GetByte(offset + i), text[i]) << "byte " << offset + i;
}

TEST_F(LangTableTest, LastProductEndsAtByte329)
{
    fillImage(kMarker);
    table.SetFont(1);
    const Product product{letters(u'A', 12), letters(u'a', 10), 0x1F7, 9};
    table.SetProduct(13, product);
    const std::size_t p = 22 * 14;
    EXPECT_EQ(p + 21, 329u);
    expectCodes(table, p, letters(u'A', 10));
    expectCodes(table, p + 10, letters(u'a', 10));
    EXPECT_EQ(table.GetByte(p + 20), 0xF7);
    EXPECT_EQ(table.GetByte(p + 21), 9);
    EXPECT_TRUE(allMarker(0, p));
    EXPECT_TRUE(allMarker(330, 65536));
    const Product read = table.GetProduct(13);
    EXPECT_EQ(read.text1, letters(u'A', 10));
    EXPECT_EQ(read.text2, letters(u'a', 10));
    EXPECT_EQ(read.value1, 0xF7);
    EXPECT_EQ(read.value2, 9);
}

TEST_F(LangTableTest, Font5ProductWritesOnlyItsFirstText)
{
    fillImage(kMarker);
    table.SetFont(5);
    const std::size_t p = 22;
    table.SetProduct(0, Product{u"ABCDEF", u"XYZ", 1, 2});
    const int expected[] = {0, 'A', 0, 'B', 0, 'C', 0, 'D'};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(table.GetByte(p + i), expected[i]) << i;
    EXPECT_TRUE(allMarker(p + 8, p + 20));
    EXPECT_EQ(table.GetByte(p + 20), 1);
    EXPECT_EQ(table.GetByte(p + 21), 2);
    // The second text reads whatever p+10 ... p+17 hold.
    const std::uint8_t second[] = {0, 'Q', 0x01, 0x00, 0, 0};
    std::copy(std::begin(second), std::end(second), table.MutableImage().begin() + p + 10);
    const Product read = table.GetProduct(0);
    EXPECT_EQ(read.text1, u"ABCD");
    EXPECT_EQ(read.text2, u"Q\uAC00");
}

TEST_F(LangTableTest, MiscStringsAtTheEndsOfTheirRegions)
{
    fillImage(kMarker);
    table.SetFont(1);
    table.Misc20Info().resize(153);
    table.Misc10Info().resize(51);
    MiscStringInfo info{7, 20, 'R', 2, 1, u"label"};
    EXPECT_TRUE(table.SetMisc20(152, letters(u'A', 20), info));
    EXPECT_TRUE(table.SetMisc10(50, letters(u'a', 10), info));
    // 20-character string 152 ends at 3571, 10-character string 50 at 4093.
    expectCodes(table, 512 + 20 * 152, letters(u'A', 20));
    expectCodes(table, 3584 + 10 * 50, letters(u'a', 10));
    EXPECT_TRUE(allMarker(0, 3552));
    EXPECT_TRUE(allMarker(3572, 4084));
    EXPECT_TRUE(allMarker(4094, 65536));
    std::u16string text;
    MiscStringInfo read;
    ASSERT_TRUE(table.GetMisc20(152, text, read));
    EXPECT_EQ(text, letters(u'A', 20));
    EXPECT_EQ(read.firstValue, 7);
    EXPECT_EQ(read.justification, 'R');
    EXPECT_EQ(read.label, u"label");
    ASSERT_TRUE(table.GetMisc10(50, text, read));
    EXPECT_EQ(text, letters(u'a', 10));
}

TEST_F(LangTableTest, Font5MiscStringsUseTheNarrowWidths)
{
    fillImage(kMarker);
    table.SetFont(5);
    table.Misc20Info().resize(1);
    table.Misc10Info().resize(1);
    EXPECT_TRUE(table.SetMisc20(0, letters(u'A', 20), {}));
    EXPECT_TRUE(table.SetMisc10(0, letters(u'a', 10), {}));
    EXPECT_TRUE(allMarker(512 + 16, 532));
    EXPECT_TRUE(allMarker(3584 + 8, 3594));
    std::u16string text;
    MiscStringInfo info;
    table.GetMisc20(0, text, info);
    EXPECT_EQ(text, letters(u'A', 8));
    table.GetMisc10(0, text, info);
    EXPECT_EQ(text, letters(u'a', 4));
}

TEST_F(LangTableTest, MiscStringWithoutInfoEntryReportsIt)
{
    table.SetFont(1);
    table.Misc20Info().resize(2);
    MiscStringInfo info;
    info.label = u"untouched";
    std::u16string text;
    EXPECT_FALSE(table.GetMisc20(2, text, info));
    EXPECT_EQ(info.label, u"untouched");
    EXPECT_FALSE(table.GetMisc20(-1, text, info));
    EXPECT_FALSE(table.GetMisc10(0, text, info));
    // The setters never grow the side arrays.
    EXPECT_FALSE(table.SetMisc20(5, u"text", info));
    EXPECT_FALSE(table.SetMisc10(0, u"text", info));
    EXPECT_EQ(table.Misc20Info().size(), 2u);
    EXPECT_TRUE(table.Misc10Info().empty());
    EXPECT_EQ(table.ReadText(20, 512 + 20 * 5), u"text");
}

TEST_F(LangTableTest, LastErrorMessageFillsItsRecord)
{
    fillImage(kMarker);
    table.SetFont(1);
    table.ErrorMessageNames().resize(93);
    ErrorMessage message{{1, 2, 0x103, 4}, letters(u'A', 20), letters(u'a', 25)};
    EXPECT_TRUE(table.SetErrorMessage(92, message, u"Timeout"));
    const std::size_t e = 4096 + 44 * 92;
    EXPECT_EQ(e + 43, 8187u);
    EXPECT_EQ(table.GetByte(e + 2), 3);
    expectCodes(table, e + 4, letters(u'A', 20));
    expectCodes(table, e + 24, letters(u'a', 20));
    EXPECT_TRUE(allMarker(0, e));
    EXPECT_TRUE(allMarker(e + 44, 65536));
    ErrorMessage read;
    std::u16string name;
    table.GetErrorMessage(92, read, name);
    EXPECT_EQ(read.values[0], 1);
    EXPECT_EQ(read.values[2], 3);
    EXPECT_EQ(read.values[3], 4);
    EXPECT_EQ(read.line1, letters(u'A', 20));
    EXPECT_EQ(read.line2, letters(u'a', 20));
    EXPECT_EQ(name, u"Timeout");
}

TEST_F(LangTableTest, Font5ErrorMessageHasOneLine)
{
    fillImage(kMarker);
    table.SetFont(5);
    table.ErrorMessageNames().resize(1);
    EXPECT_TRUE(table.SetErrorMessage(0, ErrorMessage{{}, letters(u'A', 10), u"second"}, u"n"));
    EXPECT_TRUE(allMarker(4096 + 20, 4096 + 44));
    ErrorMessage read;
    std::u16string name;
    table.GetErrorMessage(0, read, name);
    EXPECT_EQ(read.line1, letters(u'A', 8));
    EXPECT_TRUE(read.line2.empty());
}

TEST_F(LangTableTest, NamesOutsideTheirListsAreEmptyAndNotStored)
{
    table.SetFont(1);
    ErrorMessage message{{9, 0, 0, 0}, u"Line", u""};
    EXPECT_FALSE(table.SetErrorMessage(3, message, u"lost"));
    EXPECT_TRUE(table.ErrorMessageNames().empty());
    EXPECT_EQ(table.GetByte(4096 + 44 * 3), 9); // the image part is written
    std::u16string name = u"x";
    ErrorMessage read;
    table.GetErrorMessage(3, read, name);
    EXPECT_TRUE(name.empty());
    EXPECT_FALSE(table.SetUserFunction(0, UserFunction{}, u"lost"));
    UserFunction function;
    name = std::u16string(u"x");
    table.GetUserFunction(0, function, name);
    EXPECT_TRUE(name.empty());
}

TEST_F(LangTableTest, LastUserFunctionEndsWhereTheMenusBegin)
{
    fillImage(kMarker);
    table.SetFont(1);
    table.UserFunctionNames().resize(128);
    UserFunction function{{5, 6, 7, 8}, letters(u'A', 20), letters(u'a', 20), letters(u'0', 3)};
    EXPECT_TRUE(table.SetUserFunction(127, function, u"Preset"));
    const std::size_t u = 8192 + 64 * 127;
    EXPECT_EQ(u + 64, 16384u);
    expectCodes(table, u + 4, letters(u'A', 20));
    expectCodes(table, u + 24, letters(u'a', 20));
    expectCodes(table, u + 44, letters(u'0', 3));
    EXPECT_EQ(table.GetByte(u + 47), 0);
    EXPECT_EQ(table.GetByte(u + 63), 0);
    EXPECT_TRUE(allMarker(0, u));
    EXPECT_TRUE(allMarker(16384, 65536));
    UserFunction read;
    std::u16string name;
    table.GetUserFunction(127, read, name);
    EXPECT_EQ(read.values[3], 8);
    EXPECT_EQ(read.text1, letters(u'A', 20));
    EXPECT_EQ(read.text3, u"012");
    EXPECT_EQ(name, u"Preset");
}

TEST_F(LangTableTest, Font5UserFunctionTextsAreEightCharacters)
{
    fillImage(kMarker);
    table.SetFont(5);
    table.UserFunctionNames().resize(1);
    table.SetUserFunction(0, UserFunction{{}, letters(u'A', 9), letters(u'B', 9), letters(u'C', 9)}, u"");
    for (std::size_t text : {4u, 24u, 44u})
        EXPECT_TRUE(allMarker(8192 + text + 16, 8192 + text + 20)) << text;
    UserFunction read;
    std::u16string name;
    table.GetUserFunction(0, read, name);
    EXPECT_EQ(read.text2, letters(u'B', 8));
}

} // namespace
} // namespace tarvo::model
