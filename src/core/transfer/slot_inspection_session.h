#pragma once
// SlotInspectionSession: the Download and Import dialogs' first session.
// Pings the keyboard, checks its model, reads the three identifying blocks of
// every slot (and the last block of each slot holding a table) and makes
// each slot's drop-down list. Nothing is written. The Import dialog runs the
// same session with its own settings; the two differ only in how a choice
// becomes a slot map (slot_choice.h).

#include "io/message_pattern.h"
#include "serial/frames.h"
#include "serial/keyboard_records.h"
#include "transfer/interrupted_writes.h"
#include "transfer/slot_info_session.h"
#include "transfer/table_info_row.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::transfer {

inline constexpr std::u16string_view kEntryDoNotDownload = u"(do not download)";
inline constexpr std::u16string_view kEntryFlashBlank = u"Flash Memory Is Blank";
inline constexpr std::u16string_view kOldTablesInSlotOne =
    u"The version of the language tables present in the keyboard must be greater than or equal to 1.94";
inline constexpr int kLowestAcceptedMajor = 1;
inline constexpr int kLowestAcceptedMinor = 94;
inline constexpr int kUnwrittenByte = 0xFF;

// What picking an entry of a slot's list means.
enum class SlotEntryKind {
    Label,         // "Flash Memory Is Blank": shows the state, chooses nothing
    DoNotDownload, // never chooses the slot
    Table,         // the table the slot holds
    Empty,         // the blank slot's empty entry: chooses the slot
};

struct SlotEntry {
    messages::Message text; // the system's words, or a table's name as data
    SlotEntryKind kind = SlotEntryKind::Label;
};

// After the name of a blank slot that a record of an interrupted write names,
// with the language that write was writing.
inline constexpr std::u16string_view kInterruptedBlankMark = u" (blank: interrupted write of %s)";
// The same mark as a part of a list entry, after a blank.
inline constexpr std::u16string_view kInterruptedBlankNote = u"(blank: interrupted write of %s)";

// The major.minor rule: major neither 0 nor 0xFF, minor not 0xFF, at least 1.94.
bool isTableVersionAccepted(int firmwareMajor, int firmwareMinor);

struct SlotListing {
    TableInfoRow row;
    // Byte 0 is 0 or 0xFF, the version bytes were never written or the last
    // block reads erased (an interrupted write leaves them so): the slot
    // holds nothing usable but can be written again.
    bool recoverable = false;
    bool versionAccepted = false;
    // A write of this slot was interrupted: it is incomplete, or blank with
    // a record of a write made on this device. Its image is never merged.
    bool interrupted = false;
    // The records of writes of this slot kept for this keyboard's identity
    // (and those kept without one), under whatever device name they were made.
    std::vector<InterruptedWrite> records;
    // A blank slot: the record made on this device that applies.
    std::optional<InterruptedWrite> remembered;
    // A blank slot: records made on this device with different images could apply.
    bool severalApply = false;
    bool enabled = false;
    std::vector<SlotEntry> entries; // the first is selected at the start
    int languageId = -1;            // -1 when the list is disabled or the language is unknown

    int slot() const { return row.slot; }
    // A present table of an accepted version.
    bool holdsAcceptedTable() const { return row.present && !recoverable && versionAccepted; }
    // A document table of the same language may be written into it: an
    // accepted table, or a slot an interrupted write left whose language is known.
    bool takesTableOfItsLanguage() const { return holdsAcceptedTable() || (interrupted && languageId >= 0); }
};

// The language a blank slot's records name (UTF-8), when the slot is one an
// interrupted write left blank; empty otherwise.
std::string interruptedBlankLanguage(const SlotListing& listing);

// records: the writes of this slot kept for this keyboard; canonicalDevice:
// the device the slot is read through. They count only when the slot holds
// no whole table.
SlotListing makeSlotListing(const TableInfoRow& row, const std::vector<InterruptedWrite>& records = {},
                            const std::string& canonicalDevice = {});
SlotListing makeSlotListing(int slotNumber, const serial::TableInfoBlock& info, bool lastBlockErased = false);
// Each listing with the records memory keeps of keyboardId's slots, read
// through canonicalDevice (memory may be null).
void addInterruptedWrites(std::vector<SlotListing>& listings, const InterruptedWriteMemory* memory,
                          const std::string& keyboardId, const std::string& canonicalDevice);
// The listing of slot slotNumber (from 1), null when the slot was not read.
const SlotListing* findListing(const std::vector<SlotListing>& listings, int slotNumber);

class SlotInspectionSession final : public SlotInfoSession {
public:
    using SlotInfoSession::SlotInfoSession;

    const std::vector<SlotListing>& listings() const { return m_listings; }

protected:
    void prepareSlots() override;
    bool onIdentity() override;
    // The sessions that lead to moving tables read only checked replies.
    int addressMode() const override { return serial::frames::kAddressModeLinear; }
    bool onSlotRead(int slotNumber, const serial::TableInfoBlock& info, bool lastBlockErased) override;

private:
    std::vector<SlotListing> m_listings;
};

} // namespace tarvo::transfer
