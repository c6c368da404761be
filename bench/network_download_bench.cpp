// The whole `tarvo download --slots 1` command to a simulated keyboard at
// 57600 baud with wire-time pacing, reached through Debian's ser2net on
// loopback (rfc2217://127.0.0.1:PORT), once the line speed is remembered for
// that address: its wall time against the line time of every frame and reply
// it exchanged, as the simulator's trace records them. Goal: at most 1.10.
// The same command to an address never seen (probing 19200 first) is printed
// for comparison. ser2net runs as the README recommends (Nagle off,
// chardelay off).

#include "testkit/ser2net_server.h"
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
    const std::string document = tarvo::bench::newDocument(documentFolder, "bench_network_download");
    if (document.empty())
        return 1;
    tarvo::test::SimulatedKeyboard keyboard;
    // ser2net opens the device at each connection: it outlives the simulator's restarts.
    tarvo::test::Ser2NetServer server(keyboard.directory());
    if (!server.start(keyboard.link())) {
        std::fprintf(stderr, "bench_network_download: ser2net did not start listening on 127.0.0.1:%d\n",
                     server.port());
        return 1;
    }
    tarvo::bench::WholeDownload run{.bench = "bench_network_download",
                                    .command = "tarvo download --slots 1 through ser2net",
                                    .baud = kBaud,
                                    .port = server.address(),
                                    .document = document,
                                    .what = "address never seen"};
    if (!tarvo::bench::timeWholeDownload(keyboard, run))
        return 1;
    run.what = "speed remembered";
    run.goalRatio = kGoalRatio;
    return tarvo::bench::timeWholeDownload(keyboard, run) ? 0 : 1;
}
