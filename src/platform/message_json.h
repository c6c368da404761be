#pragma once
// A message of the system as JSON, so a stored message can be shown later in
// the reader's language: an array of parts, each either
// {"separator", "pattern", "args"} or {"separator", "data"}; an argument is
// a string (data) or an array (a message of its own).

#include "io/message_pattern.h"

#include <QJsonArray>
#include <QJsonValue>

#include <optional>

namespace tarvo::platform {

QJsonArray messageJson(const messages::Message& message);
// nullopt for a value that is no such message, or one nested or sized past
// what the system ever writes (a damaged or foreign file).
std::optional<messages::Message> messageOfJson(const QJsonValue& value);

} // namespace tarvo::platform
