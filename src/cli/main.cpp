// tarvo: builds, inspects and transfers the language tables of a KBD-OMNIA
// keyboard from the command line.

#include "cli/cli_args.h"
#include "cli/command_table.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void printHelp()
{
    std::printf("usage: tarvo COMMAND [OPTIONS]\n\n"
                "Builds, inspects and transfers the language tables of a KBD-OMNIA keyboard.\n\n"
                "Commands:\n");
    for (const auto& c : tarvo::cli::commands())
        std::printf("  %-16s %s\n      %s\n", c.name, c.summary, c.usage);
    std::printf("\nOptions of every command: --help.\n"
                "Exit status: 0 success, 1 file or document error, 2 usage error, 3 no answer from the\n"
                "keyboard, 4 the keyboard refused or answered wrongly, 5 cancelled, 6 verify found a\n"
                "difference, 7 the serial port cannot be opened or failed during a transfer.\n");
}

} // namespace

// Set, Qt's event dispatcher is its own rather than glib's.
constexpr char kNoGlibVariable[] = "QT_NO_GLIB";

int main(int argc, char** argv)
{
    // The event loop drives the serial sessions; no display is needed. It
    // wakes for every byte of every reply: Qt's own dispatcher does a
    // wakeup in a fraction of the glib loop's work, which left a
    // transfer's host time well above the line's.
    if (!qEnvironmentVariableIsSet(kNoGlibVariable))
        qputenv(kNoGlibVariable, "1");
    const std::unique_ptr<QCoreApplication> app = tarvo::cli::makeApplication(argc, argv);
    if (argc < 2) {
        printHelp();
        return tarvo::cli::kExitUsage;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h" || first == "help") {
        printHelp();
        return 0;
    }
    if (first == "--version" || first == "-V")
        return tarvo::cli::runVersion({});
    for (const auto& c : tarvo::cli::commands()) {
        if (first == c.name) {
            std::vector<std::string> rest(argv + 2, argv + argc);
            for (const auto& a : rest) {
                if (a == "--help" || a == "-h") {
                    std::printf("usage: %s\n%s\n", c.usage, c.summary);
                    if (c.options)
                        std::printf("\n%s", c.options);
                    return 0;
                }
            }
            return c.run(rest);
        }
    }
    return tarvo::cli::usageError("unknown command '" + first + "'",
                                  "tarvo COMMAND [OPTIONS] (see tarvo --help)");
}
