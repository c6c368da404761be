#pragma once
// Small text helpers for the serial area's messages.

#include <string>
#include <string_view>

namespace tarvo::serial {

// Widens ASCII text (device paths, numbers) to the core's text type.
inline std::u16string toU16(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

inline std::u16string toU16(int value)
{
    return toU16(std::to_string(value));
}

// Fills the first "%d" with first and the second with second.
std::u16string formatBounds(std::u16string_view pattern, int first, int second);

} // namespace tarvo::serial
