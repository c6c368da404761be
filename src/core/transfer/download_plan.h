#pragma once
// What a download will do, decided before anything is erased: which document
// table goes into which slot, which slots are read first (to merge the
// keyboard's script menus, or to back them up), then the images to write
// with the slots whose image the keyboard already holds left out, and the
// comparison a verification makes.

#include "document/doc.h"
#include "transfer/slot_choice.h"
#include "transfer/slot_inspection_session.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvo::transfer {

using SlotImages = std::array<std::vector<std::uint8_t>, kMaxSlots>;

struct DownloadRequest {
    std::vector<SlotRequest> slots; // empty: every slot whose table matches a document table
    bool asIs = false;              // the document's tables as stored, into their recorded slots
    bool backup = false;            // the chosen slots' tables are read and kept first
    // A slot an interrupted write left merges into this backup's table of
    // the slot, whatever the records say (empty: the records decide).
    std::string recoverFrom;
    // The document was just made by an import (its import-complete flag):
    // it is the keyboard's own, so nothing is read back to merge.
    bool documentFromImport = false;
    // How refusals name slots and tables.
    Wording wording = Wording::CommandLine;
};

// What the plan needs to know of each document table.
struct DocumentTableInfo {
    int languageId = 0;
    std::optional<int> sourceSlot; // 1-based, recorded by an import or a backup
};
std::vector<DocumentTableInfo> describeTables(const document::CS1_Doc& doc);

struct DownloadPlan {
    std::array<int, kMaxSlots> table{};      // document table per slot (0-based), kNoTable for none
    std::array<bool, kMaxSlots> merge{};     // read back and merged into its table before writing
    std::array<bool, kMaxSlots> readFirst{}; // read before anything is erased
    // Left by an interrupted write: never read to merge; the job merges
    // into what a record or the named backup holds, or refuses.
    std::array<bool, kMaxSlots> recover{};
    // Named with N=I: written as stored.
    std::array<bool, kMaxSlots> asNamed{};
    bool asIs = false;

    int chosenCount() const;
    bool anyRead() const;
    bool anyMerge() const;
};

struct PlanResult {
    bool ok = false;
    messages::Message message;
    DownloadPlan plan;
};

// Checks everything a download can check before it reads or erases: slots
// the keyboard has, one document table per slot unless named with N=I, no
// present table older than the version rule, recorded slots for --as-is.
PlanResult planDownload(const std::vector<SlotListing>& listings, int slotCount,
                        const std::vector<DocumentTableInfo>& tables, const DownloadRequest& request);

// What the Download dialog checks while it is open: the refusal the plan
// would give the choice (worded for the dialog), empty when it takes it.
messages::Message refusalOfChoice(const std::vector<SlotListing>& listings, int slotCount,
                                  const document::CS1_Doc& doc, std::vector<SlotRequest> chosen,
                                  bool asStored);

// The slot map of the read made before the write (kSlotNotRead elsewhere).
std::array<int, kMaxSlots> readFirstSlotMap(const DownloadPlan& plan);

// Replace-and-merge of every merged slot's image into its table. Every
// merged slot must have a whole image whose script menus and last block do
// not read erased: otherwise nothing is merged.
bool mergeReadBack(document::CS1_Doc& doc, const DownloadPlan& plan, const SlotImages& images,
                   messages::Message& message);

struct PreparedWrite {
    std::vector<std::unique_ptr<model::CS1_LangTable>> owned;
    std::array<const model::CS1_LangTable*, kMaxSlots> tables{}; // what is written, null for none
    std::array<bool, kMaxSlots> unchanged{};                     // the keyboard already holds the image
    int writeCount() const;
    int unchangedCount() const;
};

// The images to write: copies of the document's tables with the font slot
// (byte 21) set to the font number - 1 as the keyboard's loader expects,
// except --as-is, which writes the tables exactly as stored. A slot whose
// image equals what was read from it is unchanged unless forceWrite.
PreparedWrite prepareWrite(const document::CS1_Doc& doc, const DownloadPlan& plan,
                           const SlotImages& readImages, bool forceWrite);

struct ImageDifference {
    int slot = 0;           // 1-based
    int block = 0;          // 0-4095
    std::size_t offset = 0; // in the image
    int expected = 0;
    int actual = 0;
};
// The first byte where actual differs from expected (a short image differs
// at its end, reading as -1).
std::optional<ImageDifference> firstDifference(int slot, std::span<const std::uint8_t> expected,
                                               std::span<const std::uint8_t> actual);
messages::Message describeDifference(const ImageDifference& difference);

} // namespace tarvo::transfer
