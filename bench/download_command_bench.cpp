// The whole `tarvo download --slots 1` command to a simulated keyboard at
// 57600 baud with wire-time pacing, once the line speed is remembered (a
// query before it found the keyboard): its wall time against the line time
// of every frame and reply it exchanged, as the simulator's trace records
// them. Goal: at most 1.10. The same command to a keyboard never seen
// (probing 19200 first) is printed for comparison.

#include "transfer_bench_support.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kBaud = 57600;
constexpr double kGoalRatio = 1.10;
} // namespace

int main()
{
    // The tool's settings (the remembered speeds) in a folder of the bench's own.
    const tarvo::test::TempDir configFolder;
    ::setenv("XDG_CONFIG_HOME", configFolder.path().c_str(), 1);
    const tarvo::test::TempDir documentFolder;
    const std::string document = tarvo::bench::newDocument(documentFolder, "bench_download_command");
    if (document.empty())
        return 1;
    tarvo::test::SimulatedKeyboard keyboard;
    // Never seen: the first ping goes out at 19200 and waits for its time-out.
    tarvo::bench::WholeDownload run{.bench = "bench_download_command",
                                    .baud = kBaud,
                                    .port = keyboard.link(),
                                    .document = document,
                                    .what = "device never seen"};
    if (!tarvo::bench::timeWholeDownload(keyboard, run))
        return 1;
    // That command remembered 57600 for the device path.
    run.what = "speed remembered";
    run.goalRatio = kGoalRatio;
    return tarvo::bench::timeWholeDownload(keyboard, run) ? 0 : 1;
}
