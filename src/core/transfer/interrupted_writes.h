#pragma once
// The writes a download left unfinished. The write session stores a record
// of each slot's write, on disk, before it erases the slot, and removes it
// once the keyboard acknowledges that slot's end of data, so that a tool
// killed mid-write, or a laptop that lost power, leaves it behind too.
// Records are kept for the keyboard, not for a device name: a retry finds
// them by the keyboard's identity under any name, and what the slot holds
// decides which one applies (recovery.h).

#include "serial/keyboard_records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvo::transfer {

struct InterruptedWrite {
    std::string id;              // the store's name of the record; set when it is stored
    std::string devicePath;      // as the user named it
    std::string canonicalDevice; // links resolved, a USB adapter by its by-id name, a host resolved
    std::string keyboardId;      // the identity reply in hex (keyboardIdText); empty when not known
    int slot = 0;                // 1-based
    std::string time;            // when the erase went out, "2026-12-09T01:02:03Z"
    std::string backupPath;      // bytes of the backup's absolute path from before the erase; empty for none
    int languageId = -1;         // of the table being written, -1 when unknown
    std::string languageName;    // that table's name, UTF-8
    std::vector<std::uint8_t> image; // what the write was writing; empty for a record kept without one

    bool hasImage() const;
};

class InterruptedWriteMemory {
public:
    virtual ~InterruptedWriteMemory() = default;
    // Every record kept.
    virtual std::vector<InterruptedWrite> records() const = 0;
    // Stores write (setting its id) and has it on disk when it returns true;
    // false with the reason (UTF-8) when it cannot be stored.
    virtual bool remember(InterruptedWrite& write, std::string& reason) = 0;
    virtual void forget(const std::string& id) = 0;
};

// The time now as InterruptedWrite::time gives it.
std::string utcTimeNow();
// The identity reply as records keep it.
std::string keyboardIdText(const serial::KeyboardId& id);
// A record's time as messages show it: a damaged one is never echoed whole.
std::string shownTime(const std::string& time);

// The records of slot a download of this keyboard through canonicalDevice
// considers: those made on a keyboard of the same identity under any name,
// and those kept without an identity on the same device (they never apply by
// themselves, but their backups are named).
std::vector<InterruptedWrite> recordsOfSlot(const InterruptedWriteMemory& memory,
                                            const std::string& keyboardId, const std::string& canonicalDevice,
                                            int slot);
// A complete write of slot on canonicalDevice: that slot's records made there are history.
void forgetSlot(InterruptedWriteMemory& memory, const std::string& canonicalDevice, int slot);

} // namespace tarvo::transfer
