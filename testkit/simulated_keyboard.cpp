#include "testkit/simulated_keyboard.h"

#include "testkit/program_run.h"

#include <filesystem>
#include <fstream>

namespace tarvo::test {

namespace {

namespace fs = std::filesystem;

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
    std::vector<std::string> args = {builtProgram("tarvo-kbdsim"), "--link", link(), "--flash", flashPath()};
    if (m_tracing) {
        args.push_back("--trace");
        args.push_back(tracePath());
    }
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
    writeBytes(flashPath(), std::vector<std::uint8_t>(kFlashSlots * kSlotBytes, kErased));
}

void SimulatedKeyboard::removeFlash() const
{
    std::error_code ec;
    std::string path = flashPath();
    fs::remove(path, ec);
    path += ".state";
    fs::remove(path, ec);
}

int SimulatedKeyboard::framesReceived(const std::string& frameType) const
{
    std::ifstream in(tracePath());
    std::string marker = " rx ";
    marker += frameType;
    marker += ' ';
    int count = 0;
    for (std::string line; std::getline(in, line);) {
        line += ' ';
        if (line.find(marker) != std::string::npos)
            ++count;
    }
    return count;
}

std::string SimulatedKeyboard::inFolder(const char* name) const
{
    std::string path = m_directory;
    path += '/';
    path += name;
    return path;
}

} // namespace tarvo::test
