#pragma once
// A program the tests and benchmarks start in the background (the simulated
// keyboard, a network serial server) with its output in files, ended with
// the test.

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tarvo::test {

class ChildProcess {
public:
    static constexpr int kStopTimeoutMs = 10000;

    ChildProcess() = default;
    ~ChildProcess() { stop(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts args[0] with its standard output in outputPath and its errors
    // in outputPath + ".err"; false when it could not be started.
    bool start(std::vector<std::string> args, const std::string& outputPath);
    // SIGTERM, then SIGKILL if it has not ended in kStopTimeoutMs. Its exit
    // status, or -1 when it was not running or did not exit by itself.
    int stop();
    bool running() const { return m_pid > 0; }

private:
    pid_t m_pid = 0;
};

// Polls ready until it holds or timeoutMs passed; whether it held. For what
// another process or the event loop makes (a link, a listening port, a
// reply), never for timing. With a QCoreApplication its events run while it
// waits.
bool waitUntil(const std::function<bool()>& ready, int timeoutMs);

} // namespace tarvo::test
