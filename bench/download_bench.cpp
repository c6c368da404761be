// A one-slot download to the simulated keyboard with wire-time pacing, at
// 57600 and at 19200 baud: once with `--slots 1=0` (the table written as
// stored, no read-back) and once with `--slots 1` (read-back and merge
// first). The write phase (the first S2 to the reply to S8) is timed from the
// simulator's trace and compared with the line time of its bytes; goal: at
// most 1.05. The whole command's time, probing, read-back and pauses
// included, is printed too.

#include "serial/frames.h"
#include "transfer_bench_support.h"

#include <array>
#include <cstdio>

namespace {

namespace frames = tarvo::serial::frames;
using tarvo::bench::TraceLine;

constexpr std::array<int, 2> kBauds = {57600, 19200};
constexpr std::uint8_t kSlotIndex = 0; // keyboard slot 1
// Generous: probing, a read-back and the write at 19200 take about 75 s.
constexpr double kCommandTimeoutS = 600;

struct Variant {
    const char* name;
    const char* slots;
};

// --force-write: the merged table equals what the factory flash holds, and
// an unchanged slot would not be written at all.
constexpr std::array<Variant, 2> kVariants = {{
    {"one-slot download as stored (--slots 1=0)", "1=0"},
    {"one-slot download with read-back (--slots 1)", "1"},
}};

// The line time of one slot's write: 4096 S2 and S8, each with its "OK".
double writeLineSeconds(int baud)
{
    const std::array<std::uint8_t, frames::kBlockDataBytes> data{};
    const std::size_t block = frames::buildImageBlock(kSlotIndex, 0, data).size + frames::kStatusReplyBytes;
    const std::size_t end = frames::buildEndOfData().size + frames::kStatusReplyBytes;
    return tarvo::bench::lineSeconds(block * frames::kBlocksPerSlot + end, baud);
}

bool writePhaseSeconds(const std::vector<TraceLine>& trace, double& seconds, std::string& error)
{
    std::size_t firstS2 = trace.size();
    std::size_t blocks = 0;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (!trace[i].received || trace[i].type != "S2")
            continue;
        if (firstS2 == trace.size())
            firstS2 = i;
        ++blocks;
    }
    std::size_t endReply = trace.size();
    for (std::size_t i = firstS2; i < trace.size(); ++i)
        if (!trace[i].received && trace[i].type == "S8")
            endReply = i;
    if (blocks != static_cast<std::size_t>(frames::kBlocksPerSlot) || endReply == trace.size()) {
        error = "the trace holds " + std::to_string(blocks) + " S2 frames" +
                (endReply == trace.size() ? " and no reply to S8" : "") + ", not one slot's write";
        return false;
    }
    seconds = static_cast<double>(trace[endReply].us - trace[firstS2].us) / 1e6;
    return true;
}

bool benchAt(int baud, const Variant& variant, const std::string& document)
{
    tarvo::test::SimulatedKeyboard keyboard;
    std::string error;
    if (!tarvo::bench::startPaced(keyboard, baud, error)) {
        std::fprintf(stderr, "bench_download: %s\n", error.c_str());
        return false;
    }
    double wallS = 0;
    const auto status = tarvo::bench::runTarvo({"download", document, "--port", keyboard.link(), "--slots",
                                                variant.slots, "--force-write", "--quiet"},
                                               kCommandTimeoutS, wallS);
    keyboard.stop();
    if (status != 0) {
        std::fprintf(stderr, "bench_download: tarvo download --slots %s at %d baud %s\n", variant.slots, baud,
                     status ? ("exited " + std::to_string(*status)).c_str() : "did not finish");
        return false;
    }
    double phaseS = 0;
    const auto trace = tarvo::bench::readTrace(keyboard.tracePath(), error);
    if (!writePhaseSeconds(trace, phaseS, error)) {
        std::fprintf(stderr, "bench_download: %s\n", error.c_str());
        return false;
    }
    tarvo::bench::printPhase(variant.name, baud, "write", phaseS, writeLineSeconds(baud), wallS);
    return true;
}

} // namespace

int main()
{
    const tarvo::test::TempDir documentFolder;
    const std::string document = tarvo::bench::newDocument(documentFolder, "bench_download");
    if (document.empty())
        return 1;
    bool ok = true;
    for (const int baud : kBauds)
        for (const Variant& variant : kVariants)
            ok = benchAt(baud, variant, document) && ok;
    return ok ? 0 : 1;
}
