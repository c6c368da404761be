// The download preview (`tarvo download doc.tvo --slots 1 --dry-run`, at 57600
// baud with wire-time pacing) through the built tarvo, the line speeds
// remembered: to one simulated keyboard against the line time of the frames
// it exchanged (goal at most 1.07: a preview takes the read-back's time), and
// to eight at once against one (goal at most 1.10).

#include "transfer_bench_support.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kBaud = 57600;
constexpr int kManyKeyboards = 8;
constexpr double kOneGoalRatio = 1.07;
constexpr double kManyGoalRatio = 1.10;
// Generous: one slot's read-back at 57600 takes about 19 s.
constexpr double kCommandTimeoutS = 600;

using tarvo::bench::Keyboards;
using tarvo::bench::SimulatedKeyboard;

bool restart(Keyboards& keyboards)
{
    return tarvo::bench::restartAll(keyboards, kBaud, "bench_preview");
}

double runOn(const Keyboards& keyboards, int count, std::vector<std::string> args)
{
    return tarvo::bench::runOnFirst(keyboards, count, std::move(args), kCommandTimeoutS, "bench_preview");
}

double longestWireS(Keyboards& keyboards, int count)
{
    return tarvo::bench::longestWireSeconds(keyboards, count, kBaud, "bench_preview");
}

} // namespace

int main()
{
    // The tool's settings and state in folders of the bench's own.
    const tarvo::test::TempDir configFolder;
    ::setenv("XDG_CONFIG_HOME", configFolder.path().c_str(), 1);
    const tarvo::test::TempDir stateFolder;
    ::setenv("XDG_STATE_HOME", stateFolder.path().c_str(), 1);
    const tarvo::test::TempDir documentFolder;
    const std::string document = tarvo::bench::newDocument(documentFolder, "bench_preview");
    if (document.empty())
        return 1;
    double wallS = 0;
    if (tarvo::bench::runTarvo(
            {"set-entry", document, "--table", "0", "--menu", "80", "--entry", "3", "--lines", "Gate||"},
            kCommandTimeoutS, wallS) != 0) {
        std::fprintf(stderr, "bench_preview: the document's entry could not be edited\n");
        return 1;
    }
    Keyboards keyboards;
    for (int i = 0; i < kManyKeyboards; ++i)
        keyboards.push_back(std::make_unique<SimulatedKeyboard>());
    // Never seen: the query pings at 19200 first, then remembers 57600 for each device.
    if (!restart(keyboards) || runOn(keyboards, kManyKeyboards, {"query"}) < 0)
        return 1;
    const std::vector<std::string> preview = {"download", document, "--slots", "1", "--dry-run"};
    if (!restart(keyboards))
        return 1;
    const double one = runOn(keyboards, 1, preview);
    const double oneWire = one > 0 ? longestWireS(keyboards, 1) : -1;
    if (oneWire <= 0 || !restart(keyboards))
        return 1;
    const double many = runOn(keyboards, kManyKeyboards, preview);
    if (many <= 0)
        return 1;
    std::printf("one-slot preview at %d baud, speeds remembered: 1 keyboard %.2f s, wire %.2f s, ratio %.3f "
                "(goal at most %.2f); %d keyboards %.2f s, against 1: ratio %.3f (goal at most %.2f)\n",
                kBaud, one, oneWire, one / oneWire, kOneGoalRatio, kManyKeyboards, many, many / one,
                kManyGoalRatio);
    return 0;
}
