#include "testkit/ser2net_server.h"

#include <arpa/inet.h>
#include <cstdio>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvo::test {

namespace {

constexpr const char* kSer2Net = "/usr/sbin/ser2net";
constexpr int kListenWaitMs = 10000;
constexpr const char* kTcpListenState = "0A";

// Whether something listens on 127.0.0.1:port, from the kernel's table
// (connecting to find out would take the server's one client place).
bool listening(int port)
{
    char local[32];
    std::snprintf(local, sizeof local, "0100007F:%04X", port);
    std::ifstream table("/proc/net/tcp");
    std::string line;
    std::getline(table, line); // the heading
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, address, remote, state;
        if (fields >> slot >> address >> remote >> state && address == local && state == kTcpListenState)
            return true;
    }
    return false;
}

} // namespace

Ser2NetServer::Ser2NetServer(std::string directory) : m_directory(std::move(directory)) {}

Ser2NetServer::~Ser2NetServer()
{
    stop();
}

int Ser2NetServer::freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

std::string Ser2NetServer::address() const
{
    std::string address = "rfc2217://127.0.0.1:";
    address += std::to_string(m_port);
    return address;
}

bool Ser2NetServer::start(const std::string& device, bool rfc2217)
{
    stop();
    m_port = freePort();
    if (m_port == 0)
        return false;
    // The accepter and chardelay as the README recommends: the protocol's
    // small frames are not held back by Nagle or ser2net's character delay.
    std::string config = m_directory;
    config += "/ser2net.yaml";
    std::ofstream(config) << "%YAML 1.1\n---\n"
                          << "connection: &keyboard\n"
                          << "  accepter: " << (rfc2217 ? "telnet(rfc2217)" : "telnet")
                          << ",tcp(nodelay),127.0.0.1," << m_port << "\n"
                          << "  connector: serialdev," << device << ",19200n81,local\n"
                          << "  options:\n"
                          << "    chardelay: false\n";
    // -n: in the foreground; -u: no UUCP lock files; -P: its own pid file.
    std::string pidFile = m_directory;
    pidFile += "/ser2net.pid";
    std::string output = m_directory;
    output += "/ser2net.out";
    std::vector<std::string> args = {kSer2Net, "-n", "-u", "-c", config, "-P", pidFile};
    if (!m_process.start(args, output))
        return false;
    return waitUntil([&] { return listening(m_port); }, kListenWaitMs);
}

void Ser2NetServer::stop()
{
    m_process.stop();
}

} // namespace tarvo::test
