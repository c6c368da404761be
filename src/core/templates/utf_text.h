#pragma once
// UTF-8 <-> UTF-16 for file names in messages and for printing messages.
// Invalid input becomes U+FFFD; nothing is read past the end.

#include "io/message_pattern.h"

#include <string>

namespace tarvo::templates {

std::u16string utf8ToUtf16(const std::string& text);
std::string utf16ToUtf8(const std::u16string& text);
// A text in UTF-8 with each run of line breaks folded into one space and
// trailing spaces removed: a message on one line.
std::string oneLineUtf8(const std::u16string& text);
// A message's English on one line, as the tool prints it.
std::string oneLineUtf8(const messages::Message& message);

} // namespace tarvo::templates
