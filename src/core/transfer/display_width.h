#pragma once
// How many columns a text takes in a fixed-pitch terminal: East Asian wide
// and fullwidth characters (Hangul, CJK, fullwidth forms) take two, every
// other character one. Used to line up the columns of the query table.

#include <cstddef>
#include <string>

namespace tarvo::transfer {

// Columns of one code point.
int displayWidth(char32_t codePoint);
// Columns of a UTF-16 text; a surrogate pair is one code point, a lone
// surrogate one column.
int displayWidth(const std::u16string& text);
// text followed by blanks up to width columns (unchanged when already wider).
std::u16string padToDisplayWidth(const std::u16string& text, int width);

} // namespace tarvo::transfer
