// Columns a text takes in a terminal: wide Hangul, CJK and fullwidth
// characters take two, so the query table's columns line up.

#include "transfer/display_width.h"

#include <gtest/gtest.h>

namespace tarvo::transfer {
namespace {

TEST(DisplayWidth, WideCharactersTakeTwoColumns)
{
    struct Case {
        const char* name;
        std::u16string text;
        int columns;
    };
    const Case cases[] = {
        {"ascii", u"English", 7},
        {"latin with accents", u"Espa\u00F1ol", 7},
        {"cyrillic", u"\u0420\u0443\u0441\u0441\u043A\u0438\u0439", 7},
        {"hangul syllables", u"\uD55C\uAD6D\uC5B4", 6},
        {"hangul jamo", u"\u1100", 2},
        {"cjk ideographs", u"\u4E2D\u6587", 4},
        {"katakana", u"\u30AB\u30CA", 4},
        {"fullwidth latin", u"\uFF21\uFF22", 4},
        {"halfwidth katakana stays narrow", u"\uFF76", 1},
        {"mixed", u"13  \uD55C\uAD6D\uC5B4 x", 12},
        {"supplementary ideograph is one wide character", u"\U00020000", 2},
        {"lone surrogate", std::u16string(1, char16_t(0xD800)), 1},
        {"empty", u"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(displayWidth(c.text), c.columns) << c.name;
}

TEST(DisplayWidth, RangeEdgesAreExact)
{
    struct Case {
        char32_t codePoint;
        int columns;
    };
    for (const Case& c : {Case{0x10FF, 1}, Case{0x1100, 2}, Case{0x115F, 2}, Case{0x1160, 1}, Case{0xABFF, 1},
                          Case{0xAC00, 2}, Case{0xD7A3, 2}, Case{0xD7A4, 1}, Case{0xFF00, 2}, Case{0xFF60, 2},
                          Case{0xFF61, 1}, Case{0x3FFFD, 2}, Case{0x40000, 1}})
        EXPECT_EQ(displayWidth(c.codePoint), c.columns) << std::hex << static_cast<unsigned>(c.codePoint);
}

TEST(DisplayWidth, PaddingCountsColumnsNotCharacters)
{
    EXPECT_EQ(padToDisplayWidth(u"abc", 6), u"abc   ");
    EXPECT_EQ(padToDisplayWidth(u"\uD55C\uAD6D", 6), u"\uD55C\uAD6D  ");
    EXPECT_EQ(padToDisplayWidth(u"\uD55C\uAD6D\uC5B4\uC5B4", 6), u"\uD55C\uAD6D\uC5B4\uC5B4");
}

} // namespace
} // namespace tarvo::transfer
