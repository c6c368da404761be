#pragma once
// Starts the built simulator in a temporary folder and ends it again: the
// process, its printed terminal path, its link and its flash file.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tarvo::sim::testing {

class SimProcess {
public:
    static constexpr int kStartTimeoutMs = 10000;
    static constexpr int kStopTimeoutMs = 10000;

    explicit SimProcess(const std::string& name)
    {
        m_dir =
            std::filesystem::temp_directory_path() / ("kbdsim_" + name + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    ~SimProcess()
    {
        stop();
        std::filesystem::remove_all(m_dir);
    }

    std::string linkPath() const { return (m_dir / "kbd").string(); }
    std::string flashPath() const { return (m_dir / "kbd.flash").string(); }
    std::string dir() const { return m_dir.string(); }
    const std::string& slavePath() const { return m_slavePath; }

    // An erased flash file, so that no template is needed.
    void writeErasedFlash() const
    {
        const std::vector<char> erased(13 * 65536, static_cast<char>(0xFF));
        std::ofstream(flashPath(), std::ios::binary)
            .write(erased.data(), static_cast<std::streamsize>(erased.size()));
    }

    // Starts the program with the link and flash options and more; true once
    // it printed its terminal path.
    bool start(std::vector<std::string> extra)
    {
        std::vector<std::string> args = {TARVO_BIN_DIR "/tarvo-kbdsim", "--link", linkPath(), "--flash",
                                         flashPath()};
        args.insert(args.end(), extra.begin(), extra.end());
        int out[2];
        if (::pipe(out) != 0)
            return false;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv;
            for (auto& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_stdout = out[0];
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
        std::string line;
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd p{m_stdout, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0)
                continue;
            char c = 0;
            if (::read(m_stdout, &c, 1) != 1)
                return false;
            if (c == '\n') {
                m_slavePath = line;
                return true;
            }
            line += c;
        }
        return false;
    }

    // SIGTERM, then waits; SIGKILL if it does not end. The exit status, or -1.
    int stop()
    {
        if (m_pid <= 0)
            return -1;
        ::kill(m_pid, SIGTERM);
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStopTimeoutMs);
        while (::waitpid(m_pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, &status, 0);
                break;
            }
            ::usleep(10000);
        }
        m_pid = -1;
        ::close(m_stdout);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    std::filesystem::path m_dir;
    std::string m_slavePath;
    pid_t m_pid = -1;
    int m_stdout = -1;
};

} // namespace tarvo::sim::testing
