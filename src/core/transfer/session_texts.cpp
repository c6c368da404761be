#include "transfer/session_texts.h"

#include <string>

namespace tarvo::transfer::texts {

using messages::Message;

Message internalError(int state)
{
    return Message(kInternalErrorText, {u"FSM-" + number(state)});
}

Message internalError(int state, int eventCode)
{
    std::u16string code = u"FSM-" + number(state);
    code.append(u"-").append(number(eventCode));
    return Message(kInternalErrorText, {code});
}

Message internalErrorForCode(int endCode)
{
    return Message(kInternalErrorCode, {number(endCode)});
}

Message portCannotBeOpened(int portNumber)
{
    return Message(kPortCannotBeOpened, {number(portNumber)});
}

Message blockOf(int done, int total)
{
    return Message(kBlockOf, {number(done), number(total)});
}

std::u16string twoPartVersion(int major, int minor)
{
    const std::u16string minorText = number(minor);
    return number(major) + u"." + (minor >= 0 && minor < 10 ? u"0" : u"") + minorText;
}

} // namespace tarvo::transfer::texts
