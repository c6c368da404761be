#pragma once
// The slot choice of several keyboards: one choice serves every keyboard
// whose slots hold the same languages, in the same places and in the same
// state; a keyboard that differs gets a choice of its own. What a slot is
// called in one keyboard or another does not count.

#include "transfer/slot_inspection_session.h"

#include <cstddef>
#include <vector>

namespace tarvo::transfer {

bool sameSlotLanguages(const std::vector<SlotListing>& a, const std::vector<SlotListing>& b);

// The keyboards (indices into keyboards) that share a choice, each group in
// order, the groups in the order of their first keyboard.
std::vector<std::vector<std::size_t>>
sharedChoiceGroups(const std::vector<std::vector<SlotListing>>& keyboards);

} // namespace tarvo::transfer
