#include "model/char_set_service.h"
#include "model/keyboard_fonts.h"
#include "model/language_characters.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace tarvo::model;

constexpr int kNoCharacter = KeyboardFonts::kNoCharacter;

struct CodeCase {
    int font;
    char16_t ch;
    std::uint32_t code; // 0: the font cannot show ch
};

// Codes written out from each font's code page (font 5: its two-byte range).
const CodeCase kCodeCases[] = {
    {1, u'A', 0x41},       {1, u'\u20AC', 0x80},  {1, u'\u00BD', 0},    {1, u'\u0416', 0},
    {2, u'\u0416', 0xC6},  {2, u'\u00E9', 0},     {3, u'\u0141', 0xA3}, {3, u'\u0416', 0},
    {4, u'\u03A9', 0xD9},  {4, u'\u0141', 0},     {5, u'A', 0x41},      {5, u'\u0141', 0xA3},
    {5, u'\uAC00', 0x100}, {5, u'\u9898', 0x470}, {5, u'\u201C', 0x93}, {5, u'\uB620', 0},
    {6, u'\u015E', 0xDE},  {6, u'\u0416', 0},     {7, u'\u0627', 0xC7}, {7, u'\uAC00', 0},
};

TEST(CharSetService, CodeOfACharacterAndBackInEveryFont)
{
    for (const CodeCase& c : kCodeCases) {
        SCOPED_TRACE(testing::Message() << "font " << c.font << " U+" << std::hex << int(c.ch));
        EXPECT_EQ(codeOf(c.font, c.ch), c.code);
        EXPECT_EQ(acceptsCharacter(c.font, c.ch), c.code != 0);
        if (c.code != 0 && c.ch != u'\u201C') {
            EXPECT_EQ(characterOf(c.font, c.code), int(c.ch));
        }
    }
}

TEST(CharSetService, CodesOutsideASetAreRefusedAndCodeZeroHasNoCharacter)
{
    for (int font = KeyboardFonts::kFirstFont; font <= KeyboardFonts::kLastFont; ++font) {
        SCOPED_TRACE(font);
        const auto count = static_cast<std::int64_t>(codeCount(font));
        EXPECT_EQ(count, font == 5 ? 1137 : 256);
        EXPECT_EQ(characterOf(font, -1), -1);
        EXPECT_EQ(characterOf(font, count), -1);
        EXPECT_EQ(characterOf(font, 0), kNoCharacter);
        EXPECT_FALSE(hasCharacter(font, 0));
        EXPECT_FALSE(hasCharacter(font, count));
        EXPECT_TRUE(hasCharacter(font, count - 1) || font != 5);
        EXPECT_EQ(codeDigits(font), font == 5 ? 4 : 3);
    }
    EXPECT_EQ(characterOf(5, 0x470), 0x9898);
    EXPECT_EQ(characterOf(5, 0x471), -1);
}

TEST(CharSetService, DigitsSetsHoldOnlyTheTenDigits)
{
    for (int font = KeyboardFonts::kFirstFont; font <= KeyboardFonts::kLastFont; ++font) {
        const int digits = digitsSetOf(font);
        SCOPED_TRACE(digits);
        EXPECT_EQ(digits, 65536 + font - 1);
        EXPECT_EQ(fontOfSet(digits), font);
        EXPECT_EQ(codeDigits(digits), codeDigits(font));
        EXPECT_EQ(codeCount(digits), codeCount(font));
        for (char16_t ch = u'0'; ch <= u'9'; ++ch)
            EXPECT_EQ(codeOf(digits, ch), std::uint32_t(ch));
        for (const char16_t ch : std::u16string(u"A -+.\u00BD\uAC00\u0661"))
            EXPECT_FALSE(acceptsCharacter(digits, ch)) << int(ch);
        EXPECT_EQ(filterForSet(digits, u"1a2 3\u0664", 10), u"123");
    }
}

TEST(CharSetService, UnknownSetsAcceptNothing)
{
    for (const int set : {0, 8, -1, 65535, 65543, 0x7FFFFFFF}) {
        EXPECT_FALSE(isKnownSet(set)) << set;
        EXPECT_EQ(codeCount(set), 0u);
        EXPECT_EQ(characterOf(set, 0x41), -1);
        EXPECT_EQ(filterForSet(set, u"ABC", 10), u"");
    }
}

struct InsertCase {
    const char* name;
    int set;
    std::u16string text;
    std::size_t selectionStart, selectionLength, limit;
    std::u16string incoming;
    std::u16string expected; // the field afterwards
    std::size_t caret;
};

TEST(CharSetService, WhatArrivesInAFieldIsFilteredAndCutToTheField)
{
    const InsertCase cases[] = {
        {"third letter missing", 1, u"", 0, 0, 10, u"AB\u0416C", u"ABC", 3},
        {"full field", 1, u"0123456789", 10, 0, 10, u"X", u"0123456789", 10},
        {"long paste cut to room", 1, u"AB", 1, 0, 5, u"xyzuvw", u"AxyzB", 4},
        {"replaces the selection", 1, u"ABCDE", 1, 3, 5, u"123456", u"A123E", 4},
        {"text up to the first NUL", 2, u"", 0, 0, 10, std::u16string(u"\u0416A\0B", 4), u"\u0416A", 2},
        {"font 5 Hangul and Latin", 5, u"", 0, 0, 4, u"\uB620\uAD6D\uB620 AB", u"\uAD6D AB", 4},
        {"font 5 drops what it lacks", 5, u"\uAC00", 1, 0, 4, u"\uB620\u0416Z", u"\uAC00Z", 2},
        {"selection past the text", 1, u"AB", 7, 9, 10, u"C", u"ABC", 3},
        {"text already over the limit", 1, u"ABCDEF", 6, 0, 4, u"G", u"ABCDEF", 6},
        {"digits only", digitsSetOf(5), u"1", 1, 0, 4, u"2x34567", u"1234", 4},
        {"nothing kept", 3, u"AB", 1, 0, 10, u"\uAC00\u0416", u"AB", 1},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(c.name);
        const FieldInsert result = insertIntoField(
            c.set, FieldState{c.text, c.selectionStart, c.selectionLength}, c.limit, c.incoming);
        EXPECT_EQ(result.text, c.expected);
        EXPECT_EQ(result.changed, c.expected != c.text);
        EXPECT_EQ(result.caret, c.caret);
        EXPECT_LE(result.text.size(), std::max(c.limit, c.text.size()));
    }
}

TEST(LanguageCharacters, ListsFollowTheLanguagesFont)
{
    const auto western = charactersUsedBy(1033);
    ASSERT_EQ(western.size(), 256u);
    EXPECT_EQ((western.size() + kCharactersPerDisplayRow - 1) / kCharactersPerDisplayRow, 26u);
    EXPECT_EQ(western[0x80], u'\u20AC');
    EXPECT_EQ(western[0], kNoCharacter);
    EXPECT_TRUE(charactersUsedBy(0).empty());
    EXPECT_EQ(charactersUsedBy(1049)[0xC6], u'\u0416');

    const struct {
        int language;
        int font;
        bool hangul;
        std::size_t size;
    } scripts[] = {{1042, 5, true, 519},
                   {2052, 5, false, 627},
                   {1028, 5, false, 623},
                   {1025, 7, false, 256},
                   {1032, 4, false, 256}};
    for (const auto& s : scripts) {
        const auto list = charactersUsedBy(s.language);
        SCOPED_TRACE(s.language);
        EXPECT_EQ(list.size(), s.size);
        bool hasHangul = false;
        for (const char16_t ch : list) {
            if (ch != kNoCharacter) {
                EXPECT_TRUE(acceptsCharacter(s.font, ch)) << int(ch);
            }
            hasHangul = hasHangul || (ch >= 0xAC00 && ch <= 0xD7A3);
        }
        EXPECT_EQ(hasHangul, s.hangul);
    }
}

} // namespace
