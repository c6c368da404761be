// The same one-slot download with read-back (`tarvo download doc.tvo --slots 1
// --force-write`, at 57600 baud with wire-time pacing) to one simulated
// keyboard and to eight at once through the built tarvo, the line speeds
// remembered (a query of all eight found them first). Prints both
// whole-command times, each against the line time of the frames its
// keyboards exchanged, and their ratio; goal: eight keyboards take at most
// 1.10 times as long as one.

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
constexpr double kGoalRatio = 1.10;
// Generous: one slot's read-back and write at 57600 take about 37 s.
constexpr double kCommandTimeoutS = 600;

using tarvo::bench::Keyboards;
using tarvo::bench::SimulatedKeyboard;

bool restart(Keyboards& keyboards)
{
    return tarvo::bench::restartAll(keyboards, kBaud, "bench_multi_port");
}

double runOn(const Keyboards& keyboards, int count, std::vector<std::string> args)
{
    return tarvo::bench::runOnFirst(keyboards, count, std::move(args), kCommandTimeoutS, "bench_multi_port");
}

double longestWireS(Keyboards& keyboards, int count)
{
    return tarvo::bench::longestWireSeconds(keyboards, count, kBaud, "bench_multi_port");
}

} // namespace

int main()
{
    // The tool's settings (the remembered speeds) in a folder of the bench's own.
    const tarvo::test::TempDir configFolder;
    ::setenv("XDG_CONFIG_HOME", configFolder.path().c_str(), 1);
    const tarvo::test::TempDir documentFolder;
    const std::string document = tarvo::bench::newDocument(documentFolder, "bench_multi_port");
    if (document.empty())
        return 1;
    Keyboards keyboards;
    for (int i = 0; i < kManyKeyboards; ++i)
        keyboards.push_back(std::make_unique<SimulatedKeyboard>());
    // Never seen: the query pings at 19200 first, then remembers 57600 for each device.
    if (!restart(keyboards) || runOn(keyboards, kManyKeyboards, {"query"}) < 0)
        return 1;
    // --force-write: the merged table equals the factory's, and an unchanged slot is not written.
    const std::vector<std::string> download = {"download", document, "--slots", "1", "--force-write"};
    if (!restart(keyboards))
        return 1;
    const double one = runOn(keyboards, 1, download);
    const double oneWire = one > 0 ? longestWireS(keyboards, 1) : -1;
    if (oneWire <= 0 || !restart(keyboards))
        return 1;
    const double many = runOn(keyboards, kManyKeyboards, download);
    const double manyWire = many > 0 ? longestWireS(keyboards, kManyKeyboards) : -1;
    if (manyWire <= 0)
        return 1;
    std::printf(
        "one-slot download with read-back at %d baud, speeds remembered: 1 keyboard %.2f s (wire %.2f s, "
        "ratio %.3f), %d keyboards %.2f s (longest wire %.2f s, ratio %.3f); %d against 1: ratio %.3f "
        "(goal at most %.2f)\n",
        kBaud, one, oneWire, one / oneWire, kManyKeyboards, many, manyWire, many / manyWire, kManyKeyboards,
        many / one, kGoalRatio);
    return 0;
}
