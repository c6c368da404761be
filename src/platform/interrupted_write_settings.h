#pragma once
// The interrupted writes older versions kept in the application's settings
// (group "InterruptedWrites", a group per device path holding a group per
// slot). They are read once and moved into the record store; they hold no
// image, so they never apply by themselves, but their backups are named.

#include "transfer/interrupted_writes.h"

#include <vector>

namespace tarvo::platform {

// The records of the old group (none when there is none or the settings cannot be read).
std::vector<transfer::InterruptedWrite> readOldInterruptedWrites();
// Removes the old group once its records are stored elsewhere.
void removeOldInterruptedWrites();

} // namespace tarvo::platform
