#include "model/keyboard_fonts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using tarvo::model::KeyboardFonts;

constexpr char16_t kNone = KeyboardFonts::kNoCharacter;
constexpr int kFont5 = 5;
constexpr std::uint32_t kFont5Codes = 1137;

const KeyboardFonts& fonts()
{
    return KeyboardFonts::instance();
}

bool isHangulSyllable(char16_t ch)
{
    return ch >= 0xAC00 && ch <= 0xD7A3;
}

bool isCjkIdeograph(char16_t ch)
{
    return ch >= 0x4E00 && ch <= 0x9FFF;
}

class EveryFont : public testing::TestWithParam<int> {};

TEST_P(EveryFont, EveryCharacterRoundTripsToItsLowestCode)
{
    const int font = GetParam();
    const auto chars = fonts().characters(font);
    ASSERT_EQ(chars.size(), fonts().codeCount(font));
    int withCharacter = 0;
    for (std::uint32_t code = 0; code < chars.size(); ++code) {
        const char16_t ch = fonts().toUnicode(font, code);
        ASSERT_EQ(ch, chars[code]);
        if (ch == kNone)
            continue;
        ++withCharacter;
        std::uint32_t lowest = code;
        for (std::uint32_t earlier = 0; earlier < code; ++earlier)
            if (chars[earlier] == ch) {
                lowest = earlier;
                break;
            }
        EXPECT_EQ(fonts().toDevice(font, ch), lowest) << "font " << font << " code 0x" << std::hex << code;
    }
    EXPECT_GT(withCharacter, 0x5E);
}

TEST_P(EveryFont, CodesBelowSpaceAndDeleteHaveNoCharacter)
{
    const int font = GetParam();
    for (std::uint32_t code = 0; code < 0x20; ++code)
        EXPECT_EQ(fonts().toUnicode(font, code), kNone) << code;
    EXPECT_EQ(fonts().toUnicode(font, 0x7F), kNone);
    EXPECT_EQ(fonts().toUnicode(font, static_cast<std::uint32_t>(fonts().codeCount(font))), kNone);
    EXPECT_EQ(fonts().toUnicode(font, 0xFFFFFFFFu), kNone);
}

TEST_P(EveryFont, NoCharacterAndUnknownCharactersBecomeCodeZero)
{
    const int font = GetParam();
    EXPECT_EQ(fonts().toDevice(font, kNone), 0u);
    EXPECT_EQ(fonts().toDevice(font, u'\u0000'), 0u);
    EXPECT_EQ(fonts().toDevice(font, u'\x7F'), 0u);
    EXPECT_EQ(fonts().toDevice(font, u'\uE000'), 0u); // private use
    EXPECT_EQ(fonts().toDevice(font, u'A'), 0x41u);
}

TEST_P(EveryFont, DigitsTableHoldsOnlyTheDigits)
{
    const int font = GetParam();
    const int digits = KeyboardFonts::kDigitsTableBase + font - 1;
    ASSERT_EQ(fonts().codeCount(digits), fonts().codeCount(font));
    for (std::uint32_t code = 0; code < fonts().codeCount(digits); ++code) {
        const bool isDigit = code >= 0x30 && code <= 0x39;
        EXPECT_EQ(fonts().toUnicode(digits, code),
                  isDigit ? static_cast<char16_t>(u'0' + (code - 0x30)) : kNone)
            << "code 0x" << std::hex << code;
    }
    EXPECT_EQ(fonts().toDevice(digits, u'7'), 0x37u);
    EXPECT_EQ(fonts().toDevice(digits, u'A'), 0u);
}

INSTANTIATE_TEST_SUITE_P(Fonts, EveryFont, testing::Range(1, 8),
                         [](const auto& info) { return "Font" + std::to_string(info.param); });

TEST(KeyboardFonts, UnknownTableNumbersHaveNoCodes)
{
    for (int table :
         {-1, 0, 8, 0xFFFF, KeyboardFonts::kDigitsTableBase - 1, KeyboardFonts::kDigitsTableBase + 7}) {
        EXPECT_EQ(fonts().codeCount(table), 0u) << table;
        EXPECT_TRUE(fonts().characters(table).empty()) << table;
        EXPECT_EQ(fonts().toUnicode(table, 0x41), kNone) << table;
        EXPECT_EQ(fonts().toDevice(table, u'A'), 0u) << table;
    }
}

TEST(KeyboardFonts, OneByteFontsHave256CodesAndFont5Has1137)
{
    for (int font = 1; font <= 7; ++font)
        EXPECT_EQ(fonts().codeCount(font), font == kFont5 ? kFont5Codes : 256u) << font;
}

TEST(KeyboardFonts, Font1LeavesOutTheVulgarFractions)
{
    for (char16_t fraction : {u'\u00BC', u'\u00BD', u'\u00BE'})
        EXPECT_EQ(fonts().toDevice(1, fraction), 0u);
    EXPECT_EQ(fonts().toDevice(1, u'\u00E9'), 0xE9u);
}

TEST(KeyboardFonts, Font5HighHalfFollowsItsLayout)
{
    EXPECT_EQ(fonts().toUnicode(kFont5, 0x100), u'\uAC00');
    EXPECT_EQ(fonts().toUnicode(kFont5, 0x22C), u'\u201C');
    EXPECT_EQ(fonts().toUnicode(kFont5, 0x22D), u'\u201D');
    EXPECT_EQ(fonts().toUnicode(kFont5, 0x470), u'\u9898');
    EXPECT_EQ(fonts().toUnicode(kFont5, 0x471), kNone);

    // Hangul: 0x100-0x22B and 0x22E onwards, one ascending run of 305.
    std::u16string hangul;
    std::u16string ideographs;
    for (std::uint32_t code = 0x100; code < kFont5Codes; ++code) {
        if (code == 0x22C || code == 0x22D)
            continue;
        const char16_t ch = fonts().toUnicode(kFont5, code);
        if (isHangulSyllable(ch)) {
            EXPECT_TRUE(ideographs.empty()) << "Hangul after the ideographs at 0x" << std::hex << code;
            hangul.push_back(ch);
        } else {
            ASSERT_TRUE(isCjkIdeograph(ch)) << "code 0x" << std::hex << code;
            ideographs.push_back(ch);
        }
    }
    EXPECT_EQ(hangul.size(), 305u);
    EXPECT_EQ(ideographs.size(), 574u);
    EXPECT_TRUE(isHangulSyllable(fonts().toUnicode(kFont5, 0x22B)));
    EXPECT_TRUE(isHangulSyllable(fonts().toUnicode(kFont5, 0x22E)));
    for (std::size_t i = 1; i < hangul.size(); ++i)
        EXPECT_LT(hangul[i - 1], hangul[i]) << i;
    // U+9898 ends them, wherever it falls in Unicode order.
    for (std::size_t i = 1; i + 1 < ideographs.size(); ++i)
        EXPECT_LT(ideographs[i - 1], ideographs[i]) << i;
}

TEST(KeyboardFonts, Font5WritesTheLowerCodeOfTheCurvedQuotes)
{
    // Windows-1250 has the quotes at 0x93 and 0x94 too.
    EXPECT_EQ(fonts().toUnicode(kFont5, 0x93), u'\u201C');
    EXPECT_EQ(fonts().toUnicode(kFont5, 0x94), u'\u201D');
    EXPECT_EQ(fonts().toDevice(kFont5, u'\u201C'), 0x93u);
    EXPECT_EQ(fonts().toDevice(kFont5, u'\u201D'), 0x94u);
    EXPECT_EQ(fonts().toDevice(kFont5, u'\uAC00'), 0x100u);
    EXPECT_EQ(fonts().toDevice(kFont5, u'\u9898'), 0x470u);
}

} // namespace
