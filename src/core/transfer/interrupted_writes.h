#pragma once
// The writes a download left unfinished. The write session stores one before
// it erases a slot and removes it once the keyboard acknowledges that slot's
// end of data, so that a tool killed mid-write, or a laptop that lost power,
// leaves it behind too. A later download of that slot never merges what the
// slot holds: it merges into the backup saved before that erase, or writes
// the document's table as stored.

#include <optional>
#include <string>

namespace tarvo::transfer {

struct InterruptedWrite {
    std::string devicePath;
    int slot = 0;           // 1-based
    std::string time;       // when the erase went out, "2026-12-09T01:02:03Z"
    std::string backupPath; // the backup holding the slot's table from before that erase; empty for none
    int languageId = -1;    // of the table being written, -1 when unknown
};

class InterruptedWriteMemory {
public:
    virtual ~InterruptedWriteMemory() = default;
    virtual std::optional<InterruptedWrite> find(const std::string& devicePath, int slot) const = 0;
    // Stored and on disk when it returns true; false when the store cannot be written.
    virtual bool remember(const InterruptedWrite& write) = 0;
    virtual void forget(const std::string& devicePath, int slot) = 0;
};

// The time now as InterruptedWrite::time gives it.
std::string utcTimeNow();

} // namespace tarvo::transfer
