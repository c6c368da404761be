#pragma once
// The editor's command line, after Qt has taken its own options: the flag
// debug (also /debug or -debug, in any case) turns on diagnostic mode; other
// arguments not beginning with '-' are documents to open.

#include <QStringList>

namespace tarvo::app {

struct CommandLine {
    bool debug = false;
    QStringList documents;
};

CommandLine parseCommandLine(const QStringList& arguments);

} // namespace tarvo::app
