#include "transfer/session_texts.h"

#include <string>

namespace tarvo::transfer::texts {

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
