// The same one-slot download with read-back (`tarvo download doc.tvo --slots 1
// --force-write`, at 57600 baud with wire-time pacing) to one simulated
// keyboard and to eight at once through the built tarvo, the line speeds
// remembered (a query of all eight found them first). Prints both
// whole-command times, each against the line time of the frames its
// keyboards exchanged, and their ratio; goal: eight keyboards take at most
// 1.10 times as long as one.
// Then the same through network serial servers: each keyboard behind its
// own ser2net on loopback (RFC 2217, run as the README recommends), eight
// behind eight against one behind one; goal again at most 1.10.

#include "testkit/ser2net_server.h"
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

// The first count keyboards' ports as given.
std::vector<std::string> firstOf(const std::vector<std::string>& ports, int count)
{
    return {ports.begin(), ports.begin() + count};
}

// One download to the first keyboard and one to all eight, each with the
// keyboards as they leave the factory; prints both against the wire and
// their ratio. ports: how the tool reaches each keyboard.
bool compareOneAndMany(Keyboards& keyboards, const std::vector<std::string>& ports,
                       const std::vector<std::string>& download, const char* how)
{
    if (!restart(keyboards))
        return false;
    const double one =
        tarvo::bench::runOnPorts(firstOf(ports, 1), download, kCommandTimeoutS, "bench_multi_port");
    const double oneWire = one > 0 ? longestWireS(keyboards, 1) : -1;
    if (oneWire <= 0 || !restart(keyboards))
        return false;
    const double many = tarvo::bench::runOnPorts(ports, download, kCommandTimeoutS, "bench_multi_port");
    const double manyWire = many > 0 ? longestWireS(keyboards, kManyKeyboards) : -1;
    if (manyWire <= 0)
        return false;
    std::printf(
        "one-slot download with read-back at %d baud, speeds remembered, %s: 1 keyboard %.2f s (wire %.2f s, "
        "ratio %.3f), %d keyboards %.2f s (longest wire %.2f s, ratio %.3f); %d against 1: ratio %.3f "
        "(goal at most %.2f)\n",
        kBaud, how, one, oneWire, one / oneWire, kManyKeyboards, many, manyWire, many / manyWire,
        kManyKeyboards, many / one, kGoalRatio);
    std::fflush(stdout);
    return true;
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
    std::vector<std::string> devices;
    for (const auto& keyboard : keyboards)
        devices.push_back(keyboard->link());
    if (!compareOneAndMany(keyboards, devices, download, "on the devices"))
        return 1;

    // Each keyboard behind a ser2net of its own; ser2net opens the device at
    // each connection, so it outlives the simulators' restarts.
    std::vector<std::unique_ptr<tarvo::test::Ser2NetServer>> servers;
    std::vector<std::string> addresses;
    for (const auto& keyboard : keyboards) {
        servers.push_back(std::make_unique<tarvo::test::Ser2NetServer>(keyboard->directory()));
        if (!servers.back()->start(keyboard->link())) {
            std::fprintf(stderr, "bench_multi_port: ser2net did not start listening on 127.0.0.1:%d\n",
                         servers.back()->port());
            return 1;
        }
        addresses.push_back(servers.back()->address());
    }
    // Each address never seen: a query finds and remembers its speed first.
    if (!restart(keyboards) ||
        tarvo::bench::runOnPorts(addresses, {"query"}, kCommandTimeoutS, "bench_multi_port") < 0)
        return 1;
    return compareOneAndMany(keyboards, addresses, download, "each behind its own ser2net") ? 0 : 1;
}
