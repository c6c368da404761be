#pragma once
// Which keyboard slot a table was read from, kept in the table record's spare
// values (before the edited-entries marker) as the marker 0x534C4F54 and the
// 1-based slot number. Imports and backups record it so that a backup can be
// written back into the slots it came from.

#include "model/lang_table.h"

#include <cstdint>
#include <optional>

namespace tarvo::document {

inline constexpr std::uint32_t kSourceSlotMarker = 0x534C4F54;
inline constexpr int kFirstSourceSlot = 1;
inline constexpr int kLastSourceSlot = 13;

// Replaces any earlier record of the table.
void setSourceSlot(model::CS1_LangTable& table, int slot);
// The recorded slot (1-13); nullopt when none is recorded or the record is damaged.
std::optional<int> sourceSlot(const model::CS1_LangTable& table);

} // namespace tarvo::document
