#include "app/command_line.h"

#include <QString>

namespace tarvo::app {

namespace {
const QStringList kDebugFlags = {QStringLiteral("debug"), QStringLiteral("/debug"), QStringLiteral("-debug")};
}

CommandLine parseCommandLine(const QByteArrayList& arguments)
{
    CommandLine line;
    for (const QByteArray& argument : arguments) {
        if (kDebugFlags.contains(QString::fromLatin1(argument), Qt::CaseInsensitive))
            line.debug = true;
        // Options this program does not know are not file names.
        else if (!argument.isEmpty() && !argument.startsWith('-'))
            line.documents.append(argument);
    }
    return line;
}

} // namespace tarvo::app
