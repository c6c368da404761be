#include "model/char_set_service.h"
#include "model/font_point_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace tarvo::model;

constexpr std::uint32_t kBlank = 0x20;

TEST(FontPointLines, SoftkeyLinesPerFont)
{
    for (int font = 1; font <= 7; ++font) {
        const SoftkeyLines lines = softkeyLinesOf(font);
        EXPECT_EQ(lines.lines, font == 5 || font == 7 ? 2 : 3) << font;
        EXPECT_EQ(lines.charactersPerLine, font == 5 ? 4 : 10) << font;
    }
}

TEST(FontPointLines, PositionsShowTheLineUnderItsAlignment)
{
    using Codes = std::vector<std::uint32_t>;
    const Codes b3(3, kBlank);
    EXPECT_EQ(positionCodes(1, u"ABC", 10, LineAlignment::Right),
              Codes({kBlank, kBlank, kBlank, kBlank, kBlank, kBlank, kBlank, 0x41, 0x42, 0x43}));
    EXPECT_EQ(positionCodes(1, u"AB", 5, LineAlignment::Left), Codes({0x41, 0x42, kBlank, kBlank, kBlank}));
    EXPECT_EQ(positionCodes(1, u"AB", 5, LineAlignment::Centre), Codes({kBlank, 0x41, 0x42, kBlank, kBlank}));
    EXPECT_EQ(positionCodes(5, u"\uAC00A", 4, LineAlignment::Right), Codes({kBlank, kBlank, 0x100, 0x41}));
    EXPECT_EQ(positionCodes(1, u"ABCDEFG", 3, LineAlignment::Right), Codes({0x41, 0x42, 0x43}));
    EXPECT_EQ(positionCodes(1, u"", 3, LineAlignment::Centre), b3);
}

struct PlaceCase {
    const char* name;
    int font;
    LineAlignment alignment;
    std::u16string line;
    int width, position;
    std::int64_t code;
    std::u16string expected;
};

TEST(FontPointLines, TypingACodeIntoAPosition)
{
    const PlaceCase cases[] = {
        {"right, before the text", 1, LineAlignment::Right, u"ABC", 10, 0, 0x44, u"D      ABC"},
        {"right, inside the text", 1, LineAlignment::Right, u"ABC", 10, 8, 0x58, u"AXC"},
        {"right, blank trims leading", 1, LineAlignment::Right, u"ABC", 10, 7, kBlank, u"BC"},
        {"right, blank before the text", 1, LineAlignment::Right, u"ABC", 10, 2, kBlank, u"ABC"},
        {"left, past the end", 1, LineAlignment::Left, u"AB", 10, 4, 0x5A, u"AB  Z"},
        {"left, blank at the end trims", 1, LineAlignment::Left, u"AB", 10, 1, kBlank, u"A"},
        {"centre, inside", 1, LineAlignment::Centre, u"AB", 6, 2, 0x5A, u"ZB"},
        {"centre, after", 1, LineAlignment::Centre, u"AB", 6, 5, 0x5A, u"AB Z"},
        {"centre, before", 1, LineAlignment::Centre, u"AB", 6, 0, 0x5A, u"Z AB"},
        {"centre, blank trims both", 1, LineAlignment::Centre, u"AB", 6, 2, kBlank, u"B"},
        {"font 5 Hangul code", 5, LineAlignment::Left, u"A", 4, 2, 0x101, u"A \uAC01"},
        {"font 5 right", 5, LineAlignment::Right, u"\uAC00", 4, 0, 0x470, u"\u9898  \uAC00"},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto placed = placeCode(c.font, c.line, c.width, c.alignment, c.position, c.code);
        ASSERT_TRUE(placed.has_value());
        EXPECT_EQ(*placed, c.expected);
    }
}

TEST(FontPointLines, CodesWithoutACharacterAreDropped)
{
    for (const std::int64_t code : {std::int64_t{0}, std::int64_t{0x1F}, std::int64_t{0x7F},
                                    std::int64_t{256}, std::int64_t{-5}, std::int64_t{0xBD}})
        EXPECT_FALSE(placeCode(1, u"AB", 10, LineAlignment::Left, 0, code).has_value()) << code;
    EXPECT_FALSE(placeCode(5, u"AB", 4, LineAlignment::Left, 0, 0x471).has_value());
    EXPECT_FALSE(placeCode(1, u"AB", 10, LineAlignment::Left, 10, 0x41).has_value());
    EXPECT_FALSE(placeCode(1, u"AB", 10, LineAlignment::Left, -1, 0x41).has_value());
    EXPECT_FALSE(placeCode(1, u"AB", kLongestLine + 1, LineAlignment::Left, kLongestLine, 0x41).has_value());
    EXPECT_EQ(positionCodes(1, u"AB", 0x7FFFFFFF, LineAlignment::Right).size(), std::size_t(kLongestLine));
}

TEST(FontPointLines, NothingLeavesTheField)
{
    const std::u16string lines[] = {u"", u"A", u"ABCD", u"ABCDEFGHIJ", u"ABCDEFGHIJKLMN", u" A B "};
    for (const auto alignment : {LineAlignment::Left, LineAlignment::Centre, LineAlignment::Right})
        for (const auto& line : lines)
            for (int width : {4, 10})
                for (int position = 0; position < width; ++position)
                    for (const std::int64_t code : {std::int64_t{0x41}, std::int64_t{kBlank}}) {
                        const auto placed = placeCode(1, line, width, alignment, position, code);
                        ASSERT_TRUE(placed.has_value());
                        EXPECT_LE(placed->size(), static_cast<std::size_t>(width));
                        const auto shown = positionCodes(1, *placed, width, alignment);
                        if (code != kBlank && alignment != LineAlignment::Centre &&
                            line.size() <= static_cast<std::size_t>(width)) {
                            EXPECT_EQ(shown[static_cast<std::size_t>(position)], std::uint32_t(code))
                                << static_cast<int>(alignment) << " " << position;
                        }
                    }
}

TEST(FontPointLines, TrimmingByAlignment)
{
    EXPECT_EQ(trimForAlignment(u"  A B  ", LineAlignment::Left), u"  A B");
    EXPECT_EQ(trimForAlignment(u"  A B  ", LineAlignment::Right), u"A B  ");
    EXPECT_EQ(trimForAlignment(u"  A B  ", LineAlignment::Centre), u"A B");
    EXPECT_EQ(trimForAlignment(u"   ", LineAlignment::Centre), u"");
}

} // namespace
