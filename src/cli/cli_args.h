#pragma once
// Small argument reader shared by the commands: options "--name value",
// "--flag", and positional arguments, with usage errors as results.

#include <optional>
#include <string>
#include <vector>

namespace tarvo::cli {

// Exit statuses of every command (see the README).
enum ExitStatus : int {
    kExitOk = 0,
    kExitFileError = 1,
    kExitUsage = 2,
    kExitNoAnswer = 3,
    kExitRefused = 4,
    kExitCancelled = 5,
    kExitVerifyFailed = 6,
    kExitPortError = 7,
};

class Args {
public:
    // flags: options that take no value; valued: options that take one.
    Args(std::vector<std::string> argv, std::vector<std::string> flags, std::vector<std::string> valued);

    bool ok() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }

    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    // Every value of an option given more than once, in command-line order.
    std::vector<std::string> values(const std::string& name) const;
    const std::vector<std::string>& positional() const { return m_positional; }

private:
    std::vector<std::string> m_positional;
    std::vector<std::pair<std::string, std::string>> m_options;
    std::string m_error;
};

// Prints "tarvo: <what>: <reason>" on standard error and returns status.
int fail(int status, const std::string& what, const std::string& reason);
// Prints a usage error and the command's usage line; returns kExitUsage.
int usageError(const std::string& message, const std::string& usage);

} // namespace tarvo::cli
