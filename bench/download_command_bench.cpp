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
constexpr double kCommandTimeoutS = 600;

// Runs the download against a fresh keyboard; false when it failed.
bool timeDownload(tarvo::bench::SimulatedKeyboard& keyboard, const std::string& document, const char* what,
                  bool reportGoal)
{
    std::string error;
    if (!keyboard.start(kBaud, error)) {
        std::fprintf(stderr, "bench_download_command: %s\n", error.c_str());
        return false;
    }
    double wallS = 0;
    // --force-write: the merged table equals the factory's, and an unchanged slot is not written.
    const auto status = tarvo::bench::runTarvo(
        {"download", document, "--port", keyboard.linkPath(), "--slots", "1", "--force-write", "--quiet"},
        kCommandTimeoutS, wallS);
    keyboard.stop();
    if (status != 0) {
        std::fprintf(stderr, "bench_download_command: tarvo download %s\n",
                     status ? ("exited " + std::to_string(*status)).c_str() : "did not finish");
        return false;
    }
    double lineS = 0;
    std::size_t frames = 0;
    if (!tarvo::bench::wireSeconds(keyboard.tracePath(), kBaud, lineS, frames, error)) {
        std::fprintf(stderr, "bench_download_command: %s\n", error.c_str());
        return false;
    }
    std::printf("tarvo download --slots 1 at %d baud, %s: whole command %.3f s, wire time of its %zu frames "
                "and replies %.3f s, ratio %.4f",
                kBaud, what, wallS, frames, lineS, wallS / lineS);
    if (reportGoal)
        std::printf(" (goal at most %.2f)", kGoalRatio);
    std::printf("\n");
    std::fflush(stdout);
    return true;
}

} // namespace

int main()
{
    // The tool's settings (the remembered speeds) in a folder of the bench's own.
    const tarvo::bench::TempFolder configFolder;
    ::setenv("XDG_CONFIG_HOME", configFolder.path().c_str(), 1);
    const tarvo::bench::TempFolder documentFolder;
    const std::string document = tarvo::bench::newDocument(documentFolder, "bench_download_command");
    if (document.empty())
        return 1;
    tarvo::bench::SimulatedKeyboard keyboard;
    // Never seen: the first ping goes out at 19200 and waits for its time-out.
    if (!timeDownload(keyboard, document, "device never seen", false))
        return 1;
    // That command remembered 57600 for the device path.
    return timeDownload(keyboard, document, "speed remembered", true) ? 0 : 1;
}
