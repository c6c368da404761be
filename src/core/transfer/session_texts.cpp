#include "transfer/session_texts.h"

#include <string>

namespace tarvo::transfer::texts {

std::u16string ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

std::u16string number(long long value)
{
    return ascii(std::to_string(value));
}

std::u16string format(std::u16string_view pattern, std::initializer_list<std::u16string> args)
{
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i];
        if (c == u'%' && i + 1 < pattern.size()) {
            const char16_t d = pattern[i + 1];
            if (d == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            if (d == u'd' || d == u's') {
                if (next != args.end())
                    out += *next++;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::u16string internalError(int state)
{
    return format(kInternalErrorText, {u"FSM-" + number(state)});
}

std::u16string internalError(int state, int eventCode)
{
    return format(kInternalErrorText, {u"FSM-" + number(state) + u"-" + number(eventCode)});
}

std::u16string internalErrorForCode(int endCode)
{
    return format(kInternalErrorCode, {number(endCode)});
}

std::u16string portCannotBeOpened(int portNumber)
{
    return format(kPortCannotBeOpened, {number(portNumber)});
}

std::u16string blockOf(int done, int total)
{
    return format(kBlockOf, {number(done), number(total)});
}

std::u16string twoPartVersion(int major, int minor)
{
    const std::u16string minorText = number(minor);
    return number(major) + u"." + (minor >= 0 && minor < 10 ? u"0" : u"") + minorText;
}

} // namespace tarvo::transfer::texts
