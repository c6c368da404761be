#pragma once
// Character classes of the template lexer, from fixed tables: the same on
// every machine and in every locale.

namespace tarvo::templates {

// Unicode general category L (Basic Multilingual Plane).
bool isLetter(char16_t c);
// 0-9 only.
inline bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
// Unicode White_Space: tab, line feed, carriage return, blank and others.
bool isWhiteSpace(char16_t c);

} // namespace tarvo::templates
