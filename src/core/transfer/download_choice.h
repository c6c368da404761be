#pragma once
// DownloadChoice: everything the user decides about a download (the Download
// dialog's lists and check boxes, or the tool's options), handed to the job
// in one call once the keyboard's slots are known.

#include "transfer/download_plan.h"
#include "transfer/slot_choice.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo::transfer {

// Where the table written into a slot comes from.
enum class SlotSource {
    Merged,    // the document's table, with the keyboard's script menus merged in
    AsStored,  // a document table written exactly as stored
    Recovered, // after an interrupted write: the document's edits merged into a backup's table
};

struct ChosenSlot {
    int slot = 0; // 1-based
    SlotSource source = SlotSource::Merged;
    std::optional<int> table; // AsStored: the document table (0-based)
    std::string backup;       // Recovered: the backup whose table of the slot is merged into
};

struct DownloadChoice {
    // Empty: every slot holding a table whose language the document has.
    std::vector<ChosenSlot> slots;
    // Every table as stored, into the slot it was read from (a restore).
    bool asStored = false;
    // A chosen slot left by an interrupted write merges into this backup's
    // table of the slot, whatever the records say (empty: the records decide).
    std::string recoverFrom;
    bool verify = false;     // read the written slots back and compare
    bool forceWrite = false; // write also the slots that already hold their image
    // The chosen slots' tables are saved to this document before anything is
    // erased; empty: no backup.
    std::string backupPath;
    // Stop before the first erase and report what a download would change.
    bool previewOnly = false;

    bool wantsBackup() const { return !backupPath.empty() && !previewOnly; }
    // The backup slot (1-based) merges into after an interrupted write, empty for the records.
    const std::string& recoveryBackup(int slot) const;
};

// A --slots list or the dialog's lists: an item naming its table (N=I) is written as stored.
std::vector<ChosenSlot> chosenSlotsOf(const std::vector<SlotRequest>& requests);

// What the plan checks of the choice.
DownloadRequest requestOf(const DownloadChoice& choice, Wording wording, bool documentFromImport);

} // namespace tarvo::transfer
