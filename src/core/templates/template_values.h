#pragma once
// The value rules of template fields: number conversion and justification.

#include <cstdint>
#include <optional>
#include <string>

namespace tarvo::templates {

// The value of a number field's token text (a number token or a string token
// with its quotes): every double quote removed; when a "$" is present every
// "$" removed and "0x" put in front; then read as a signed 32-bit number with
// automatic base ("0x" hexadecimal, "0" octal, otherwise decimal), leading
// white space and a sign allowed, stopping at the first character that does
// not fit (no digits give 0). Empty only when the value is out of range.
std::optional<std::int32_t> numberFieldValue(const std::u16string& tokenText);

enum class Justification { Left, Right, Centre };

// The text made exactly width characters long with blanks. A text longer than
// width keeps its first width characters: the start of a label is what
// identifies it on the keyboard's display.
std::u16string justifyText(const std::u16string& text, int width, Justification justification);

} // namespace tarvo::templates
