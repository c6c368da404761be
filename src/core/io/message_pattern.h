#pragma once
// The one way the core fills its message texts: each "%d", "%s" or "%c" takes
// the next argument in order, "%%" gives "%". The English pattern is also what
// the editor looks its translation up by, so the arguments are kept apart from
// it until the text is shown.

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvo::messages {

// A directive left without an argument stays as written, so a missing value is
// seen rather than silently dropped.
std::u16string format(std::u16string_view pattern, std::initializer_list<std::u16string> args);

// Decimal text of a number, for the "%d" arguments.
std::u16string number(long long value);
// ASCII text (digits, names of the system's own) as UTF-16.
std::u16string ascii(std::string_view text);

} // namespace tarvo::messages
