#include "support/simulated_keyboard.h"

#include "support/tarvo_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tarvo::test {

namespace {

namespace fs = std::filesystem;

const std::string kSimulator = std::string(TARVO_BIN_DIR) + "/tarvo-kbdsim";

std::string firstLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    return std::getline(in, line) && !in.eof() ? line : std::string();
}

} // namespace

SimulatedKeyboard::SimulatedKeyboard()
    : m_ownFolder(std::make_unique<TempDir>()), m_directory(m_ownFolder->path().string())
{
}

SimulatedKeyboard::SimulatedKeyboard(std::string directory) : m_directory(std::move(directory)) {}

SimulatedKeyboard::~SimulatedKeyboard()
{
    stop();
}

bool SimulatedKeyboard::start(const std::vector<std::string>& options)
{
    stop();
    std::error_code ec;
    fs::remove(tracePath(), ec);
    std::vector<std::string> args = {kSimulator,  "--link",  link(),     "--flash",
                                     flashPath(), "--trace", tracePath()};
    args.insert(args.end(), options.begin(), options.end());
    if (!m_process.start(args, outputPath()))
        return false;
    return waitUntil([&] { return fs::exists(link()) && !terminalPath().empty(); }, kStartTimeoutMs);
}

int SimulatedKeyboard::stop()
{
    return m_process.stop();
}

std::string SimulatedKeyboard::terminalPath() const
{
    return firstLine(outputPath());
}

void SimulatedKeyboard::writeErasedFlash() const
{
    writeBytes(flashPath(), Bytes(kFlashSlots * kSlotBytes, kErased));
}

int SimulatedKeyboard::framesReceived(const std::string& frameType) const
{
    std::ifstream in(tracePath());
    const std::string marker = " rx " + frameType + " ";
    int count = 0;
    for (std::string line; std::getline(in, line);)
        if ((line + " ").find(marker) != std::string::npos)
            ++count;
    return count;
}

std::string runSimulatorOnce(const std::vector<std::string>& args)
{
    const RunResult run = runProgram(kSimulator, args, ".");
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
