#include "app/command_line.h"

namespace tarvo::app {

namespace {
const QStringList kDebugFlags = {QStringLiteral("debug"), QStringLiteral("/debug"), QStringLiteral("-debug")};
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (const QString& argument : arguments) {
        if (kDebugFlags.contains(argument, Qt::CaseInsensitive))
            line.debug = true;
        else if (!argument.isEmpty())
            line.documents.append(argument);
    }
    return line;
}

} // namespace tarvo::app
