// The same one-slot download (as stored, --slots 1=0 --force-write, at 57600
// baud with wire-time pacing) to one simulated keyboard and to eight at once
// through the built tarvo. Prints both whole-command times and their ratio;
// goal: eight keyboards take at most 1.1 times as long as one.

#include "transfer_bench_support.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kBaud = 57600;
constexpr int kManyKeyboards = 8;
constexpr double kGoalRatio = 1.1;
// Generous: one slot's write at 57600 takes about 15 s.
constexpr double kCommandTimeoutS = 600;

// The whole command's wall time for keyboards at once; a negative value on failure.
double downloadTo(int keyboards, const std::string& document)
{
    std::vector<std::unique_ptr<tarvo::bench::SimulatedKeyboard>> sims;
    std::vector<std::string> args{"download",      document,  "--slots", "1=0",
                                  "--force-write", "--quiet", "--baud",  std::to_string(kBaud)};
    for (int i = 0; i < keyboards; ++i) {
        auto sim = std::make_unique<tarvo::bench::SimulatedKeyboard>();
        std::string error;
        if (!sim->start(kBaud, error)) {
            std::fprintf(stderr, "bench_multi_port: %s\n", error.c_str());
            return -1;
        }
        args.insert(args.end(), {"--port", sim->linkPath()});
        sims.push_back(std::move(sim));
    }
    double wallS = 0;
    const auto status = tarvo::bench::runTarvo(args, kCommandTimeoutS, wallS);
    if (status != 0) {
        std::fprintf(stderr, "bench_multi_port: download to %d keyboards %s\n", keyboards,
                     status ? ("exited " + std::to_string(*status)).c_str() : "did not finish");
        return -1;
    }
    return wallS;
}

} // namespace

int main()
{
    const tarvo::bench::TempFolder documentFolder;
    const std::string document = tarvo::bench::newDocument(documentFolder, "bench_multi_port");
    if (document.empty())
        return 1;
    const double one = downloadTo(1, document);
    const double many = downloadTo(kManyKeyboards, document);
    if (one <= 0 || many <= 0)
        return 1;
    std::printf(
        "one-slot download at %d baud: 1 keyboard %.2f s, %d keyboards %.2f s, ratio %.3f (goal at most "
        "%.2f)\n",
        kBaud, one, kManyKeyboards, many, many / one, kGoalRatio);
    return 0;
}
