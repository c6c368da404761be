#pragma once
// For the tests that reach tarvo-kbdsim through a network serial server:
// Debian's ser2net with an RFC 2217 accepter on 127.0.0.1 at a free port, in
// front of a device (the simulator's pseudo-terminal).

#include "testkit/child_process.h"

#include <string>

namespace tarvo::test {

class Ser2NetServer {
public:
    // Its configuration and output go to directory.
    explicit Ser2NetServer(std::string directory);
    ~Ser2NetServer();
    Ser2NetServer(const Ser2NetServer&) = delete;
    Ser2NetServer& operator=(const Ser2NetServer&) = delete;

    // True once it listens. Without rfc2217 the accepter is plain Telnet,
    // a server that does not offer COM Port Control.
    bool start(const std::string& device, bool rfc2217 = true);
    void stop();

    // "rfc2217://127.0.0.1:PORT"
    std::string address() const;
    int port() const { return m_port; }

    // A TCP port on 127.0.0.1 where nothing listens now.
    static int freePort();

private:
    std::string m_directory;
    int m_port = 0;
    ChildProcess m_process;
};

} // namespace tarvo::test
