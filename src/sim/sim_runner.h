#pragma once
// The simulator's terminal loop: reads the line, lets the keyboard answer,
// paces the replies and saves the flash, until SIGINT or SIGTERM.

#include "sim/keyboard_flash.h"
#include "sim/sim_command_line.h"

namespace tarvo::sim {

// Returns the process's exit status. The flash is saved to config.flashPath
// (when set) after each erase and end of a slot, when the line falls idle
// with unsaved blocks, and at the end.
int runSimulator(const SimConfig& config, KeyboardFlash& flash);

} // namespace tarvo::sim
