#pragma once
// --status: each slot's state and the table it holds, one line a slot.

#include "sim/keyboard_flash.h"

#include <string>

namespace tarvo::sim {

// slotCount lines, "slot N: STATE, NAME, language ID L, font F, version V".
std::string slotStatusText(const KeyboardFlash& flash, int slotCount);

} // namespace tarvo::sim
