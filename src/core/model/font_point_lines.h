#pragma once
// The rules of character entry by keyboard code: the lines a softkey shows
// for a font, the code shown in each character position of a line under its
// alignment, and what typing a code into a position does to the line.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::model {

// The widest line the rules take; wider requests are cut to it (codes) or refused (placing).
inline constexpr int kLongestLine = 256;

enum class LineAlignment { Left = 0, Centre = 1, Right = 2 };

// The text lines of one softkey entry and their width in characters.
struct SoftkeyLines {
    int lines = 0;
    int charactersPerLine = 0;
};

// Font 5: 2 lines of 4 characters; font 7: 2 lines of 10; other fonts: 3 lines of 10.
SoftkeyLines softkeyLinesOf(int font);

// Blanks removed where the alignment pads: trailing (left), leading
// (right), both ends (centre).
std::u16string trimForAlignment(std::u16string_view line, LineAlignment alignment);

// The code of the character each of width positions shows, the blank's
// code where the line shows nothing. A line longer than width is cut to it.
std::vector<std::uint32_t> positionCodes(int font, std::u16string_view line, int width,
                                         LineAlignment alignment);

// The line after code was typed into position (0 to width - 1). nullopt
// when the font has no character for code (code 0 included) or the position
// lies outside the line: the code is dropped. The result never exceeds width.
std::optional<std::u16string> placeCode(int font, std::u16string_view line, int width,
                                        LineAlignment alignment, int position, std::int64_t code);

} // namespace tarvo::model
