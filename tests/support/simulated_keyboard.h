#pragma once
// The built tarvo-kbdsim started on its pseudo-terminal for a test, and the
// flash files it keeps.

#include "support/child_process.h"
#include "support/temp_dir.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tarvo::test {

inline constexpr std::size_t kSlotBytes = 65536;
inline constexpr int kFlashSlots = 13;
inline constexpr int kBlocksPerSlot = 4096;
inline constexpr std::size_t kBlockBytes = 16;
inline constexpr std::uint8_t kErased = 0xFF;

using Bytes = std::vector<std::uint8_t>;

// One simulator on directory/flash.bin, linked at directory/kbd, tracing into
// directory/sim.trace (started afresh each time). Without a directory it
// keeps its files in a temporary folder of its own.
class SimulatedKeyboard {
public:
    static constexpr int kStartTimeoutMs = 10000; // generous: the machine is shared

    SimulatedKeyboard();
    explicit SimulatedKeyboard(std::string directory);
    ~SimulatedKeyboard();
    SimulatedKeyboard(const SimulatedKeyboard&) = delete;
    SimulatedKeyboard& operator=(const SimulatedKeyboard&) = delete;

    // True once the simulator has made its link and printed its terminal.
    bool start(const std::vector<std::string>& options = {});
    // Ends the simulator (it saves its flash on the way out); its exit status, or -1.
    int stop();

    const std::string& directory() const { return m_directory; }
    std::string link() const { return m_directory + "/kbd"; }
    std::string flashPath() const { return m_directory + "/flash.bin"; }
    std::string tracePath() const { return m_directory + "/sim.trace"; }
    // The pseudo-terminal the running simulator printed.
    std::string terminalPath() const;
    // An erased flash file, so that no template is needed.
    void writeErasedFlash() const;
    // The lines of the trace that record a received frame of the type ("C1", "T0").
    int framesReceived(const std::string& frameType) const;

private:
    std::string outputPath() const { return m_directory + "/sim.out"; }

    std::unique_ptr<TempDir> m_ownFolder;
    std::string m_directory;
    ChildProcess m_process;
};

// Runs the simulator to its end with args (its offline options); its
// standard output. A run that fails or does not end fails the test.
std::string runSimulatorOnce(const std::vector<std::string>& args);
// A flash file as a keyboard leaves the factory (the simulator makes it).
Bytes factoryFlash(const std::string& scratchPath);
// Writes a flash file; without its state file the simulator takes each slot
// as erased when it reads all 0xFF and as complete otherwise.
void writeFlash(const std::string& flashPath, const Bytes& flash, bool keepStateFile);
// Slot 1-13 of a flash.
std::span<std::uint8_t> slotOf(Bytes& flash, int slot);
std::span<const std::uint8_t> slotOf(const Bytes& flash, int slot);
// The simulator's --status line for slot 1-13 ("slot 2: partly written, ...").
std::string slotStatus(const std::string& flashPath, int slot);

} // namespace tarvo::test
