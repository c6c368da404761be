#include "transfer_bench_support.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <poll.h>
#include <regex>
#include <sstream>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvo::bench {
namespace {

constexpr int kSimStartTimeoutMs = 10000;
constexpr int kBitsPerByte = 10; // start bit, 8 data bits, stop bit

// Starts program with args; its standard output goes to outFd (or stays).
pid_t spawn(const std::vector<std::string>& args, int outFd)
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    if (outFd >= 0)
        ::dup2(outFd, STDOUT_FILENO);
    std::vector<std::string> copy = args;
    std::vector<char*> argv;
    for (auto& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

} // namespace

std::vector<TraceLine> readTrace(const std::filesystem::path& path, std::string& error)
{
    std::vector<TraceLine> lines;
    std::ifstream in(path);
    if (!in) {
        error = path.string() + ": cannot be read";
        return lines;
    }
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream fields(text);
        std::string time, direction, type;
        if (!(fields >> time >> direction >> type))
            continue;
        const auto dot = time.find('.');
        if (dot == std::string::npos || (direction != "rx" && direction != "tx"))
            continue;
        const std::string fraction = (time.substr(dot + 1) + "000000").substr(0, 6);
        TraceLine line;
        line.us = std::stoll(time.substr(0, dot)) * 1000000 + std::stoll(fraction);
        line.received = direction == "rx";
        line.type = type;
        line.text = text;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::size_t bytesOf(const TraceLine& line)
{
    static const std::regex bytesAtEnd(R"((\d+) bytes$)");
    std::smatch m;
    if (!std::regex_search(line.text, m, bytesAtEnd))
        return 0;
    return std::stoul(m[1].str());
}

bool wireSeconds(const std::filesystem::path& tracePath, int baud, double& seconds, std::size_t& frames,
                 std::string& error)
{
    const auto trace = readTrace(tracePath, error);
    if (trace.empty()) {
        if (error.empty())
            error = tracePath.string() + " holds no frame";
        return false;
    }
    std::size_t bytes = 0;
    frames = 0;
    for (const auto& line : trace) {
        bytes += bytesOf(line);
        frames += line.received ? 1 : 0;
    }
    seconds = lineSeconds(bytes, baud);
    return true;
}

TempFolder::TempFolder()
{
    static int made = 0;
    m_path = std::filesystem::temp_directory_path() /
             ("tarvo_transfer_bench_" + std::to_string(::getpid()) + "_" + std::to_string(++made));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

SimulatedKeyboard::~SimulatedKeyboard()
{
    stop();
}

bool SimulatedKeyboard::start(int baud, std::string& error)
{
    stop();
    // A new flash file each start: the keyboard as it leaves the factory.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder()))
        if (entry.path().filename().string().starts_with("kbd.flash"))
            std::filesystem::remove(entry.path(), ignored);
    int out[2];
    if (::pipe(out) != 0) {
        error = "pipe failed";
        return false;
    }
    m_pid = spawn({TARVO_BIN_DIR "/tarvo-kbdsim", "--link", linkPath(), "--flash",
                   (folder() / "kbd.flash").string(), "--baud", std::to_string(baud), "--wire-time",
                   "--trace", tracePath().string()},
                  out[1]);
    ::close(out[1]);
    std::string slave;
    char c = 0;
    pollfd p{out[0], POLLIN, 0};
    while (::poll(&p, 1, kSimStartTimeoutMs) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n')
        slave += c;
    ::close(out[0]);
    if (c != '\n') {
        error = "the simulator did not start";
        stop();
        return false;
    }
    return true;
}

void SimulatedKeyboard::stop()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
}

std::optional<int> runTarvo(const std::vector<std::string>& args, double timeoutS, double& wallS)
{
    std::vector<std::string> command = {TARVO_BIN_DIR "/tarvo"};
    command.insert(command.end(), args.begin(), args.end());
    const auto start = std::chrono::steady_clock::now();
    // Its own output goes to standard error: standard output carries the figures.
    const pid_t pid = spawn(command, STDERR_FILENO);
    if (pid < 0)
        return std::nullopt;
    // A process descriptor turns readable the moment the process ends.
    const int exited = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    pollfd p{exited, POLLIN, 0};
    const bool ended = exited >= 0 && ::poll(&p, 1, static_cast<int>(timeoutS * 1000)) > 0;
    if (exited >= 0)
        ::close(exited);
    int status = 0;
    if (!ended) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return std::nullopt;
    }
    ::waitpid(pid, &status, 0);
    wallS = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status))
        return std::nullopt;
    return WEXITSTATUS(status);
}

std::string newDocument(const TempFolder& folder, const char* bench)
{
    constexpr double kNewTimeoutS = 60;
    const std::string document = (folder.path() / "new.tvo").string();
    double wallS = 0;
    if (runTarvo({"new", "-o", document}, kNewTimeoutS, wallS) == 0)
        return document;
    std::fprintf(stderr, "%s: tarvo new failed\n", bench);
    return {};
}

double lineSeconds(std::size_t bytes, int baud)
{
    return static_cast<double>(bytes) * kBitsPerByte / baud;
}

void printPhase(const std::string& what, int baud, const char* phase, double phaseS, double lineS,
                double wallS)
{
    std::printf("%s at %d baud: %s phase %.3f s, line %.3f s, ratio %.4f (goal at most %.2f); whole command "
                "%.3f s\n",
                what.c_str(), baud, phase, phaseS, lineS, phaseS / lineS, kPhaseGoalRatio, wallS);
    std::fflush(stdout);
}

bool timeWholeDownload(SimulatedKeyboard& keyboard, const WholeDownload& run)
{
    constexpr double kCommandTimeoutS = 600;
    std::string error;
    if (!keyboard.start(run.baud, error)) {
        std::fprintf(stderr, "%s: %s\n", run.bench, error.c_str());
        return false;
    }
    double wallS = 0;
    // --force-write: the merged table equals the factory's, and an unchanged slot is not written.
    const auto status =
        runTarvo({"download", run.document, "--port", run.port, "--slots", "1", "--force-write", "--quiet"},
                 kCommandTimeoutS, wallS);
    keyboard.stop();
    if (status != 0) {
        std::fprintf(stderr, "%s: tarvo download %s\n", run.bench,
                     status ? ("exited " + std::to_string(*status)).c_str() : "did not finish");
        return false;
    }
    double lineS = 0;
    std::size_t frames = 0;
    if (!wireSeconds(keyboard.tracePath(), run.baud, lineS, frames, error)) {
        std::fprintf(stderr, "%s: %s\n", run.bench, error.c_str());
        return false;
    }
    std::printf("%s at %d baud, %s: whole command %.3f s, wire time of its %zu frames and replies %.3f s, "
                "ratio %.4f",
                run.command, run.baud, run.what, wallS, frames, lineS, wallS / lineS);
    if (run.goalRatio > 0)
        std::printf(" (goal at most %.2f)", run.goalRatio);
    std::printf("\n");
    std::fflush(stdout);
    return true;
}

} // namespace tarvo::bench
