// A minimal client writes one whole slot (C1, 4096 S2, S8) to the simulator
// running with --wire-time at 57600 baud, each frame after the reply to the
// one before. Its time is compared with the time the same bytes take on the
// line: the simulator should add next to nothing (goal: ratio at most 1.02).

#include "serial/frames.h"
#include "sim/reply_pacer.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

namespace frames = tarvo::serial::frames;

constexpr int kBaud = 57600;
constexpr double kGoalRatio = 1.02;
constexpr int kReplyTimeoutMs = 6001;
constexpr int kStartTimeoutMs = 10000;
constexpr std::uint8_t kSlot = 2;

struct Simulator {
    pid_t pid = -1;
    std::string slave;
};

bool startSimulator(const std::filesystem::path& dir, const std::string& tracePath, Simulator& sim)
{
    const std::string flash = (dir / "kbd.flash").string();
    const std::vector<char> erased(13 * 65536, static_cast<char>(0xFF));
    std::ofstream(flash, std::ios::binary).write(erased.data(), static_cast<std::streamsize>(erased.size()));
    std::vector<std::string> args = {
        TARVO_BIN_DIR "/tarvo-kbdsim", "--link",     (dir / "kbd").string(), "--flash", flash, "--baud",
        std::to_string(kBaud),         "--wire-time"};
    if (!tracePath.empty()) {
        args.push_back("--trace");
        args.push_back(tracePath);
    }
    int out[2];
    if (::pipe(out) != 0)
        return false;
    sim.pid = ::fork();
    if (sim.pid == 0) {
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
    char c = 0;
    pollfd p{out[0], POLLIN, 0};
    while (::poll(&p, 1, kStartTimeoutMs) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n')
        sim.slave += c;
    ::close(out[0]);
    return c == '\n';
}

void stopSimulator(Simulator& sim)
{
    if (sim.pid <= 0)
        return;
    ::kill(sim.pid, SIGTERM);
    int status = 0;
    ::waitpid(sim.pid, &status, 0);
}

int openLine(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return -1;
    termios tio{};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B57600);
    ::cfsetospeed(&tio, B57600);
    ::tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

// Sends a frame and waits for a reply of want bytes.
bool exchange(int fd, const frames::Frame& frame, std::size_t want)
{
    if (::write(fd, frame.bytes.data(), frame.size) != static_cast<ssize_t>(frame.size))
        return false;
    std::uint8_t reply[64];
    std::size_t got = 0;
    while (got < want) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kReplyTimeoutMs) <= 0)
            return false;
        const ssize_t n = ::read(fd, reply + got, sizeof reply - got);
        if (n <= 0)
            return false;
        got += static_cast<std::size_t>(n);
    }
    return got == want && reply[0] == 'O' && reply[1] == 'K';
}

} // namespace

// With --trace FILE the simulator's trace is kept, to see where time goes.
int main(int argc, char** argv)
{
    const std::string tracePath = argc == 3 && std::string(argv[1]) == "--trace" ? argv[2] : "";
    const auto dir = std::filesystem::temp_directory_path() / ("kbdsim_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    Simulator sim;
    int status = 1;
    if (!startSimulator(dir, tracePath, sim)) {
        std::fprintf(stderr, "bench_sim: the simulator did not start\n");
    } else if (const int fd = openLine(sim.slave); fd < 0) {
        std::fprintf(stderr, "bench_sim: cannot open %s\n", sim.slave.c_str());
    } else {
        std::array<std::uint8_t, 16> data{};
        std::size_t lineBytes = 0;
        bool ok = true;
        const auto start = std::chrono::steady_clock::now();
        const frames::Frame select = frames::buildSelectTable(kSlot);
        ok = exchange(fd, select, 2);
        lineBytes += select.size + 2;
        for (int block = 0; ok && block < frames::kBlocksPerSlot; ++block) {
            data.fill(static_cast<std::uint8_t>(block));
            const frames::Frame write = frames::buildImageBlock(kSlot, block, data);
            ok = exchange(fd, write, 2);
            lineBytes += write.size + 2;
        }
        const frames::Frame end = frames::buildEndOfData();
        ok = ok && exchange(fd, end, 2);
        lineBytes += end.size + 2;
        const auto elapsed = std::chrono::steady_clock::now() - start;
        ::close(fd);
        if (!ok) {
            std::fprintf(stderr, "bench_sim: the slot write failed\n");
        } else {
            const double clientS = std::chrono::duration<double>(elapsed).count();
            const double lineS = static_cast<double>(tarvo::sim::wireTimeUs(lineBytes, kBaud)) / 1e6;
            const double ratio = clientS / lineS;
            std::printf("full slot write at %d baud with wire time: client %.3f s, line %.3f s, ratio %.4f "
                        "(goal at most %.2f)\n",
                        kBaud, clientS, lineS, ratio, kGoalRatio);
            status = 0;
        }
    }
    stopSimulator(sim);
    std::filesystem::remove_all(dir);
    return status;
}
