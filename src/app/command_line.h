#pragma once
// The editor's command line, after Qt has taken its own options: the flag
// debug (also /debug or -debug, in any case) turns on diagnostic mode; other
// arguments not beginning with '-' are documents to open. Arguments are the
// bytes of argv: a file name need not be valid text in any encoding, and it
// reaches the file system as it came.

#include <QByteArrayList>

namespace tarvo::app {

struct CommandLine {
    bool debug = false;
    QByteArrayList documents; // file names as bytes
};

CommandLine parseCommandLine(const QByteArrayList& arguments);

} // namespace tarvo::app
