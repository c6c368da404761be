// A minimal client writes one whole slot (C1, 4096 S2, S8) to the simulator
// running with --wire-time at 57600 baud, each frame after the reply to the
// one before. Its time is compared with the time the same bytes take on the
// line: the simulator should add next to nothing (goal: ratio at most 1.02).

#include "serial/frames.h"
#include "sim/reply_pacer.h"
#include "testkit/simulated_keyboard.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

namespace frames = tarvo::serial::frames;

constexpr int kBaud = 57600;
constexpr double kGoalRatio = 1.02;
constexpr int kReplyTimeoutMs = 6001;
constexpr std::uint8_t kSlot = 2;

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

// With --trace FOLDER the simulator keeps its files there, its trace among
// them (sim.trace), to see where time goes; without, it keeps no trace.
int main(int argc, char** argv)
{
    const bool traced = argc == 3 && std::string(argv[1]) == "--trace";
    const auto sim = traced ? std::make_unique<tarvo::test::SimulatedKeyboard>(argv[2])
                            : std::make_unique<tarvo::test::SimulatedKeyboard>();
    sim->setTracing(traced);
    sim->writeErasedFlash();
    int status = 1;
    if (!sim->start({"--baud", std::to_string(kBaud), "--wire-time"})) {
        std::fprintf(stderr, "bench_sim: the simulator did not start\n");
    } else if (const int fd = openLine(sim->terminalPath()); fd < 0) {
        std::fprintf(stderr, "bench_sim: cannot open %s\n", sim->terminalPath().c_str());
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
    return status;
}
