#pragma once
// Writing again a slot that an interrupted write left blank or incomplete.
// What the slot holds is never merged. A record of the write applies only
// when the keyboard proves it: an incomplete slot's written blocks equal the
// same blocks of the record's image; a blank slot, which proves nothing, takes
// the record made on the same device. The merge source is then the backup's
// table of the slot when it can be read, else the record's own image (which
// already holds the keyboard's menus with that day's edits). With no record
// that applies nothing is erased unless the user names a backup or asks for
// the document's table as stored.

#include "io/message_pattern.h"
#include "transfer/interrupted_writes.h"
#include "transfer/transfer_events.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvo::transfer {

struct RecoverySource {
    Recovery how = Recovery::None;
    std::vector<std::uint8_t> image; // the merge source (FromBackup, FromRecord)
    std::string backupPath;          // the backup a later retry keeps; empty for none
    std::string time;                // of the write recovered, when a record applied
    messages::Message whyNotBackup;  // FromRecord: why the backup was not used
    bool assumed = false;            // a blank slot: the record was taken by its device alone
};

// An image whose last block or one of whose script menus reads erased: what
// an interrupted write leaves, never to be merged or taken as a backup.
bool readsErased(std::span<const std::uint8_t> image);

// Every block of slotImage that does not read erased equals the same block of
// written: the slot holds part of what that write was writing.
bool holdsPartOf(std::span<const std::uint8_t> slotImage, std::span<const std::uint8_t> written);

// The one record among candidates (all with images) that applies: the newest
// when their images agree; none when candidates is empty or their images differ.
std::optional<InterruptedWrite> singleRecord(const std::vector<InterruptedWrite>& candidates);

// The table of slot (1-based, of languageId) in the backup at path, or
// nullopt and why not.
std::optional<std::vector<std::uint8_t>> backupTableOf(const std::string& path, int slot, int languageId,
                                                       messages::Message& whyNot);

// What a record that applies recovers from: its backup's table, else its image.
RecoverySource sourceOfRecord(const InterruptedWrite& record, int slot, bool assumed);

// The refusal for a slot no record applies to, on one line: names the slot,
// says why, lists the backups of the records found and the two ways on.
messages::Message noRecordApplies(int slot, bool blank, bool severalApply,
                                  const std::vector<InterruptedWrite>& records);

// The notice a download gives for the slot it writes again.
messages::Message recoveryNotice(int slot, const RecoverySource& source);

} // namespace tarvo::transfer
