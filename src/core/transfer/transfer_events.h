#pragma once
// What the block-moving sessions report as they go, for callers that follow a
// transfer (the tool's progress line and JSON Lines events, the dialogs).

#include <functional>

namespace tarvo::transfer {

enum class TransferPhase {
    Info,   // the identifying blocks of each chosen slot
    Read,   // the 4096 blocks of each chosen slot's image
    Write,  // erase, 4096 blocks and end of data per slot
    Verify, // a read of the written slots to compare
};

struct BlockProgress {
    TransferPhase phase = TransferPhase::Read;
    int slot = 0;  // 1-based, as the user sees it
    int done = 0;  // blocks of the whole session so far
    int total = 0; // blocks of the whole session
};

enum class SlotOutcome {
    Read,      // every block of the slot's image was read
    Written,   // erased, written and ended with end of data
    Unchanged, // the keyboard already held the image: neither erased nor written
    Verified,  // read back and equal to what was written
};

// How a download writes a slot an interrupted write left behind (its image is never merged).
enum class Recovery {
    None,       // an ordinary write
    FromBackup, // the document's edited entries merged into a backup's table of the slot
    FromRecord, // merged into the image the interrupted write was writing
    AsStored,   // the document's table as stored, as the user asked
};

using ProgressListener = std::function<void(const BlockProgress&)>;
using SlotListener = std::function<void(int slot, SlotOutcome outcome)>;

} // namespace tarvo::transfer
