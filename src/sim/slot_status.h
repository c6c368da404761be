#pragma once
// --status: each slot's state and the table it holds, one line a slot.

#include "sim/keyboard_flash.h"

#include <string>

namespace tarvo::sim {

// slotCount lines, "slot N: STATE, NAME, language ID L, font F, version V".
std::string slotStatusText(const KeyboardFlash& flash, int slotCount);

// UTF-8 of a UTF-16 text (unpaired surrogates become U+FFFD).
std::string toUtf8(const std::u16string& text);

} // namespace tarvo::sim
