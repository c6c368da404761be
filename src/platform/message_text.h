#pragma once
// A message of the Qt-free core in the editor's language: each part's English
// pattern is looked up in a translation context, then filled; nested messages
// are translated too, data never. The tool loads no translation, so it reads
// the English.
//
// A translation may keep the pattern's %d, %s and %c, filled in the English
// order, or number its arguments %1, %2 ... (as Qt does) to place them in the
// order its language needs. Either way "%%" gives "%".

#include "io/message_pattern.h"

#include <QString>
#include <QStringList>

namespace tarvo::platform {

// The translation context of the core's messages.
inline constexpr char kCoreMessagesContext[] = "CoreMessages";

QString translatedMessage(const messages::Message& message, const char* context);

// The pattern filled with args: by number where it holds %1 ... %99,
// otherwise %d, %s and %c in order. A place without its argument stays as
// written, so a missing value is seen.
QString fillPattern(const QString& pattern, const QStringList& args);

} // namespace tarvo::platform
