#pragma once
// The built tarvo-kbdsim started on its pseudo-terminal, in a folder that
// holds its link, its flash file and its trace.

#include "testkit/child_process.h"
#include "testkit/temp_dir.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarvo::test {

inline constexpr std::size_t kSlotBytes = 65536;
inline constexpr int kFlashSlots = 13;
inline constexpr int kBlocksPerSlot = 4096;
inline constexpr std::size_t kBlockBytes = 16;
inline constexpr std::uint8_t kErased = 0xFF;

// One simulator on directory/flash.bin, linked at directory/kbd, tracing into
// directory/sim.trace (started afresh each time). Without a directory it
// keeps its files in a temporary folder of its own.
class SimulatedKeyboard {
public:
    static constexpr int kStartTimeoutMs = 60000; // a guard only: the machine is shared

    SimulatedKeyboard();
    explicit SimulatedKeyboard(std::string directory);
    ~SimulatedKeyboard();
    SimulatedKeyboard(const SimulatedKeyboard&) = delete;
    SimulatedKeyboard& operator=(const SimulatedKeyboard&) = delete;

    // True once the simulator has made its link and printed its terminal.
    bool start(const std::vector<std::string>& options = {});
    // Ends the simulator (it saves its flash on the way out); its exit status, or -1.
    int stop();
    // Off: the next start keeps no trace (the trace's writes cost line time).
    void setTracing(bool on) { m_tracing = on; }

    const std::string& directory() const { return m_directory; }
    std::string link() const { return inFolder("kbd"); }
    std::string flashPath() const { return inFolder("flash.bin"); }
    std::string tracePath() const { return inFolder("sim.trace"); }
    // The pseudo-terminal the running simulator printed.
    std::string terminalPath() const;
    // An erased flash file, so that no template is needed.
    void writeErasedFlash() const;
    // No flash file: the next start makes one as a keyboard leaves the factory.
    void removeFlash() const;
    // The lines of the trace that record a received frame of the type ("C1", "T0").
    int framesReceived(const std::string& frameType) const;

private:
    std::string outputPath() const { return inFolder("sim.out"); }
    std::string inFolder(const char* name) const;

    std::unique_ptr<TempDir> m_ownFolder;
    std::string m_directory;
    bool m_tracing = true;
    ChildProcess m_process;
};

} // namespace tarvo::test
