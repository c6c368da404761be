#pragma once
// The tool's commands: one row per command, each implemented in its own
// cmd_<name>.cpp.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QCoreApplication;

namespace tarvo::cli {

using CommandFn = int (*)(const std::vector<std::string>& args);

struct Command {
    const char* name;
    const char* usage;   // the synopsis shown by --help
    const char* summary; // one line
    CommandFn run;
    const char* options = nullptr; // what each option does, for --help; null when the usage says enough
};

std::span<const Command> commands();
// The synopsis of the named command ("" for none): the one text --help and
// the usage errors show.
const char* usageOf(std::string_view name);

// Declarations of the command entry points (one per cmd_*.cpp).
int runVersion(const std::vector<std::string>& args);
int runNew(const std::vector<std::string>& args);
int runInfo(const std::vector<std::string>& args);
int runCheckTemplate(const std::vector<std::string>& args);
int runSetEntry(const std::vector<std::string>& args);
int runQuery(const std::vector<std::string>& args);
int runDump(const std::vector<std::string>& args);
int runImport(const std::vector<std::string>& args);
int runDownload(const std::vector<std::string>& args);
int runDiff(const std::vector<std::string>& args);
int runHistory(const std::vector<std::string>& args);
int runSheet(const std::vector<std::string>& args);
// The application object a command runs under: the sheet's draws with Qt Gui
// on the offscreen platform, every other command needs only the event loop.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv);

} // namespace tarvo::cli
