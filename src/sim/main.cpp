// tarvo-kbdsim: a simulated keyboard on a pseudo-terminal.

#include "sim/flash_setup.h"
#include "sim/sim_command_line.h"
#include "sim/sim_runner.h"
#include "sim/slot_status.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace tarvo::sim;
    const std::vector<std::string> args(argv + 1, argv + argc);
    SimConfig config;
    std::string error;
    if (!parseSimCommandLine(args, config, error)) {
        std::fprintf(stderr, "tarvo-kbdsim: %s\n%s", error.c_str(), simUsageText().c_str());
        return 2;
    }
    if (config.help) {
        std::fputs(simUsageText().c_str(), stdout);
        return 0;
    }
    KeyboardFlash flash;
    std::string warning;
    if (!prepareFlash(config, flash, error, warning)) {
        std::fprintf(stderr, "tarvo-kbdsim: %s\n", error.c_str());
        return 1;
    }
    if (!warning.empty())
        std::fprintf(stderr, "tarvo-kbdsim: %s\n", warning.c_str());
    if (config.status) {
        std::fputs(slotStatusText(flash, config.keyboard.slotCount()).c_str(), stdout);
        return 0;
    }
    return runSimulator(config, flash);
}
