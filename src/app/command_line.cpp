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
        // Options this program does not know are not file names.
        else if (!argument.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            line.documents.append(argument);
    }
    return line;
}

} // namespace tarvo::app
