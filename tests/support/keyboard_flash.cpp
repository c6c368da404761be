#include "support/keyboard_flash.h"

#include "support/tarvo_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tarvo::test {

namespace {
namespace fs = std::filesystem;
}

std::string runSimulatorOnce(const std::vector<std::string>& args)
{
    const RunResult run = runProgram(builtProgram("tarvo-kbdsim"), args, ".");
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

Bytes factoryFlash(const std::string& scratchPath)
{
    std::error_code ec;
    fs::remove(scratchPath, ec);
    fs::remove(scratchPath + ".state", ec);
    runSimulatorOnce({"--flash", scratchPath, "--status"});
    Bytes flash = readBytes(scratchPath);
    EXPECT_EQ(flash.size(), kSlotBytes * kFlashSlots);
    return flash;
}

void writeFlash(const std::string& flashPath, const Bytes& flash, bool keepStateFile)
{
    writeBytes(flashPath, flash);
    if (!keepStateFile) {
        std::error_code ec;
        fs::remove(flashPath + ".state", ec);
    }
}

std::span<std::uint8_t> slotOf(Bytes& flash, int slot)
{
    return std::span<std::uint8_t>(flash).subspan(static_cast<std::size_t>(slot - 1) * kSlotBytes,
                                                  kSlotBytes);
}

std::span<const std::uint8_t> slotOf(const Bytes& flash, int slot)
{
    return std::span<const std::uint8_t>(flash).subspan(static_cast<std::size_t>(slot - 1) * kSlotBytes,
                                                        kSlotBytes);
}

std::string slotStatus(const std::string& flashPath, int slot)
{
    std::istringstream text(runSimulatorOnce({"--flash", flashPath, "--status"}));
    const std::string prefix = "slot " + std::to_string(slot) + ":";
    for (std::string line; std::getline(text, line);)
        if (line.rfind(prefix, 0) == 0)
            return line;
    return {};
}

} // namespace tarvo::test
