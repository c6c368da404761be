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

// Above the value of every digit, in any base up to 36.
inline constexpr int kNotADigit = 36;
// The value of c as a digit (0-9, then a-z or A-Z from 10), else kNotADigit.
inline int digitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'Z')
        return c - u'A' + 10;
    return kNotADigit;
}

} // namespace tarvo::templates
