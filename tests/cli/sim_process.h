#pragma once
// For the tests that run tarvo against tarvo-kbdsim: the simulator process
// on its pseudo-terminal, its flash file, the JSON Lines a transfer prints,
// the images a document holds and a run that is interrupted with Ctrl-C.

#include "document_commands_support.h"

#include <QJsonObject>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tarvo::cli::test {

inline constexpr std::size_t kSlotBytes = 65536;
inline constexpr int kFlashSlots = 13;
inline constexpr int kBlocksPerSlot = 4096;
inline constexpr std::size_t kBlockBytes = 16;
inline constexpr std::uint8_t kErased = 0xFF;

using Bytes = std::vector<std::uint8_t>;

// One tarvo-kbdsim on directory/flash.bin, linked at directory/kbd, tracing
// into directory/sim.trace (started afresh each time).
class SimulatedKeyboard {
public:
    explicit SimulatedKeyboard(std::string directory);
    ~SimulatedKeyboard();
    SimulatedKeyboard(const SimulatedKeyboard&) = delete;
    SimulatedKeyboard& operator=(const SimulatedKeyboard&) = delete;

    // True once the simulator has made its link.
    bool start(const std::vector<std::string>& options = {});
    // Ends the simulator; it saves its flash on the way out.
    void stop();

    std::string link() const { return m_directory + "/kbd"; }
    std::string flashPath() const { return m_directory + "/flash.bin"; }
    std::string tracePath() const { return m_directory + "/sim.trace"; }
    // The lines of the trace that record a received frame of the type ("C1", "T0").
    int framesReceived(const std::string& frameType) const;

private:
    std::string m_directory;
    pid_t m_pid = 0;
};

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

// The images of a document's tables, in document order; empty when it does not open.
std::vector<Bytes> documentImages(const std::string& path);

// Every line of a run's standard output as a JSON object (a line that is not
// one fails the test).
std::vector<QJsonObject> jsonLines(const std::string& out);
// The slot_done events in order, as (slot, result).
std::vector<std::pair<int, std::string>> slotResults(const std::vector<QJsonObject>& events);
// The first error event's message (empty when there is none).
std::string errorMessage(const std::vector<QJsonObject>& events);

// Runs tarvo and sends it SIGINT once a line of its standard output (JSON
// Lines) satisfies when.
RunResult runTarvoInterrupted(const std::vector<std::string>& args, const std::string& workingDirectory,
                              const std::function<bool(const QJsonObject&)>& when);
// Runs tarvo and calls act (with tarvo's process id) once a line of its
// standard output satisfies when.
RunResult runTarvoUntil(const std::vector<std::string>& args, const std::string& workingDirectory,
                        const std::function<bool(const QJsonObject&)>& when,
                        const std::function<void(pid_t tarvo)>& act);

} // namespace tarvo::cli::test
