#pragma once
// A program run to its end, with what it printed and its exit status.

#include <string>
#include <vector>

namespace tarvo::test {

// Only a guard against a program that hangs: a full download under the
// sanitizers on a loaded machine has taken over two minutes. ctest's own
// time-out of a case (900 s) stays the last word.
inline constexpr int kRunTimeoutMs = 600000;

struct RunResult {
    int status = -1;    // the exit code, or -1 when it crashed or did not end
    bool ended = false; // false: it did not start, or was ended after the time-out
    std::string out;
    std::string err;
};

// Runs program with args in workingDirectory and waits for it to end; one
// that runs longer than timeoutMs is killed.
RunResult runToEnd(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workingDirectory, int timeoutMs = kRunTimeoutMs);

// The path of a program of this build (build/bin/name).
std::string builtProgram(const std::string& name);

} // namespace tarvo::test
