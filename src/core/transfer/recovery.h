#pragma once
// Writing again a slot that an interrupted write left blank or incomplete.
// What the slot holds is never merged: the keyboard's own script menus are
// in the backup saved before that write's erase, when one was saved and can
// still be read; otherwise the document's table is written as stored.

#include "transfer/interrupted_writes.h"
#include "transfer/transfer_events.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvo::transfer {

struct RecoverySource {
    Recovery how = Recovery::AsStored;
    std::vector<std::uint8_t> image; // the backup's table of the slot (FromBackup)
    std::string backupPath;          // the remembered backup, also when it cannot be used
    std::string whyNotBackup;        // one line (AsStored), UTF-8
};

// The backup's table of slot (1-based) when remembered names a readable
// backup holding a whole table of languageId recorded for that slot.
RecoverySource findRecoverySource(const std::optional<InterruptedWrite>& remembered, int slot,
                                  int languageId);

// An image whose last block or one of whose script menus reads erased: what
// an interrupted write leaves, never to be merged or taken as a backup.
bool readsErased(std::span<const std::uint8_t> image);

// The notice a download gives for the slot it writes again, UTF-8.
std::string recoveryNotice(int slot, const RecoverySource& source,
                           const std::optional<InterruptedWrite>& remembered);

} // namespace tarvo::transfer
