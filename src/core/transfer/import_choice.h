#pragma once
// Which keyboard slots an import reads, checked before anything is read: the
// slots named, or every slot holding a table in a language the template has.

#include "transfer/slot_choice.h"
#include "transfer/slot_inspection_session.h"

#include <array>
#include <string>
#include <vector>

namespace tarvo::transfer {

struct ImportChoice {
    bool ok = false;
    messages::Message message;
    // Per slot (0-based): the language ID of the table to import, kNoTable for none.
    std::array<int, kMaxSlots> languageIds{};
    // Slots holding a table whose language the template lacks (1-based); not read.
    std::vector<int> skipped;
    // Slots an interrupted write left incomplete (1-based); never read as if whole.
    std::vector<int> incomplete;
    // The refusal is that a slot named is incomplete: no document can be made of it.
    bool incompleteNamed = false;
    int chosenCount() const;
};

ImportChoice chooseImportSlots(const std::vector<SlotListing>& listings, int slotCount,
                               const std::vector<SlotRequest>& requests,
                               const std::vector<int>& templateLanguageIds);

// The Read session's slot map for an import: every chosen slot becomes a new table.
std::array<int, kMaxSlots> importSlotMap(const ImportChoice& choice);

} // namespace tarvo::transfer
