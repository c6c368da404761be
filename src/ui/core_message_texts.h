#pragma once
// The messages of the Qt-free core in the editor's language. The core hands
// over each message as its English pattern and its arguments; the editor
// translates the pattern, then fills it (arguments that are messages
// themselves are translated too, data never). A pattern without a
// translation is shown in English.

#include "io/message_pattern.h"

#include <QString>

#include <string_view>

namespace tarvo::ui {

QString translatedCoreMessage(const messages::Message& message);
// A fixed text of the core (a list's choice, a title), translated.
QString translatedCoreText(std::u16string_view text);
// The pattern has its place in the editor's table of the core's patterns.
bool isTranslatedCorePattern(std::u16string_view pattern);

} // namespace tarvo::ui
