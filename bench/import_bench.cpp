// A one-slot import (`tarvo import --slots 1`) from the simulated keyboard
// with wire-time pacing, at 57600 and at 19200 baud. The image phase (the
// first T0 of the slot's image to the last reply) is timed from the
// simulator's trace and compared with the line time of its bytes; goal: at
// most 1.05. The whole command's time, probing included, is printed too.

#include "serial/frames.h"
#include "transfer_bench_support.h"

#include <array>
#include <cstdio>

namespace {

namespace frames = tarvo::serial::frames;
using tarvo::bench::TraceLine;

constexpr std::array<int, 2> kBauds = {57600, 19200};
constexpr std::uint8_t kSlotIndex = 0; // keyboard slot 1
// Generous: probing at both speeds plus several times the image's line time.
constexpr double kCommandTimeoutS = 300;

// The line time of one slot's image: 4096 T0 requests and their data replies.
double imageLineSeconds(int baud)
{
    const std::size_t request = frames::buildReadBlock(kSlotIndex, 0, frames::kAddressModeLinear).size;
    const std::size_t perBlock = request + frames::kDataReplyBytes;
    return tarvo::bench::lineSeconds(perBlock * frames::kBlocksPerSlot, baud);
}

// The image phase is the last 4096 T0 frames; it ends with the last T0 reply.
bool imagePhaseSeconds(const std::vector<TraceLine>& trace, double& seconds, std::string& error)
{
    std::vector<std::size_t> requests;
    std::size_t lastReply = trace.size();
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (trace[i].type != "T0")
            continue;
        if (trace[i].received)
            requests.push_back(i);
        else
            lastReply = i;
    }
    if (requests.size() < static_cast<std::size_t>(frames::kBlocksPerSlot) || lastReply == trace.size()) {
        error = "the trace holds " + std::to_string(requests.size()) + " T0 frames, fewer than one image";
        return false;
    }
    const TraceLine& first = trace[requests[requests.size() - frames::kBlocksPerSlot]];
    if (first.text.find(" address 0x000000 ") == std::string::npos) {
        error = "the image phase does not start at block 0 of slot 1: " + first.text;
        return false;
    }
    seconds = static_cast<double>(trace[lastReply].us - first.us) / 1e6;
    return true;
}

bool benchAt(int baud)
{
    tarvo::test::SimulatedKeyboard keyboard;
    std::string error;
    if (!tarvo::bench::startPaced(keyboard, baud, error)) {
        std::fprintf(stderr, "bench_import: %s\n", error.c_str());
        return false;
    }
    std::string out = keyboard.directory();
    out += "/imported.tvo";
    double wallS = 0;
    const auto status = tarvo::bench::runTarvo(
        {"import", "--port", keyboard.link(), "-o", out, "--slots", "1", "--quiet"}, kCommandTimeoutS, wallS);
    keyboard.stop();
    if (status != 0) {
        std::fprintf(stderr, "bench_import: tarvo import at %d baud %s\n", baud,
                     status ? ("exited " + std::to_string(*status)).c_str() : "did not finish");
        return false;
    }
    double phaseS = 0;
    const auto trace = tarvo::bench::readTrace(keyboard.tracePath(), error);
    if (!imagePhaseSeconds(trace, phaseS, error)) {
        std::fprintf(stderr, "bench_import: %s\n", error.c_str());
        return false;
    }
    tarvo::bench::printPhase("one-slot import", baud, "image", phaseS, imageLineSeconds(baud), wallS);
    return true;
}

} // namespace

int main()
{
    bool ok = true;
    for (const int baud : kBauds)
        ok = benchAt(baud) && ok;
    return ok ? 0 : 1;
}
