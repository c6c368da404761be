#pragma once
// The simulated keyboard's flash files for a test: made, written, read back
// through the simulator's offline options.

#include "testkit/simulated_keyboard.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::test {

using Bytes = std::vector<std::uint8_t>;

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
