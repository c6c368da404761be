#include "io/message_pattern.h"

#include <string>

namespace tarvo::messages {

std::u16string format(std::u16string_view pattern, std::initializer_list<std::u16string> args)
{
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i];
        if (c != u'%' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char16_t directive = pattern[i + 1];
        if (directive == u'%') {
            out += u'%';
            ++i;
        } else if ((directive == u'd' || directive == u's' || directive == u'c') && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::u16string ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

std::u16string number(long long value)
{
    return ascii(std::to_string(value));
}

} // namespace tarvo::messages
