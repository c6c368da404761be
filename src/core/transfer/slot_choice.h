#pragma once
// Turning what the user chose (the Download dialog's lists, or the tool's
// --slots list) into the slot map, checked before anything is erased.

#include "transfer/slot_inspection_session.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::transfer {

inline constexpr int kMaxSlots = 13;
inline constexpr int kNoTable = -1;

// Who reads a refusal: the tool's user names slots and tables with --slots
// (N=I, tables from 0); the Download dialog's user picks list entries (tables
// from 1, as the lists show them).
enum class Wording { CommandLine, Dialog };

// One item of a --slots list: slot N (1-based), and document table I for "N=I".
struct SlotRequest {
    int slot = 0;
    std::optional<int> table;
};

// Parses "1,3,5=2"; nullopt with a message for a malformed item, a slot
// outside 1-13 or a slot named twice.
std::optional<std::vector<SlotRequest>> parseSlotList(std::string_view text, std::u16string& message);

struct SlotChoice {
    bool ok = false;
    messages::Message message;
    std::array<int, kMaxSlots> map{}; // document table per slot, kNoTable for none
    // The slot's table was named with N=I: written as stored, never merged.
    std::array<bool, kMaxSlots> asNamed{};
    int chosenCount() const;
};

// "Error: The keyboard only supports %d language tables. ..." with the count.
messages::Message tooFewSlotsText(int slotCount);

// The first document table whose language ID matches, kNoTable when none.
int tableForLanguage(const std::vector<int>& documentLanguageIds, int languageId);

// The dialog's choice: selections[k] is the entry picked in slot k+1's list.
// Only a table entry chooses a slot; "(do not download)" and the labels never
// do. A blank slot's empty entry names no language, so it matches nothing.
SlotChoice chooseFromSelections(const std::vector<SlotListing>& listings, const std::vector<int>& selections,
                                const std::vector<int>& documentLanguageIds);

// The tool's choice: without requests, every slot holding an accepted table
// (or left by an interrupted write) whose language the document has; with
// them, exactly the slots named. The dialog's choice comes as requests too.
SlotChoice chooseFromRequests(const std::vector<SlotListing>& listings, int slotCount,
                              const std::vector<SlotRequest>& requests,
                              const std::vector<int>& documentLanguageIds,
                              Wording wording = Wording::CommandLine);

} // namespace tarvo::transfer
