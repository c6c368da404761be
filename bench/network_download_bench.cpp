// The whole `tarvo download --slots 1` command to a simulated keyboard at
// 57600 baud with wire-time pacing, reached through Debian's ser2net on
// loopback (rfc2217://127.0.0.1:PORT), once the line speed is remembered for
// that address: its wall time against the line time of every frame and reply
// it exchanged, as the simulator's trace records them. Goal: at most 1.10.
// The same command to an address never seen (probing 19200 first) is printed
// for comparison. ser2net runs as the README recommends (Nagle off,
// chardelay off).

#include "transfer_bench_support.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kBaud = 57600;
constexpr double kGoalRatio = 1.10;
constexpr int kListenWaitMs = 10000;
constexpr int kListenPollMs = 20;

// ser2net with an RFC 2217 accepter on 127.0.0.1 in front of device, ended on destruction.
class Ser2Net {
public:
    ~Ser2Net()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }
    bool start(const std::filesystem::path& folder, const std::string& device, std::string& error)
    {
        m_port = freePort();
        const std::string config = (folder / "ser2net.yaml").string();
        std::ofstream(config) << "%YAML 1.1\n---\nconnection: &keyboard\n"
                              << "  accepter: telnet(rfc2217),tcp(nodelay),127.0.0.1," << m_port << "\n"
                              << "  connector: serialdev," << device << ",19200n81,local\n"
                              << "  options:\n    chardelay: false\n";
        m_pid = ::fork();
        if (m_pid == 0) {
            const std::string pidFile = (folder / "ser2net.pid").string();
            ::execl("/usr/sbin/ser2net", "ser2net", "-n", "-u", "-c", config.c_str(), "-P", pidFile.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int waited = 0; m_pid > 0 && waited < kListenWaitMs; waited += kListenPollMs) {
            if (listening())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(kListenPollMs));
        }
        error = "ser2net did not start listening on 127.0.0.1:" + std::to_string(m_port);
        return false;
    }
    std::string address() const { return "rfc2217://127.0.0.1:" + std::to_string(m_port); }

private:
    static int freePort()
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof a;
        int port = 0;
        if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length) == 0)
            port = ntohs(a.sin_port);
        if (fd >= 0)
            ::close(fd);
        return port;
    }
    // From the kernel's table: connecting to find out would take ser2net's one client place.
    bool listening() const
    {
        char local[32];
        std::snprintf(local, sizeof local, "0100007F:%04X", m_port);
        std::ifstream table("/proc/net/tcp");
        std::string line;
        while (std::getline(table, line)) {
            std::istringstream fields(line);
            std::string slot, address, remote, state;
            if (fields >> slot >> address >> remote >> state && address == local && state == "0A")
                return true;
        }
        return false;
    }

    pid_t m_pid = -1;
    int m_port = 0;
};

} // namespace

int main()
{
    // The tool's settings (the remembered speeds) in a folder of the bench's own.
    const tarvo::bench::TempFolder configFolder;
    ::setenv("XDG_CONFIG_HOME", configFolder.path().c_str(), 1);
    const tarvo::bench::TempFolder documentFolder;
    const std::string document = tarvo::bench::newDocument(documentFolder, "bench_network_download");
    if (document.empty())
        return 1;
    tarvo::bench::SimulatedKeyboard keyboard;
    // ser2net opens the device at each connection: it outlives the simulator's restarts.
    Ser2Net server;
    std::string error;
    if (!server.start(keyboard.folder(), keyboard.linkPath(), error)) {
        std::fprintf(stderr, "bench_network_download: %s\n", error.c_str());
        return 1;
    }
    tarvo::bench::WholeDownload run{.bench = "bench_network_download",
                                    .command = "tarvo download --slots 1 through ser2net",
                                    .baud = kBaud,
                                    .port = server.address(),
                                    .document = document,
                                    .what = "address never seen"};
    if (!tarvo::bench::timeWholeDownload(keyboard, run))
        return 1;
    run.what = "speed remembered";
    run.goalRatio = kGoalRatio;
    return tarvo::bench::timeWholeDownload(keyboard, run) ? 0 : 1;
}
